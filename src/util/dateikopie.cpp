#include "dateikopie.h"

#include "dateifehler.h"
#include "dateinamen.h"
#include "dateilesen.h"
#include "ordner.h"
#include "sicherschreiben.h"

#include <QFile>

#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

void AusDemCacheNehmen(int handle)
{
#ifdef Q_OS_WIN
    Q_UNUSED(handle); // Windows has no way to drop one file from its cache
#else
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
#endif
}

namespace {

bool Fehlschlag(QString *grund, const QString &text)
{
    if (grund)
        *grund = text;
    return false;
}

} // namespace

bool DateiKopieren(const QString &quelle, const QString &ziel, const std::function<void()> &proBlock,
                   QString *grund, bool ordnerSyncen)
{
    AttributeZuruecksetzen(ziel);
    Lesedatei ein(quelle);
    QString text;
    if (!ein.Oeffnen(text))
        return Fehlschlag(grund, text);
    Ersatzdatei aus(LinkAufloesen(ziel));
    if (const int fehler = aus.Anlegen())
        return Fehlschlag(grund, SystemFehlerText(fehler));
    QByteArray block(KopierBlock, Qt::Uninitialized);
    for (qint64 kopiert = 0;;) {
        if (proBlock && kopiert < ein.Groesse())
            proBlock();
        const qint64 gelesen = ein.Lesen(block.data(), KopierBlock, text);
        if (gelesen < 0)
            return Fehlschlag(grund, text);
        if (gelesen == 0)
            break;
        if (const int fehler = aus.Schreiben(block.constData(), gelesen))
            return Fehlschlag(grund, SystemFehlerText(fehler));
        kopiert += gelesen;
    }
    if (const int fehler = aus.Abschliessen(ordnerSyncen))
        return Fehlschlag(grund, SystemFehlerText(fehler));
    return true;
}

bool DateienGleich(const QString &a, const QString &b, const std::function<void()> &proBlock, QString *grund)
{
    Lesedatei erste(a);
    Lesedatei zweite(b);
    QString text;
    if (!erste.Oeffnen(text) || !zweite.Oeffnen(text))
        return Fehlschlag(grund, text);
    AusDemCacheNehmen(zweite.Handle());
    const QString verschieden = QStringLiteral("Die Kopie weicht vom Original ab.");
    if ((erste.Groesse() == 0) != (zweite.Groesse() == 0))
        return Fehlschlag(grund, verschieden);
    QByteArray x(KopierBlock, Qt::Uninitialized);
    QByteArray y(KopierBlock, Qt::Uninitialized);
    for (qint64 verglichen = 0;;) {
        if (proBlock && verglichen < erste.Groesse())
            proBlock();
        const qint64 n = erste.Lesen(x.data(), KopierBlock, text);
        const qint64 m = n < 0 ? 0 : zweite.Lesen(y.data(), KopierBlock, text);
        if (n < 0 || m < 0)
            return Fehlschlag(grund, text);
        if (n != m || std::memcmp(x.constData(), y.constData(), size_t(n)) != 0)
            return Fehlschlag(grund, verschieden);
        if (n == 0)
            return true;
        verglichen += n;
    }
}

bool KopieErsetzen(const QString &quelle, const QString &ziel)
{
    const QString echt = LinkAufloesen(quelle);
    const QString zwischen = TemporaererName(OrdnerTeil(ziel));
    // The second name is made under a temporary name and renamed over the
    // old copy, so that the old copy stays until the new one exists.
    if (ZweitenNamenGeben(echt, zwischen) == 0) {
        const bool ersetzt = NameErsetzen(zwischen, ziel) == 0;
        // Where the old copy already was this very file (a save that failed
        // after making it), the rename leaves both names.
        QFile::remove(zwischen);
        if (ersetzt)
            return true;
    }
    return DateiKopieren(echt, ziel, {}, nullptr, false);
}
