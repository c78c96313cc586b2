#include "hauptfenster.h"

#include "dialogs/sicherndlg.h"
#include "records/bloecke.h"
#include "util/laufwerke.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QString T = Blocktrenner;

} // namespace

class Sicherung : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        stick = Ordner() + "stick/";
        fest = Ordner() + "fest/";
        mitDaten = Ordner() + "mit daten/";
        QDir().mkpath(stick);
        QDir().mkpath(fest);
        // A medium that cannot take the backup folder.
        Schreiben(Ordner() + "schreibschutz/MwDaten", "");
        Schreiben(mitDaten + "MwDaten/Beta.dat", Utf8Datei({"4b\vgesichert", "Mo.\v", "1", T, "So.\v", "2", T}));
        LaufwerkeFestlegen([this] {
            return QList<Laufwerk>{{Ordner() + "fehlt/", Laufwerk::Wechsel, "Weg", {}},
                                   {fest, Laufwerk::Fest, "Daten", {}},
                                   {mitDaten, Laufwerk::Netz, "", "//server/Schule"},
                                   {Ordner() + "schreibschutz/", Laufwerk::Fest, "", {}},
                                   {stick, Laufwerk::Wechsel, "Stick", {}}};
        });
    }
    void TearDown() override
    {
        LaufwerkeFestlegen({});
        Hauptfenster::TearDown();
    }

    // Opens the dialog in one direction and lets `aktion` act once the
    // drives are listed.
    void Oeffnen(QAction *befehl, std::function<void(TSichernForm *)> aktion)
    {
        BeiDialog([aktion](QWidget *dialog) {
            auto *sichern = qobject_cast<TSichernForm *>(dialog);
            ASSERT_TRUE(sichern);
            ASSERT_TRUE(Warten([sichern] { return !sichern->Timer1->isActive(); }));
            aktion(sichern);
            sichern->Button3->click();
        });
        befehl->trigger();
    }

    QString stick, fest, mitDaten;
};

TEST_F(Sicherung, LaufwerkeJeRichtung)
{
    TForm1 &f = Starten();
    Oeffnen(f.MenuSicherungSichern, [this](TSichernForm *s) {
        EXPECT_EQ(s->windowTitle(), "Datendateien sichern nach");
        EXPECT_EQ(s->Button1->text(), "&Sichern");
        EXPECT_EQ(Eintraege(s->ListBox1), QStringList({fest + " [DATEN]", mitDaten + " //SERVER/SCHULE",
                                                       stick + " [Stick]"}));
        EXPECT_EQ(s->ListBox1->currentRow(), 0);
        EXPECT_TRUE(s->Button1->isEnabled());
        EXPECT_EQ(s->RichEdit1->toPlainText(), "Kopierverlauf:");
    });
    // The scan left no empty backup folder behind; one with files stays.
    EXPECT_FALSE(QDir(stick + "MwDaten").exists());
    EXPECT_FALSE(QDir(fest + "MwDaten").exists());
    EXPECT_TRUE(QFile::exists(mitDaten + "MwDaten/Beta.dat"));

    Oeffnen(f.MenuSicherungWiederholen, [this](TSichernForm *s) {
        EXPECT_EQ(s->windowTitle(), "Datendateien wiederherstellen von");
        EXPECT_EQ(s->Button1->text(), "&Wiederherstellen");
        EXPECT_EQ(Eintraege(s->ListBox1), QStringList({mitDaten + " //SERVER/SCHULE"}));
    });
    LaufwerkeFestlegen([] { return QList<Laufwerk>{}; });
    Oeffnen(f.MenuSicherungWiederholen, [](TSichernForm *s) { EXPECT_FALSE(s->Button1->isEnabled()); });
    EXPECT_EQ(protokoll.Texte(),
              QStringList({"Keine betriebsbereiten Laufwerke mit Daten zum Wiederherstellen vorhanden!\r\n"
                           "Klicken Sie auf \"Aktualisieren\" um die Laufwerke erneut zu prüfen."}));
}

TEST_F(Sicherung, SichernKopiertUndVergleicht)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    Schreiben(Daten() + "Leer.dat", "");
    Schreiben(Daten() + "Block.dat", QByteArray(65536, 'b'));
    Schreiben(stick + "MwDaten/Beta.dat", "alte Sicherung");
    QFile::setPermissions(stick + "MwDaten/Beta.dat", QFileDevice::ReadOwner);
    Schreiben(stick + "MwDaten/Fremd.dat", "bleibt");
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    f.Edit5->setText("vor dem Sichern");
    Oeffnen(f.MenuSicherungSichern, [this](TSichernForm *s) {
        s->ListBox1->setCurrentRow(2);
        s->Button1->click();
        const QStringList log = s->RichEdit1->toPlainText().split('\n');
        EXPECT_EQ(log.size(), 7);
        EXPECT_EQ(log[0], "Kopierverlauf:");
        EXPECT_TRUE(log.contains(QString("Kopiere: \"Block.dat\" --> \"%1MwDaten/Block.dat\" ...").arg(stick)));
        EXPECT_TRUE(log.contains(QString("Vergleiche: \"Leer.dat\" --> \"%1MwDaten/Leer.dat\" ...").arg(stick)));
        EXPECT_TRUE(s->Button1->isEnabled());
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({QString("Die Datendateien wurden erfolgreich in \"%1MwDaten/\" gesichert!").arg(stick)}));
    for (const char *name : {"Beta.dat", "Leer.dat", "Block.dat"})
        EXPECT_EQ(Lesen(stick + "MwDaten/" + name), Lesen(Daten() + name)) << name;
    EXPECT_TRUE(Lesen(stick + "MwDaten/Beta.dat").contains("vor dem Sichern"));
    EXPECT_EQ(Lesen(stick + "MwDaten/Fremd.dat"), "bleibt");
    EXPECT_EQ(f.Teilnehmer(), "Beta");
}

TEST_F(Sicherung, WiederherstellenOeffnetDenTeilnehmerAmSelbenTag)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T, "So.\v", "0", T});
    Teilnehmerdatei("Nur hier", {"5a\v", T});
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    f.Button1->click();
    Oeffnen(f.MenuSicherungWiederholen, [&f, this](TSichernForm *s) {
        EXPECT_EQ(f.Teilnehmer(), ""); // closed during the restore
        s->Button1->click();
        EXPECT_TRUE(s->RichEdit1->toPlainText().contains(
            QString("Kopiere: \"%1MwDaten/Beta.dat\" --> \"Beta.dat\" ...").arg(mitDaten)));
    });
    EXPECT_EQ(protokoll.Texte(),
              QStringList({QString("Die Datendateien wurden erfolgreich von \"%1MwDaten/\" wiederhergestellt!").arg(mitDaten)}));
    EXPECT_EQ(f.Teilnehmer(), "Beta");
    EXPECT_EQ(f.Kommentar(), "gesichert");
    EXPECT_EQ(f.AktNummer(), 2);
    EXPECT_EQ(f.Datum(), "So.");
    EXPECT_TRUE(QFile::exists(Daten() + "Nur hier.dat"));
}

TEST_F(Sicherung, OhneDatendateienUndSchliessenWaehrendDesLaufs)
{
    TForm1 &f = Starten();
    Oeffnen(f.MenuSicherungSichern, [this](TSichernForm *s) {
        s->Button1->click();
        EXPECT_FALSE(s->Button1->isEnabled());
        EXPECT_TRUE(QDir(fest + "MwDaten").exists());
        s->Button2->click();
        EXPECT_TRUE(s->Button1->isEnabled());
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({"Es sind keine Datendateien zum Sichern vorhanden!"}));

    protokoll.Leeren();
    Schreiben(Daten() + "Gross.dat", QByteArray(40 * 65536, 'g'));
    bool offenNachLauf = true;
    BeiDialog([&](QWidget *dialog) {
        auto *s = qobject_cast<TSichernForm *>(dialog);
        ASSERT_TRUE(Warten([s] { return !s->Timer1->isActive(); }));
        QTimer::singleShot(0, s->Button3, &QPushButton::click); // arrives during the copy
        s->Button1->click();
        offenNachLauf = s->isVisible();
    });
    f.MenuSicherungSichern->trigger();
    EXPECT_FALSE(offenNachLauf);
    EXPECT_EQ(protokoll.Texte().size(), 1);
    EXPECT_EQ(Lesen(fest + "MwDaten/Gross.dat").size(), 40 * 65536);
}
