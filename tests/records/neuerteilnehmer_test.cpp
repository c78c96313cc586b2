#include "testhilfen.h"

#include "records/bloecke.h"
#include "records/neuerteilnehmer.h"
#include "records/teilnehmername.h"
#include "util/dateinamen.h"
#include "util/dateisync.h"
#include "util/heute.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

class NeuerTeilnehmer : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        HeuteFestlegen(QDate(2019, 3, 4));
    }
    void TearDown() override
    {
        AufDatentraegerFestlegen({});
        NamensaufrufeFestlegen({});
        HeuteFestlegen({});
        Umgebung::TearDown();
    }

    bool Anlegen(const QString &name, QString &fehler)
    {
        Kodierung kodierung = Kodierung::Utf8MitMarke;
        return TeilnehmerAnlegen(Ordner(), name, " 5a", "", kodierung, fehler);
    }

    QStringList Dateien() const
    {
        return QDir(Ordner()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

TEST_F(NeuerTeilnehmer, DreiZeilenUnterDemGetrimmtenNamen)
{
    QString fehler = "alt";
    ASSERT_TRUE(Anlegen(" Kappa ", fehler));
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(Lesen(Ordner() + "Kappa.dat"), Utf8Datei({"5a\v", "Mo., 4. März 2019", Blocktrenner}));
    EXPECT_EQ(Dateien(), QStringList({"Kappa.dat"}));
}

TEST_F(NeuerTeilnehmer, NameErscheintErstMitDemGanzenInhalt)
{
    // While the content is brought onto the drive, the name does not exist
    // yet: a crash at that moment leaves no empty participant behind.
    const QString pfad = Ordner() + "Kappa.dat";
    QStringList gesehen;
    AufDatentraegerFestlegen([&](int handle) {
        struct stat info {};
        if (::fstat(handle, &info) == 0 && S_ISREG(info.st_mode)) // not the folder's sync
            gesehen << (QFileInfo::exists(pfad) ? QString("%1 Bytes").arg(QFileInfo(pfad).size()) : "fehlt");
        return ::fdatasync(handle) == 0 ? 0 : errno;
    });
    QString fehler;
    ASSERT_TRUE(Anlegen("Kappa", fehler)) << fehler.toStdString();
    EXPECT_EQ(gesehen, QStringList({"fehlt"}));

    // A drive that fails the sync, or the new name: no file, nothing left.
    for (const bool amNamen : {false, true}) {
        SCOPED_TRACE(amNamen ? "Name" : "Sync");
        if (amNamen) {
            AufDatentraegerFestlegen({});
            NamensaufrufeFestlegen({{}, [](const QString &, const QString &) { return EIO; }, {}});
        } else {
            AufDatentraegerFestlegen([](int) { return EIO; });
        }
        EXPECT_FALSE(Anlegen("Lambda", fehler));
        EXPECT_EQ(fehler, QString("Datei \"%1Lambda.dat\" kann nicht erstellt werden. Der Datenträger meldet einen "
                                  "Lese- oder Schreibfehler.")
                              .arg(Ordner()));
        EXPECT_EQ(Dateien(), QStringList({"Kappa.dat"}));
    }
}

TEST_F(NeuerTeilnehmer, VorhandenenErsetztEsNie)
{
    Schreiben(Ordner() + "delta.dat", "delta");
    ASSERT_EQ(::symlink("nirgends.dat", QFile::encodeName(Ordner() + "Verweis.dat").constData()), 0);
    QString fehler;
    EXPECT_FALSE(Anlegen("Delta", fehler));
    EXPECT_EQ(fehler, "Der Teilnehmer \"Delta\" existiert bereits!");
    // A link of the name, even one that leads nowhere, is a file of it.
    EXPECT_FALSE(Anlegen("Verweis", fehler));
    EXPECT_TRUE(fehler.endsWith("Die Datei existiert bereits.")) << fehler.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Ordner() + "nirgends.dat"));
    EXPECT_EQ(Lesen(Ordner() + "delta.dat"), "delta");
    EXPECT_EQ(Dateien(), QStringList({"Verweis.dat", "delta.dat"}));
}

TEST_F(NeuerTeilnehmer, NamenAnDerGrenzeDesDateisystems)
{
    // 255 bytes per name; "<name>.dat.konflikt" and a number must fit.
    const QString euro = QStringLiteral("€");
    const struct {
        QString name;
        QString fehler;
    } faelle[] = {
        {QString(100, 'a'), ""},
        {euro.repeated(79), ""},
        {euro.repeated(80), "Bitte kürzen Sie ihn um mindestens 1 Zeichen."},
        {euro.repeated(100), "Bitte kürzen Sie ihn um mindestens 21 Zeichen."},
        {QStringLiteral("😀").repeated(60), "Bitte kürzen Sie ihn um mindestens 1 Zeichen."},
        {"a/b", "enthält das Zeichen \"/\""},
    };
    for (const auto &fall : faelle) {
        const QString fehler = NeuerNameFehler(Ordner(), fall.name);
        if (fall.fehler.isEmpty())
            EXPECT_EQ(fehler, "") << fall.name.toStdString();
        else
            EXPECT_TRUE(fehler.contains(fall.fehler)) << fehler.toStdString();
    }
    EXPECT_TRUE(NeuerNameFehler(Ordner(), euro.repeated(80))
                    .startsWith(QString("Der Name \"%1\" ist zu lang für einen Dateinamen!\r\n").arg(euro.repeated(80))));
    // Creating refuses it likewise; the longest name that fits gets its files.
    QString fehler;
    EXPECT_FALSE(Anlegen(euro.repeated(80), fehler));
    EXPECT_EQ(fehler, NeuerNameFehler(Ordner(), euro.repeated(80)));
    ASSERT_TRUE(Anlegen(euro.repeated(79), fehler)) << fehler.toStdString();
    EXPECT_TRUE(QFile::copy(Ordner() + euro.repeated(79) + ".dat", Ordner() + euro.repeated(79) + ".dat.konflikt999"));
}
