#pragma once
#include "klassenleser.h"
#include "zeitraum.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

// The evaluations over days: a participant's days counted by homework
// status within a period, the class overview built from them, and the
// table it is shown, printed and exported as.

// One day as the evaluations see it.
struct TagEintrag {
    int nummer = 0;      // 1 is the newest day
    qsizetype zeile = -1; // the index of its date line in the lines walked; -1 when it has none
    QStringView datum;   // the first field of the date line, as it stands
    int hausaufgabe = 0; // 0 Fehlt, 1 Nein, 2 Ja, as the record view shows it
};

// Calls `jeTag` for every day of a participant's lines, in day order;
// lines without any separator are day 1. `datum` points into `zeilen` and
// is valid during the call only.
void TageDurchgehen(const QStringList &zeilen, const std::function<void(const TagEintrag &)> &jeTag);
void TageDurchgehen(const QList<QStringView> &zeilen, const std::function<void(const TagEintrag &)> &jeTag);

// One participant of the overview.
struct UebersichtZeile {
    QString name;
    QString klasse;
    QString kommentar;
    int tage = 0;      // days inside the period
    int fehlt = 0;
    int nein = 0;
    int ja = 0;
    int ohneDatum = 0; // days whose date text cannot be read; only "Alles" counts them as days
    QString letzterTag; // the date text of day 1
    QString fehler;     // why the file could not be read; nothing is counted then

    bool Lesbar() const { return fehler.isEmpty(); }
    // Ja ÷ (Nein + Ja) in per cent; none without a homework day.
    std::optional<double> Quote() const;
};

// The most characters a text of the overview holds (class, comment, date),
// what a spreadsheet cell takes: a longer text ends in "…". The table and
// its paper need no more, and a file with a header of megabytes keeps the
// overview small.
constexpr qsizetype Zellgrenze = 32767;

// Counts a participant's lines (as read from the file) within a period.
UebersichtZeile TeilnehmerZaehlen(const QString &name, const QList<QStringView> &zeilen, const Zeitraum &zeitraum);
UebersichtZeile TeilnehmerZaehlen(const QString &name, const QStringList &zeilen, const Zeitraum &zeitraum);
// The same for a file read by the class reader (its dates read already).
UebersichtZeile TeilnehmerZaehlen(const GeleseneDatei &datei, const Zeitraum &zeitraum);

// The class's sums; its quote is Ja ÷ (Nein + Ja) over all the class's
// homework days, the average that weighs every day alike.
UebersichtZeile Summenzeile(const QList<UebersichtZeile> &zeilen);

// How the overview orders names and texts, whatever the user's locale:
// German collation without regard to case, numbers in names by value
// ("Schüler 2" before "Schüler 10").
QCollator NamenSortierung();

struct Klassenuebersicht {
    QList<UebersichtZeile> zeilen; // sorted by name (NamenSortierung)
    bool abgebrochen = false;
};

// Reads the participant files of `ordner` and counts those of `klasse`
// (trimmed, compared without regard to case; empty for all). A file
// without lines belongs to every class, as in the participant list; a file
// that cannot be read is a row with the reason, whatever the class. Read
// by KlassendateienLesen. After a cancel the rows hold what was counted by then.
Klassenuebersicht KlasseZaehlen(const QString &ordner, const QString &klasse, const Zeitraum &zeitraum,
                                const Fortschritt &weiter = {});

// The table's columns, in their order.
enum UebersichtSpalte {
    SpalteName,
    SpalteKlasse,
    SpalteTage,
    SpalteFehlt,
    SpalteNein,
    SpalteJa,
    SpalteQuote,
    SpalteOhneDatum,
    SpalteLetzterTag,
    SpalteKommentar,
    SpaltenZahl
};

// Screen and paper show counts with thousands dots and the quote with
// "%"; a spreadsheet gets bare numbers (decimal comma) it can compute with.
enum class Zellform { Anzeige, Tabellenkalkulation };

QStringList UebersichtKopf();
QStringList UebersichtZellen(const UebersichtZeile &zeile, Zellform form);
inline const QString SummenText = QStringLiteral("Summe / Durchschnitt");

// Header, one row per participant and the sum row.
QList<QStringList> UebersichtTabelle(const QList<UebersichtZeile> &zeilen, Zellform form);

// The bytes of the CSV file of the overview.
QByteArray UebersichtCsv(const QList<UebersichtZeile> &zeilen);
