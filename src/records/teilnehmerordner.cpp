#include "teilnehmerordner.h"

#include "util/ordner.h"
#include "util/texte.h"

#include <QDir>
#include <QFile>

QStringList TeilnehmerDateien(const QString &ordner)
{
    return QDir(ordner).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Unsorted);
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
