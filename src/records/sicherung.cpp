#include "sicherung.h"

#include "sicherungsarchiv.h"
#include "teilnehmerordner.h"
#include "util/dateifehler.h"
#include "util/dateikopie.h"
#include "util/laufwerke.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QFileInfo>
#include <QThread>

namespace {

QString OhneTrenner(const QString &ordner)
{
    return ordner.endsWith(QLatin1Char('/')) ? ordner.chopped(1) : ordner;
}

// Whether a folder, links followed, still lies on the drive of `wurzel`.
bool AufDemLaufwerk(const QString &ordner, const QString &wurzel)
{
    const QString echt = QFileInfo(OhneTrenner(ordner)).canonicalFilePath();
    const QString basis = QFileInfo(OhneTrenner(wurzel)).canonicalFilePath();
    if (echt.isEmpty() || basis.isEmpty())
        return true; // nothing there yet: it will be made on the drive
    const bool darunter = echt == basis || echt.startsWith(basis.endsWith(QLatin1Char('/')) ? basis : basis + QLatin1Char('/'));
    return darunter && GeraetVon(echt) == GeraetVon(basis);
}

// The first participant file in `ordner` that is a link, or empty.
QString ErsteVerknuepfung(const QString &ordner)
{
    for (const QFileInfo &eintrag : QDir(ordner).entryInfoList({QStringLiteral("*.dat")},
                                                               QDir::AllEntries | QDir::Hidden | QDir::System)) {
        if (eintrag.isSymLink())
            return eintrag.fileName();
    }
    return {};
}

Vorbereitung Ergebnis(Vorbereitung::Art art, const QString &datei = {})
{
    Vorbereitung ergebnis;
    ergebnis.art = art;
    ergebnis.datei = datei;
    return ergebnis;
}

using DateiAktion = std::function<bool(const QString &, const QString &, const JeBlock &, QString *)>;

PassErgebnis Pass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock,
                  const DateiAktion &aktion)
{
    const Zielnamen ziele(nach);
    for (const QString &datei : TeilnehmerDateien(von)) {
        if (jeDatei)
            jeDatei(datei);
        QString grund;
        if (!aktion(von + datei, nach + ziele.Fuer(datei), jeBlock, &grund))
            return {datei, grund};
    }
    return {};
}

} // namespace

qint64 InBloecken(qint64 bytes, qint64 block)
{
    return block > 0 ? (bytes + block - 1) / block * block : bytes;
}

Zielnamen::Zielnamen(const QString &nach)
{
    const QStringList dateien = TeilnehmerDateien(nach);
    vorhanden = QSet<QString>(dateien.cbegin(), dateien.cend());
    for (const TeilnehmerEintrag &eintrag : TeilnehmerEintraege(nach))
        jeName.insert(eintrag.name, eintrag.datei);
}

QString Zielnamen::Fuer(const QString &datei) const
{
    if (vorhanden.contains(datei))
        return datei;
    return jeName.value(datei.chopped(4), datei);
}

QString SicherungsOrdner(const QString &wurzel)
{
    return wurzel + QLatin1String("MwDaten/");
}

bool LaufwerkGeeignet(const QString &wurzel, bool sichernS)
{
    const QString ordner = SicherungsOrdner(wurzel);
    if (!sichernS)
        return QDir(ordner).exists();
    const bool geeignet = PrivatenOrdnerAnlegen(ordner);
    QThread::msleep(10);
    if (geeignet)
        QDir().rmdir(ordner);
    return geeignet;
}

qint64 BenoetigterPlatz(const QString &von, const QString &nach)
{
    QList<DateiGroesse> dateien;
    for (const QString &datei : TeilnehmerDateien(von))
        dateien.append({datei, QFileInfo(von + datei).size()});
    return BenoetigterPlatz(dateien, nach);
}

qint64 BenoetigterPlatz(const QList<DateiGroesse> &dateien, const QString &nach)
{
    const qint64 block = BlockGroesse(nach);
    qint64 belegt = 0; // what the copies so far added
    qint64 spitze = 0;
    for (const DateiGroesse &datei : dateien) {
        const qint64 neu = InBloecken(datei.groesse, block);
        const QFileInfo alt(nach + datei.name);
        spitze = qMax(spitze, belegt + neu);
        belegt += neu - (alt.isFile() ? InBloecken(alt.size(), block) : 0);
    }
    return spitze;
}

Vorbereitung PlatzPruefen(const QString &nach, qint64 benoetigt)
{
    const qint64 frei = FreierPlatz(nach);
    if (frei < 0 || benoetigt <= frei)
        return {};
    Vorbereitung platz = Ergebnis(Vorbereitung::ZuWenigPlatz);
    platz.benoetigt = benoetigt;
    platz.frei = frei;
    return platz;
}

Vorbereitung SicherungVorbereiten(const QString &datenOrdner, const QString &wurzel, bool sichernS,
                                  bool verschluesseltS)
{
    const QString sicherung = SicherungsOrdner(wurzel);
    if (!PrivatenOrdnerAnlegen(datenOrdner))
        return Ergebnis(Vorbereitung::DatenOrdnerFehlt);
    if (!AufDemLaufwerk(sicherung, wurzel))
        return Ergebnis(Vorbereitung::OrdnerVerlaesstLaufwerk);
    if (sichernS && !PrivatenOrdnerAnlegen(sicherung))
        return Ergebnis(Vorbereitung::SicherungsOrdnerFehlt);
    if (verschluesseltS) {
        if (!sichernS)
            return {};
        if (TeilnehmerDateien(datenOrdner).isEmpty())
            return Ergebnis(Vorbereitung::KeineDateien);
        return PlatzPruefen(sicherung, ArchivPlatz(datenOrdner, sicherung));
    }
    if (const QString link = ErsteVerknuepfung(sicherung); !link.isEmpty())
        return Ergebnis(Vorbereitung::Verknuepfung, link);
    const QString von = sichernS ? datenOrdner : sicherung;
    const QString nach = sichernS ? sicherung : datenOrdner;
    if (TeilnehmerDateien(von).isEmpty())
        return Ergebnis(Vorbereitung::KeineDateien);
    return PlatzPruefen(nach, BenoetigterPlatz(von, nach));
}

PassErgebnis KopierPass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    // Each copy is synced as it is written; the folder that holds the new
    // names once at the end.
    VerwaisteTemporaereEntfernen(nach);
    QString letzte;
    PassErgebnis ergebnis = Pass(von, nach, jeDatei, jeBlock,
                                 [&letzte](const QString &quelle, const QString &ziel, const JeBlock &block, QString *grund) {
                                     letzte = QFileInfo(ziel).fileName();
                                     return DateiKopieren(quelle, ziel, block, grund, false);
                                 });
    if (ergebnis.Ok() && !letzte.isEmpty()) {
        if (const int fehler = OrdnerSyncen(nach))
            return {letzte, SystemFehlerText(fehler)};
    }
    return ergebnis;
}

PassErgebnis VergleichsPass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    return Pass(von, nach, jeDatei, jeBlock,
                [](const QString &a, const QString &b, const JeBlock &block, QString *grund) {
                    return DateienGleich(a, b, block, grund);
                });
}
