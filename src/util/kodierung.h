#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// How the bytes of a text file are encoded. A file keeps the encoding it
// was found in; files made before any file was read use UTF-8 with mark.
enum class Kodierung {
    Utf8MitMarke,
    Utf16LE,
    Utf16BE,
    Utf8OhneMarke,
    Windows1252,
};

// The mark decides; without one the bytes are UTF-8 when valid, else
// Windows-1252. Returns the length of the mark (0 without one).
qsizetype KodierungErkennen(QByteArrayView bytes, Kodierung &kodierung);

// Decodes bytes that follow the mark.
QString AlsText(QByteArrayView bytes, Kodierung kodierung);

// Bytes -> lines: the mark decides the encoding; without one the bytes are
// UTF-8 when valid, else Windows-1252. Lines end at CR LF, CR or LF.
QStringList BytesInZeilen(const QByteArray &bytes, Kodierung &kodierung);

// Lines -> bytes, each line followed by CR LF, the mark first. A
// Windows-1252 text holding a character that code page lacks is written as
// UTF-8 with mark instead, and `kodierung` says so afterwards.
QByteArray ZeilenInBytes(const QStringList &zeilen, Kodierung &kodierung);

// Splits a text at CR LF, CR or LF; a final line end starts no new line.
QStringList TextInZeilen(const QString &text);

// Where the first line of encoded bytes ends (the line end itself
// excluded), or -1 when the bytes hold no line end. The search begins at
// `ab`, so that a caller reading block by block looks at each byte once.
qsizetype ErstesZeilenende(QByteArrayView bytes, qsizetype ab = 0);
