#include "hauptfenster.h"

#include "records/bloecke.h"
#include "ui/hintergrunddlg.h"
#include "ui/programmschrift.h"
#include "util/shell.h"

#include <QDir>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

namespace {
QSettings Gespeichert()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk");
}
} // namespace

class Aussehen : public Hauptfenster
{
protected:
    void TearDown() override
    {
        ShellFestlegen({});
        ProgrammSchrift().schrift = QFont("Arial", 12);
        ProgrammSchrift().farbe = ProgrammSchriftWerte::SystemFensterText;
        Hauptfenster::TearDown();
    }
};

TEST_F(Aussehen, HintergrundWaehlenUndAbbrechen)
{
    TForm1 &f = Starten();
    EXPECT_EQ(HintergrundName(18), "Braun");
    EXPECT_EQ(HintergrundTabelle(18).farbe, QColor(43, 90, 139));
    BeiDialog([](QWidget *dialog) {
        auto *hintergrund = qobject_cast<THintergrundForm *>(dialog);
        ASSERT_TRUE(hintergrund);
        EXPECT_EQ(hintergrund->windowTitle(), "Schrifthintergrund wählen");
        EXPECT_EQ(hintergrund->width(), 280);
        EXPECT_EQ(hintergrund->ListBox1->width(), 260);
        EXPECT_EQ(hintergrund->ListBox1->count(), 19);
        EXPECT_EQ(hintergrund->ListBox1->currentRow(), 1);
        hintergrund->ListBox1->setCurrentRow(18);
        hintergrund->Button1->click();
    });
    f.MenuAnsHintergrund->trigger();
    EXPECT_EQ(f.HintergrundNr(), 18);
    EXPECT_EQ(Hintergrundfarbe(), QColor(43, 90, 139));
    EXPECT_EQ(f.Edit3->palette().color(QPalette::Base), QColor(43, 90, 139));
    EXPECT_EQ(Gespeichert().value("HintColor").toInt(), 18);

    BeiDialog([](QWidget *dialog) {
        auto *hintergrund = qobject_cast<THintergrundForm *>(dialog);
        EXPECT_EQ(hintergrund->ListBox1->palette().color(QPalette::Base), QColor(43, 90, 139));
        hintergrund->ListBox1->setCurrentRow(3);
        QTest::keyClick(hintergrund->ListBox1, Qt::Key_Escape);
    });
    f.MenuAnsHintergrund->trigger();
    EXPECT_EQ(f.HintergrundNr(), 18);
    EXPECT_EQ(f.Hintergrund->ListBox1->currentRow(), 18);
}

TEST_F(Aussehen, SchriftWirktSofortUndWirdGespeichert)
{
    TForm1 &f = Starten();
    f.Edit5->setFocus();
    BeiDialog([](QWidget *dialog) {
        auto *schrift = qobject_cast<QFontDialog *>(dialog);
        ASSERT_TRUE(schrift);
        EXPECT_TRUE(schrift->findChild<QPushButton *>("Farbe"));
        QFont neu("DejaVu Sans", 16);
        neu.setUnderline(true);
        neu.setStrikeOut(true);
        schrift->setCurrentFont(neu);
        QMetaObject::invokeMethod(schrift, "accept");
    });
    f.MenuAnsSchrift->trigger();
    EXPECT_EQ(ProgrammSchrift().schrift.family(), "DejaVu Sans");
    EXPECT_EQ(f.Edit3->font().pointSize(), 16);
    EXPECT_TRUE(f.Edit3->font().underline());
    EXPECT_TRUE(f.Edit3->font().strikeOut());
    EXPECT_FALSE(f.Button1->font().underline()); // buttons take name and size only
    EXPECT_EQ(f.Button1->font().pointSize(), 16);
    EXPECT_EQ(f.focusWidget(), f.Edit5);
    QSettings s = Gespeichert();
    EXPECT_EQ(s.value("FontName").toString(), "DejaVu Sans");
    EXPECT_EQ(s.value("FontSize").toInt(), 16);
    EXPECT_EQ(s.value("FontStyle").toInt() & 12, 12); // underline and strike-out
}

TEST_F(Aussehen, HilfeMenue)
{
    QStringList aufrufe;
    ShellFestlegen([&](const QString &ziel, const QStringList &parameter) {
        aufrufe << (parameter.isEmpty() ? ziel : ziel + " " + parameter.join(' '));
        return true;
    });
    TForm1 &f = Starten();
    f.MenuHilfeClick();
    EXPECT_FALSE(f.MenuHilfeUpdate->isVisible());
    EXPECT_FALSE(f.MenuHilfeHistory->isEnabled());
    Schreiben(Programmordner() + "Nachlader", "");
    Schreiben(Programmordner() + "History.txt", "1.03\r\n");
    f.MenuHilfeClick();
    EXPECT_TRUE(f.MenuHilfeUpdate->isVisible());
    EXPECT_TRUE(f.MenuHilfeHistory->isEnabled());

    f.MenuHilfeInfo->trigger();
    const QStringList info = protokoll.Texte().value(0).split("\r\n");
    EXPECT_EQ(info.size(), 14);
    EXPECT_EQ(info.mid(0, 3), QStringList({"Merkwerk V1.03",
                                           "Dieses Programm verwaltet Schülerinformationen und kann sie auswerten.",
                                           "Beispiel: Wurde die Hausaufgabe gebracht. An welchen Tagen nicht. An "
                                           "welchen Tagen fehlte der Schüler."}));
    f.MenuHilfeHomepage->trigger();
    f.MenuHilfeSpenden->trigger();
    f.MenuHilfeMail->trigger();
    f.MenuHilfeHistory->trigger();
    EXPECT_EQ(aufrufe, QStringList({"https://www.merkwerk.example/", "https://www.merkwerk.example/spenden.htm",
                                    "mailto:info@merkwerk.example?subject=Merkwerk V1.03",
                                    "file://" + Programmordner() + "History.txt"}));
}

TEST_F(Aussehen, UebergabedateiFuerDenNachlader)
{
    QStringList aufrufe;
    ShellFestlegen([&](const QString &ziel, const QStringList &parameter) {
        aufrufe << ziel + " " + parameter.join(' ');
        return true;
    });
    const QByteArray altTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", Ordner().toUtf8());
    Schreiben(Ordner() + "Merkwerk.cfg", "alt");
    QFile::setPermissions(Ordner() + "Merkwerk.cfg", QFileDevice::ReadOwner);
    TForm1 &f = Starten();
    f.MenuHilfeUpdate->setVisible(true);
    f.MenuHilfeUpdate->trigger();
    const QByteArray erwartet = "Merkwerk V1.03\r\nKeinName - Merkwerk V1.03\r\n"
                                + QCoreApplication::applicationFilePath().toUtf8() + "\r\nMerkwerk\r\n12 Arial\r\n";
    EXPECT_EQ(Lesen(Ordner() + "Merkwerk.cfg"), erwartet);
    EXPECT_EQ(aufrufe, QStringList({Programmordner() + "Nachlader Merkwerk.cfg"}));

    // A folder in its place: the file cannot be written, nothing is started.
    QFile::remove(Ordner() + "Merkwerk.cfg");
    QDir().mkpath(Ordner() + "Merkwerk.cfg/x");
    f.MenuHilfeUpdate->trigger();
    qputenv("TMPDIR", altTemp);
    EXPECT_EQ(protokoll.Texte(), QStringList({QString("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei "
                                                      "\"%1Merkwerk.cfg\" konnte nicht gespeichert werden.")
                                                  .arg(Ordner())}));
    EXPECT_EQ(aufrufe.size(), 1);
}
