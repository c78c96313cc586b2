#include "dateilesen.h"

#include "dateifehler.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#ifndef S_ISREG
#define S_ISREG(mode) (((mode) & S_IFMT) == S_IFREG)
#endif

namespace {

#ifdef Q_OS_WIN
int Oeffne(const QString &pfad)
{
    return ::_wopen(reinterpret_cast<const wchar_t *>(pfad.utf16()), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
qint64 Lies(int handle, char *ziel, qint64 anzahl)
{
    return ::_read(handle, ziel, unsigned(qMin<qint64>(anzahl, 1 << 30)));
}
void Schliesse(int handle)
{
    ::_close(handle);
}
int OrdnerOeffnen(const QString &)
{
    return -1;
}
#else
// Relative names are taken from the folder `ordner` when it is open.
int Oeffne(const QString &pfad, int ordner = AT_FDCWD, int art = O_NONBLOCK)
{
    int handle;
    do
        handle = ::openat(ordner, QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | art);
    while (handle < 0 && errno == EINTR);
    return handle;
}
int OrdnerOeffnen(const QString &ordner)
{
    return Oeffne(ordner.isEmpty() ? QStringLiteral(".") : ordner, AT_FDCWD, O_DIRECTORY);
}
qint64 Lies(int handle, char *ziel, qint64 anzahl)
{
    qint64 gelesen;
    do
        gelesen = ::read(handle, ziel, size_t(anzahl));
    while (gelesen < 0 && errno == EINTR);
    return gelesen;
}
void Schliesse(int handle)
{
    ::close(handle);
}
#endif

} // namespace

Lesedatei::Lesedatei(const Ordnerhandle &ordner, const QString &name)
    : pfad(ordner.Handle() >= 0 ? name : ordner.Pfad() + name), ordnerHandle(ordner.Handle())
{
}

Lesedatei::~Lesedatei()
{
    if (handle >= 0)
        Schliesse(handle);
}

bool Lesedatei::Oeffnen(QString &grund)
{
#ifdef Q_OS_WIN
    handle = Oeffne(pfad);
#else
    handle = ordnerHandle >= 0 ? Oeffne(pfad, ordnerHandle) : Oeffne(pfad);
#endif
    if (handle < 0) {
        grund = SystemFehlerText(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(handle, &info) != 0) {
        grund = SystemFehlerText(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        grund = KeineDateiText();
        return false;
    }
    groesse = info.st_size;
    return true;
}

qint64 Lesedatei::Lesen(char *ziel, qint64 anzahl, QString &grund)
{
    const qint64 gelesen = Lies(handle, ziel, anzahl);
    if (gelesen < 0)
        grund = SystemFehlerText(errno);
    return gelesen;
}

bool Lesedatei::RestLesen(QByteArray &bytes, QString &grund)
{
    // The size known at opening is read in one go; a file that grew in the
    // meantime is read on to its end.
    if (groesse > GroessteGanzeDatei) {
        grund = ZuGrossText(groesse, GroessteGanzeDatei);
        return false;
    }
    qint64 stelle = bytes.size();
    qint64 platz = qMax<qint64>(stelle + groesse + 1, stelle + 4096);
    for (;;) {
        bytes.resize(platz);
        const qint64 gelesen = Lesen(bytes.data() + stelle, platz - stelle, grund);
        if (gelesen < 0)
            return false;
        stelle += gelesen;
        if (gelesen == 0)
            break;
        if (stelle > GroessteGanzeDatei) {
            grund = ZuGrossText(stelle, GroessteGanzeDatei);
            return false;
        }
        if (stelle == platz)
            platz *= 2;
    }
    bytes.resize(stelle);
    return true;
}

bool DateiLesen(const QString &pfad, QByteArray &bytes, QString &grund)
{
    Lesedatei datei(pfad);
    bytes.clear();
    return datei.Oeffnen(grund) && datei.RestLesen(bytes, grund);
}

Ordnerhandle::Ordnerhandle(const QString &ordner) : pfad(ordner), handle(OrdnerOeffnen(ordner)) {}

Ordnerhandle::~Ordnerhandle()
{
    if (handle >= 0)
        Schliesse(handle);
}
