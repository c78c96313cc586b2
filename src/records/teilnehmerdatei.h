#pragma once
#include "util/kodierung.h"

#include <QString>
#include <QStringList>

class Ordnerhandle;

// A participant file as lines: read whole, read only its header line,
// written back safely with a backup copy.

// Reads a whole file. On failure `fehler` holds the German message.
bool ZeilenLesen(const QString &pfad, QStringList &zeilen, Kodierung &kodierung, QString &fehler);

// Reads only as much of a file as its first line needs (the header line
// that holds class and comment). `hatZeile` is false for an empty file.
bool ErsteZeileLesen(const QString &pfad, QString &zeile, bool &hatZeile, QString &fehler);
// The same for the file `name` of a folder held open, while reading many.
bool ErsteZeileLesen(const Ordnerhandle &ordner, const QString &name, QString &zeile, bool &hatZeile,
                     QString &fehler);

// Writes a whole file without ever leaving it truncated; `kodierung` tells
// afterwards in which encoding it was written.
bool ZeilenSchreiben(const QString &pfad, const QStringList &zeilen, Kodierung &kodierung,
                     QString &fehler);

// The document's save: the file is copied to "<file>.bak" first (failures
// there are ignored), then written anew.
bool ZeilenMitSicherungSchreiben(const QString &pfad, const QStringList &zeilen,
                                 Kodierung &kodierung, QString &fehler);
