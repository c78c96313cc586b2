#include "teilnehmerdatei.h"

#include "util/ordner.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray MarkeUtf8("\xEF\xBB\xBF", 3);
const QByteArray MarkeUtf16LE("\xFF\xFE", 2);
const QByteArray MarkeUtf16BE("\xFE\xFF", 2);

// The mark decides; without one the bytes are UTF-8 when valid, else
// Windows-1252. Returns the length of the mark.
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

// Decodes bytes without their mark.
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

QString LeseFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(Nativ(pfad), grund);
}

QString SchreibFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Nativ(pfad), grund);
}

bool ZeilenLesen(const QString &pfad, QStringList &zeilen, Kodierung &kodierung, QString &fehler)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler = LeseFehlerText(pfad, datei.errorString());
        return false;
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        fehler = LeseFehlerText(pfad, datei.errorString());
        return false;
    }
    zeilen = BytesInZeilen(bytes, kodierung);
    return true;
}

namespace {

// Where the first line of encoded bytes ends (the line end itself excluded),
// or -1 when the bytes hold no line end yet.
qsizetype ErstesZeilenende(const QByteArray &bytes)
{
    const bool le = bytes.startsWith(MarkeUtf16LE);
    if (le || bytes.startsWith(MarkeUtf16BE)) {
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const char niedrig = le ? bytes[i] : bytes[i + 1];
            const char hoch = le ? bytes[i + 1] : bytes[i];
            if (hoch == 0 && (niedrig == '\r' || niedrig == '\n'))
                return i;
        }
        return -1;
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n')
            return i;
    }
    return -1;
}

bool IstAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool ErsteZeileLesen(const QString &pfad, QString &zeile, bool &hatZeile, QString &fehler)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler = LeseFehlerText(pfad, datei.errorString());
        return false;
    }
    QByteArray bytes;
    qsizetype ende = -1;
    while (ende < 0 && !datei.atEnd()) {
        const QByteArray block = datei.read(4096);
        if (block.isEmpty() && datei.error() != QFileDevice::NoError) {
            fehler = LeseFehlerText(pfad, datei.errorString());
            return false;
        }
        bytes += block;
        ende = ErstesZeilenende(bytes);
    }
    hatZeile = !bytes.isEmpty();
    if (ende < 0)
        ende = bytes.size();
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
    const qsizetype marke = KodierungErkennen(QByteArrayView(bytes).first(qMin<qsizetype>(bytes.size(), 3)),
                                              kodierung);
    const QByteArrayView kopf = QByteArrayView(bytes).sliced(marke, ende - marke);
    if (marke == 0) {
        // Without a mark the whole file decides between UTF-8 and
        // Windows-1252; only a first line that is valid UTF-8 beyond ASCII
        // needs the rest of the file for that.
        KodierungErkennen(kopf, kodierung);
        if (kodierung == Kodierung::Utf8OhneMarke && !IstAscii(kopf)) {
            const QByteArray ganz = bytes + datei.readAll();
            KodierungErkennen(ganz, kodierung);
        }
    }
    zeile = AlsText(kopf, kodierung);
    return true;
}

bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu)
{
    // A link is followed, so its target gets the new content.
    const QFileInfo info(pfad);
    const QString ziel = info.isSymLink() ? info.symLinkTarget() : pfad;
    if (neu) {
        // Claim the name atomically, so that no other file is ever replaced.
        QFile platzhalter(ziel);
        if (!platzhalter.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            fehler = SchreibFehlerText(pfad, QFileInfo::exists(ziel)
                                                 ? QStringLiteral("Die Datei existiert bereits.")
                                                 : platzhalter.errorString());
            return false;
        }
    }
    QSaveFile datei(ziel);
    datei.setDirectWriteFallback(false);
    bool ok = datei.open(QIODevice::WriteOnly);
    QString grund = datei.errorString();
    // commit() may report success after a short write on a full disk.
    if (ok && (datei.write(bytes) != bytes.size() || !datei.flush()
               || datei.error() != QFileDevice::NoError)) {
        ok = false;
        grund = datei.errorString();
        datei.cancelWriting();
    }
    if (ok && !datei.commit()) {
        ok = false;
        grund = datei.errorString();
    }
    if (!ok) {
        fehler = SchreibFehlerText(pfad, grund);
        if (neu)
            QFile::remove(ziel);
    }
    return ok;
}

bool ZeilenSchreiben(const QString &pfad, const QStringList &zeilen, Kodierung &kodierung,
                     QString &fehler)
{
    Kodierung neueKodierung = kodierung;
    const QByteArray bytes = ZeilenInBytes(zeilen, neueKodierung);
    if (!BytesSchreiben(pfad, bytes, fehler))
        return false;
    kodierung = neueKodierung;
    return true;
}

bool ZeilenMitSicherungSchreiben(const QString &pfad, const QStringList &zeilen,
                                 Kodierung &kodierung, QString &fehler)
{
    const QString sicherung = pfad + QLatin1String(".bak");
    if (QFile::exists(pfad)) {
        AttributeZuruecksetzen(sicherung);
        QFile::remove(sicherung);
        QFile::copy(pfad, sicherung);
    }
    return ZeilenSchreiben(pfad, zeilen, kodierung, fehler);
}
