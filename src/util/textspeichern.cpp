#include "textspeichern.h"

#include "kodierung.h"
#include "sicherschreiben.h"

#include <algorithm>
#include <charconv>

namespace {

const char Absatz[] = "\\par\r\n";
constexpr qsizetype AbsatzLaenge = sizeof(Absatz) - 1;

// One character that is not plain RTF text: the control characters of RTF
// escaped, a tab as "\\tab", characters beyond ASCII as signed 16-bit code
// units with "?" for old readers, other control characters left out. At
// most 9 bytes.
char *Maskiert(char *aus, char16_t c)
{
    if (c == u'\\' || c == u'{' || c == u'}') {
        *aus++ = '\\';
        *aus++ = char(c);
    } else if (c == u'\t') {
        aus = std::copy_n("\\tab ", 5, aus);
    } else if (c >= 128) {
        *aus++ = '\\';
        *aus++ = 'u';
        aus = std::to_chars(aus, aus + 6, int(qint16(c))).ptr;
        *aus++ = '?';
    }
    return aus;
}

// Appends the text as RTF to `aus`; with `absaetze` each line (CR LF, CR or
// LF; a last line without one too) ends with "\\par". The text is walked
// once, in pieces, each with room for its worst case reserved beforehand;
// the buffer is reserved generously, as untouched room costs no memory.
void RtfAnhaengen(QByteArray &aus, QStringView text, bool absaetze)
{
    constexpr qsizetype Stueck = 4096;
    constexpr qsizetype HoechstensJeZeichen = 9;
    const QChar *d = text.constData();
    const qsizetype n = text.size();
    qsizetype stelle = aus.size();
    aus.resize(stelle + 2 * n + Stueck * HoechstensJeZeichen + AbsatzLaenge);
    for (qsizetype i = 0; i < n;) {
        const qsizetype bis = std::min(n, i + Stueck);
        while (aus.size() - stelle < (bis - i) * HoechstensJeZeichen + AbsatzLaenge)
            aus.resize(2 * aus.size());
        char *p = aus.data() + stelle;
        for (; i < bis; ++i) {
            const char16_t c = d[i].unicode();
            if (c >= 32 && c < 128 && c != u'\\' && c != u'{' && c != u'}') {
                *p++ = char(c);
            } else if (absaetze && (c == u'\r' || c == u'\n')) {
                p = std::copy_n(Absatz, AbsatzLaenge, p);
                if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
                    ++i;
            } else {
                p = Maskiert(p, c);
            }
        }
        stelle = p - aus.data();
    }
    if (absaetze && n > 0 && d[n - 1] != u'\r' && d[n - 1] != u'\n') {
        std::copy_n(Absatz, AbsatzLaenge, aus.data() + stelle);
        stelle += AbsatzLaenge;
    }
    aus.resize(stelle);
}

} // namespace

QByteArray RtfDokument(const QString &text, const RtfSchrift *schrift)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    QByteArray format;
    if (schrift) {
        rtf += "{\\fonttbl{\\f0\\fnil\\fcharset" + QByteArray::number(schrift->zeichensatz) + ' ';
        // ";" ends a name in the font table, escaped or not.
        RtfAnhaengen(rtf, QString(schrift->schrift.family()).remove(QLatin1Char(';')), false);
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
    RtfAnhaengen(rtf, text, true);
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
