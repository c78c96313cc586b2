#include "teilnehmerdatei.h"

#include "util/dateifehler.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QFile>

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
        const qsizetype gesucht = bytes.size();
        bytes += block;
        ende = ErstesZeilenende(bytes, gesucht);
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
