#include "sitzungsende.h"

#include "mainwindow/haupt.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
namespace {

int rohr[2] = {-1, -1};

extern "C" void SignalMerken(int)
{
    const int fehler = errno;
    const char zeichen = 1;
    [[maybe_unused]] const ssize_t geschrieben = ::write(rohr[1], &zeichen, 1);
    errno = fehler;
}

void Behandeln(void (*behandlung)(int))
{
    struct sigaction aktion {};
    aktion.sa_handler = behandlung;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &aktion, nullptr);
}

} // namespace

Beendesignale::Beendesignale(QObject *eltern) : QObject(eltern)
{
    if (rohr[0] >= 0 || ::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    melder = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, &Beendesignale::Lesen);
    Behandeln(SignalMerken);
}

Beendesignale::~Beendesignale()
{
    if (!melder)
        return;
    Behandeln(SIG_DFL);
    delete melder;
    ::close(rohr[0]);
    ::close(rohr[1]);
    rohr[0] = rohr[1] = -1;
}

void Beendesignale::Lesen()
{
    char zeichen[16];
    while (::read(rohr[0], zeichen, sizeof zeichen) > 0) {
    }
    emit Empfangen();
}
#else
// Windows ends a session through the session manager's request alone.
Beendesignale::Beendesignale(QObject *eltern) : QObject(eltern) {}
Beendesignale::~Beendesignale() = default;
void Beendesignale::Lesen() {}
#endif

void SitzungsendeVerbinden(TForm1 &haupt)
{
    // Out of every loop, also of a dialog that is open: nobody answers it now.
    QObject::connect(new Beendesignale(&haupt), &Beendesignale::Empfangen, &haupt, [&haupt] {
        haupt.SitzungBeenden();
        QCoreApplication::exit(0);
    });
    // A commit request comes also where the session goes on (a checkpoint);
    // the end follows from the session manager, which Qt turns into a quit.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &haupt,
                     [&haupt](QSessionManager &) { haupt.SitzungSichern(); });
}
