#include "testhilfen.h"
#include "util/dateinamen.h"
#include "util/dateikopie.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace {

// A drive that lacks one call or both, or whose rename fails.
struct Laufwerksart {
    const char *name;
    int ohneErsetzen; // -1: the system's call
    int verknuepfen;
};

} // namespace

class Dateinamen : public Umgebung
{
protected:
    void TearDown() override
    {
        NamensaufrufeFestlegen({});
        Umgebung::TearDown();
    }

    void Nachbilden(const Laufwerksart &art)
    {
        Namensaufrufe aufrufe;
        if (art.ohneErsetzen >= 0)
            aufrufe.ohneErsetzen = [fehler = art.ohneErsetzen](const QString &, const QString &) { return fehler; };
        if (art.verknuepfen >= 0)
            aufrufe.verknuepfen = [fehler = art.verknuepfen](const QString &, const QString &) { return fehler; };
        NamensaufrufeFestlegen(aufrufe);
    }

    QStringList Dateien() const { return QDir(Ordner()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

TEST_F(Dateinamen, UmbenennenErsetztNieUndKopiertNie)
{
    // Every kind of drive renames to a free name and refuses a taken one.
    const Laufwerksart arten[] = {
        {"das System", -1, -1},
        {"ohne RENAME_NOREPLACE (NFS)", EINVAL, -1},
        {"weder RENAME_NOREPLACE noch harte Links", EINVAL, EPERM},
    };
    for (const Laufwerksart &art : arten) {
        SCOPED_TRACE(art.name);
        Nachbilden(art);
        Schreiben(Ordner() + "Gross.dat", "Gross");
        Schreiben(Ordner() + "Klein.dat", "Klein");
        EXPECT_EQ(NeuenNamenGeben(Ordner() + "Gross.dat", Ordner() + "Klein.dat"), EEXIST);
        EXPECT_EQ(Lesen(Ordner() + "Klein.dat"), "Klein");
        EXPECT_EQ(NeuenNamenGeben(Ordner() + "Gross.dat", Ordner() + "Neuname.dat"), 0);
        EXPECT_EQ(Dateien(), QStringList({"Klein.dat", "Neuname.dat"}));
        EXPECT_EQ(Lesen(Ordner() + "Neuname.dat"), "Gross");
        QFile::remove(Ordner() + "Klein.dat");
        QFile::remove(Ordner() + "Neuname.dat");
    }

    // A rename that fails (another drive, a drive error) is reported and
    // leaves the file where it was: no copy is made, nothing deleted.
    for (const int fehler : {EXDEV, EIO}) {
        Nachbilden({"Fehler", fehler, -1});
        Schreiben(Ordner() + "Gross.dat", "Gross");
        EXPECT_EQ(NeuenNamenGeben(Ordner() + "Gross.dat", Ordner() + "Neuname.dat"), fehler);
        EXPECT_EQ(Dateien(), QStringList({"Gross.dat"}));
        EXPECT_EQ(Lesen(Ordner() + "Gross.dat"), "Gross");
    }
}

TEST_F(Dateinamen, SicherungskopieOhneHarteLinks)
{
    // A FAT stick has no hard links: the backup copy is copied instead.
    Nachbilden({"FAT", -1, EPERM});
    Schreiben(Ordner() + "Beta.dat", "Stand 2");
    Schreiben(Ordner() + "Beta.dat.bak", "Stand 1");
    EXPECT_TRUE(KopieErsetzen(Ordner() + "Beta.dat", Ordner() + "Beta.dat.bak"));
    EXPECT_EQ(Lesen(Ordner() + "Beta.dat.bak"), "Stand 2");
    EXPECT_EQ(Dateien(), QStringList({"Beta.dat", "Beta.dat.bak"}));
}
