#include "dateikopie.h"

#include "ordner.h"

#include <QFile>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Flushes a file to its drive and drops it from the page cache, so that the
// next read comes from the drive itself.
void VomDatentraegerLesen(QFile &datei)
{
    const int fd = datei.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    // Windows has no way to drop one file from its cache; flushing it is
    // as close as it gets.
    ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)));
#else
    ::fsync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
}

} // namespace

bool DateiKopieren(const QString &quelle, const QString &ziel, const std::function<void()> &proBlock)
{
    AttributeZuruecksetzen(ziel);
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    QSaveFile aus(ziel);
    aus.setDirectWriteFallback(false);
    if (!aus.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!ein.atEnd()) {
        if (proBlock)
            proBlock();
        block = ein.read(KopierBlock);
        if (ein.error() != QFileDevice::NoError || aus.write(block) != block.size()) {
            aus.cancelWriting();
            return false;
        }
    }
    if (!aus.flush() || aus.error() != QFileDevice::NoError) {
        aus.cancelWriting();
        return false;
    }
    return aus.commit();
}

bool DateienGleich(const QString &a, const QString &b, const std::function<void()> &proBlock)
{
    QFile erste(a);
    QFile zweite(b);
    if (!erste.open(QIODevice::ReadOnly) || !zweite.open(QIODevice::ReadOnly))
        return false;
    VomDatentraegerLesen(zweite);
    if ((erste.size() == 0) != (zweite.size() == 0))
        return false;
    while (!erste.atEnd() && !zweite.atEnd()) {
        if (proBlock)
            proBlock();
        const QByteArray x = erste.read(KopierBlock);
        const QByteArray y = zweite.read(KopierBlock);
        if (erste.error() != QFileDevice::NoError || zweite.error() != QFileDevice::NoError || x != y)
            return false;
    }
    return erste.atEnd() && zweite.atEnd();
}
