#include "teilnehmerfolge.h"

#include "util/texte.h"

namespace {

// The index of `name` in `namen` as the participant list finds it (without
// regard to case), or -1.
qsizetype StelleInListe(const QStringList &namen, const QString &name)
{
    for (qsizetype n = 0; n < namen.size(); ++n) {
        if (GleichOhneFall(namen.at(n), name))
            return n;
    }
    return -1;
}

} // namespace

QString NachbarTeilnehmer(const QStringList &namen, const QString &name, int schritt)
{
    qsizetype stelle = StelleInListe(namen, name);
    qsizetype ziel = stelle + schritt;
    if (stelle < 0) {
        // Sorted in with the same order, the name lies between its neighbours:
        // one step reaches the first of them in that direction.
        QStringList mitName = namen;
        mitName << name;
        OhneFallSortieren(mitName);
        stelle = mitName.lastIndexOf(name);
        ziel = schritt > 0 ? stelle + schritt - 1 : stelle + schritt;
    }
    return ziel >= 0 && ziel < namen.size() ? namen.at(ziel) : QString();
}
