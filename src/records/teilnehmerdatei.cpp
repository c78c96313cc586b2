#include "teilnehmerdatei.h"

#include "util/dateifehler.h"
#include "util/dateikopie.h"
#include "util/dateilesen.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QFile>

bool ZeilenLesen(const QString &pfad, QStringList &zeilen, Kodierung &kodierung, QString &fehler)
{
    QByteArray bytes;
    QString grund;
    if (!DateiLesen(pfad, bytes, grund)) {
        fehler = LeseFehlerText(pfad, grund);
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

bool Kopfleser::KopfLesen(QString &zeile, bool &hatZeile, QString &fehler)
{
    QString grund;
    if (!datei.Oeffnen(grund)) {
        fehler = LeseFehlerText(pfad, grund);
        return false;
    }
    // Block by block until the first line end; each byte is looked at once.
    // A header longer than the limit is read only that far: class and
    // comment are shown from its start.
    constexpr qsizetype Block = 4096;
    constexpr qsizetype Grenze = 1024 * 1024;
    qsizetype ende = -1;
    bool dateiende = false;
    while (ende < 0 && !dateiende && bytes.size() < Grenze) {
        gesucht = bytes.size();
        bytes.resize(gesucht + Block);
        const qint64 gelesen = datei.Lesen(bytes.data() + gesucht, Block, grund);
        if (gelesen < 0) {
            fehler = LeseFehlerText(pfad, grund);
            return false;
        }
        bytes.resize(gesucht + gelesen);
        dateiende = gelesen == 0;
        ende = ErstesZeilenende(bytes, gesucht);
    }
    ganz = dateiende;
    gesucht = ende < 0 ? bytes.size() : ende;
    marke = KodierungErkennen(QByteArrayView(bytes).first(qMin<qsizetype>(bytes.size(), 3)), kodierung);
    if (ende < 0)
        ende = qMin(bytes.size(), marke + Grenze);
    const QByteArrayView kopf = QByteArrayView(bytes).sliced(marke, ende - marke);
    if (marke == 0) {
        // Without a mark the whole file decides between UTF-8 and
        // Windows-1252; only a first line that is valid UTF-8 beyond ASCII
        // needs the rest of the file for that (a file too large to be read
        // whole is taken by its first line).
        KodierungErkennen(kopf, kodierung);
        if (kodierung == Kodierung::Utf8OhneMarke && !IstAscii(kopf) && !ganz && Groesse() <= GroessteGanzeDatei) {
            if (!datei.RestLesen(bytes, grund)) {
                fehler = LeseFehlerText(pfad, grund);
                return false;
            }
            ganz = true;
            KodierungErkennen(bytes, kodierung);
        }
    }
    zeile = AlsText(QByteArrayView(bytes).sliced(marke, ende - marke), kodierung);
    hatZeile = ende < bytes.size() || !zeile.isEmpty();
    return true;
}

bool Kopfleser::GanzMachen(QString &fehler)
{
    QString grund;
    if (!ganz && !datei.RestLesen(bytes, grund)) {
        fehler = LeseFehlerText(pfad, grund);
        return false;
    }
    ganz = true;
    if (marke == 0)
        KodierungErkennen(bytes, kodierung);
    return true;
}

bool Kopfleser::AllesLesen(QString &text, QString &fehler)
{
    if (!GanzMachen(fehler))
        return false;
    text = AlsText(QByteArrayView(bytes).sliced(marke), kodierung);
    bytes = QByteArray();
    return true;
}

bool Kopfleser::RestLesen(QString &text, QString &fehler)
{
    if (!GanzMachen(fehler))
        return false;
    const qsizetype ende = ErstesZeilenende(bytes, gesucht);
    if (ende < 0) {
        text.clear();
    } else {
        // From the line end on, which is then dropped (CR LF counts once).
        text = AlsText(QByteArrayView(bytes).sliced(ende), kodierung);
        text.remove(0, text.startsWith(u"\r\n") ? 2 : 1);
    }
    bytes = QByteArray();
    return true;
}

bool ErsteZeileLesen(const QString &pfad, QString &zeile, bool &hatZeile, QString &fehler)
{
    return Kopfleser(pfad).KopfLesen(zeile, hatZeile, fehler);
}

bool ErsteZeileLesen(const Ordnerhandle &ordner, const QString &name, QString &zeile, bool &hatZeile,
                     QString &fehler)
{
    return Kopfleser(ordner, name).KopfLesen(zeile, hatZeile, fehler);
}

bool ZeilenSchreiben(const QString &pfad, const QStringList &zeilen, Kodierung &kodierung,
                     QString &fehler, bool *inhaltNeu, bool neu, bool ordnerSyncen)
{
    Kodierung neueKodierung = kodierung;
    const QByteArray bytes = ZeilenInBytes(zeilen, neueKodierung);
    bool geschrieben = false;
    const bool ok = BytesSchreiben(pfad, bytes, fehler, neu, &geschrieben, ordnerSyncen);
    if (geschrieben)
        kodierung = neueKodierung;
    if (inhaltNeu)
        *inhaltNeu = geschrieben;
    return ok;
}

bool ZeilenMitSicherungSchreiben(const QString &pfad, const QStringList &zeilen,
                                 Kodierung &kodierung, QString &fehler, bool *inhaltNeu, bool ordnerSyncen)
{
    // The old backup copy goes only when the new one exists; a failure here
    // keeps the old one and does not stop the save.
    if (QFile::exists(pfad))
        KopieErsetzen(pfad, pfad + QLatin1String(".bak"));
    return ZeilenSchreiben(pfad, zeilen, kodierung, fehler, inhaltNeu, false, ordnerSyncen);
}
