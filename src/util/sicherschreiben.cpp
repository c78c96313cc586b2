#include "sicherschreiben.h"

#include "dateifehler.h"
#include "dateinamen.h"
#include "dateisync.h"
#include "ordner.h"

#include <QFile>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
int NeuOeffnen(const QString &pfad)
{
    return ::_wopen(reinterpret_cast<const wchar_t *>(pfad.utf16()),
                    _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}
qint64 Schreibe(int handle, const char *daten, qint64 anzahl)
{
    return ::_write(handle, daten, unsigned(qMin<qint64>(anzahl, 1 << 30)));
}
int HandleSchliessen(int handle)
{
    return ::_close(handle);
}
int OrdnerEintraegeSyncen(const QString &)
{
    return 0; // Windows keeps the folder entries itself
}
#else
QByteArray Lokal(const QString &pfad)
{
    return QFile::encodeName(pfad);
}
int NeuOeffnen(const QString &pfad)
{
    int handle;
    do
        handle = ::open(Lokal(pfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    while (handle < 0 && errno == EINTR);
    return handle;
}
qint64 Schreibe(int handle, const char *daten, qint64 anzahl)
{
    qint64 geschrieben;
    do
        geschrieben = ::write(handle, daten, size_t(anzahl));
    while (geschrieben < 0 && errno == EINTR);
    return geschrieben;
}
int HandleSchliessen(int handle)
{
    return ::close(handle);
}
// Makes the renamed entry itself durable.
int OrdnerEintraegeSyncen(const QString &ordner)
{
    const int handle = ::open(Lokal(ordner.isEmpty() ? QStringLiteral(".") : ordner).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return errno;
    const int fehler = OrdnerAufDatentraeger(handle);
    ::close(handle);
    return fehler;
}
#endif

// A new temporary file beside `ziel`, never one that exists already.
int TemporaerAnlegen(const QString &ziel, QString &temporaer)
{
    for (int versuch = 0; versuch < 100; ++versuch) {
        temporaer = TemporaererName(OrdnerTeil(ziel));
        const int handle = NeuOeffnen(temporaer);
        if (handle >= 0 || errno != EEXIST)
            return handle;
    }
    return -1;
}

// The temporary file takes the old file's permissions, as the old file
// had them; a new file is the user's alone, whatever the file mask, for it
// holds a pupil's record (where the drive keeps no permissions, nothing
// changes).
void RechteUebernehmen(int handle, const QString &ziel)
{
#ifndef Q_OS_WIN
    struct stat alt {};
    const bool vorhanden = ::stat(Lokal(ziel).constData(), &alt) == 0 && S_ISREG(alt.st_mode);
    ::fchmod(handle, vorhanden ? alt.st_mode & 07777 : 0600);
#else
    Q_UNUSED(handle);
    Q_UNUSED(ziel);
#endif
}

} // namespace

QString TemporaererName(const QString &ordner)
{
    return ordner + QLatin1String(".merkwerk-") + QString::number(QRandomGenerator::global()->generate64(), 36);
}

bool IstTemporaererName(const QString &name)
{
    static const QRegularExpression muster(QStringLiteral("^\\.merkwerk-[0-9a-z]{1,13}$"));
    return muster.match(name).hasMatch();
}

void VerwaisteTemporaereEntfernen(const QString &ordner)
{
    // Besides the names TemporaererName gives, those of earlier versions:
    // "." + the file's name + "." + a random number, for participant files,
    // backup copies, conflicts and the encrypted backup.
    static const QRegularExpression frueher(
        QStringLiteral("^\\..+\\.(dat|bak|konflikt[0-9]*|mwsich)\\.[0-9a-z]{1,13}$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDateTime grenze = QDateTime::currentDateTime().addSecs(-3600);
    for (const QFileInfo &datei : QDir(ordner).entryInfoList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden)) {
        const QString name = datei.fileName();
        if ((IstTemporaererName(name) || frueher.match(name).hasMatch()) && datei.lastModified() < grenze)
            QFile::remove(datei.filePath());
    }
}

int OrdnerSyncen(const QString &ordner)
{
    return OrdnerEintraegeSyncen(ordner);
}

QString LinkAufloesen(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.isSymLink() ? info.symLinkTarget() : pfad;
}

Ersatzdatei::~Ersatzdatei()
{
    if (handle >= 0)
        HandleSchliessen(handle);
    if (!ersetzt && !temporaer.isEmpty())
        QFile::remove(temporaer);
}

int Ersatzdatei::Anlegen()
{
    handle = TemporaerAnlegen(ziel, temporaer);
    if (handle < 0)
        return errno;
    RechteUebernehmen(handle, ziel);
    return 0;
}

int Ersatzdatei::Schreiben(const char *daten, qint64 anzahl)
{
    while (anzahl > 0) {
        const qint64 geschrieben = Schreibe(handle, daten, anzahl);
        if (geschrieben < 0)
            return errno;
        if (geschrieben == 0)
            return ENOSPC;
        daten += geschrieben;
        anzahl -= geschrieben;
    }
    return 0;
}

int Ersatzdatei::Abschliessen(bool ordnerSyncen)
{
    int fehler = AufDatentraeger(handle);
    const int geschlossen = HandleSchliessen(handle);
    handle = -1;
    if (!fehler && geschlossen != 0)
        fehler = errno;
    if (!fehler)
        fehler = neu ? NeuenNamenGeben(temporaer, ziel) : NameErsetzen(temporaer, ziel);
    if (fehler)
        return fehler;
    ersetzt = true;
    return ordnerSyncen ? OrdnerSyncen(OrdnerTeil(ziel)) : 0;
}

int Ersatzdatei::RechteFestlegen(int rechte)
{
#ifdef Q_OS_WIN
    Q_UNUSED(rechte);
    return 0;
#else
    // A drive without permissions (FAT) takes none: that is no failure.
    return ::fchmod(handle, mode_t(rechte)) == 0 || errno == EPERM || errno == ENOTSUP ? 0 : errno;
#endif
}

bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu, bool *inhaltNeu,
                    bool ordnerSyncen)
{
    // A new file takes its name only when it is whole and on the drive, and
    // only where no file of that name (not even a link) exists.
    Ersatzdatei datei(neu ? pfad : LinkAufloesen(pfad), neu);
    int fehlernummer = datei.Anlegen();
    if (!fehlernummer)
        fehlernummer = datei.Schreiben(bytes.constData(), bytes.size());
    if (!fehlernummer)
        fehlernummer = datei.Abschliessen(ordnerSyncen);
    if (inhaltNeu)
        *inhaltNeu = datei.Ersetzt();
    if (!fehlernummer)
        return true;
    // Past the rename only the folder's sync can fail: the file is written.
    fehler = datei.Ersetzt() ? UnbestaetigtText(pfad, SystemFehlerText(fehlernummer))
                             : SchreibFehlerText(pfad, SystemFehlerText(fehlernummer));
    return false;
}
