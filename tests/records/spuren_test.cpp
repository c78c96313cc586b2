#include "testhilfen.h"

#include "records/spuren.h"

#include <QFile>
#include <QTemporaryDir>

TEST(Spuren, AbgebrocheneTemporaereDateienGehenMit)
{
    // A write cut off leaves a temporary file under a short name that
    // tells nothing of the participant; it may hold the pupil's record.
    QTemporaryDir ordner;
    const QString pfad = ordner.path() + QLatin1Char('/');
    for (const char *datei : {"Beta.dat", "Beta.dat.bak", ".merkwerk-1x2y3z", ".Beta.dat.k3j9x", "Gamma.dat",
                              ".merkwerk-nicht-so", "merkwerk-1x2y3z"}) {
        QFile neu(pfad + datei);
        ASSERT_TRUE(neu.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TeilnehmerSpuren(pfad, "Beta.dat"),
              QStringList({"Beta.dat", ".Beta.dat.k3j9x", ".merkwerk-1x2y3z", "Beta.dat.bak"}));
}
