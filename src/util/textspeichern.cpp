#include "textspeichern.h"

#include "kodierung.h"
#include "sicherschreiben.h"

namespace {

// One character run of RTF text: the control characters escaped, the rest
// beyond ASCII as signed 16-bit code units with "?" for old readers.
void RtfZeichen(QByteArray &aus, QStringView text)
{
    for (QChar zeichen : text) {
        const char16_t c = zeichen.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            aus += '\\';
            aus += char(c);
        } else if (c == u'\t') {
            aus += "\\tab ";
        } else if (c >= 32 && c < 128) {
            aus += char(c);
        } else if (c >= 128) {
            aus += "\\u" + QByteArray::number(qint16(c)) + '?';
        }
    }
}

} // namespace

QByteArray RtfDokument(const QString &text, const RtfSchrift *schrift)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    QByteArray format;
    if (schrift) {
        rtf += "{\\fonttbl{\\f0\\fnil\\fcharset" + QByteArray::number(schrift->zeichensatz) + ' ';
        // ";" ends a name in the font table, escaped or not.
        RtfZeichen(rtf, QString(schrift->schrift.family()).remove(QLatin1Char(';')));
        rtf += ";}}";
        const QColor farbe = schrift->farbe;
        rtf += "{\\colortbl ;\\red" + QByteArray::number(farbe.red()) + "\\green" + QByteArray::number(farbe.green())
               + "\\blue" + QByteArray::number(farbe.blue()) + ";}";
        format = "\\f0\\cf1\\fs" + QByteArray::number(qRound(schrift->schrift.pointSizeF() * 2));
        if (schrift->schrift.bold())
            format += "\\b";
        if (schrift->schrift.italic())
            format += "\\i";
        if (schrift->schrift.underline())
            format += "\\ul";
        if (schrift->schrift.strikeOut())
            format += "\\strike";
    }
    rtf += "\r\n\\pard" + format + ' ';
    const QStringList zeilen = TextInZeilen(text);
    for (const QString &zeile : zeilen) {
        RtfZeichen(rtf, zeile);
        rtf += "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

QByteArray TextBytes(const QString &text, int format, const RtfSchrift *schrift)
{
    if (format == RtfText)
        return RtfDokument(text, schrift);
    Kodierung kodierung = Kodierung::Utf16LE;
    if (format == 0 || format == AnsiText)
        kodierung = Kodierung::Utf8OhneMarke;
    else if (format == Utf8Text)
        kodierung = Kodierung::Utf8MitMarke;
    return ZeilenInBytes(TextInZeilen(text), kodierung);
}

bool TextSpeichern(const QString &datei, const QString &text, int format, const RtfSchrift *schrift,
                   QString &fehler)
{
    return BytesSchreiben(datei, TextBytes(text, format, schrift), fehler);
}
