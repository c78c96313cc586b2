#include "laufwerke.h"

#include "texte.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <algorithm>

#include <sys/stat.h>

namespace {

std::function<QList<Laufwerk>()> festeListe;
std::function<qint64(const QString &)> festerPlatz;

bool IstPseudo(const QByteArray &typ)
{
    static const QList<QByteArray> pseudo = {
        "proc",      "sysfs",     "devpts",     "devtmpfs", "tmpfs",   "cgroup",     "cgroup2",
        "securityfs", "debugfs",  "tracefs",    "configfs", "fusectl", "mqueue",     "hugetlbfs",
        "pstore",    "bpf",       "autofs",     "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
        "squashfs",  "ramfs",     "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(typ);
}

Laufwerk::Art ArtVon(const QStorageInfo &volume)
{
    const QByteArray typ = volume.fileSystemType();
    const QString wurzel = volume.rootPath();
    if (typ == "nfs" || typ == "nfs4" || typ == "cifs" || typ == "smb3" || typ == "sshfs" || typ == "fuse.sshfs")
        return Laufwerk::Netz;
    if (typ == "iso9660" || typ == "udf")
        return Laufwerk::CdRom;
    if (wurzel.startsWith(QLatin1String("/media/")) || wurzel.startsWith(QLatin1String("/run/media/")))
        return Laufwerk::Wechsel;
    return Laufwerk::Fest;
}

QList<Laufwerk> EingehaengteVolumes()
{
    QList<Laufwerk> liste;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IstPseudo(volume.fileSystemType()))
            continue;
        Laufwerk laufwerk;
        laufwerk.wurzel = volume.rootPath().endsWith(QLatin1Char('/')) ? volume.rootPath()
                                                                         : volume.rootPath() + QLatin1Char('/');
        laufwerk.art = ArtVon(volume);
        laufwerk.bezeichnung = volume.name();
        if (laufwerk.art == Laufwerk::Netz)
            laufwerk.netzname = QString::fromLocal8Bit(volume.device());
        liste << laufwerk;
    }
    std::sort(liste.begin(), liste.end(),
              [](const Laufwerk &a, const Laufwerk &b) { return a.wurzel < b.wurzel; });
    return liste;
}

} // namespace

QList<Laufwerk> Laufwerke()
{
    return festeListe ? festeListe() : EingehaengteVolumes();
}

void LaufwerkeFestlegen(std::function<QList<Laufwerk>()> liste)
{
    festeListe = std::move(liste);
}

qint64 LaufwerkGroesse(const QString &pfad)
{
    if (!QDir(pfad).exists())
        return -1;
    const QStorageInfo volume(pfad);
    if (!volume.isValid() || !volume.isReady())
        return -1;
    return volume.bytesTotal();
}

bool LaufwerkBereit(const QString &pfad)
{
    return LaufwerkGroesse(pfad) >= 0;
}

QString LaufwerkBezeichnung(const QString &pfad)
{
    const QStorageInfo volume(pfad);
    return volume.isValid() ? volume.name() : QString();
}

QString LaufwerkEintrag(const Laufwerk &laufwerk)
{
    const QString wurzel = QDir::toNativeSeparators(laufwerk.wurzel);
    switch (laufwerk.art) {
    case Laufwerk::Wechsel:
        return QStringLiteral("%1 [%2]").arg(wurzel, laufwerk.bezeichnung);
    case Laufwerk::Netz:
        if (!laufwerk.netzname.isEmpty())
            return QStringLiteral("%1 %2").arg(wurzel, Gross(laufwerk.netzname));
        [[fallthrough]];
    case Laufwerk::Fest:
    case Laufwerk::CdRom:
    case Laufwerk::Ram:
        return QStringLiteral("%1 [%2]").arg(wurzel, Gross(laufwerk.bezeichnung));
    case Laufwerk::Unbekannt:
        break;
    }
    return {};
}

quint64 GeraetVon(const QString &pfad)
{
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return 0;
    return quint64(info.st_dev);
}

bool LaufwerkNochDa(const QString &wurzel, quint64 geraet)
{
    const QList<Laufwerk> liste = Laufwerke();
    const bool gelistet = std::any_of(liste.begin(), liste.end(),
                                      [&wurzel](const Laufwerk &laufwerk) { return laufwerk.wurzel == wurzel; });
    return gelistet && geraet != 0 && GeraetVon(wurzel) == geraet;
}

qint64 FreierPlatz(const QString &pfad)
{
    if (festerPlatz)
        return festerPlatz(pfad);
    const QStorageInfo volume(pfad);
    return volume.isValid() && volume.isReady() ? volume.bytesAvailable() : -1;
}

qint64 BlockGroesse(const QString &pfad)
{
    const QStorageInfo volume(pfad);
    return volume.isValid() && volume.blockSize() > 0 ? volume.blockSize() : 4096;
}

void FreierPlatzFestlegen(std::function<qint64(const QString &)> platz)
{
    festerPlatz = std::move(platz);
}
