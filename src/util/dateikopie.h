#pragma once
#include <QString>
#include <functional>

// Copying and comparing files in blocks of 65,536 bytes; `proBlock` runs
// before each block so that the window stays responsive.
inline constexpr qint64 KopierBlock = 65536;

// Copies `quelle` to `ziel` through a temporary file in the target folder
// that replaces `ziel` only when it is complete and on the disk, so that a
// failure never destroys an older copy.
bool DateiKopieren(const QString &quelle, const QString &ziel, const std::function<void()> &proBlock);

// Compares two files byte by byte. The second is read back from the disk,
// not from what the system still holds in memory.
bool DateienGleich(const QString &a, const QString &b, const std::function<void()> &proBlock);
