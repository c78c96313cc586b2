#include "kodierung.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes); // the decoding runs only when the result is taken
    Q_UNUSED(text);
    kodierung = utf8.hasError() ? Kodierung::Windows1252 : Kodierung::Utf8OhneMarke;
    return 0;
}

QString AlsText(QByteArrayView bytes, Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
    case Kodierung::Utf8OhneMarke:
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)(bytes);
    case Kodierung::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless)(bytes);
    case Kodierung::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless)(bytes);
    case Kodierung::Windows1252:
        return QStringDecoder("windows-1252")(bytes);
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

QStringList TextInZeilen(const QString &text)
{
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    const QChar *d = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        zeilen << text.mid(anfang, i - anfang);
        if (c == u'\r' && i + 1 < n && d[i + 1].unicode() == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen << text.mid(anfang);
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
