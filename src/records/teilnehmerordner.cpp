#include "teilnehmerordner.h"

#include "bloecke.h"
#include "teilnehmerdatei.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

QStringList TeilnehmerDateien(const QString &ordner)
{
    // Plain files and links to them; on Windows also those marked as system
    // files. Elsewhere "system" means pipes, sockets and devices, which are
    // never participant files.
#ifdef Q_OS_WIN
    const QDir::Filters art = QDir::Files | QDir::Hidden | QDir::System;
#else
    const QDir::Filters art = QDir::Files | QDir::Hidden;
#endif
    return QDir(ordner).entryList({QStringLiteral("*.dat")}, art, QDir::Unsorted);
}

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

TeilnehmerListe TeilnehmerEinlesen(const QString &ordner, const QString &klassenFilter)
{
    TeilnehmerListe liste;
    const QString filter = Gross(klassenFilter);
    QSet<QString> bekannt; // the upper-case forms of the classes met
    for (const TeilnehmerEintrag &eintrag : TeilnehmerEintraege(ordner)) {
        const QString &name = eintrag.name;
        QString kopf, fehler;
        bool hatZeile = false;
        if (!ErsteZeileLesen(ordner + eintrag.datei, kopf, hatZeile, fehler)) {
            if (liste.fehler.isEmpty())
                liste.fehler = fehler;
            if (klassenFilter.isEmpty())
                liste.namen << name;
            continue;
        }
        if (!hatZeile) {
            liste.namen << name;
            continue;
        }
        const QString klasse = KlasseAusKopf(kopf);
        const QString schluessel = Gross(klasse);
        if (!bekannt.contains(schluessel)) {
            bekannt.insert(schluessel);
            liste.klassen << klasse;
        }
        if (klassenFilter.isEmpty() || schluessel == filter)
            liste.namen << name;
    }
    OhneFallSortieren(liste.namen);
    OhneFallSortieren(liste.klassen);
    return liste;
}

bool TeilnehmerdateiUmbenennen(const QString &altPfad, const QString &neuPfad)
{
    const QString alt = NamensTeil(altPfad);
    const QString neu = Gross(NamensTeil(neuPfad));
    for (const QString &datei : TeilnehmerDateien(OrdnerTeil(neuPfad))) {
        if (Gross(datei) == neu && datei != alt)
            return false;
    }
    return QFile::rename(altPfad, neuPfad);
}
