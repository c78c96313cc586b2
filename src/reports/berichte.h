#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The report texts, built from a participant's lines alone. Each returns
// its lines each followed by CR LF.

// The header fields as the main window shows them (trimmed).
struct BerichtKopf {
    QString name;
    QString klasse;
    QString kommentar;
};

// The report kinds, also the tags of the report menu items.
enum BerichtArt { TagBericht = 1, TageBericht = 2, HausaufgabenBericht = 3, KommentarBericht = 4 };

// Report kinds 1 to 3 (4 has its own function below).
// `hausaufgaben` are the captions of the homework items ("&Fehlt" ...).
QString DruckenText(const QStringList &zeilen, const BerichtKopf &kopf, int art, int aktNummer,
                    const QStringList &hausaufgaben);

// One participant file for the comment evaluation: its name and, when the
// file has a first line, that line.
struct KommentarQuelle {
    QString name;
    bool hatKopf = false;
    QString kopfzeile;
};

// The first lines of every participant file of a folder. A file that
// cannot be read is left out; its message is added to `fehler`.
QList<KommentarQuelle> KommentarQuellenLesen(const QString &ordner, QStringList &fehler);

// Report kind 4: every participant with a comment, sorted by the locale
// without regard to case and numbered; empty when there is none.
QString KommentareText(const QList<KommentarQuelle> &quellen);

// Lines as one text, each followed by CR LF.
QString Zeilentext(const QStringList &zeilen);
