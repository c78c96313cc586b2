// Starting the real program on the X display until it is ready for work,
// with none, 1,000 and 10,000 participants in the data folder: the main
// window shown and the start-up step done, i.e. the participant list on
// screen and filled (with no participant: the question whether to make
// one). Against a minimal Qt Widgets program showing a full-screen window.
//
// Watched from outside: the windows through the X server (a window counts
// as shown when it is mapped; its title says which it is), the reading of
// the participant files through inotify, and then the process's main
// thread until it is idle (its run time in /proc/<pid>/schedstat stands
// still for 50 ms): by then the list is filled and painted. The floor is
// watched the same way. Each process is killed after the measurement; each
// start gets a runtime folder of its own, so that no lock is left.

#include "util/kodierung.h"

#include "messen.h"

#include <QApplication>
#include <QSet>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

const QString ListenTitel = QStringLiteral("Wählen Sie einen neuen Teilnehmer");
const QString FrageTitel = QStringLiteral("Bestätigung");
const QString BodenTitel = QStringLiteral("Boden");

class Bildschirm
{
public:
    Bildschirm()
    {
        verbindung = xcb_connect(nullptr, nullptr);
        xcb_screen_t *schirm = xcb_setup_roots_iterator(xcb_get_setup(verbindung)).data;
        const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(verbindung, schirm->root, XCB_CW_EVENT_MASK, &maske);
        name = Atom("_NET_WM_NAME");
        utf8 = Atom("UTF8_STRING");
        xcb_flush(verbindung);
    }
    ~Bildschirm() { xcb_disconnect(verbindung); }
    bool Ok() const { return !xcb_connection_has_error(verbindung); }
    int Handle() const { return xcb_get_file_descriptor(verbindung); }

    // The titles of the windows mapped since the last call.
    QStringList NeueFenster()
    {
        QStringList titel;
        while (xcb_generic_event_t *ereignis = xcb_poll_for_event(verbindung)) {
            if ((ereignis->response_type & 0x7f) == XCB_MAP_NOTIFY)
                titel << Titel(reinterpret_cast<xcb_map_notify_event_t *>(ereignis)->window);
            std::free(ereignis);
        }
        return titel;
    }

private:
    xcb_atom_t Atom(const char *text)
    {
        xcb_intern_atom_reply_t *antwort =
            xcb_intern_atom_reply(verbindung, xcb_intern_atom(verbindung, 0, uint16_t(std::strlen(text)), text), nullptr);
        const xcb_atom_t atom = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(antwort);
        return atom;
    }
    QString Titel(xcb_window_t fenster)
    {
        xcb_get_property_reply_t *antwort = xcb_get_property_reply(
            verbindung, xcb_get_property(verbindung, 0, fenster, name, utf8, 0, 256), nullptr);
        QString text;
        if (antwort)
            text = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(antwort)),
                                     xcb_get_property_value_length(antwort));
        std::free(antwort);
        return text;
    }
    xcb_connection_t *verbindung;
    xcb_atom_t name, utf8;
};

// The moments of one start, in milliseconds after the spawn; -1 when not seen.
struct Start {
    double erstesFenster = -1;
    double ziel = -1;     // the window that means ready was mapped
    double gelesen = -1;  // every participant file read
    double ruhig = -1;    // the last moment the main thread ran, after both of the above
    double Bereit() const { return ruhig; }
};

// Nanoseconds the main thread of a process has run so far.
qint64 Laufzeit(pid_t pid)
{
    QFile datei(QString("/proc/%1/schedstat").arg(pid));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().split(' ').first().toLongLong() : -1;
}

// Waits until the process has not run for 50 ms; returns when it last ran.
double BisRuhig(pid_t pid, const QElapsedTimer &uhr)
{
    qint64 bisher = Laufzeit(pid);
    double zuletzt = uhr.nsecsElapsed() / 1e6;
    while (uhr.elapsed() < 60000) {
        ::usleep(1000);
        const double jetzt = uhr.nsecsElapsed() / 1e6;
        const qint64 lauf = Laufzeit(pid);
        if (lauf != bisher)
            zuletzt = jetzt;
        bisher = lauf;
        if (jetzt - zuletzt > 50)
            break;
    }
    return zuletzt;
}

pid_t Starten(const QString &programm, const QString &heim)
{
    const QString laufzeit = heim + "/run";
    QDir(laufzeit).removeRecursively();
    QDir().mkpath(laufzeit);
    QFile::setPermissions(laufzeit, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QList<QByteArray> umgebung;
    for (char **e = environ; *e; ++e) {
        const QByteArray eintrag(*e);
        if (!eintrag.startsWith("HOME=") && !eintrag.startsWith("XDG_CONFIG_HOME=") && !eintrag.startsWith("XDG_RUNTIME_DIR="))
            umgebung << eintrag;
    }
    umgebung << "HOME=" + heim.toUtf8() << "XDG_CONFIG_HOME=" + heim.toUtf8() + "/.config"
             << "XDG_RUNTIME_DIR=" + laufzeit.toUtf8();
    std::vector<char *> zeiger;
    for (QByteArray &eintrag : umgebung)
        zeiger.push_back(eintrag.data());
    zeiger.push_back(nullptr);
    QByteArray pfad = QFile::encodeName(programm);
    char *argumente[] = {pfad.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, pfad.constData(), nullptr, nullptr, argumente, zeiger.data()) != 0)
        return -1;
    return pid;
}

void Beenden(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// One start of `programm`, ready when a window titled `ziel` is mapped and
// `dateien` files in `ordner` were read (closed after reading).
Start Messen(Bildschirm &x, const QString &programm, const QString &heim, const QString &ziel, const QString &ordner,
             int dateien)
{
    x.NeueFenster(); // what is left from the last process
    const int beobachter = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (dateien > 0)
        ::inotify_add_watch(beobachter, QFile::encodeName(ordner).constData(), IN_CLOSE_NOWRITE);
    QSet<QByteArray> gelesen;
    Start start;
    if (dateien == 0)
        start.gelesen = 0;
    QElapsedTimer uhr;
    uhr.start();
    const pid_t pid = Starten(programm, heim);
    alignas(inotify_event) char puffer[64 * 1024];
    while ((start.ziel < 0 || start.gelesen < 0) && uhr.elapsed() < 60000) {
        pollfd warten[2] = {{x.Handle(), POLLIN, 0}, {beobachter, POLLIN, 0}};
        ::poll(warten, 2, 100);
        const double jetzt = uhr.nsecsElapsed() / 1e6;
        for (const QString &titel : x.NeueFenster()) {
            if (start.erstesFenster < 0)
                start.erstesFenster = jetzt;
            if (titel == ziel && start.ziel < 0)
                start.ziel = jetzt;
        }
        for (ssize_t n; (n = ::read(beobachter, puffer, sizeof puffer)) > 0;) {
            for (char *p = puffer; p < puffer + n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(p);
                if (e->len > 0 && QByteArray(e->name).endsWith(".dat"))
                    gelesen.insert(QByteArray(e->name));
                p += sizeof(inotify_event) + e->len;
            }
        }
        if (start.gelesen < 0 && gelesen.size() >= dateien)
            start.gelesen = jetzt;
    }
    if (start.ziel >= 0 && start.gelesen >= 0)
        start.ruhig = BisRuhig(pid, uhr);
    Beenden(pid);
    ::close(beobachter);
    return start;
}

// A home with the settings that point the data folder at its documents
// folder, holding `anzahl` participants of 200 days each.
QString Heim(const QString &basis, int anzahl)
{
    const QString heim = basis + QString("heim%1").arg(anzahl);
    const QString daten = heim + "/Documents/Merkwerk/";
    QDir().mkpath(daten);
    QDir().mkpath(heim + "/.config/Merkwerk");
    Anlegen(heim + "/.config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\n");
    for (int n = 0; n < anzahl; ++n) {
        Kodierung k = n % 2 ? Kodierung::Utf8MitMarke : Kodierung::Utf8OhneMarke;
        const QString kopf = QString("Förder %1%2\vÜbt täglich").arg(5 + n % 4).arg(QChar('a' + n % 3));
        Anlegen(daten + QString("Müller %1.dat").arg(n, 5, 10, QLatin1Char('0')), ZeilenInBytes(BeispielTage(200, kopf), k));
    }
    return heim;
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    Bildschirm x;
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" || !x.Ok()) {
        std::printf("start_bench braucht einen X-Bildschirm (QT_QPA_PLATFORM=xcb)\n");
        return 1;
    }
    for (int anzahl : {0, 1000, 10000}) {
        const QByteArray figur = "start_ready_" + QByteArray::number(anzahl);
        if (!Gewuenscht(figur.constData()))
            continue;
        const QString heim = Heim(platz.Pfad(), anzahl);
        const QString daten = heim + "/Documents/Merkwerk/";
        ::sync();
        std::vector<double> haupt, liste, gelesen, ruhig;
        bool ok = true;
        Abwechselnd(
            figur.constData(), anzahl >= 10000 ? 7 : 11,
            [&] {
                const Start s = Messen(x, MERKWERK_PROGRAMM, heim, anzahl ? ListenTitel : FrageTitel, daten, anzahl);
                ok = ok && s.Bereit() >= 0;
                haupt.push_back(s.erstesFenster);
                liste.push_back(s.ziel);
                gelesen.push_back(s.gelesen);
                ruhig.push_back(s.ruhig);
                return s.Bereit();
            },
            [&] { return Messen(x, BODEN_PROGRAMM, heim, BodenTitel, daten, 0).Bereit(); });
        std::printf("  %s: main window mapped %.1f ms, %s mapped %.1f ms, all files read %.1f ms, idle %.1f ms%s\n",
                    figur.constData(), MedianVon(haupt), anzahl ? "list" : "question", MedianVon(liste),
                    MedianVon(gelesen), MedianVon(ruhig), ok ? "" : " FEHLER: nicht bereit geworden");
    }
    return 0;
}
