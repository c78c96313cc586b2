#include "einzelinstanz.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

Einzelinstanz::Einzelinstanz(const QString &instanzText, QObject *eltern)
    : QObject(eltern), text(instanzText)
{
}

Einzelinstanz::~Einzelinstanz() = default;

QString Einzelinstanz::Ordner()
{
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ordner.isEmpty())
        ordner = QDir::tempPath();
    QDir().mkpath(ordner);
    return ordner + QLatin1Char('/');
}

QString Einzelinstanz::ServerName(const QString &instanzText)
{
    // The runtime folder belongs to the user, so the name is the user's own.
    return Ordner() + instanzText + QLatin1String(".socket");
}

bool Einzelinstanz::Uebernehmen()
{
    sperre = std::make_unique<QLockFile>(Ordner() + text + QLatin1String(".lock"));
    sperre->setStaleLockTime(0); // a lock of a process that no longer runs is taken over
    if (!sperre->tryLock(0))
        return false;
    const QString name = ServerName(text);
    QLocalServer::removeServer(name);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    server->listen(name);
    connect(server, &QLocalServer::newConnection, this, &Einzelinstanz::ZeileLesen);
    return true;
}

void Einzelinstanz::ZeileLesen()
{
    while (QLocalSocket *verbindung = server->nextPendingConnection()) {
        connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
        connect(verbindung, &QLocalSocket::readyRead, this, [this, verbindung] {
            while (verbindung->canReadLine()) {
                const QByteArray zeile = verbindung->readLine().trimmed();
                if (zeile == "1224")
                    emit NachVorne();
                else if (zeile == "1124")
                    emit Schliessen();
            }
        });
    }
}

bool Einzelinstanz::Senden(const QString &instanzText, const QByteArray &zeile, int wartezeitMs)
{
    QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket verbindung;
        verbindung.connectToServer(ServerName(instanzText));
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
