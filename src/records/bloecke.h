#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>

// The line rules of a participant file: line 0 is the header line (class,
// character 11, comment); day blocks follow, each a date line (date,
// character 11, remark), a homework line, info lines and a line containing
// the block separator. Day 1 is the first block after the header.

inline const QString Blocktrenner = QStringLiteral("<--------------->");
inline constexpr QChar Feldtrenner = QChar(11);

bool IstTrenner(QStringView zeile);

// The two fields of a header or date line, split at the first character 11.
struct Felder {
    QString erstes;
    QString zweites;
};
Felder FelderTeilen(const QString &zeile);
QString FelderVerbinden(const QString &erstes, const QString &zweites);

// Walks the day blocks from line 1 on. For each line it tells the day it
// belongs to (from 1), its place in that day (1 the date line, 2 the
// homework line, 3 and on the info lines; the separator line counts too)
// and whether it closes the day, that is, holds the separator text.
// The lines are a QStringList, or views into one text where an evaluation
// reads many files and a string per line would cost more than the walk.
template<typename Zeilen>
class BlockLeserUeber
{
public:
    explicit BlockLeserUeber(const Zeilen &zeilen) : zeilen(zeilen) {}
    // Moves to the next line; false past the last one.
    bool Weiter()
    {
        if (schliesst) {
            ++tag;
            zeileImTag = 0;
        }
        if (++index >= zeilen.size())
            return false;
        ++zeileImTag;
        schliesst = IstTrenner(zeilen.at(index));
        return true;
    }
    qsizetype Index() const { return index; }
    const auto &Zeile() const { return zeilen.at(index); }
    int Tag() const { return tag; }
    int ZeileImTag() const { return zeileImTag; }
    bool Schliesst() const { return schliesst; }

private:
    const Zeilen &zeilen;
    qsizetype index = 0;
    int tag = 1;
    int zeileImTag = 0;
    bool schliesst = false;
};
using BlockLeser = BlockLeserUeber<QStringList>;

// The lines from `ab` on that hold the block separator text.
int TrennerZeilen(const QStringList &zeilen, qsizetype ab = 0);
// The number of days: the lines after the header that hold the block
// separator text.
int TageZaehlen(const QStringList &zeilen);

// A homework line's status: a decimal integer of 0 or more, else -1.
int HausaufgabeLesen(QStringView zeile);

// Makes lines read from a file usable as a document: an empty file becomes
// an empty header line, a first line holding the separator gets an empty
// header line before it, and lines without any separator get one appended,
// so that they form exactly one day.
void ZeilenVorbereiten(QStringList &zeilen);

// One day as the record view shows it.
struct Tag {
    QString datum;
    QString anmerkung;
    int hausaufgabe = 0; // the radio index, 0..2
    QStringList infos;
};
Tag TagLesen(const QStringList &zeilen, int nummer);

// A day block as the save writes it: date line, homework line, the info
// lines and the separator line.
QStringList TagBlock(const Tag &tag);

// The save's rebuild: a new header line and day `nummer` replaced by
// `block`; every other line is kept as it stands.
QStringList TagErsetzen(const QStringList &zeilen, const QString &kopfzeile, int nummer,
                        const QStringList &block);

// Day `nummer` removed with its separator line; nothing else changes.
QStringList TagEntfernen(const QStringList &zeilen, int nummer);

// The first day above `abNummer` whose date part, upper-cased, contains
// `suchtext` (already upper case); 0 when there is none.
int DatumSuchen(const QStringList &zeilen, int abNummer, const QString &suchtext);

// A class is a short name: lists, filters, the overview and the chart take
// the first 200 characters of a longer one (a header line of megabytes
// would otherwise be laid out in every list). The file keeps it whole.
constexpr qsizetype Klassengrenze = 200;
QString Klassenname(const QString &klasse);

// The class of a participant, from its header line, trimmed (and cut as
// Klassenname cuts it).
QString KlasseAusKopf(const QString &kopfzeile);
