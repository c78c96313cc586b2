#include "sicherung.h"

#include "teilnehmerordner.h"
#include "util/dateikopie.h"

#include <QDir>
#include <QThread>

namespace {

bool OrdnerAnlegen(const QString &ordner)
{
    return QDir(ordner).exists() || QDir().mkpath(ordner);
}

using DateiAktion = bool (*)(const QString &, const QString &, const std::function<void()> &);

PassErgebnis Pass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock,
                  DateiAktion aktion)
{
    for (const QString &datei : TeilnehmerDateien(von)) {
        if (jeDatei)
            jeDatei(datei);
        if (!aktion(von + datei, nach + datei, jeBlock))
            return {datei};
    }
    return {};
}

} // namespace

QString SicherungsOrdner(const QString &wurzel)
{
    return wurzel + QLatin1String("MwDaten/");
}

bool LaufwerkGeeignet(const QString &wurzel, bool sichernS)
{
    const QString ordner = SicherungsOrdner(wurzel);
    if (!sichernS)
        return QDir(ordner).exists();
    const bool geeignet = QDir().mkpath(ordner);
    QThread::msleep(10);
    if (geeignet)
        QDir().rmdir(ordner);
    return geeignet;
}

Vorbereitung SicherungVorbereiten(const QString &datenOrdner, const QString &sicherungsOrdner, bool sichernS)
{
    if (!OrdnerAnlegen(datenOrdner))
        return Vorbereitung::DatenOrdnerFehlt;
    if (sichernS && !OrdnerAnlegen(sicherungsOrdner))
        return Vorbereitung::SicherungsOrdnerFehlt;
    if (TeilnehmerDateien(sichernS ? datenOrdner : sicherungsOrdner).isEmpty())
        return Vorbereitung::KeineDateien;
    return Vorbereitung::Bereit;
}

PassErgebnis KopierPass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    return Pass(von, nach, jeDatei, jeBlock, DateiKopieren);
}

PassErgebnis VergleichsPass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    return Pass(von, nach, jeDatei, jeBlock, DateienGleich);
}
