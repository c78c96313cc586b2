#pragma once
#include <QString>

// The messages of a file that cannot be read or written, with the path as
// the user's platform writes it and the reason.
QString LeseFehlerText(const QString &pfad, const QString &grund);
QString SchreibFehlerText(const QString &pfad, const QString &grund);
// A file written or renamed whose folder entry the drive did not confirm.
QString UnbestaetigtText(const QString &pfad, const QString &grund);

// The reason for a system error number, in German for the failures a
// teacher meets (full disk, no permission, name too long ...), else the
// system's own text.
QString SystemFehlerText(int fehlernummer);

// The reason for a file that is no plain file (a folder, a device, a pipe).
QString KeineDateiText();

// The reason for a file too large to be read whole: its size and the limit.
QString ZuGrossText(qint64 groesse, qint64 grenze);
