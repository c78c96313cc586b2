// The first start of an installed program: no settings yet and a program
// folder the user cannot write (as a package puts it in /usr/bin).

#include "fremderbenutzer.h"
#include "hauptfenster.h"

#include <QDir>
#include <QFile>

namespace {

constexpr QFileDevice::Permissions Offen = QFileDevice::Permissions(0x7777);
constexpr QFileDevice::Permissions NurLesen = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace

class ErsterStart : public Hauptfenster
{
protected:
    // The world as a user sees it who is not its owner: the documents open to
    // them, the program folder open or read-only.
    void Welt(bool programmSchreibbar)
    {
        QFile::setPermissions(Ordner(), Offen);
        QFile::setPermissions(Dokumente(), Offen);
        QFile::setPermissions(Programmordner(), programmSchreibbar ? Offen : NurLesen);
    }

    // Starts the window with file access checked as for that user.
    TForm1 &AlsBenutzerStarten()
    {
        AlsFremderBenutzer fremd;
        EXPECT_TRUE(fremd.Wirksam());
        return Starten();
    }

    void TearDown() override
    {
        QFile::setPermissions(Programmordner(), Offen);
        Hauptfenster::TearDown();
    }
};

TEST_F(ErsterStart, NurLesbarerProgrammordnerNimmtDieDokumente)
{
    Welt(false);
    TForm1 &f = AlsBenutzerStarten();
    EXPECT_EQ(f.GewaehlterOrdner(), Menutag::EigeneDateien);
    EXPECT_TRUE(f.MenuEinstEigeneDateien->isChecked());
    EXPECT_EQ(f.DatFilename(), Dokumente() + "Merkwerk/");
    EXPECT_TRUE(QDir(Dokumente() + "Merkwerk").exists());
    EXPECT_EQ(protokoll.Texte(), QStringList());
    EXPECT_EQ(QDir(Programmordner()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(ErsterStart, SchreibbarerProgrammordnerBleibtDieVorgabe)
{
    // A portable copy on a stick.
    Welt(true);
    TForm1 &f = AlsBenutzerStarten();
    EXPECT_EQ(f.GewaehlterOrdner(), Menutag::Programmordner);
    EXPECT_EQ(f.DatFilename(), Daten());
    EXPECT_TRUE(QDir(Daten()).exists());
    EXPECT_FALSE(QDir(Dokumente() + "Merkwerk").exists());
}

TEST_F(ErsterStart, GespeicherteWahlDesProgrammordnersBleibtUndWirdGemeldet)
{
    Schreiben(Ordner() + "config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=2\n");
    QFile::setPermissions(Ordner() + "config", Offen);
    QFile::setPermissions(Ordner() + "config/Merkwerk", Offen);
    Welt(false);
    TForm1 *f = nullptr;
    {
        AlsFremderBenutzer fremd;
        ASSERT_TRUE(fremd.Wirksam());
        f = &Starten(false);
    }
    EXPECT_EQ(f->GewaehlterOrdner(), Menutag::Programmordner);
    EXPECT_EQ(protokoll.Texte(),
              QStringList({QString("Der Ordner \"%1Merkwerk/\" kann nicht angelegt werden!").arg(Programmordner())}));
}
