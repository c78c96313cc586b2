#pragma once
#include <QFont>
#include <QColor>
#include <QString>

// How a text is saved: 0 or 1 ANSI text (on Linux UTF-8 without mark),
// 2 (and any other code) UTF-16 little-endian with mark, 3 RTF in a font,
// 4 UTF-8 with mark. Every line ends with CR LF.
enum TextFormat { AnsiText = 1, UnicodeText = 2, RtfText = 3, Utf8Text = 4 };

struct RtfSchrift {
    QFont schrift;
    QColor farbe;
    int zeichensatz = 0;
};

// An RTF document of the text as plain paragraphs, the whole text in the
// given font; characters beyond ASCII as \uN?.
QByteArray RtfDokument(const QString &text, const RtfSchrift *schrift);

// The bytes of a saved text in one of the formats above.
QByteArray TextBytes(const QString &text, int format, const RtfSchrift *schrift = nullptr);

// Writes the file without ever leaving it truncated; on failure `fehler`
// holds the German message and an existing file keeps its content.
bool TextSpeichern(const QString &datei, const QString &text, int format, const RtfSchrift *schrift,
                   QString &fehler);
