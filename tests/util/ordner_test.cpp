// Whether a data folder can be made: tried as a user for whom permission
// bits count (see fremderbenutzer.h), in a temporary world.

#include "fremderbenutzer.h"
#include "util/ordner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr QFileDevice::Permissions Offen = QFileDevice::Permissions(0x7777);
constexpr QFileDevice::Permissions NurLesen = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

struct Fall {
    const char *name;
    const char *programm; // rights of the program folder: "offen" or "lesen"
    const char *vorhanden; // what stands at <programm>/Merkwerk: "", "ordner", "offener ordner", "datei"
    const char *pfad;      // the path asked, below the program folder
    bool anlegbar;
};

class Anlegbar : public ::testing::TestWithParam<Fall>
{
};

TEST_P(Anlegbar, WieEinBenutzerOhneSonderrechte)
{
    const Fall &f = GetParam();
    QTemporaryDir welt;
    ASSERT_TRUE(welt.isValid());
    QFile::setPermissions(welt.path(), Offen);
    const QString programm = welt.path() + "/programm/";
    const QString merkwerk = programm + "Merkwerk";
    QDir().mkpath(programm);
    const QString vorhanden = f.vorhanden;
    if (vorhanden.endsWith("ordner")) {
        QDir().mkpath(merkwerk);
        QFile::setPermissions(merkwerk, vorhanden == "offener ordner" ? Offen : NurLesen);
    } else if (vorhanden == "datei") {
        QFile datei(merkwerk);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(programm, QString(f.programm) == "offen" ? Offen : NurLesen);
    const QStringList vorher = QDir(programm).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    bool anlegbar = false;
    {
        AlsFremderBenutzer fremd;
        ASSERT_TRUE(fremd.Wirksam());
        anlegbar = OrdnerAnlegbar(programm + f.pfad);
    }
    EXPECT_EQ(anlegbar, f.anlegbar);
    // The try leaves nothing behind.
    EXPECT_EQ(QDir(programm).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), vorher);
    EXPECT_EQ(QDir(merkwerk).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QFile::setPermissions(programm, Offen);
    QFile::setPermissions(merkwerk, Offen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Anlegbar,
    ::testing::Values(Fall{"SchreibbarerProgrammordner", "offen", "", "Merkwerk/", true},
                      Fall{"MitFehlendenEltern", "offen", "", "a/b/Merkwerk/", true},
                      Fall{"VorhandenUndSchreibbar", "offen", "offener ordner", "Merkwerk/", true},
                      Fall{"NurLesbarerProgrammordner", "lesen", "", "Merkwerk/", false},
                      Fall{"NurLesbarMitFehlendenEltern", "lesen", "", "a/b/Merkwerk/", false},
                      Fall{"VorhandenAberNurLesbar", "offen", "ordner", "Merkwerk/", false},
                      Fall{"SchreibbarerOrdnerImNurLesbaren", "lesen", "offener ordner", "Merkwerk/", true},
                      Fall{"EineDateiStehtImWeg", "offen", "datei", "Merkwerk/", false},
                      Fall{"EineDateiStehtWeiterObenImWeg", "offen", "datei", "Merkwerk/a/", false}),
    [](const ::testing::TestParamInfo<Fall> &info) { return std::string(info.param.name); });

} // namespace
