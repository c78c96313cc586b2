#include "textspeichern.h"

#include "kodierung.h"
#include "sicherschreiben.h"

#include <algorithm>
#include <charconv>

namespace {

// RTF text is written in two passes over the characters: the first
// measures, the second writes into a buffer of exactly that size. A report
// of many thousand days is thus one allocation, not one per character.
// Control characters are escaped, characters beyond ASCII written as signed
// 16-bit code units with "?" for old readers; each line ends a paragraph.
const char Absatz[] = "\\par\r\n";
constexpr qsizetype AbsatzLaenge = sizeof(Absatz) - 1;

// The bytes a character takes (0 for a control character left out).
qsizetype RtfLaenge(char16_t c)
{
    if (c == u'\\' || c == u'{' || c == u'}')
        return 2;
    if (c == u'\t')
        return 5; // "\tab "
    if (c >= 32 && c < 128)
        return 1;
    if (c < 128)
        return 0;
    const int wert = qint16(c);
    qsizetype stellen = wert < 0 ? 2 : 1;
    for (int rest = wert < 0 ? -wert : wert; rest >= 10; rest /= 10)
        ++stellen;
    return 3 + stellen; // "\u", the number, "?"
}

char *RtfZeichenSchreiben(char *aus, char16_t c)
{
    if (c == u'\\' || c == u'{' || c == u'}') {
        *aus++ = '\\';
        *aus++ = char(c);
    } else if (c == u'\t') {
        aus = std::copy_n("\\tab ", 5, aus);
    } else if (c >= 32 && c < 128) {
        *aus++ = char(c);
    } else if (c >= 128) {
        *aus++ = '\\';
        *aus++ = 'u';
        aus = std::to_chars(aus, aus + 6, int(qint16(c))).ptr;
        *aus++ = '?';
    }
    return aus;
}

// Runs over the text as lines: `zeichen` for each character of a line,
// `zeilenende` after each line (CR LF, CR or LF; a last line without one
// is a line too).
template <typename Zeichen, typename Zeilenende>
void Zeilenweise(QStringView text, Zeichen zeichen, Zeilenende zeilenende)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            zeilenende();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        zeichen(c);
    }
    if (n > 0 && text[n - 1] != u'\r' && text[n - 1] != u'\n')
        zeilenende();
}

// The text's characters escaped, "\\par" after each line, appended to `aus`.
void RtfAbsaetze(QByteArray &aus, QStringView text)
{
    qsizetype laenge = 0;
    Zeilenweise(
        text, [&laenge](char16_t c) { laenge += RtfLaenge(c); }, [&laenge] { laenge += AbsatzLaenge; });
    const qsizetype anfang = aus.size();
    aus.resize(anfang + laenge);
    char *stelle = aus.data() + anfang;
    Zeilenweise(
        text, [&stelle](char16_t c) { stelle = RtfZeichenSchreiben(stelle, c); },
        [&stelle] { stelle = std::copy_n(Absatz, AbsatzLaenge, stelle); });
}

// A name in the font table: escaped like text, without a line end.
void RtfName(QByteArray &aus, QStringView name)
{
    for (QChar zeichen : name) {
        const char16_t c = zeichen.unicode();
        const qsizetype alt = aus.size();
        aus.resize(alt + RtfLaenge(c));
        RtfZeichenSchreiben(aus.data() + alt, c);
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
        RtfName(rtf, QString(schrift->schrift.family()).remove(QLatin1Char(';')));
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
    RtfAbsaetze(rtf, text);
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
