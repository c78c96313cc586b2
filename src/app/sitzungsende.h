#pragma once
// The end of a session: a logout, a shutdown or a closed terminal sends
// SIGTERM or SIGHUP, which end the program like "&Beenden" (save, settings,
// end) without a question nobody may be there to answer. A session manager
// first asks the program to commit its data: saved the same way, the end
// is the session manager's.

#include <QObject>

class QSocketNotifier;
class TForm1;

// SIGTERM and SIGHUP as a signal of the event loop: the handler only
// writes a byte into a pipe (all it may do), the loop reads it. One at a
// time; the default handling returns when it goes.
class Beendesignale : public QObject
{
    Q_OBJECT

public:
    explicit Beendesignale(QObject *eltern = nullptr);
    ~Beendesignale() override;

signals:
    void Empfangen();

private:
    void Lesen();

    QSocketNotifier *melder = nullptr;
};

// Ends the program through `haupt` when the session ends.
void SitzungsendeVerbinden(TForm1 &haupt);
