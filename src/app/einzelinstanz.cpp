#include "einzelinstanz.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A folder in which no one else can create, replace or remove the lock:
// the user's own and writable by no one else. A missing one is made so.
bool EigenerOrdner(const QString &ordner)
{
    if (ordner.isEmpty())
        return false;
    if (!QFileInfo::exists(ordner)
        && !QDir().mkdir(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return false;
    const QFileInfo info(ordner);
    if (!info.isDir())
        return false;
#ifdef Q_OS_UNIX
    if (info.ownerId() != uint(::geteuid()))
        return false;
    if (info.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther))
        return false;
#endif
    return true;
}

QString Laufzeitordner()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#else
    // Only the folder the session provides: where it is missing, Qt falls
    // back to a folder in the shared temporary folder, which another user
    // may have made first.
    return qEnvironmentVariable("XDG_RUNTIME_DIR");
#endif
}

QString Ersatzordner()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    // One per computer: a home folder shared by several computers must not
    // let an instance on one stop the start on another.
    return cache + QLatin1String("/Merkwerk-") + QSysInfo::machineHostName();
}

void Trennen(QLocalSocket *verbindung)
{
    verbindung->abort();
    verbindung->deleteLater();
}

} // namespace

QString InstanzOrdner()
{
    for (const auto &ordner : {Laufzeitordner, Ersatzordner}) {
        const QString pfad = ordner();
        if (EigenerOrdner(pfad))
            return QDir::cleanPath(pfad) + QLatin1Char('/');
    }
    return {};
}

Einzelinstanz::Einzelinstanz(const QString &instanzText, QObject *eltern)
    : QObject(eltern), text(instanzText)
{
}

Einzelinstanz::~Einzelinstanz() = default;

QString Einzelinstanz::ServerName(const QString &instanzText)
{
    const QString ordner = InstanzOrdner();
    return ordner.isEmpty() ? QString() : ordner + instanzText + QLatin1String(".socket");
}

bool Einzelinstanz::Uebernehmen()
{
    const QString ordner = InstanzOrdner();
    if (ordner.isEmpty())
        return true;
    sperre = std::make_unique<QLockFile>(ordner + text + QLatin1String(".lock"));
    sperre->setStaleLockTime(0); // a lock of a process that no longer runs is taken over
    if (!sperre->tryLock(0))
        return sperre->error() != QLockFile::LockFailedError;
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &Einzelinstanz::Annehmen);
    Lauschen();
    waechter = new QTimer(this);
    waechter->setInterval(FristMs);
    connect(waechter, &QTimer::timeout, this, &Einzelinstanz::LauschenPruefen);
    waechter->start();
    return true;
}

void Einzelinstanz::Lauschen()
{
    const QString name = ServerName(text);
    // The lock is ours, so a socket file there is a crashed instance's.
    QLocalServer::removeServer(name);
    if (!server->listen(name))
        server->close(); // the watchdog tries again
}

void Einzelinstanz::LauschenPruefen()
{
    // A failed accept (too many open files) closes the listening socket
    // without a signal, and a failed listen leaves none: listen anew.
    if (server->isListening() && server->socketDescriptor() != -1)
        return;
    server->close();
    Lauschen();
}

void Einzelinstanz::Annehmen()
{
    while (QLocalSocket *verbindung = server->nextPendingConnection()) {
        if (verbindungen >= MaxVerbindungen) {
            Trennen(verbindung);
            continue;
        }
        ++verbindungen;
        connect(verbindung, &QObject::destroyed, this, [this] { --verbindungen; });
        verbindung->setReadBufferSize(MaxAnfrage);
        connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
        connect(verbindung, &QLocalSocket::readyRead, this, [this, verbindung] { Lesen(verbindung); });
        QTimer::singleShot(FristMs, verbindung, [verbindung] { Trennen(verbindung); });
        Lesen(verbindung);
    }
}

void Einzelinstanz::Lesen(QLocalSocket *verbindung)
{
    if (!verbindung->canReadLine()) {
        if (verbindung->bytesAvailable() >= MaxAnfrage)
            Trennen(verbindung); // longer than any request
        return;
    }
    const QByteArray zeile = verbindung->readLine(MaxAnfrage + 1);
    Trennen(verbindung); // one request per client
    if (!zeile.endsWith('\n'))
        return;
    const QByteArray anfrage = zeile.trimmed();
    if (anfrage == "1224")
        emit NachVorne();
    else if (anfrage == "1124")
        emit Schliessen();
}

bool Einzelinstanz::Senden(const QString &instanzText, const QByteArray &zeile, int wartezeitMs)
{
    const QString name = ServerName(instanzText);
    if (name.isEmpty())
        return false;
    QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket verbindung;
        verbindung.connectToServer(name);
        if (verbindung.waitForConnected(200)) {
            verbindung.write(zeile + '\n');
            const bool ok = verbindung.waitForBytesWritten(1000);
            verbindung.disconnectFromServer();
            return ok;
        }
        QThread::msleep(50);
    } while (!frist.hasExpired());
    return false;
}
