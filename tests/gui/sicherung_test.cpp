#include "hauptfenster.h"

#include "dialogs/kennwortdlg.h"
#include "dialogs/sicherndlg.h"
#include "records/bloecke.h"
#include "util/einstellungen.h"
#include "util/laufwerke.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <sys/stat.h>

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

namespace {

const QString Kennwort = QStringLiteral("Tafel und Kreide 7");

// Answers the next password question with `kennwort` (in both fields when
// it asks twice).
void KennwortGeben(const QString &kennwort = Kennwort)
{
    BeiDialog([kennwort](QWidget *dialog) {
        auto *frage = qobject_cast<TKennwortForm *>(dialog);
        ASSERT_TRUE(frage);
        frage->FeldKennwort->setText(kennwort);
        if (frage->FeldWiederholung->isVisible())
            frage->FeldWiederholung->setText(kennwort);
        frage->KnopfOk->click();
    });
}

int Zeile(const TSichernForm *s, const QString &wurzel)
{
    for (int n = 0; n < s->ListBox1->count(); ++n) {
        if (s->ListBox1->item(n)->data(Qt::UserRole).toString() == wurzel)
            return n;
    }
    return -1;
}

} // namespace

TEST_F(Sicherung, VerschluesseltSichernUndWiederherstellenByteFuerByte)
{
    Teilnehmerdatei("Beta", {"4b\vliest gern", "Mo.\v", "0", T});
    Teilnehmerdatei("Ägidius Müller", {"5a\v", T});
    Schreiben(Daten() + "Leer.dat", "");
    Schreiben(Daten() + "Block.dat", QByteArray(65536, 'b'));
    QMap<QString, QByteArray> vorher;
    for (const QString &datei : QDir(Daten()).entryList({"*.dat"}, QDir::Files))
        vorher[datei] = Lesen(Daten() + datei);
    TForm1 &f = Starten();
    const QString datei = stick + "MwDaten/Merkwerk-Sicherung.mwsich";
    Oeffnen(f.MenuSicherungSichern, [&](TSichernForm *s) {
        EXPECT_EQ(s->KastenVerschluesselt->text(), "&Verschlüsselt sichern");
        EXPECT_FALSE(s->KastenVerschluesselt->isChecked()); // off until chosen
        s->KastenVerschluesselt->click();
        s->ListBox1->setCurrentRow(Zeile(s, stick));
        KennwortGeben();
        s->Button1->click();
        const QString log = s->RichEdit1->toPlainText();
        EXPECT_TRUE(log.contains(QString("Kopiere: \"Beta.dat\" --> \"%1\" ...").arg(datei)));
        EXPECT_TRUE(log.contains(QString("Vergleiche: \"Ägidius Müller.dat\" --> \"%1\" ...").arg(datei)));
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({QString("Die Datendateien wurden erfolgreich in \"%1MwDaten/\" gesichert!").arg(stick)}));
    // One file, for its owner only, with no name or record to read in it.
    EXPECT_EQ(QDir(stick + "MwDaten").entryList(QDir::Files | QDir::Hidden), QStringList{"Merkwerk-Sicherung.mwsich"});
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QByteArray roh = Lesen(datei);
    EXPECT_FALSE(roh.contains("Beta") || roh.contains("liest gern") || roh.contains("gidius"));
    // The choice is remembered.
    Oeffnen(f.MenuSicherungSichern, [](TSichernForm *s) { EXPECT_TRUE(s->KastenVerschluesselt->isChecked()); });

    // Changed and lost files come back as they were backed up.
    Teilnehmerdatei("Beta", {"4b\vgeändert", T});
    QFile::remove(Daten() + "Leer.dat");
    protokoll.Leeren();
    Oeffnen(f.MenuSicherungWiederholen, [&](TSichernForm *s) {
        EXPECT_EQ(s->KastenVerschluesselt->text(), "&Verschlüsselte Sicherung wiederherstellen");
        s->ListBox1->setCurrentRow(Zeile(s, mitDaten)); // plain files only: nothing to offer
        EXPECT_FALSE(s->KastenVerschluesselt->isEnabled());
        EXPECT_FALSE(s->KastenVerschluesselt->isChecked());
        s->ListBox1->setCurrentRow(Zeile(s, stick));
        EXPECT_TRUE(s->KastenVerschluesselt->isEnabled());
        EXPECT_TRUE(s->KastenVerschluesselt->isChecked());
        KennwortGeben();
        s->Button1->click();
        EXPECT_TRUE(s->RichEdit1->toPlainText().contains(QString("Kopiere: \"%1\" --> \"Leer.dat\" ...").arg(datei)));
    });
    EXPECT_EQ(protokoll.Texte(),
              QStringList({QString("Die Datendateien wurden erfolgreich von \"%1MwDaten/\" wiederhergestellt!").arg(stick)}));
    for (auto datei = vorher.cbegin(); datei != vorher.cend(); ++datei)
        EXPECT_EQ(Lesen(Daten() + datei.key()), datei.value()) << datei.key().toStdString();
}

TEST_F(Sicherung, VerschluesselteSicherungMitFalschemKennwortOderBeschaedigtAendertNichts)
{
    Teilnehmerdatei("Beta", {"4b\v", T});
    Schreiben(Daten() + "Gross.dat", QByteArray(200 * 1024, 'g'));
    TForm1 &f = Starten();
    const QString datei = stick + "MwDaten/Merkwerk-Sicherung.mwsich";
    Einstellungen().setValue("VerschluesseltSichern", true);
    Oeffnen(f.MenuSicherungSichern, [&](TSichernForm *s) {
        s->ListBox1->setCurrentRow(Zeile(s, stick));
        KennwortGeben();
        s->Button1->click();
    });
    ASSERT_TRUE(QFile::exists(datei));
    // The data folder now differs from the backup: a restore would show.
    Teilnehmerdatei("Beta", {"4b\vneuer", T});
    Schreiben(Daten() + "Gross.dat", "klein");
    const QByteArray beta = Lesen(Daten() + "Beta.dat");
    const QByteArray echt = Lesen(datei);
    const qsizetype block = 65536 + 17;
    QByteArray getauscht = echt;
    getauscht.replace(70, block, echt.mid(70 + block, block));
    getauscht.replace(70 + block, block, echt.mid(70, block));
    QByteArray geaendert = echt;
    geaendert[echt.size() / 2] = char(geaendert[echt.size() / 2] ^ 1);
    const struct {
        const char *fall;
        QByteArray bytes;
        QString kennwort;
    } faelle[] = {
        {"falsches Kennwort", echt, "Tafel und Kreide 8"},
        {"abgeschnitten", echt.chopped(40), Kennwort},
        {"ein Byte in der Mitte", geaendert, Kennwort},
        {"zwei Blöcke vertauscht", getauscht, Kennwort},
    };
    protokoll.Leeren();
    Oeffnen(f.MenuSicherungWiederholen, [&](TSichernForm *s) {
        s->ListBox1->setCurrentRow(Zeile(s, stick));
        for (const auto &fall : faelle) {
            Schreiben(datei, fall.bytes);
            KennwortGeben(fall.kennwort);
            s->Button1->click();
            EXPECT_EQ(protokoll.Texte(), QStringList{"Das Kennwort ist falsch oder die Sicherung ist beschädigt."})
                << fall.fall;
            protokoll.Leeren();
            EXPECT_TRUE(s->Button1->isEnabled()) << fall.fall;
        }
    });
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), beta);
    EXPECT_EQ(Lesen(Daten() + "Gross.dat"), "klein");
    EXPECT_EQ(QDir(Daten()).entryList(QDir::Files | QDir::Hidden), QStringList({"Beta.dat", "Gross.dat"}));
}

TEST_F(Sicherung, KennwortMitZehnZeichenZweimalGleich)
{
    Teilnehmerdatei("Beta", {"4b\v", T});
    TForm1 &f = Starten();
    Einstellungen().setValue("VerschluesseltSichern", true);
    Oeffnen(f.MenuSicherungSichern, [&](TSichernForm *s) {
        BeiDialog([this](QWidget *dialog) {
            auto *frage = qobject_cast<TKennwortForm *>(dialog);
            ASSERT_TRUE(frage);
            EXPECT_EQ(frage->LabelKennwort->text(), "Kennwort für die Sicherung:");
            EXPECT_EQ(frage->LabelWiederholung->text(), "Kennwort wiederholen:");
            EXPECT_TRUE(frage->LabelHinweis->text().contains("niemand wiederherstellen"));
            EXPECT_EQ(frage->FeldKennwort->echoMode(), QLineEdit::Password);
            EXPECT_EQ(frage->focusWidget(), frage->FeldKennwort);
            // Enter in the first field goes on to the second.
            frage->FeldKennwort->setText("Neun Zchn");
            QTest::keyClick(frage->FeldKennwort, Qt::Key_Return);
            EXPECT_EQ(frage->focusWidget(), frage->FeldWiederholung);
            frage->FeldWiederholung->setText("Neun Zchn");
            frage->KnopfOk->click();
            frage->FeldKennwort->setText("Zehn Zeich");
            frage->FeldWiederholung->setText("Zehn Zeichen");
            frage->KnopfOk->click();
            EXPECT_TRUE(frage->isVisible());
            EXPECT_TRUE(frage->FeldWiederholung->text().isEmpty());
            frage->KnopfAbbrechen->click();
            EXPECT_TRUE(frage->FeldKennwort->text().isEmpty());
        });
        s->Button1->click();
        EXPECT_TRUE(s->Button1->isEnabled());
    });
    EXPECT_EQ(protokoll.Texte(),
              QStringList({"Das Kennwort muss mindestens 10 Zeichen lang sein.",
                           "Die beiden Kennwörter stimmen nicht überein. Bitte wiederholen Sie das Kennwort."}));
    EXPECT_FALSE(QFile::exists(fest + "MwDaten/Merkwerk-Sicherung.mwsich"));
}
