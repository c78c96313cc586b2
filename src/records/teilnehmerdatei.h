#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// How a participant file's bytes are encoded. A file keeps the encoding it
// was found in; files made before any file was read use UTF-8 with mark.
enum class Kodierung {
    Utf8MitMarke,
    Utf16LE,
    Utf16BE,
    Utf8OhneMarke,
    Windows1252,
};

// Bytes -> lines: the mark decides the encoding; without one the bytes are
// UTF-8 when valid, else Windows-1252. Lines end at CR LF, CR or LF.
QStringList BytesInZeilen(const QByteArray &bytes, Kodierung &kodierung);

// Lines -> bytes, each line followed by CR LF, the mark first. A
// Windows-1252 text holding a character that code page lacks is written as
// UTF-8 with mark instead, and `kodierung` says so afterwards.
QByteArray ZeilenInBytes(const QStringList &zeilen, Kodierung &kodierung);

// Splits a text at CR LF, CR or LF; a final line end starts no new line.
QStringList TextInZeilen(const QString &text);

// Reads a whole file. On failure `fehler` holds the German message.
bool ZeilenLesen(const QString &pfad, QStringList &zeilen, Kodierung &kodierung, QString &fehler);

// Reads only as much of a file as its first line needs (the header line
// that holds class and comment). `hatZeile` is false for an empty file.
bool ErsteZeileLesen(const QString &pfad, QString &zeile, bool &hatZeile, QString &fehler);

// Writes a whole file without ever leaving it truncated: the old content
// stays until the new one is complete on disk.
bool ZeilenSchreiben(const QString &pfad, const QStringList &zeilen, Kodierung &kodierung,
                     QString &fehler);

// Writes bytes safely (the same guarantee as above); `neu` refuses to
// replace a file that exists.
bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu = false);

// The document's save: the file is copied to "<file>.bak" first (failures
// there are ignored), then written anew.
bool ZeilenMitSicherungSchreiben(const QString &pfad, const QStringList &zeilen,
                                 Kodierung &kodierung, QString &fehler);

QString LeseFehlerText(const QString &pfad, const QString &grund);
QString SchreibFehlerText(const QString &pfad, const QString &grund);
