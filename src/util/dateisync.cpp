#include "dateisync.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cerrno>

namespace {

std::function<int(int)> festerSync;

int SystemSync(int handle)
{
#ifdef Q_OS_WIN
    return ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(handle))) ? 0 : EIO;
#else
    int ergebnis;
    do
        ergebnis = ::fdatasync(handle);
    while (ergebnis != 0 && errno == EINTR);
    return ergebnis == 0 ? 0 : errno;
#endif
}

} // namespace

int AufDatentraeger(int handle)
{
    return festerSync ? festerSync(handle) : SystemSync(handle);
}

int OrdnerAufDatentraeger(int handle)
{
    if (festerSync)
        return festerSync(handle);
#ifdef Q_OS_WIN
    Q_UNUSED(handle);
    return 0; // Windows keeps the folder entries itself
#else
    int ergebnis;
    do
        ergebnis = ::fsync(handle);
    while (ergebnis != 0 && errno == EINTR);
    return ergebnis == 0 || errno == EINVAL ? 0 : errno;
#endif
}

void AufDatentraegerFestlegen(std::function<int(int)> sync)
{
    festerSync = std::move(sync);
}
