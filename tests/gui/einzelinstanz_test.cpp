#include "hauptfenster.h"

#include "app/einzelinstanz.h"
#include "records/bloecke.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

class Einzel : public Hauptfenster
{
};

TEST_F(Einzel, ZweiteInstanzUebergibtUnd1124Beendet)
{
    Einzelinstanz erste("Merkwerk Test");
    ASSERT_TRUE(erste.Uebernehmen());
    Einzelinstanz zweite("Merkwerk Test");
    EXPECT_FALSE(zweite.Uebernehmen());

    TForm1 &f = Starten();
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", Blocktrenner});
    f.setDatFilename("Beta");
    f.Edit5->setText("neu");
    QObject::connect(&erste, &Einzelinstanz::Schliessen, &f, &TForm1::AnfrageBeenden);
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk Test", "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk Test", "1124"));
    EXPECT_TRUE(Warten([&] { return !f.isVisible(); }));
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Mo.\vneu");
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk")
                  .value("Teilnehmer")
                  .toString(),
              "Beta");
}

TEST_F(Einzel, ProgrammLaeuftNurEinmal)
{
    // Two real processes in a world of their own.
    const QString heim = Ordner() + "heim";
    const QString laufzeit = Ordner() + "laufzeit";
    QDir().mkpath(heim + "/.config/Merkwerk");
    QDir().mkpath(laufzeit);
    QFile::setPermissions(laufzeit, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Schreiben(heim + "/.config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\n");
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", heim);
    umgebung.insert("XDG_CONFIG_HOME", heim + "/.config");
    umgebung.insert("XDG_RUNTIME_DIR", laufzeit);
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess erste;
    erste.setProcessEnvironment(umgebung);
    erste.start(MERKWERK_PROGRAMM, {});
    ASSERT_TRUE(erste.waitForStarted());
    const QByteArray alt = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", laufzeit.toUtf8());
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk V1.03", "1224", 20000));

    QProcess zweite;
    zweite.setProcessEnvironment(umgebung);
    zweite.start(MERKWERK_PROGRAMM, {});
    EXPECT_TRUE(zweite.waitForFinished(20000));
    EXPECT_EQ(zweite.exitCode(), 0);
    EXPECT_EQ(erste.state(), QProcess::Running);

    QTest::qWait(300);
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk V1.03", "1124"));
    qputenv("XDG_RUNTIME_DIR", alt);
    EXPECT_TRUE(erste.waitForFinished(20000));
    EXPECT_EQ(erste.exitCode(), 0);
    const QString einstellungen = QString::fromUtf8(Lesen(heim + "/.config/Merkwerk/Merkwerk.conf"));
    EXPECT_TRUE(einstellungen.contains("FontName=Arial")) << einstellungen.toStdString();
    // The empty data folder was removed at the end.
    EXPECT_FALSE(QDir(heim + "/Documents/Merkwerk").exists());
}

namespace {

// An environment variable set, or with a null value removed, for a scope.
class Variable
{
public:
    Variable(const char *name, const QByteArray &wert)
        : name(name), alt(qgetenv(name)), gesetzt(qEnvironmentVariableIsSet(name))
    {
        if (wert.isNull())
            qunsetenv(name);
        else
            qputenv(name, wert);
    }
    ~Variable()
    {
        if (gesetzt)
            qputenv(name, alt);
        else
            qunsetenv(name);
    }

private:
    const char *name;
    QByteArray alt;
    bool gesetzt;
};

// The folders as the program sees them, not the test's own.
class OhneTestmodus
{
public:
    OhneTestmodus() { QStandardPaths::setTestModeEnabled(false); }
    ~OhneTestmodus() { QStandardPaths::setTestModeEnabled(true); }
};

constexpr QFileDevice::Permissions NurBenutzer = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions Fremdrechte = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                 | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                 | QFileDevice::WriteOther | QFileDevice::ExeOther;

// A client of the instance's socket at the level of the system, so that a
// test sends what Senden never would and sees when the server drops it.
class Klient
{
public:
    explicit Klient(const QString &pfad)
    {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(pfad);
        std::memcpy(adresse.sun_path, name.constData(), qMin(size_t(name.size()), sizeof adresse.sun_path - 1));
        verbunden = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse) == 0;
    }
    ~Klient()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool Schreiben(const QByteArray &bytes)
    {
        return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT) == bytes.size();
    }
    // The server has closed the connection: the end of the stream, or an error.
    bool Getrennt() const
    {
        char zeichen;
        const ssize_t n = ::recv(fd, &zeichen, 1, MSG_DONTWAIT);
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }

    int fd = -1;
    bool verbunden = false;
};

bool IstRoot()
{
    return ::geteuid() == 0;
}

// Gives a path to the user "nobody", as if another user had made it.
void Fremd(const QString &pfad)
{
    ASSERT_EQ(::chown(QFile::encodeName(pfad).constData(), 65534, 65534), 0);
}

} // namespace

// The single instance on its own, without a window: its folder, its socket
// and how it treats clients.
class Instanz : public Umgebung
{
protected:
    void TearDown() override
    {
        QDir(Ersatz()).removeRecursively(); // it lies in the home of the whole run
        Umgebung::TearDown();
    }

    // The folder used when the runtime folder is not the user's alone.
    static QString Ersatz()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/Merkwerk-"
               + QSysInfo::machineHostName() + "/";
    }
    static QString Socket() { return InstanzOrdner() + "Merkwerk Test.socket"; }

    static const inline QString Text = QStringLiteral("Merkwerk Test");
};

TEST_F(Instanz, OrdnerGehoertNurDemBenutzer)
{
    const QString eigen = Ordner() + "eigen", offen = Ordner() + "offen", fehlt = Ordner() + "fehlt/",
                  fremd = Ordner() + "fremd";
    ASSERT_TRUE(QDir().mkdir(eigen, NurBenutzer));
    ASSERT_TRUE(QDir().mkdir(offen, NurBenutzer | Fremdrechte));
    ASSERT_TRUE(QFile::setPermissions(offen, NurBenutzer | Fremdrechte));
    ASSERT_TRUE(QDir().mkdir(fremd, NurBenutzer));
    if (IstRoot())
        Fremd(fremd);
    const struct {
        const char *fall;
        QString laufzeit;
        QString erwartet;
    } faelle[] = {
        {"eigener Laufzeitordner", eigen, eigen + "/"},
        {"fehlender Laufzeitordner wird angelegt", fehlt, fehlt}, // given with a final "/"
        {"ohne Laufzeitordner", QString(), Ersatz()},
        {"Laufzeitordner für alle beschreibbar", offen, Ersatz()},
        {"Laufzeitordner eines anderen", fremd, IstRoot() ? Ersatz() : fremd + "/"},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.fall);
        const Variable laufzeit("XDG_RUNTIME_DIR", fall.laufzeit.toUtf8());
        EXPECT_EQ(InstanzOrdner(), fall.erwartet);
        const QFileInfo info(fall.erwartet);
        EXPECT_TRUE(info.isDir());
        EXPECT_EQ(info.ownerId(), ::geteuid());
        if (fall.erwartet != eigen + "/") {
            EXPECT_EQ(int(info.permissions() & Fremdrechte), 0) << "angelegt mit 0700";
        }
    }
}

TEST_F(Instanz, OhneEigenenOrdnerLaeuftJedeOhneSperre)
{
    if (!IstRoot())
        GTEST_SKIP() << "nur root kann einen Ordner eines anderen Benutzers anlegen";
    const Variable laufzeit("XDG_RUNTIME_DIR", QByteArray());
    ASSERT_TRUE(QDir().mkpath(Ersatz()));
    Fremd(Ersatz());
    EXPECT_EQ(InstanzOrdner(), QString());
    // A folder another user holds stops neither start: each runs rather
    // than none.
    Einzelinstanz erste(Text), zweite(Text);
    EXPECT_TRUE(erste.Uebernehmen());
    EXPECT_TRUE(zweite.Uebernehmen());
    EXPECT_TRUE(QDir(Ersatz()).isEmpty());
}

TEST_F(Instanz, LauschtWiederNachFehlschlag)
{
    // A folder in the socket's place: listen() fails.
    const QString socket = Socket();
    ASSERT_TRUE(QDir().mkpath(socket));
    Einzelinstanz erste(Text);
    ASSERT_TRUE(erste.Uebernehmen());
    EXPECT_FALSE(Einzelinstanz::Senden(Text, "1224", 300));
    ASSERT_TRUE(QDir().rmdir(socket));
    EXPECT_TRUE(Warten([&] { return QFileInfo(socket).exists(); }, 3000));
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden(Text, "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
}

TEST_F(Instanz, AnnahmeFehlerLauschtWieder)
{
    Einzelinstanz erste(Text);
    ASSERT_TRUE(erste.Uebernehmen());
    const QString socket = Socket();
    ASSERT_TRUE(QFileInfo(socket).exists());
    // The sanitizer checks a call's object type once, with a pipe, which it
    // cannot open while no file number is free: let the timers that will
    // run meanwhile (the watchdogs) run once before.
    QTest::qWait(Einzelinstanz::FristMs + 200);

    // Every file number taken but one, which the client takes: the server's
    // accept() fails with "too many open files".
    rlimit alt{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &alt), 0);
    rlimit eng = alt;
    eng.rlim_cur = qMin<rlim_t>(alt.rlim_cur, 2048);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &eng), 0);
    QList<int> belegt;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        belegt << fd;
    ::close(belegt.takeLast());
    {
        Klient klient(socket);
        EXPECT_TRUE(klient.verbunden);
        EXPECT_TRUE(Warten([&] { return !QFileInfo(socket).exists(); }, 2000)) << "accept() schlug nicht fehl";
    }
    for (int fd : belegt)
        ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &alt), 0);

    EXPECT_TRUE(Warten([&] { return QFileInfo(socket).exists(); }, 3000));
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden(Text, "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
}

TEST_F(Instanz, EineKurzeAnfrageJeVerbindung)
{
    Einzelinstanz erste(Text);
    ASSERT_TRUE(erste.Uebernehmen());
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    QSignalSpy schliessen(&erste, &Einzelinstanz::Schliessen);
    const struct {
        const char *fall;
        QByteArray bytes;
        int vorne;
        int schliessen;
        bool sofort; // dropped at once, not only after the time limit
    } faelle[] = {
        {"nach vorne", "1224\n", 1, 0, true},
        {"schließen mit CR LF", "1124\r\n", 0, 1, true},
        {"nur die erste Anfrage", "1224\n1124\n1224\n", 1, 0, true},
        {"unbekannte Anfrage", "12\n", 0, 0, true},
        {"zu lange Zeile", QByteArray(40, '1') + "\n", 0, 0, true},
        {"ohne Zeilenende", "1224", 0, 0, false},
        {"stumm", "", 0, 0, false},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.fall);
        vorne.clear();
        schliessen.clear();
        Klient klient(Socket());
        ASSERT_TRUE(klient.verbunden);
        EXPECT_TRUE(klient.Schreiben(fall.bytes));
        QElapsedTimer uhr;
        uhr.start();
        EXPECT_TRUE(Warten([&] { return klient.Getrennt(); }, 3000));
        if (fall.sofort) {
            EXPECT_LT(uhr.elapsed(), 700);
        } else {
            EXPECT_GE(uhr.elapsed(), 800);
            EXPECT_LT(uhr.elapsed(), 2500);
        }
        EXPECT_EQ(vorne.count(), fall.vorne);
        EXPECT_EQ(schliessen.count(), fall.schliessen);
    }
}

TEST_F(Instanz, FlutOhneZeilenendeWirdAbgewiesen)
{
    Einzelinstanz erste(Text);
    ASSERT_TRUE(erste.Uebernehmen());
    Klient klient(Socket());
    ASSERT_TRUE(klient.verbunden);
    // Writes as fast as the server takes the bytes, until it hangs up.
    constexpr qint64 Grenze = 64 << 20;
    std::atomic<qint64> geschrieben{0};
    std::atomic<bool> fertig{false}, abbrechen{false};
    std::thread flut([&] {
        const QByteArray block(64 * 1024, 'x');
        while (!abbrechen && geschrieben < Grenze) {
            const ssize_t n = ::send(klient.fd, block.constData(), size_t(block.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                geschrieben += n;
            else if (errno == EAGAIN || errno == EWOULDBLOCK)
                QThread::msleep(1);
            else
                break;
        }
        fertig = true;
    });
    EXPECT_TRUE(Warten([&] { return fertig.load(); }, 5000));
    abbrechen = true;
    flut.join();
    // The server held a few bytes; the rest stayed in the socket's buffers.
    EXPECT_LT(geschrieben.load(), 8 << 20);

    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden(Text, "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
}

TEST_F(Instanz, VieleVerbindungenZugleich)
{
    Einzelinstanz erste(Text);
    ASSERT_TRUE(erste.Uebernehmen());
    std::vector<std::unique_ptr<Klient>> klienten;
    for (int i = 0; i < Einzelinstanz::MaxVerbindungen + 8; ++i) {
        klienten.push_back(std::make_unique<Klient>(Socket()));
        ASSERT_TRUE(klienten.back()->verbunden);
    }
    const auto getrennt = [&] {
        return std::count_if(klienten.begin(), klienten.end(), [](const auto &k) { return k->Getrennt(); });
    };
    // Those beyond the limit are dropped at once, the others after the time limit.
    QTest::qWait(300);
    EXPECT_EQ(getrennt(), 8);
    EXPECT_TRUE(Warten([&] { return getrennt() == qsizetype(klienten.size()); }, 3000));
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden(Text, "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
}

TEST_F(Einzel, FremdeSperreImTemporaerordnerHaeltDenStartNichtAuf)
{
    // Without a runtime folder; in the shared temporary folder another user
    // has left a file where Qt's own fallback folder would be, and a lock of
    // a running process under the instance's name.
    const QString heim = Ordner() + "heim";
    const QString temp = Ordner() + "temp";
    QDir().mkpath(heim + "/.config/Merkwerk");
    QDir().mkpath(temp);
    Schreiben(heim + "/.config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\n");
    Schreiben(temp + "/runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name), "x");
    QLockFile fremdeSperre(temp + "/Merkwerk V1.03.lock");
    ASSERT_TRUE(fremdeSperre.tryLock(0));

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove("XDG_RUNTIME_DIR");
    umgebung.insert("HOME", heim);
    umgebung.insert("XDG_CONFIG_HOME", heim + "/.config");
    umgebung.insert("XDG_CACHE_HOME", heim + "/.cache");
    umgebung.insert("TMPDIR", temp);
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    const auto senden = [&](const QByteArray &zeile, int frist) {
        const OhneTestmodus wieDasProgramm;
        const Variable laufzeit("XDG_RUNTIME_DIR", QByteArray());
        const Variable cache("XDG_CACHE_HOME", (heim + "/.cache").toUtf8());
        return Einzelinstanz::Senden("Merkwerk V1.03", zeile, frist);
    };

    QProcess erste;
    erste.setProcessEnvironment(umgebung);
    erste.start(MERKWERK_PROGRAMM, {});
    ASSERT_TRUE(erste.waitForStarted());
    EXPECT_TRUE(senden("1224", 20000));
    EXPECT_TRUE(QFileInfo::exists(heim + "/.cache/Merkwerk-" + QSysInfo::machineHostName() + "/Merkwerk V1.03.lock"));

    QProcess zweite;
    zweite.setProcessEnvironment(umgebung);
    zweite.start(MERKWERK_PROGRAMM, {});
    EXPECT_TRUE(zweite.waitForFinished(20000));
    EXPECT_EQ(zweite.exitCode(), 0);
    EXPECT_EQ(erste.state(), QProcess::Running);

    QTest::qWait(300);
    EXPECT_TRUE(senden("1124", 2000));
    EXPECT_TRUE(erste.waitForFinished(20000));
    EXPECT_EQ(erste.exitCode(), 0);
}
