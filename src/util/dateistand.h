#pragma once
#include <QString>

// What the program remembers of a file it has read or written, to notice
// when another program (or a copy of this one on another computer) has
// changed it since: its size, modification time and identity. One stat.
struct DateiStand {
    bool bekannt = false; // false when the file could not be looked at
    qint64 groesse = -1;  // -1: there is no such file
    qint64 geaendert = 0; // nanoseconds
    quint64 kennung = 0;  // the file's number on its drive
    bool operator==(const DateiStand &) const = default;
    // Whether the look found that there is no such file.
    bool Fehlt() const { return bekannt && groesse < 0; }
};
DateiStand StandVon(const QString &pfad);

// Whether the file changed between the two looks; a look that failed
// (no permission to see the folder) tells nothing.
bool FremdGeaendert(const DateiStand &gemerkt, const DateiStand &jetzt);
