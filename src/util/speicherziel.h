#pragma once
#include <QString>
#include <QStringList>

// Whether a file the user names may take a saved report, table, picture or
// export. Refused are a participant file, its backup copy and a conflict
// copy (".dat", ".bak", ".konflikt", any letter case) in a folder of
// participant files: the data folder in either of its places, and the
// folders in `weitere` (a folder exported from); a link counts where it
// leads. Refused too is whatever exists and is no plain file (a folder, a
// pipe, a device): it would be replaced, or block the program. Only the
// file's kind is looked at, it is never opened. Empty when the file may be
// written, else the German message that names it.
QString SpeicherzielFehler(const QString &pfad, const QStringList &weitere = {});
