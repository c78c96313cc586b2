#pragma once
#include <QString>

// Why a name cannot be a participant's file name, as a German message for
// the user; empty when the name can be used. Names must be valid on the
// FAT drives used for backups too.
QString NamensFehler(const QString &name);

// The longest file name the program makes from a participant's name:
// "<name>.dat.konflikt" with room for a number.
inline constexpr int NamensZusatz = 16;

// The checks for a participant about to be created or renamed in the data
// folder `ordner`: those of NamensFehler, and a name whose files would be
// longer than the folder's file system allows (255 bytes at most, so that
// a backup stick takes them too). Empty when the name can be used.
QString NeuerNameFehler(const QString &ordner, const QString &name);
