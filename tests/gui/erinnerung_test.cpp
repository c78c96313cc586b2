// The backup reminder in the status bar: it appears once a participant file
// is written while the last backup is more than 14 days old (or there was
// none), and goes with the next successful backup.

#include "hauptfenster.h"

#include "dialogs/sicherndlg.h"
#include "records/bloecke.h"
#include "ui/programmschrift.h"
#include "ui/statusleiste.h"
#include "util/heute.h"
#include "util/laufwerke.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

namespace {
const QString T = Blocktrenner;
const QString Keine = QStringLiteral("Noch keine Datensicherung – sichern mit F8");

QSettings Gespeichert()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk");
}
} // namespace

class Erinnerung : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        stick = Ordner() + "stick/";
        QDir().mkpath(stick);
        LaufwerkeFestlegen([this] { return QList<Laufwerk>{{stick, Laufwerk::Wechsel, "Stick", {}}}; });
        Teilnehmerdatei("Beta", {"4b\v", "Di., 5. März 2024\v", "0", T, "Mo., 4. März 2024\v", "1", T});
    }
    void TearDown() override
    {
        LaufwerkeFestlegen({});
        Hauptfenster::TearDown();
    }

    // Changes the remark of the shown day and steps, which saves.
    void Aendern(TForm1 &f, const QString &text)
    {
        f.Edit5->setText(text);
        f.Button1->click();
        f.Button2->click();
    }

    void Sichern(TForm1 &f, bool wiederherstellen = false)
    {
        BeiDialog([](QWidget *dialog) {
            auto *s = qobject_cast<TSichernForm *>(dialog);
            ASSERT_TRUE(Warten([s] { return !s->Timer1->isActive() && s->ListBox1->count() == 1; }));
            s->Button1->click();
            s->Button3->click();
        });
        (wiederherstellen ? f.MenuSicherungWiederholen : f.MenuSicherungSichern)->trigger();
    }

    QString stick;
};

TEST_F(Erinnerung, OhneSicherungNachDemSpeichernBisZurSicherung)
{
    TForm1 &f = Starten();
    const QString kuerzel = f.StatusText();
    f.setDatFilename("Beta");
    EXPECT_EQ(f.StatusText(), kuerzel); // reading writes nothing
    Aendern(f, "neu");
    EXPECT_EQ(f.StatusText(), Keine);
    Sichern(f);
    EXPECT_EQ(f.StatusText(), kuerzel);
    EXPECT_EQ(Gespeichert().value("LetzteSicherung").toString(), "2024-03-05");
    // A restore is no backup.
    Gespeichert().remove("LetzteSicherung");
    Sichern(f, true);
    EXPECT_FALSE(Gespeichert().contains("LetzteSicherung"));
    f.setDatFilename("Beta");
    Aendern(f, "wieder neu");
    EXPECT_EQ(f.StatusText(), Keine);
    EXPECT_EQ(protokoll.meldungen.size(), 2); // the two success messages, nothing else
}

TEST_F(Erinnerung, UeberstehtNeustartBisZurSicherung)
{
    {
        TForm1 &f = Starten();
        f.setDatFilename("Beta");
        Aendern(f, "neu");
        EXPECT_EQ(f.StatusText(), Keine);
    }
    // A restart without a backup in between: the reminder stands at once.
    TForm1 &f = Starten();
    EXPECT_EQ(f.StatusText(), Keine);
    Sichern(f);
    EXPECT_NE(f.StatusText(), Keine);
    // After the backup a restart shows the shortcuts.
    const QString kuerzel = f.StatusText();
    TForm1 &g = Starten();
    EXPECT_EQ(g.StatusText(), kuerzel);
}

TEST_F(Erinnerung, NachVierzehnTagen)
{
    const struct {
        const char *letzte;
        QString status; // empty: the shortcuts stay
    } faelle[] = {
        {"2024-02-20", {}}, // 14 days ago
        {"2024-02-19", QStringLiteral("Letzte Sicherung vor 15 Tagen – sichern mit F8")},
        {"2021-11-26", QStringLiteral("Letzte Sicherung vor 830 Tagen – sichern mit F8")},
        {"2024-03-09", {}}, // a date to come: the clock was wrong, no alarm
        {"kaputt", Keine},
    };
    TForm1 &f = Starten();
    const QString kuerzel = f.StatusText();
    f.setDatFilename("Beta");
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.letzte);
        Gespeichert().setValue("LetzteSicherung", fall.letzte);
        Aendern(f, fall.letzte);
        EXPECT_EQ(f.StatusText(), fall.status.isEmpty() ? kuerzel : fall.status);
        Sichern(f);
        EXPECT_EQ(f.StatusText(), kuerzel);
    }
    // Later saves within the fortnight keep the shortcuts.
    HeuteFestlegen(QDate(2024, 3, 19));
    Aendern(f, "zwei Wochen später");
    EXPECT_EQ(f.StatusText(), kuerzel);
}

TEST_F(Erinnerung, InGrosserSchriftDieKurzformMitDerTaste)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    Aendern(f, "neu");
    for (const auto &[punkte, kurz] : {std::pair{12, false}, std::pair{40, true}}) {
        ProgrammSchrift().schrift = QFont("Arial", punkte);
        f.setHintergrundNr(f.HintergrundNr()); // lays the window out in the font
        QApplication::processEvents();
        EXPECT_EQ(f.StatusText(), Keine);
        // The short form, whole where it fits, else cut at its start: the key stays.
        const QString gezeigt = f.StatusBar1->GezeigterText(1);
        if (kurz)
            EXPECT_TRUE(QString("Sicherung fällig – F8").endsWith(gezeigt.mid(1)) && gezeigt.endsWith(" – F8"))
                << gezeigt.toStdString();
        else
            EXPECT_EQ(gezeigt, Keine);
    }
    ProgrammSchrift().schrift = QFont("Arial", 12);
}
