// The byte reader and writer of participant files: a file in a valid
// encoding, written back unchanged, keeps its bytes; whatever is written
// reads back as the same lines; no byte turns into a replacement
// character; the header reader agrees with the reader.

#include "start.h"

#include "records/teilnehmerdatei.h"
#include "util/kodierung.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

QByteArray Marke(Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
        return "\xEF\xBB\xBF";
    case Kodierung::Utf16LE:
        return "\xFF\xFE";
    case Kodierung::Utf16BE:
        return "\xFE\xFF";
    default:
        return {};
    }
}

QStringConverter::Encoding Zeichensatz(Kodierung kodierung)
{
    switch (kodierung) {
    case Kodierung::Utf16LE:
        return QStringConverter::Utf16LE;
    case Kodierung::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// The text of a file body exactly as its encoding spells it (a second mark
// is a character too), or nothing when a byte is no character of it.
std::optional<QString> Streng(QByteArrayView koerper, Kodierung kodierung)
{
    const auto flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    if (kodierung == Kodierung::Windows1252) {
        QStringDecoder dekodierer("windows-1252", flags);
        const QString text = dekodierer(koerper);
        QStringEncoder kodierer("windows-1252", flags);
        const QByteArray zurueck = kodierer(text);
        if (dekodierer.hasError() || kodierer.hasError() || zurueck != koerper)
            return std::nullopt;
        return text;
    }
    if (kodierung == Kodierung::Utf16LE || kodierung == Kodierung::Utf16BE) {
        if (koerper.size() % 2 != 0)
            return std::nullopt;
    }
    QStringDecoder dekodierer(Zeichensatz(kodierung), flags);
    const QString text = dekodierer(koerper);
    if (dekodierer.hasError())
        return std::nullopt;
    return text;
}

// Line ends only as CR LF, and one after the last line: what the writer
// itself makes.
bool NurCrLf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return text.isEmpty() || text.endsWith(QLatin1String("\r\n"));
}

bool Gueltig(const QByteArray &bytes, Kodierung kodierung)
{
    const QByteArray marke = Marke(kodierung);
    if (!bytes.startsWith(marke))
        return false;
    const std::optional<QString> text = Streng(QByteArrayView(bytes).sliced(marke.size()), kodierung);
    return text && NurCrLf(*text);
}

qsizetype Ersatzzeichen(const QStringList &zeilen)
{
    qsizetype anzahl = 0;
    for (const QString &zeile : zeilen)
        anzahl += zeile.count(QChar::ReplacementCharacter);
    return anzahl;
}

// No byte is lost to a replacement character: in UTF-8 only one written as
// such may read so (a stray byte is a Windows-1252 character), in UTF-16
// also a lone surrogate, and in Windows-1252 none. A stray last byte of
// UTF-16 is no character at all.
qsizetype ErlaubteErsatzzeichen(const QByteArray &bytes, Kodierung kodierung)
{
    const QByteArrayView koerper = QByteArrayView(bytes).sliced(Marke(kodierung).size());
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
    case Kodierung::Utf8OhneMarke:
        return QByteArray(koerper.data(), koerper.size()).count("\xEF\xBF\xBD");
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE: {
        qsizetype anzahl = 0;
        for (qsizetype i = 0; i + 1 < koerper.size(); i += 2) {
            const bool le = kodierung == Kodierung::Utf16LE;
            const auto einheit = char16_t(static_cast<unsigned char>(koerper[le ? i : i + 1])
                                          | static_cast<unsigned char>(koerper[le ? i + 1 : i]) << 8);
            if (einheit == 0xFFFD || QChar::isSurrogate(einheit))
                ++anzahl;
        }
        return anzahl;
    }
    case Kodierung::Windows1252:
        break;
    }
    return 0;
}

void KopfzeilePruefen(const QByteArray &bytes, const QStringList &zeilen)
{
    // In memory where possible: rewriting a file on disk thousands of
    // times a second waits for the disk.
    static QTemporaryDir ordner((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                         : QDir::tempPath())
                                + QStringLiteral("/merkwerk-fuzz-XXXXXX"));
    const QString pfad = ordner.filePath(QStringLiteral("x.dat"));
    QFile datei(pfad);
    PRUEFEN(datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(bytes) == bytes.size());
    datei.close();
    QString zeile, rest, fehler;
    bool hatZeile = false;
    // Header first, then the rest, as the class overview reads: together
    // the lines of the whole file.
    Kopfleser leser(pfad);
    PRUEFEN(leser.KopfLesen(zeile, hatZeile, fehler));
    if (hatZeile || !zeilen.isEmpty())
        PRUEFEN_GLEICH(zeile, zeilen.value(0));
    PRUEFEN(leser.RestLesen(rest, fehler));
    PRUEFEN(TextInZeilen(rest) == zeilen.mid(1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    Kodierung gelesen = Kodierung::Utf8MitMarke;
    const QStringList zeilen = BytesInZeilen(bytes, gelesen);
    for (const QString &zeile : zeilen)
        PRUEFEN(!zeile.contains(u'\r') && !zeile.contains(u'\n'));

    Kodierung geschrieben = gelesen;
    const QByteArray neu = ZeilenInBytes(zeilen, geschrieben);
    if (Gueltig(bytes, gelesen)) {
        PRUEFEN_GLEICH(int(geschrieben), int(gelesen));
        PRUEFEN_GLEICH(neu, bytes);
    }

    Kodierung wieder = Kodierung::Utf8MitMarke;
    PRUEFEN_GLEICH(BytesInZeilen(neu, wieder), zeilen);
    PRUEFEN_GLEICH(int(wieder), int(geschrieben));

    PRUEFEN(Ersatzzeichen(zeilen) <= ErlaubteErsatzzeichen(bytes, gelesen));
    KopfzeilePruefen(bytes, zeilen);
    return 0;
}
