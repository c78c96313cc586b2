#include "spuren.h"

#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The copies the program makes of a participant file: "<datei>.bak",
// "<datei>.konflikt" and "<datei>.konflikt<n>".
const QString KopieMuster = QStringLiteral("(\\.bak|\\.konflikt[0-9]*)");

QFileInfoList Eintraege(const QString &ordner)
{
    return QDir(ordner).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

QStringList TeilnehmerSpuren(const QString &ordner, const QString &datei)
{
    const QString name = QRegularExpression::escape(datei);
    // Temporary files of earlier versions are "." + the name + "." + a
    // random number. Today's carry no name: a cut-off one may hold this
    // pupil's record and is only a leftover, so every one goes along.
    const QRegularExpression kopie(QStringLiteral("^%1%2$").arg(name, KopieMuster));
    const QRegularExpression temporaer(QStringLiteral("^\\.%1%2?\\.[0-9a-z]{1,13}$").arg(name, KopieMuster));
    QStringList spuren;
    for (const QFileInfo &eintrag : Eintraege(ordner)) {
        const QString n = eintrag.fileName();
        if (n != datei && (kopie.match(n).hasMatch() || temporaer.match(n).hasMatch() || IstTemporaererName(n)))
            spuren << n;
    }
    std::sort(spuren.begin(), spuren.end());
    if (QFileInfo(ordner + datei).isFile())
        spuren.prepend(datei);
    return spuren;
}

QList<VerwaisteKopie> VerwaisteKopien(const QString &ordner)
{
    static const QRegularExpression kopie(QStringLiteral("^(.+\\.dat)%1$").arg(KopieMuster),
                                          QRegularExpression::CaseInsensitiveOption);
    QList<VerwaisteKopie> verwaist;
    for (const QFileInfo &eintrag : Eintraege(ordner)) {
        const QRegularExpressionMatch treffer = kopie.match(eintrag.fileName());
        if (treffer.hasMatch() && !QFileInfo::exists(ordner + treffer.captured(1)))
            verwaist.append({eintrag.fileName(), eintrag.lastModified()});
    }
    QCollator sortierung;
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(verwaist.begin(), verwaist.end(), [&sortierung](const VerwaisteKopie &a, const VerwaisteKopie &b) {
        return sortierung.compare(a.datei, b.datei) < 0;
    });
    return verwaist;
}

SpurenErgebnis SpurenLoeschen(const QString &ordner, const QStringList &dateien)
{
    SpurenErgebnis ergebnis;
    for (const QString &datei : dateien) {
        QString grund;
        if (DateiEntfernen(ordner + datei, grund))
            ergebnis.geloescht << datei;
        else
            ergebnis.nicht << QStringLiteral("%1: %2").arg(datei, grund);
    }
    return ergebnis;
}

QString Aufzaehlung(const QStringList &zeilen)
{
    return QLatin1String("  ") + zeilen.join(QLatin1String("\r\n  "));
}

QString SpurenBericht(const SpurenErgebnis &ergebnis)
{
    QStringList teile;
    if (!ergebnis.nicht.isEmpty())
        teile << QStringLiteral("Nicht gelöscht werden konnten:\r\n") + Aufzaehlung(ergebnis.nicht);
    if (!ergebnis.geloescht.isEmpty())
        teile << QStringLiteral("Gelöscht:\r\n") + Aufzaehlung(ergebnis.geloescht);
    return teile.join(QLatin1String("\r\n"));
}
