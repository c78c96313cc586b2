#pragma once
#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

// One instance per user: the first holds a lock file in the user's runtime
// folder and listens on a local socket; a later start hands over a request
// there and ends.
class Einzelinstanz : public QObject
{
    Q_OBJECT
public:
    explicit Einzelinstanz(const QString &instanzText, QObject *eltern = nullptr);
    ~Einzelinstanz() override;

    // True when this process is the first instance (and now listens).
    bool Uebernehmen();
    // Sends a request ("1224" to the front, "1124" to close) to the running
    // instance, retrying briefly while it may still be starting.
    static bool Senden(const QString &instanzText, const QByteArray &zeile, int wartezeitMs = 2000);

signals:
    void NachVorne();
    void Schliessen();

private:
    static QString Ordner();
    static QString ServerName(const QString &instanzText);
    void ZeileLesen();

    QString text;
    std::unique_ptr<QLockFile> sperre;
    QLocalServer *server = nullptr;
};
