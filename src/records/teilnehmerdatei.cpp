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

QString Dekodieren(QByteArrayView bytes, Kodierung &kodierung)
{
    if (bytes.startsWith(MarkeUtf8)) {
        kodierung = Kodierung::Utf8MitMarke;
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)(bytes.sliced(3));
    }
    if (bytes.startsWith(MarkeUtf16LE)) {
        kodierung = Kodierung::Utf16LE;
        return QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless)(bytes.sliced(2));
    }
    if (bytes.startsWith(MarkeUtf16BE)) {
        kodierung = Kodierung::Utf16BE;
        return QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless)(bytes.sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        kodierung = Kodierung::Utf8OhneMarke;
        return text;
    }
    kodierung = Kodierung::Windows1252;
    return QStringDecoder("windows-1252")(bytes);
}

QString ZeilenText(const QStringList &zeilen)
{
    qsizetype laenge = 0;
    for (const QString &zeile : zeilen)
        laenge += zeile.size() + 2;
    QString text;
    text.reserve(laenge);
    for (const QString &zeile : zeilen) {
        text += zeile;
        text += QLatin1String("\r\n");
    }
    return text;
}

QByteArray Kodieren(const QString &text, Kodierung kodierung, bool &fehlerfrei)
{
    fehlerfrei = true;
    switch (kodierung) {
    case Kodierung::Utf8MitMarke:
        return MarkeUtf8 + text.toUtf8();
    case Kodierung::Utf8OhneMarke:
        return text.toUtf8();
    case Kodierung::Utf16LE:
        return MarkeUtf16LE + QStringEncoder(QStringEncoder::Utf16LE)(text);
    case Kodierung::Utf16BE:
        return MarkeUtf16BE + QStringEncoder(QStringEncoder::Utf16BE)(text);
    case Kodierung::Windows1252: {
        QStringEncoder ansi("windows-1252");
        QByteArray bytes = ansi(text);
        fehlerfrei = !ansi.hasError();
        return bytes;
    }
    }
    return {};
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
    const QString text = ZeilenText(zeilen);
    bool fehlerfrei = true;
    QByteArray bytes = Kodieren(text, kodierung, fehlerfrei);
    if (!fehlerfrei) {
        // Losing a pupil's character is worse than changing the encoding.
        kodierung = Kodierung::Utf8MitMarke;
        bytes = Kodieren(text, kodierung, fehlerfrei);
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
