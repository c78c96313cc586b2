#pragma once
#include <QString>

// The messages of a file that cannot be read or written, with the path as
// the user's platform writes it and the reason.
QString LeseFehlerText(const QString &pfad, const QString &grund);
QString SchreibFehlerText(const QString &pfad, const QString &grund);
