#pragma once
#include "util/kodierung.h"

#include <QSet>
#include <QString>
#include <QStringList>

// A new participant: the three lines of its file and the file itself.

// The file of a new participant: the header line (class, character 11,
// comment, both trimmed), the day text of `heute` as the first day's date
// line and the block separator.
QStringList NeueTeilnehmerZeilen(const QString &klasse, const QString &kommentar, const QString &heute);

// Creates the participant `name` (trimmed) in the data folder `ordner`, as
// "Neuen Teilnehmer erstellen" does: its file holds the lines above with
// today's day text, in `kodierung` (afterwards the encoding it was written
// in). The file is written whole under a temporary name, brought onto the
// drive and only then given its name, so that a crash leaves no file or a
// whole one, and a participant of that name in any letter case is never
// replaced. False with the German message in `fehler` when nothing was
// created (a name that cannot be used, the name taken, a failed write);
// true when the participant exists, with a message in `fehler` when the
// drive did not confirm its file.
bool TeilnehmerAnlegen(const QString &ordner, const QString &name, const QString &klasse,
                       const QString &kommentar, Kodierung &kodierung, QString &fehler);

// Creating many participants in one folder, each as TeilnehmerAnlegen
// creates one: the folder's names are read once, and its entries are
// brought onto the drive once at the end.
class Teilnehmeranlage
{
public:
    explicit Teilnehmeranlage(const QString &ordner);

    // Whether a participant of this name exists in any letter case, those
    // created here included.
    bool Vorhanden(const QString &name) const;
    // As TeilnehmerAnlegen; with `ordnerSyncen` false the folder waits
    // for Abschliessen.
    bool Anlegen(const QString &name, const QString &klasse, const QString &kommentar, Kodierung &kodierung,
                 QString &fehler, bool ordnerSyncen = false);
    // Syncs the folder when files were created without; the German message
    // when the drive did not confirm them, else empty.
    QString Abschliessen();

private:
    QString ordner;
    QSet<QString> namen; // upper case
    bool ungesynct = false;
};
