#include "kodierung.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The mark is taken off before decoding; a second one is text and stays.
constexpr auto Flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;

const QByteArray MarkeUtf8("\xEF\xBB\xBF", 3);
const QByteArray MarkeUtf16LE("\xFF\xFE", 2);
const QByteArray MarkeUtf16BE("\xFE\xFF", 2);

} // namespace

qsizetype KodierungErkennen(QByteArrayView bytes, Kodierung &kodierung)
{
    if (bytes.startsWith(MarkeUtf8)) {
        kodierung = Kodierung::Utf8MitMarke;
        return 3;
    }
    if (bytes.startsWith(MarkeUtf16LE)) {
        kodierung = Kodierung::Utf16LE;
        return 2;
    }
    if (bytes.startsWith(MarkeUtf16BE)) {
        kodierung = Kodierung::Utf16BE;
        return 2;
    }
    kodierung = bytes.isValidUtf8() ? Kodierung::Utf8OhneMarke : Kodierung::Windows1252;
    return 0;
}

namespace {

QString Windows1252Text(QByteArrayView bytes)
{
    return QStringDecoder("windows-1252")(bytes);
}

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0
// (overlong forms, surrogates and code points beyond U+10FFFF are invalid).
qsizetype Utf8Folge(QByteArrayView bytes)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char erstes = byte(0);
    if (erstes < 0x80)
        return 1;
    qsizetype laenge = 0;
    unsigned char min = 0x80, max = 0xBF; // the range of the second byte
    if (erstes >= 0xC2 && erstes <= 0xDF) {
        laenge = 2;
    } else if (erstes >= 0xE0 && erstes <= 0xEF) {
        laenge = 3;
        min = erstes == 0xE0 ? 0xA0 : 0x80;
        max = erstes == 0xED ? 0x9F : 0xBF;
    } else if (erstes >= 0xF0 && erstes <= 0xF4) {
        laenge = 4;
        min = erstes == 0xF0 ? 0x90 : 0x80;
        max = erstes == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < laenge || byte(1) < min || byte(1) > max)
        return 0;
    for (qsizetype i = 2; i < laenge; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return laenge;
}

// UTF-8 in which every byte that is not part of a valid sequence is read
// as its Windows-1252 character (an "ä" another editor wrote as one byte),
// so that the next save repairs it instead of turning it into U+FFFD.
QString Utf8MitErsatz(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, Flags);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    qsizetype gueltigAb = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype folge = Utf8Folge(bytes.sliced(i));
        if (folge > 0) {
            i += folge;
            continue;
        }
        qsizetype ungueltigBis = i + 1;
        while (ungueltigBis < bytes.size() && Utf8Folge(bytes.sliced(ungueltigBis)) == 0)
            ++ungueltigBis;
        text += QStringDecoder(QStringDecoder::Utf8, Flags)(bytes.sliced(gueltigAb, i - gueltigAb));
        text += Windows1252Text(bytes.sliced(i, ungueltigBis - i));
        gueltigAb = i = ungueltigBis;
    }
    text += QStringDecoder(QStringDecoder::Utf8, Flags)(bytes.sliced(gueltigAb));
    return text;
}

// UTF-16 of an odd length: the last byte cannot be a character and is left
// out, instead of becoming one more (replacement) character or line.
QString Utf16Text(QByteArrayView bytes, QStringDecoder::Encoding art)
{
    return QStringDecoder(art, Flags)(bytes.first(bytes.size() & ~qsizetype(1)));
}

} // namespace

QString AlsText(QByteArrayView bytes, Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
    case Kodierung::Utf8OhneMarke:
        return Utf8MitErsatz(bytes);
    case Kodierung::Utf16LE:
        return Utf16Text(bytes, QStringDecoder::Utf16LE);
    case Kodierung::Utf16BE:
        return Utf16Text(bytes, QStringDecoder::Utf16BE);
    case Kodierung::Windows1252:
        return Windows1252Text(bytes);
    }
    return {};
}

namespace {

QString Dekodieren(QByteArrayView bytes, Kodierung &kodierung)
{
    const qsizetype marke = KodierungErkennen(bytes, kodierung);
    return AlsText(bytes.sliced(marke), kodierung);
}

QStringEncoder Kodierer(Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf16LE:
        return QStringEncoder(QStringEncoder::Utf16LE);
    case Kodierung::Utf16BE:
        return QStringEncoder(QStringEncoder::Utf16BE);
    case Kodierung::Windows1252:
        return QStringEncoder("windows-1252");
    case Kodierung::Utf8MitMarke:
    case Kodierung::Utf8OhneMarke:
        break;
    }
    return QStringEncoder(QStringEncoder::Utf8);
}

QByteArray Marke(Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
        return MarkeUtf8;
    case Kodierung::Utf16LE:
        return MarkeUtf16LE;
    case Kodierung::Utf16BE:
        return MarkeUtf16BE;
    case Kodierung::Utf8OhneMarke:
    case Kodierung::Windows1252:
        break;
    }
    return {};
}

// Encodes line by line straight into one buffer: no joined copy of the
// whole text is ever made.
QByteArray Kodieren(const QStringList &zeilen, Kodierung kodierung, bool &fehlerfrei)
{
    QStringEncoder kodierer = Kodierer(kodierung);
    const QByteArray marke = Marke(kodierung);
    qsizetype platz = marke.size();
    for (const QString &zeile : zeilen)
        platz += kodierer.requiredSpace(zeile.size() + 2);
    QByteArray bytes;
    bytes.resize(platz);
    char *anfang = bytes.data();
    char *stelle = std::copy(marke.begin(), marke.end(), anfang);
    static const QString zeilenende = QStringLiteral("\r\n");
    for (const QString &zeile : zeilen) {
        stelle = kodierer.appendToBuffer(stelle, zeile);
        stelle = kodierer.appendToBuffer(stelle, zeilenende);
    }
    bytes.truncate(stelle - anfang);
    fehlerfrei = !kodierer.hasError();
    return bytes;
}

} // namespace

namespace {

// A line that shares the memory of the whole text instead of a copy: a file
// of many thousand days would otherwise be as many small allocations. The
// text's memory is counted for each line, so it lives as long as any line
// does, and a line that is changed gets a copy of its own first.
QString Teilstueck(QString &text, qsizetype anfang, qsizetype laenge)
{
    QString::DataPointer &ganz = text.data_ptr();
    if (!ganz.d_ptr() || laenge == 0)
        return text.mid(anfang, laenge);
    ganz.d_ptr()->ref();
    return QString(QString::DataPointer(ganz.d_ptr(), ganz.data() + anfang, laenge));
}

} // namespace

QStringList TextInZeilen(const QString &text)
{
    QString geteilt = text;
    const QStringView ansicht(text);
    const qsizetype n = text.size();
    // Line ends are searched with Qt's vectorised search, CR and LF each on
    // its own: a file of many thousand days splits at the speed of memory.
    const auto naechstes = [&ansicht, n](char16_t zeichen, qsizetype ab) {
        const qsizetype stelle = ansicht.indexOf(QChar(zeichen), ab);
        return stelle < 0 ? n : stelle;
    };
    QStringList zeilen;
    // The list in one allocation: a count is cheaper than growing it (lines
    // ending in CR alone, rare, let it grow).
    zeilen.reserve(text.count(QLatin1Char('\n')) + 1);
    qsizetype anfang = 0;
    qsizetype cr = naechstes(u'\r', 0);
    qsizetype lf = naechstes(u'\n', 0);
    while (anfang < n) {
        const qsizetype ende = std::min(cr, lf);
        if (ende == n)
            break;
        zeilen << Teilstueck(geteilt, anfang, ende - anfang);
        anfang = ende + 1;
        if (ende == cr && lf == anfang) // CR LF
            ++anfang;
        if (cr < anfang)
            cr = naechstes(u'\r', anfang);
        if (lf < anfang)
            lf = naechstes(u'\n', anfang);
    }
    if (anfang < n)
        zeilen << Teilstueck(geteilt, anfang, n - anfang);
    return zeilen;
}

QStringList BytesInZeilen(const QByteArray &bytes, Kodierung &kodierung)
{
    return TextInZeilen(Dekodieren(bytes, kodierung));
}

QByteArray ZeilenInBytes(const QStringList &zeilen, Kodierung &kodierung)
{
    bool fehlerfrei = true;
    QByteArray bytes = Kodieren(zeilen, kodierung, fehlerfrei);
    if (!fehlerfrei) {
        // Losing a pupil's character is worse than changing the encoding.
        kodierung = Kodierung::Utf8MitMarke;
        bytes = Kodieren(zeilen, kodierung, fehlerfrei);
    }
    return bytes;
}


qsizetype ErstesZeilenende(QByteArrayView bytes, qsizetype ab)
{
    const bool le = bytes.startsWith(MarkeUtf16LE);
    if (le || bytes.startsWith(MarkeUtf16BE)) {
        // Code units start after the mark, at even offsets.
        for (qsizetype i = qMax<qsizetype>(2, ab & ~qsizetype(1)); i + 1 < bytes.size(); i += 2) {
            const char niedrig = le ? bytes[i] : bytes[i + 1];
            const char hoch = le ? bytes[i + 1] : bytes[i];
            if (hoch == 0 && (niedrig == '\r' || niedrig == '\n'))
                return i;
        }
        return -1;
    }
    for (qsizetype i = ab; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n')
            return i;
    }
    return -1;
}
