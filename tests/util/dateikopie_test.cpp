#include "testhilfen.h"
#include "util/dateikopie.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <sys/stat.h>

class Dateikopie : public Umgebung
{
};

TEST_F(Dateikopie, VergleichFindetJedenUnterschied)
{
    const QByteArray block(65536, 'x');
    const struct {
        const char *name;
        QByteArray a, b;
        bool gleich;
    } faelle[] = {
        {"gleich", "abc", "abc", true},
        {"beide leer", "", "", true},
        {"ein Block genau", block, block, true},
        {"letztes Byte", block + "a", block + "b", false},
        {"länger", block, block + "x", false},
        {"kürzer", block + "x", block, false},
        {"eine leer", "", "x", false},
    };
    for (const auto &fall : faelle) {
        Schreiben(Ordner() + "a", fall.a);
        Schreiben(Ordner() + "b", fall.b);
        EXPECT_EQ(DateienGleich(Ordner() + "a", Ordner() + "b", {}), fall.gleich) << fall.name;
    }
    EXPECT_FALSE(DateienGleich(Ordner() + "a", Ordner() + "fehlt", {}));
}

TEST_F(Dateikopie, KopiertInBloeckenUeberSchreibgeschuetzteKopie)
{
    const QByteArray inhalt(3 * 65536 + 5, 'q');
    Schreiben(Ordner() + "quelle", inhalt);
    Schreiben(Ordner() + "ziel", "alt");
    QFile::setPermissions(Ordner() + "ziel", QFileDevice::ReadOwner);
    int bloecke = 0;
    ASSERT_TRUE(DateiKopieren(Ordner() + "quelle", Ordner() + "ziel", [&] { ++bloecke; }));
    EXPECT_EQ(Lesen(Ordner() + "ziel"), inhalt);
    EXPECT_EQ(bloecke, 4);
}

TEST_F(Dateikopie, AbgebrocheneKopieLaesstDieAlteKopie)
{
    Schreiben(Ordner() + "quelle", QByteArray(300000, 'n'));
    Schreiben(Ordner() + "ziel", "alte Sicherung");
    EXPECT_FALSE(DateiKopieren(Ordner() + "fehlt", Ordner() + "ziel", {}));
    // The copy breaks half-way.
    bool ok = true;
    MitDateigrenze(100000, [&] { ok = DateiKopieren(Ordner() + "quelle", Ordner() + "ziel", {}); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Lesen(Ordner() + "ziel"), "alte Sicherung");
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files).size(), 2); // no temporary file left
}

TEST_F(Dateikopie, NurGewoehnlicheDateienUndOhneWarten)
{
    // A pipe would block any reader for ever; a folder or a device is no file either.
    const QString rohr = Ordner() + "rohr";
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    Schreiben(Ordner() + "a", "abc");
    QDir().mkpath(Ordner() + "ordner");
    for (const QString &quelle : {rohr, Ordner() + "ordner", QStringLiteral("/dev/zero")}) {
        QString grund;
        EXPECT_FALSE(DateiKopieren(quelle, Ordner() + "ziel", {}, &grund)) << quelle.toStdString();
        EXPECT_EQ(grund, "Unter diesem Namen liegt keine gewöhnliche Datei.");
        EXPECT_FALSE(DateienGleich(Ordner() + "a", quelle, {}));
    }
    EXPECT_FALSE(QFile::exists(Ordner() + "ziel"));
}

TEST_F(Dateikopie, KopieErsetzenLaesstDieAlteKopieBisZurNeuen)
{
    Schreiben(Ordner() + "Beta.dat", "Stand 2");
    Schreiben(Ordner() + "Beta.dat.bak", "Stand 1");
    QFile::setPermissions(Ordner() + "Beta.dat.bak", QFileDevice::ReadOwner);
    EXPECT_TRUE(KopieErsetzen(Ordner() + "Beta.dat", Ordner() + "Beta.dat.bak"));
    EXPECT_EQ(Lesen(Ordner() + "Beta.dat.bak"), "Stand 2");
    // A copy that cannot be made keeps the old one.
    EXPECT_FALSE(KopieErsetzen(Ordner() + "fehlt.dat", Ordner() + "Beta.dat.bak"));
    EXPECT_EQ(Lesen(Ordner() + "Beta.dat.bak"), "Stand 2");
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // The old copy already the same file (a save failed after making it):
    // no second name stays behind.
    ASSERT_TRUE(QFile::remove(Ordner() + "Beta.dat.bak"));
    ASSERT_EQ(::link(QFile::encodeName(Ordner() + "Beta.dat").constData(),
                     QFile::encodeName(Ordner() + "Beta.dat.bak").constData()),
              0);
    EXPECT_TRUE(KopieErsetzen(Ordner() + "Beta.dat", Ordner() + "Beta.dat.bak"));
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"Beta.dat", "Beta.dat.bak"}));
}
