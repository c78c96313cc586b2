#pragma once
#include <QString>
#include <functional>

// Copying and comparing files in blocks of 65,536 bytes; `proBlock` runs
// before each block so that the window stays responsive. Both give the
// German reason of a failure in `grund` when asked.
inline constexpr qint64 KopierBlock = 65536;

// Copies `quelle` to `ziel` through a temporary file in the target folder
// that replaces `ziel` only when it is complete and on the drive, so that a
// failure never destroys an older copy. Only a plain file is copied. With
// `ordnerSyncen` false the caller syncs the target folder itself.
bool DateiKopieren(const QString &quelle, const QString &ziel, const std::function<void()> &proBlock,
                   QString *grund = nullptr, bool ordnerSyncen = true);

// Compares two plain files byte by byte. The second is read back from the
// drive, not from what the system still holds in memory.
bool DateienGleich(const QString &a, const QString &b, const std::function<void()> &proBlock,
                   QString *grund = nullptr);

// Drops an open file from the page cache, so that the next read comes from
// the drive itself. Its content must be on the drive already (synced).
void AusDemCacheNehmen(int handle);

// Replaces `ziel` by a copy of `quelle` without ever leaving `ziel` missing
// or half written: a second name for the same file where the file system
// allows it (nothing is copied), else a copy as above. False when neither
// worked; `ziel` is then as it was.
bool KopieErsetzen(const QString &quelle, const QString &ziel);
