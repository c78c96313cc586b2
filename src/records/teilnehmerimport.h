#pragma once
// A class list made into participants: what each column of the table
// means, the name each row makes, whether it can be created, and the
// creating itself, as "Neuen Teilnehmer erstellen" creates one.

#include "tabellenleser.h"
#include "util/kodierung.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

enum class Spaltenbedeutung { NichtVerwenden, Nachname, Vorname, Name, Klasse, Kommentar };
enum class Namensform { NachnameKommaVorname, VornameNachname, NachnameVorname };

// The meanings in the order the dialog offers them, and their texts
// ("Nachname" ... "nicht verwenden").
QList<Spaltenbedeutung> Spaltenbedeutungen();
QString BedeutungText(Spaltenbedeutung bedeutung);

// The forms in the order offered, their texts ("Nachname, Vorname",
// "Vorname Nachname", "Nachname Vorname") and the form of such a text.
QList<Namensform> Namensformen();
QString NamensformText(Namensform form);
std::optional<Namensform> NamensformAusText(const QString &text);
// The form chosen last, kept in the settings.
std::optional<Namensform> NamensformGespeichert();
void NamensformMerken(Namensform form);

// What a header cell names: Name; Nachname or Familienname; Vorname or
// Rufname; Klasse, Lerngruppe or Kurs; Kommentar or Bemerkung. Letter case,
// blanks and umlauts or their ae/oe/ue forms do not count.
std::optional<Spaltenbedeutung> KopfwortBedeutung(const QString &zelle);

// Whether a row is a header: one of its cells is such a word.
bool IstKopfzeile(const QStringList &zeile);

// The meanings proposed for the columns of a table: from the header where
// the first row is one (a column it does not name is not used), else by the
// number of columns (Name; Nachname, Vorname; then Klasse, Kommentar).
QList<Spaltenbedeutung> SpaltenVorschlagen(const Tabelle &tabelle, bool kopfzeile);

// The number of columns of the widest row.
int Spaltenzahl(const Tabelle &tabelle);

// Blanks inside made single (line breaks and tabs count as blanks), the
// ends trimmed.
QString Vereinfacht(const QString &text);

struct ImportWahl {
    QList<Spaltenbedeutung> spalten;
    bool kopfzeile = false;
    Namensform form = Namensform::NachnameKommaVorname;
    QString klasse; // typed for all rows; wins over a class column when not empty
};

struct ImportZeile {
    enum Zustand { Neu, Vorhanden, Ungueltig };
    int zeile = 0; // the line of the file
    QString name, klasse, kommentar;
    Zustand zustand = Neu;
    QString grund; // why invalid, German
};

// The state as the preview shows it: "neu", "existiert bereits – wird
// übersprungen", "ungültig: <reason>".
QString ZustandText(const ImportZeile &zeile);

// Every row of the table (the header left out) as it will be made, checked
// against the participants of `ordner` and the rows above it, without
// regard to letter case.
QList<ImportZeile> ImportVorschau(const Tabelle &tabelle, const ImportWahl &wahl, const QString &ordner);

struct ImportErgebnis {
    int angelegt = 0;
    int uebersprungen = 0;
    QStringList fehler;  // "<name>: <reason>" of each file that could not be written
    QString unbestaetigt; // the folder's entries not confirmed by the drive
    bool abgebrochen = false;
};

// Creates the participant of every "neu" row in `ordner`, each as "Neuen
// Teilnehmer erstellen" creates one, in `kodierung` (the rule of that
// command), and never changes a file that exists. `weiter` hears the
// progress and may cancel the rest.
ImportErgebnis TeilnehmerImportieren(const QString &ordner, const QList<ImportZeile> &zeilen, Kodierung kodierung,
                                     const std::function<bool(int erledigt, int gesamt)> &weiter = {});

// "%s Teilnehmer wurden angelegt, %s übersprungen." and the files that
// could not be written, one per line.
QString ImportBericht(const ImportErgebnis &ergebnis);
