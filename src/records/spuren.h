#pragma once
// What a participant leaves in the data folder besides its participant
// file: the backup copy made before each save (".bak"), the copies kept
// when the file changed on disk meanwhile (".konflikt", ".konflikt2" ...)
// and the temporary files of a write that was cut off. Erasing a pupil
// completely removes them all.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The files of the participant file `datei` (for example "Beta.dat") in
// `ordner`, the participant file first, that exist.
QStringList TeilnehmerSpuren(const QString &ordner, const QString &datei);

// A backup or conflict copy whose participant file no longer exists (left
// by a deletion or a rename).
struct VerwaisteKopie {
    QString datei;
    QDateTime geaendert;
};
// Those of `ordner`, sorted by name.
QList<VerwaisteKopie> VerwaisteKopien(const QString &ordner);

// Deletes the files of `ordner`; says which went and which did not, why.
struct SpurenErgebnis {
    QStringList geloescht;
    QStringList nicht; // "name: reason"
};
SpurenErgebnis SpurenLoeschen(const QString &ordner, const QStringList &dateien);

// The report of a deletion, for a message: what went, and what did not and
// why; each file on a line of its own.
QString SpurenBericht(const SpurenErgebnis &ergebnis);
// Names indented one per line, for a message.
QString Aufzaehlung(const QStringList &zeilen);
