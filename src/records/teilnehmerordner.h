#pragma once
#include <QString>
#include <QStringList>

// The participant files of a folder ("*.dat", hidden ones too, no folders),
// in the order the file system returns them.
QStringList TeilnehmerDateien(const QString &ordner);

// Renames a participant file without ever replacing another participant's
// file: a file of the new name that differs only in letter case counts as
// taken, unless it is the file being renamed.
bool TeilnehmerdateiUmbenennen(const QString &altPfad, const QString &neuPfad);
