#pragma once
// An encrypted backup decrypted from the command line, without a window:
// for a recovery on another machine. The password comes from standard
// input (without echo on a terminal).

#include "util/geheimnis.h"

#include <QString>

// Writes every participant file of the backup `datei` into `ordner` (made
// where missing), never replacing an existing file unless `ersetzen`, and
// compares each with the backup afterwards. Returns 0 when done; 1 for a
// wrong password, a damaged backup or a file that could not be written;
// 2 for a bad argument. Messages go to standard error, in German.
int Entschluesseln(const QString &datei, const QString &ordner, bool ersetzen);

// One line of standard input in guarded memory; on a terminal it asks for
// it and does not show what is typed.
Geheimnis KennwortLesen();
