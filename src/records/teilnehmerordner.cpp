#include "teilnehmerordner.h"

#include "bloecke.h"
#include "teilnehmerdatei.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QDir>
#include <QFile>
#include <QSet>

QStringList TeilnehmerDateien(const QString &ordner)
{
    return QDir(ordner).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Unsorted);
}

QStringList TeilnehmerNamen(const QString &ordner)
{
    QStringList namen;
    for (const QString &datei : TeilnehmerDateien(ordner)) {
        if (datei.size() > 4)
            namen << datei.chopped(4);
    }
    return namen;
}

TeilnehmerListe TeilnehmerEinlesen(const QString &ordner, const QString &klassenFilter)
{
    TeilnehmerListe liste;
    const QString filter = Gross(klassenFilter);
    QSet<QString> bekannt; // the upper-case forms of the classes met
    for (const QString &name : TeilnehmerNamen(ordner)) {
        QString kopf, fehler;
        bool hatZeile = false;
        if (!ErsteZeileLesen(ordner + name + QLatin1String(".dat"), kopf, hatZeile, fehler)) {
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
