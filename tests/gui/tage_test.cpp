#include "hauptfenster.h"

#include "dialogs/editdlg.h"
#include "dialogs/zahlendlg.h"
#include "records/bloecke.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "util/heute.h"

namespace {
const QString T = Blocktrenner;

QStringList Tage(const QStringList &daten)
{
    QStringList zeilen = {"4b\v"};
    for (const QString &datum : daten)
        zeilen << datum + "\v" << "1" << T;
    return zeilen;
}
} // namespace

class Tage_ : public Hauptfenster
{
protected:
    TForm1 &MitTagen(const QStringList &daten)
    {
        Teilnehmerdatei("Beta", Tage(daten));
        TForm1 &f = Starten();
        f.setDatFilename("Beta");
        return f;
    }
};

TEST_F(Tage_, NeuerTagWirdTagEins)
{
    TForm1 &f = MitTagen({"a", "b", "c"});
    f.Edit5->setText("gemerkt");
    protokoll.antworten << false << true;
    f.MenuAktNeuenTag->trigger();
    EXPECT_EQ(TeilnehmerZeilen("Beta"), Tage({"a", "b", "c"}));
    f.MenuAktNeuenTag->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList({"Soll ein neuer Tag erstellt werden?", "Soll ein neuer Tag erstellt werden?"}));
    QStringList erwartet = Tage({"a", "b", "c"});
    erwartet[1] = "a\vgemerkt";
    erwartet.insert(1, T);
    erwartet.insert(1, "0");
    erwartet.insert(1, "Di., 5. März 2024\v");
    EXPECT_EQ(TeilnehmerZeilen("Beta"), erwartet);
    EXPECT_EQ(f.NummerText(), "Nummer: 1/4");
    EXPECT_EQ(f.Hausaufgabe(), 0);
    EXPECT_EQ(f.focusWidget(), f.Edit3);
    // The backup copy holds the state with the edit but without the new day.
    QStringList vorher = Tage({"a", "b", "c"});
    vorher[1] = "a\vgemerkt";
    EXPECT_EQ(Lesen(Daten() + "Beta.dat.bak"), Utf8Datei(vorher));
}

TEST_F(Tage_, TagLoeschen)
{
    TForm1 &f = MitTagen({"a", "b", "c"});
    f.Button1->click();
    protokoll.antworten << false << true;
    f.MenuAktTagLoeschen->trigger();
    EXPECT_EQ(f.MaxNummer(), 3);
    f.MenuAktTagLoeschen->trigger();
    EXPECT_EQ(protokoll.Texte()[0], "Soll der Tag \"b\" vom Teilnehmer \"Beta\" gelöscht werden?");
    EXPECT_EQ(f.Datum(), "c");
    EXPECT_EQ(f.NummerText(), "Nummer: 2/2");
    EXPECT_EQ(TeilnehmerZeilen("Beta"), Tage({"a", "c"}));
    // The last day shown and deleted: the one before it is shown.
    protokoll.antworten << true;
    f.MenuAktTagLoeschen->trigger();
    EXPECT_EQ(f.Datum(), "a");
    EXPECT_EQ(TeilnehmerZeilen("Beta"), Tage({"a"}));
    // The only day: the file goes, its backup copy stays.
    protokoll.Leeren();
    protokoll.antworten << true;
    f.MenuAktTagLoeschen->trigger();
    EXPECT_EQ(protokoll.Texte().last(), "Keine weiteren Tage mehr vorhanden!\r\nDer Teilnehmer \"Beta\" wurde gelöscht.");
    EXPECT_FALSE(QFile::exists(Daten() + "Beta.dat"));
    EXPECT_TRUE(QFile::exists(Daten() + "Beta.dat.bak"));
    EXPECT_EQ(f.windowTitle(), "KeinName - Merkwerk V1.03");
    EXPECT_EQ(f.focusWidget(), f.Edit1);
}

TEST_F(Tage_, DatumEinfuegenErsetztDasFeld)
{
    TForm1 &f = MitTagen({"a"});
    HeuteFestlegen(QDate(2024, 3, 1));
    protokoll.antworten << true << false << true;
    f.MenuBearbGestern->trigger();
    EXPECT_EQ(f.Datum(), "Do., 29. Februar 2024");
    f.MenuBearbHeute->trigger();
    EXPECT_EQ(f.Datum(), "Do., 29. Februar 2024");
    HeuteFestlegen(QDate(2025, 12, 31));
    f.PuEdit3Morgen->trigger();
    EXPECT_EQ(protokoll.Texte().last(), "Soll der Text \"Do., 1. Jänner 2026\" in das Datum-Eingabefeld eingefügt werden?");
    EXPECT_EQ(f.Datum(), "Do., 1. Jänner 2026");
    EXPECT_EQ(TeilnehmerZeilen("Beta"), Tage({"a"}));
}

TEST_F(Tage_, GeheZuTag)
{
    QStringList daten;
    for (int n = 1; n <= 25; ++n)
        daten << QString::number(n);
    TForm1 &f = MitTagen(daten);
    f.setAktNummer(7);
    const struct {
        QString eingabe;
        bool ok;
        int tag;
    } faelle[] = {{"99", true, 25}, {"0", true, 1}, {"12", false, 1}, {"abc", true, 0}};
    for (const auto &fall : faelle) {
        protokoll.Leeren();
        BeiDialog([&](QWidget *dialog) {
            auto *zahlen = qobject_cast<TZahlenForm *>(dialog);
            ASSERT_TRUE(zahlen);
            EXPECT_EQ(zahlen->Label1->text(), "Gehe zu Tag (1-25)");
            EXPECT_EQ(zahlen->Edit1->maxLength(), 2);
            EXPECT_EQ(zahlen->Edit1->selectedText(), QString::number(f.AktNummer()));
            zahlen->Edit1->setText(fall.eingabe);
            (fall.ok ? zahlen->Button1 : zahlen->Button2)->click();
        });
        f.MenuBearbGehe->trigger();
        EXPECT_EQ(f.AktNummer(), fall.tag) << fall.eingabe.toStdString();
    }
    EXPECT_EQ(protokoll.Texte(), QStringList({"Fehler bei Eingabe!"}));
}

TEST_F(Tage_, ZahlenfeldNimmtNurZiffernUndPfeileHaltenAnDenGrenzen)
{
    TForm1 &f = MitTagen({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    BeiDialog([](QWidget *dialog) {
        auto *zahlen = qobject_cast<TZahlenForm *>(dialog);
        EXPECT_EQ(zahlen->Edit1->maxLength(), 1);
        zahlen->Edit1->clear();
        QTest::keyClicks(zahlen->Edit1, "x7-");
        EXPECT_EQ(zahlen->Edit1->text(), "7");
        for (int n = 0; n < 5; ++n)
            zahlen->Hoch->click();
        EXPECT_EQ(zahlen->Edit1->text(), "9");
        for (int n = 0; n < 12; ++n)
            QTest::keyClick(zahlen->Edit1, Qt::Key_Down);
        EXPECT_EQ(zahlen->Edit1->text(), "1");
        zahlen->Edit1->clear();
        EXPECT_FALSE(zahlen->Button1->isEnabled());
        zahlen->Button2->click();
    });
    f.MenuBearbGehe->trigger();
}

TEST_F(Tage_, SucheNurImDatumAelterTage)
{
    TForm1 &f = MitTagen({"Mo., 4. März", "Di., 5. März", "Mo., 11. März"});
    QStringList zeilen = TeilnehmerZeilen("Beta");
    zeilen.insert(3, "MO im Infotext");
    Teilnehmerdatei("Beta", zeilen);
    f.setDatFilename("Beta");
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->windowTitle(), "Geben Sie das zu suchende Datum ein");
        Tippen(edit->Edit1, "mo");
        EXPECT_EQ(edit->Edit1->text(), "MO");
        edit->Button1->click();
    });
    f.MenuBearbSuche->trigger();
    EXPECT_EQ(f.AktNummer(), 3);
    EXPECT_EQ(gespielteToene, QStringList({"systemasterisk"}));
    EXPECT_EQ(f.focusWidget(), f.Edit3);
    // From the last day nothing is found; the last search is offered again.
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        EXPECT_EQ(edit->Edit1->selectedText(), "MO");
        edit->Edit1->setText("märz");
        edit->Button1->click();
    });
    f.MenuBearbSuche->trigger();
    EXPECT_EQ(f.AktNummer(), 3);
    EXPECT_EQ(protokoll.Texte(), QStringList({"Das Suchdatum \"MÄRZ\" wurde nicht gefunden!\r\nGehen Sie mit "
                                              "Strg+G zum 1. Tag und versuchen Sie es erneut."}));
    EXPECT_EQ(f.Suchdatum, "MÄRZ");
}
