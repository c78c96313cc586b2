// The program's command line, run as a real process: help and version come
// without a display and without touching the running instance.

#include "testhilfen.h"

#include <QDir>
#include <QProcess>

namespace {

struct Aufruf {
    const char *name;
    QStringList argumente;
    int code;
    const char *ausgabe; // a text standard output must hold
    const char *fehler;  // a text standard error must hold
};

class Kommandozeile : public Umgebung, public ::testing::WithParamInterface<Aufruf>
{
};

TEST_P(Kommandozeile, OhneFensterUndOhneInstanz)
{
    const Aufruf &a = GetParam();
    const QString laufzeit = Ordner() + "laufzeit";
    QProcessEnvironment umgebung = OhneBildschirm(laufzeit);
    umgebung.insert("LANG", "C");

    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.start(MERKWERK_PROGRAMM, a.argumente);
    ASSERT_TRUE(programm.waitForFinished(20000));
    const QString ausgabe = QString::fromUtf8(programm.readAllStandardOutput());
    const QString fehler = QString::fromUtf8(programm.readAllStandardError());
    EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programm.exitCode(), a.code) << fehler.toStdString();
    EXPECT_TRUE(ausgabe.contains(QString::fromUtf8(a.ausgabe))) << ausgabe.toStdString();
    EXPECT_TRUE(fehler.contains(QString::fromUtf8(a.fehler))) << fehler.toStdString();
    // Neither lock file nor socket of the single instance.
    EXPECT_EQ(QDir(laufzeit).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Aufrufe, Kommandozeile,
    ::testing::Values(
        Aufruf{"HilfeAufDeutsch", {"--help"}, 0, "Aufruf:", ""},
        Aufruf{"HilfeKurzNenntVersion", {"-h"}, 0, "Zeigt die Version an.", ""},
        Aufruf{"HilfeBeschreibtProgramm", {"--help"}, 0, "Ohne Optionen öffnet sich das Programmfenster.", ""},
        Aufruf{"Version", {"--version"}, 0, "Merkwerk 1.03\n", ""},
        Aufruf{"VersionKurz", {"-v"}, 0, "Merkwerk 1.03\n", ""},
        Aufruf{"UnbekannteOption", {"--gibtsnicht"}, 2, "", "Unbekannte Option 'gibtsnicht'."},
        Aufruf{"UnerwartetesArgument", {"datei.dat"}, 2, "", "Unerwartetes Argument \"datei.dat\"."},
        Aufruf{"FehlerGehtVor", {"--version", "--gibtsnicht"}, 2, "", "--help"}),
    [](const ::testing::TestParamInfo<Aufruf> &info) { return std::string(info.param.name); });

} // namespace
