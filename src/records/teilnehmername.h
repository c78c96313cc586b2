#pragma once
#include <QString>

// Why a name cannot be a participant's file name, as a German message for
// the user; empty when the name can be used. Names must be valid on the
// FAT drives used for backups too.
QString NamensFehler(const QString &name);
