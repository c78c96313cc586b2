// The program against a hostile file system: pipes named like participants,
// names from the settings, a stick that is gone or full, a drive that
// fails to sync.

#include "hauptfenster.h"

#include "dialogs/sicherndlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "records/bloecke.h"
#include "util/dateisync.h"
#include "util/laufwerke.h"

#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include <cerrno>
#include <sys/stat.h>

namespace {
const QString T = Blocktrenner;
}

class Dateisystem : public Hauptfenster
{
protected:
    void TearDown() override
    {
        LaufwerkeFestlegen({});
        FreierPlatzFestlegen({});
        AufDatentraegerFestlegen({});
        Hauptfenster::TearDown();
    }

    // Backs up to a stick folder and lets `vorher` act once the drives are listed.
    void Sichern(const QString &stick, std::function<void(TSichernForm *)> vorher = {})
    {
        LaufwerkeFestlegen([stick] { return QList<Laufwerk>{{stick, Laufwerk::Wechsel, "Stick", {}}}; });
        BeiDialog([vorher](QWidget *dialog) {
            auto *s = qobject_cast<TSichernForm *>(dialog);
            ASSERT_TRUE(s);
            ASSERT_TRUE(Warten([s] { return !s->Timer1->isActive(); }));
            if (vorher)
                vorher(s);
            s->Button1->click();
            s->Button3->click();
        });
        haupt->MenuSicherungSichern->trigger();
    }
};

TEST_F(Dateisystem, PipeMitTeilnehmernamenBlockiertNichts)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    ASSERT_EQ(::mkfifo(QFile::encodeName(Daten() + "x.dat").constData(), 0600), 0);
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk");
        s.setValue("Teilnehmer", "x");
    }
    QStringList gelistet;
    BeiDialog([&gelistet](QWidget *dialog) {
        auto *liste = qobject_cast<TTlForm *>(dialog);
        ASSERT_TRUE(Warten([liste] { return !liste->Timer1->isActive(); }));
        gelistet = Eintraege(liste->ListBox1);
        liste->Button2->click();
    });
    TForm1 &f = Starten(false);
    EXPECT_EQ(gelistet, QStringList({"Beta"}));
    EXPECT_EQ(f.Teilnehmer(), "");
    // A backup skips it too.
    const QString stick = Ordner() + "stick/";
    QDir().mkpath(stick);
    Sichern(stick);
    EXPECT_TRUE(QFile::exists(stick + "MwDaten/Beta.dat"));
    EXPECT_FALSE(QFile::exists(stick + "MwDaten/x.dat"));
}

TEST_F(Dateisystem, ZuGrosseDateiWirdNichtGeoeffnet)
{
    // Sparse: 3 GB without the disk space, refused before any read.
    TForm1 &f = Starten();
    Teilnehmerdatei("Riese", {"4b\v", "Mo.\v", "0", T});
    QFile riese(Daten() + "Riese.dat");
    ASSERT_TRUE(riese.resize(qint64(3) * 1024 * 1024 * 1024));
    f.setDatFilename("Riese");
    EXPECT_EQ(f.Teilnehmer(), "");
    EXPECT_EQ(protokoll.Texte(), QStringList({"Datei " + Daten() + "Riese.dat kann nicht geöffnet werden. Sie ist mit "
                                              "3,0 GB zu groß; Merkwerk liest Teilnehmerdateien bis 256 MB."}));
}

TEST_F(Dateisystem, NameAusDenEinstellungenFuehrtNichtAusDemDatenordner)
{
    Schreiben(Ordner() + "x.dat", Utf8Datei({"geheim\v", T}));
    {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk");
        s.setValue("Teilnehmer", "../../x");
    }
    TForm1 &f = Starten();
    EXPECT_EQ(f.Teilnehmer(), "");
    EXPECT_EQ(f.Klasse(), "");
    EXPECT_EQ(f.DatFilename(), Daten());
}

TEST_F(Dateisystem, VerschwundenerStickNimmtKeineSicherung)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    Starten();
    const QString stick = Ordner() + "stick/";
    QDir().mkpath(stick);
    // Unmounted after it was listed: only its empty mount folder is left.
    Sichern(stick, [](TSichernForm *) { LaufwerkeFestlegen([] { return QList<Laufwerk>{}; }); });
    EXPECT_EQ(protokoll.Texte().value(0), QStringLiteral("Das Laufwerk \"%1\" ist nicht mehr bereit.").arg(stick));
    EXPECT_FALSE(QDir(stick + "MwDaten").exists());
}

TEST_F(Dateisystem, VollerStickUndFehlgeschlagenerSync)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    Schreiben(Daten() + "Gross.dat", QByteArray(200000, 'g'));
    Starten();
    const QString stick = Ordner() + "stick/";
    QDir().mkpath(stick);
    FreierPlatzFestlegen([](const QString &) { return qint64(100000); });
    Sichern(stick);
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_TRUE(protokoll.Texte()[0].startsWith(
        QStringLiteral("Im Ordner \"%1MwDaten/\" ist nicht genug Platz frei.\r\nBenötigt werden ").arg(stick)))
        << protokoll.Texte()[0].toStdString();
    EXPECT_FALSE(QFile::exists(stick + "MwDaten/Gross.dat"));

    // A drive that reports an error when the copy is synced: no success.
    FreierPlatzFestlegen({});
    AufDatentraegerFestlegen([](int) { return EIO; });
    protokoll.Leeren();
    Sichern(stick);
    AufDatentraegerFestlegen({});
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(protokoll.Texte()[0].startsWith("Fehler beim Kopieren der Datei"));
}

TEST_F(Dateisystem, PrivateDateienUnterJederDateimaske)
{
    // Whatever the file mask, what the program makes with pupils' data is
    // readable by the user alone: another user of a shared school computer
    // sees neither the names nor the records.
    const QString stick = Ordner() + "stick/";
    const QString einstellungen = Ordner() + "config/Merkwerk/";
    for (const unsigned maske : {000u, 022u}) {
        SCOPED_TRACE(maske);
        QDir(Daten()).removeRecursively();
        QDir(stick).removeRecursively();
        QDir(einstellungen).removeRecursively();
        QDir().mkpath(stick);
        MitDateimaske(maske, [&] {
            TForm1 &f = Starten();
            BeiDialog([](QWidget *dialog) {
                auto *neu = qobject_cast<TTnCreateForm *>(dialog);
                ASSERT_TRUE(neu);
                neu->Edit1->setText("Kappa");
                neu->Edit2->setText("5a");
                neu->Button1->click();
            });
            f.MenuAktNeuenTeilnehmer->trigger();
            f.Edit5->setText("Legasthenie");
            ASSERT_TRUE(f.Speichern(false));
            // Changed from outside: Nein puts this copy's edit beside it.
            Teilnehmerdatei("Kappa", {"5a\v", "Mo.\v", "0", T});
            f.Edit5->setText("noch etwas");
            protokoll.antworten << false;
            ASSERT_TRUE(f.Speichern(false));
            Sichern(stick);
            f.close();
        });
        EXPECT_EQ(Rechte(Daten()), 0700);
        for (const QString &datei : QStringList{"Kappa.dat", "Kappa.dat.bak", "Kappa.dat.konflikt"})
            EXPECT_EQ(Rechte(Daten() + datei), 0600) << datei.toStdString();
        EXPECT_EQ(Rechte(stick + "MwDaten"), 0700);
        EXPECT_EQ(Rechte(stick + "MwDaten/Kappa.dat"), 0600);
        EXPECT_EQ(Rechte(einstellungen), 0700);
        EXPECT_EQ(Rechte(einstellungen + "Merkwerk.conf"), 0600);
        EXPECT_TRUE(Lesen(einstellungen + "Merkwerk.conf").contains("Teilnehmer=Kappa"));
    }

    // What exists keeps its permissions, also where a save replaces it.
    const QFileDevice::Permissions offen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                           | QFileDevice::ReadOther;
    QFile::setPermissions(Daten(), offen | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    QFile::setPermissions(Daten() + "Kappa.dat", offen);
    QFile::setPermissions(einstellungen + "Merkwerk.conf", offen);
    TForm1 &f = Starten();
    f.setDatFilename("Kappa");
    f.Edit5->setText("später");
    ASSERT_TRUE(f.Speichern(false));
    f.close();
    EXPECT_EQ(Rechte(Daten()), 0755);
    EXPECT_EQ(Rechte(Daten() + "Kappa.dat"), 0644);
    EXPECT_EQ(Rechte(einstellungen + "Merkwerk.conf"), 0644);
}
