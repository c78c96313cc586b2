#pragma once
// Reading the participant files of a class together, for every window that
// shows a class at once: each file is read and decoded once, its day blocks
// are walked once, and each distinct date text is read as a date once for
// the whole class (most date texts repeat from pupil to pupil).

#include "teilnehmerordner.h"
#include "util/dateistand.h"
#include "util/kodierung.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

// One day of a participant as a class reader finds it.
struct GelesenerTag {
    int nummer = 0;        // 1 is the newest day
    qsizetype zeile = -1;  // the index of its date line in GeleseneDatei::zeilen; -1 when the day has none
    QStringView datum;     // the date text: its date line up to the first character 11, as it stands
    QDate gelesen;         // the date text read as a date (DatumLesen); invalid when it is none
    int hausaufgabe = 0;   // 0 Fehlt, 1 Nein, 2 Ja, as the record view shows it
};

// One participant file of a class as read.
struct GeleseneDatei {
    QString name;     // the participant
    QString datei;    // its file's name in the folder
    DateiStand stand; // the file as it was just before it was read: for the lost-update check
    Kodierung kodierung = Kodierung::Utf8MitMarke; // its encoding and mark, kept when it is written
    QString fehler;   // why it could not be read (German); nothing below is set then
    // The lines as ZeilenLesen gives them, header first: views into the
    // text this object holds (moving the object keeps them valid). A file
    // whose first line is a separator has no header line here.
    QList<QStringView> zeilen;
    // Every day in day order, as the document counts them (lines without
    // any separator are day 1; a file without a header line gets an empty
    // one first, as the document reads it, which shifts no index here).
    QList<GelesenerTag> tage;

    bool Lesbar() const { return fehler.isEmpty(); }
    // Whether the file holds no line at all (it belongs to every class).
    bool Leer() const { return Lesbar() && zeilen.isEmpty(); }
    // The header line, empty when there is none.
    QStringView Kopf() const;
    // The lines as strings, for a caller that changes and writes them.
    QStringList Zeilen() const;

    // The decoded text the views point into; the reader fills it.
    QString text;
};

// Told how many files of how many are done, on the calling thread: at the
// start, before each further file that thread reads and once at the end;
// false cancels.
using Fortschritt = std::function<bool(int erledigt, int gesamt)>;

// Called for each file read, on one of the reading threads, with the
// file's place in `eintraege`; the caller keeps what it needs (it may move
// the file away). Files of other classes are not read and not passed.
using JeGeleseneDatei = std::function<void(qsizetype stelle, GeleseneDatei &datei)>;

// Reads the participant files `eintraege` of `ordner` that belong to
// `klasse`, the participant list's way: the header line first, its class
// trimmed and compared without regard to case (an empty class: the
// participants without one); every file without a class given. A file
// without lines belongs to every class; a file that cannot be read is
// passed with the reason, whatever the class. A few threads read side by
// side, each one file at a time (a very large file only one thread at a
// time), so that a class holds a few files in memory, not all. False when
// cancelled; the files passed by then were read completely.
bool KlassendateienLesen(const QString &ordner, const QList<TeilnehmerEintrag> &eintraege,
                         const std::optional<QString> &klasse, const JeGeleseneDatei &jeDatei,
                         const Fortschritt &weiter = {});

// Reads one participant file as KlassendateienLesen does, whatever its
// class, with dates of its own: for a file read again after a change on disk.
GeleseneDatei EinzelneDateiLesen(const QString &ordner, const TeilnehmerEintrag &eintrag);
