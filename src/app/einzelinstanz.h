#pragma once
#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QTimer;

// The folder of the lock and the socket: one that only this user can
// change. The runtime folder when it is such a folder, else a folder of the
// user's own in the cache folder, one per computer. Empty when neither is
// safe to use.
QString InstanzOrdner();

// One instance per user: the first holds a lock file in the instance folder
// and listens on a local socket there; a later start hands over a request
// and ends.
class Einzelinstanz : public QObject
{
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString &instanzText, QObject *eltern = nullptr);
    ~Einzelinstanz() override;

    // True when this process is to run: it holds the lock (and listens), or
    // no lock can be had at all, so that it runs without one rather than
    // never. False when another instance holds the lock.
    bool Uebernehmen();
    // Sends a request ("1224" to the front, "1124" to close) to the running
    // instance, retrying briefly while it may still be starting.
    static bool Senden(const QString &instanzText, const QByteArray &zeile, int wartezeitMs = 2000);

    // A request is one short line; a client that sends more, or stays
    // longer, is dropped. Beyond the limit of open clients new ones are
    // dropped at once, so that a flood cannot use up the process's files.
    static constexpr int MaxAnfrage = 16;
    static constexpr int FristMs = 1000;
    static constexpr int MaxVerbindungen = 32;

signals:
    void NachVorne();
    void Schliessen();

private:
    static QString ServerName(const QString &instanzText);
    void Lauschen();
    void LauschenPruefen();
    void Annehmen();
    void Lesen(QLocalSocket *verbindung);

    QString text;
    std::unique_ptr<QLockFile> sperre;
    QLocalServer *server = nullptr;
    QTimer *waechter = nullptr;
    int verbindungen = 0;
};
