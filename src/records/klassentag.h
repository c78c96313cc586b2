#pragma once
#include "klassenuebersicht.h"
#include "util/dateistand.h"
#include "util/kodierung.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A lesson for the whole class: one date, one row per participant of a
// class, each written into the participant's own file exactly as the
// record view's commands would write it (a new day 1, or the day of that
// date updated in place).

// One participant's file as the class day read it.
struct KlassenDatei {
    QString name;
    QString pfad;
    QStringList zeilen; // prepared as the record view prepares them (ZeilenVorbereiten)
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    DateiStand stand;   // taken before the file was read
    QString fehler;     // why the file could not be read; the row is then only shown
};

struct KlassenLesung {
    QList<KlassenDatei> dateien; // in the program's German collation of the names
    bool abgebrochen = false;
};

// Reads every participant file of `ordner` whose class is `klasse`
// (trimmed, without regard to case, as the participant list matches it).
// A file without lines belongs to every class, as in the participant
// list; a file that cannot be read is a row with the reason. Only the
// header line of another class's file is read.
KlassenLesung KlasseLesen(const QString &ordner, const QString &klasse, const Fortschritt &weiter = {});
// Reads one participant's file again (after another program changed it).
KlassenDatei KlassenDateiLesen(const QString &name, const QString &pfad);

// Date texts read as dates, kept across the class: most of them repeat
// from pupil to pupil.
using Datumsspeicher = QHash<QString, QDate>;

// The newest day (the smallest number) whose date text reads as `datum`;
// 0 when there is none.
int TagZumDatum(const QStringList &zeilen, const QDate &datum, Datumsspeicher &gelesen);

// What the teacher entered in one row, or what the file holds for the day.
struct KlassenEintrag {
    int hausaufgabe = -1; // -1 none chosen, else 0 Fehlt, 1 Nein, 2 Ja
    QString anmerkung;
    QString infos;        // one line, appended to the day as an info line
    bool operator==(const KlassenEintrag &) const = default;
};

// One row of the class day.
struct KlassenZeile {
    KlassenDatei datei;
    int tag = 0;              // the day of the chosen date in the file, 0 none
    KlassenEintrag gelesen;   // what that day holds (no infos)
    KlassenEintrag eintrag;   // what the row shows
    QString grund;            // why the last save of this row failed
    bool neuGeladen = false;  // another program changed the file; it was read again
    bool fehltNoch = false;   // a save found a remark or infos without status
};

// A row for a file just read, with the day of `datum` looked up.
KlassenZeile KlassenZeileAus(KlassenDatei datei, const QDate &datum, Datumsspeicher &gelesen);
// The file's day of `datum` looked up again: an existing day shows its
// status and remark, any other row starts "nicht erfasst". The teacher's
// entry is kept where `eintragBehalten`.
void DatumAnwenden(KlassenZeile &zeile, const QDate &datum, Datumsspeicher &gelesen, bool eintragBehalten = false);

// The state column's text.
QString ZustandText(const KlassenZeile &zeile);
// Whether a save would write the row's file.
bool ZeileSchreibt(const KlassenZeile &zeile);
// A remark or infos without a status on a row that has no day yet: such a
// row is never saved, for no status may be invented.
bool StatusFehlt(const KlassenZeile &zeile);
// "nicht erfasst" again: no status, remark or infos; a row with a day
// gets back what the day holds.
void EintragZuruecksetzen(KlassenZeile &zeile);

// A new day 1 as "&Neuen Tag erstellen" makes it, with the day text of
// `datum`, the remark, the status and the infos as an info line when there
// are any.
QStringList NeuenTagEinfuegen(const QStringList &zeilen, const QDate &datum, const KlassenEintrag &eintrag);
// Day `nummer` updated: its date line keeps its date text and takes the
// remark, the homework line takes the status, non-empty infos become one
// more info line; every other line stays as it stands.
QStringList TagAktualisieren(const QStringList &zeilen, int nummer, const KlassenEintrag &eintrag);
// The lines a save writes for a row.
QStringList ZeilenZumSpeichern(const KlassenZeile &zeile, const QDate &datum);

enum class Speicherausgang { Gespeichert, FremdGeaendert, Fehlgeschlagen };
// Writes one row with the program's safe save (backup copy first, the
// file's own encoding). A file changed on disk since it was read is not
// overwritten: it is read again and the teacher's entry stays in the row
// (a field the teacher left as it was shows the file's new value).
// A removed file is not made anew. On success the row holds the day as
// written; `warnung` holds a message where the drive did not confirm it.
Speicherausgang ZeileSpeichern(KlassenZeile &zeile, const QDate &datum, Datumsspeicher &gelesen, QString &warnung);
