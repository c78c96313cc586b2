#include "app/programmstart.h"
#include "util/datumsnamen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Qt keeps some allocations until the process ends; they are no leaks of
// the program's.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char **argv)
{
    // Never the user's own folders: runtime, configuration and home are
    // temporary for the whole run.
    QTemporaryDir heim;
    qputenv("HOME", heim.path().toUtf8());
    const QString laufzeit = heim.path() + QLatin1String("/run");
    QDir().mkpath(laufzeit);
    QFile::setPermissions(laufzeit, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", laufzeit.toUtf8());
    qputenv("XDG_CONFIG_HOME", (heim.path() + QLatin1String("/config")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CANBERRA_DRIVER", "null");
    qputenv("ASAN_OPTIONS", "detect_leaks=0"); // for the program started by the tests
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QApplication anwendung(argc, argv);
    DatumsnamenLaden(QLocale());
    ProgrammVorbereiten(anwendung);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
