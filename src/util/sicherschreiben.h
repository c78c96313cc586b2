#pragma once
#include <QByteArray>
#include <QString>

// Writes a whole file without ever leaving it truncated: the old content
// stays until the new one is complete on disk. On failure `fehler` holds
// the German message. With `neu` an existing file is never replaced.
bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu = false);
