#include "teilnehmerordner.h"

#include "bloecke.h"
#include "teilnehmerdatei.h"
#include "util/dateifehler.h"
#include "util/dateilesen.h"
#include "util/dateinamen.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cerrno>

#ifndef Q_OS_WIN
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#endif

#ifdef Q_OS_WIN
QStringList TeilnehmerDateien(const QString &ordner)
{
    // Plain files and links to them, also those marked as system files.
    return QDir(ordner).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Unsorted);
}
#else
QStringList TeilnehmerDateien(const QString &ordner)
{
    // Plain files and links to them, hidden ones too; never pipes, sockets
    // or devices. Read straight from the folder: the kind of most entries
    // comes with the name, so a folder of thousands of participants needs
    // no look at each file.
    QStringList dateien;
    const QByteArray pfad = QFile::encodeName(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    DIR *verzeichnis = ::opendir(pfad.constData());
    if (!verzeichnis)
        return dateien;
    while (const dirent *eintrag = ::readdir(verzeichnis)) {
        const qsizetype laenge = qsizetype(std::strlen(eintrag->d_name));
        if (laenge < 4 || ::strcasecmp(eintrag->d_name + laenge - 4, ".dat") != 0)
            continue;
        bool datei = eintrag->d_type == DT_REG;
        if (eintrag->d_type == DT_LNK || eintrag->d_type == DT_UNKNOWN) {
            struct stat info {};
            datei = ::fstatat(::dirfd(verzeichnis), eintrag->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        if (datei)
            dateien << QFile::decodeName(eintrag->d_name);
    }
    ::closedir(verzeichnis);
    return dateien;
}
#endif

namespace {

const QString Endung = QStringLiteral(".dat");

bool IstGenauDat(const QString &datei)
{
    return datei.endsWith(Endung, Qt::CaseSensitive);
}

} // namespace

QList<TeilnehmerEintrag> TeilnehmerEintraege(const QString &ordner)
{
    QList<TeilnehmerEintrag> eintraege;
    QHash<QString, qsizetype> stelle; // name -> index in eintraege
    for (const QString &datei : TeilnehmerDateien(ordner)) {
        if (datei.size() <= Endung.size())
            continue;
        const QString name = datei.chopped(Endung.size());
        const auto gefunden = stelle.constFind(name);
        if (gefunden == stelle.cend()) {
            stelle.insert(name, eintraege.size());
            eintraege.append({name, datei});
        } else if (IstGenauDat(datei)) {
            eintraege[*gefunden].datei = datei;
        }
    }
    return eintraege;
}

QStringList TeilnehmerNamen(const QString &ordner)
{
    QStringList namen;
    for (const TeilnehmerEintrag &eintrag : TeilnehmerEintraege(ordner))
        namen << eintrag.name;
    return namen;
}

QString TeilnehmerPfad(const QString &ordner, const QString &name)
{
    const QString genau = ordner + name + Endung;
    if (QFileInfo::exists(genau))
        return genau;
    for (const QString &datei : TeilnehmerDateien(ordner)) {
        if (datei.size() == name.size() + Endung.size() && datei.startsWith(name, Qt::CaseSensitive))
            return ordner + datei;
    }
    return genau;
}

void KoepfeDurchgehen(const QString &ordner, const JeKopf &jeKopf)
{
    const Ordnerhandle offen(ordner);
    for (const TeilnehmerEintrag &eintrag : TeilnehmerEintraege(ordner)) {
        QString kopf, fehler;
        bool hatZeile = false;
        if (!ErsteZeileLesen(offen, eintrag.datei, kopf, hatZeile, fehler))
            hatZeile = false;
        jeKopf(eintrag, kopf, hatZeile, fehler);
    }
}

TeilnehmerListe TeilnehmerEinlesen(const QString &ordner, const QString &klassenFilter)
{
    TeilnehmerListe liste;
    const QString filter = Gross(klassenFilter);
    QSet<QString> bekannt; // the upper-case forms of the classes met
    KoepfeDurchgehen(ordner, [&](const TeilnehmerEintrag &eintrag, const QString &kopf, bool hatZeile,
                                 const QString &fehler) {
        const QString &name = eintrag.name;
        if (!fehler.isEmpty()) {
            if (liste.fehler.isEmpty())
                liste.fehler = fehler;
            if (klassenFilter.isEmpty())
                liste.namen << name;
            return;
        }
        if (!hatZeile) {
            liste.namen << name;
            return;
        }
        const QString klasse = KlasseAusKopf(kopf);
        const QString schluessel = Gross(klasse);
        if (!bekannt.contains(schluessel)) {
            bekannt.insert(schluessel);
            liste.klassen << klasse;
        }
        if (klassenFilter.isEmpty() || schluessel == filter)
            liste.namen << name;
    });
    OhneFallSortieren(liste.namen);
    OhneFallSortieren(liste.klassen);
    return liste;
}

bool TeilnehmerdateiUmbenennen(const QString &altPfad, const QString &neuPfad, QString &fehler)
{
    const QString alt = NamensTeil(altPfad);
    const QString neu = Gross(NamensTeil(neuPfad));
    for (const QString &datei : TeilnehmerDateien(OrdnerTeil(neuPfad))) {
        if (Gross(datei) == neu && datei != alt) {
            fehler = SystemFehlerText(EEXIST);
            return false;
        }
    }
    if (const int nummer = NeuenNamenGeben(altPfad, neuPfad)) {
        fehler = SystemFehlerText(nummer);
        return false;
    }
    fehler.clear();
    if (const int nummer = OrdnerSyncen(OrdnerTeil(neuPfad)))
        fehler = UnbestaetigtText(neuPfad, SystemFehlerText(nummer));
    return true;
}
