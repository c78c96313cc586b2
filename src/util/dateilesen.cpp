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
#else
int Oeffne(const QString &pfad)
{
    int handle;
    do
        handle = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (handle < 0 && errno == EINTR);
    return handle;
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

Lesedatei::~Lesedatei()
{
    if (handle >= 0)
        Schliesse(handle);
}

bool Lesedatei::Oeffnen(QString &grund)
{
    handle = Oeffne(pfad);
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
