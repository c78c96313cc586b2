#include "hauptfenster.h"

#include "dialogs/editdlg.h"
#include "dialogs/klassendlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "records/bloecke.h"
#include "util/dateinamen.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString T = Blocktrenner;

} // namespace

class Teilnehmer : public Hauptfenster
{
protected:
    void TearDown() override
    {
        NamensaufrufeFestlegen({});
        Hauptfenster::TearDown();
    }

    void Klassenordner()
    {
        Teilnehmerdatei("delta", {"5a\v", "Mo.\v", "0", T});
        Teilnehmerdatei("Epsilon", {" 5A \vlacht", "Di.\v", "1", T});
        Teilnehmerdatei("Zeta", {"6b\v", "Mi.\v", "2", T});
        Schreiben(Daten() + "Leer.dat", "");
        Schreiben(Daten() + "Ohne.dat", Utf8Datei({"\vnur Kommentar", T}));
    }

    // Opens the participant list from the main window and lets `aktion` act
    // on it once the list has been filled.
    void ListeBenutzen(std::function<void(TTlForm *)> aktion)
    {
        BeiDialog([aktion](QWidget *dialog) {
            auto *liste = qobject_cast<TTlForm *>(dialog);
            ASSERT_TRUE(liste);
            ASSERT_TRUE(Warten([liste] { return !liste->Timer1->isActive(); }));
            aktion(liste);
        });
        haupt->MenuAktTeilnehmer->trigger();
    }
};

TEST_F(Teilnehmer, ListeSortiertUndFiltertNachKlasse)
{
    Klassenordner();
    TForm1 &f = Starten();
    f.setDatFilename("Zeta");
    ListeBenutzen([this](TTlForm *liste) {
        EXPECT_EQ(Eintraege(liste->ListBox1), QStringList({"delta", "Epsilon", "Leer", "Ohne", "Zeta"}));
        EXPECT_EQ(liste->ListBox1->currentItem()->text(), "Zeta");
        EXPECT_EQ(liste->Label1->text(), "Aktuelle Klasse: (Alle)");
        EXPECT_EQ(liste->windowTitle(), "Wählen Sie einen neuen Teilnehmer");
        BeiDialog([](QWidget *dialog) {
            auto *klassen = qobject_cast<TKlassenForm *>(dialog);
            ASSERT_TRUE(klassen);
            // Each class once, in the letter case of the file met first.
            const QStringList klassenListe = Eintraege(klassen->ListBox1);
            EXPECT_TRUE(klassenListe == QStringList({"(Alle)", "", "5a", "6b"})
                        || klassenListe == QStringList({"(Alle)", "", "5A", "6b"}));
            // The empty filter matches the entry of the empty class first.
            EXPECT_EQ(klassen->ListBox1->currentRow(), 1);
            klassen->ListBox1->setCurrentRow(2);
            klassen->Button1->click();
        });
        liste->Button3->click();
        EXPECT_EQ(liste->Label1->text().toUpper(), "AKTUELLE KLASSE: 5A");
        // Empty files pass every filter.
        EXPECT_EQ(Eintraege(liste->ListBox1), QStringList({"delta", "Epsilon", "Leer"}));
        EXPECT_EQ(liste->ListBox1->currentRow(), 0);
        liste->Button2->click();
    });
    // Cancelled, but the filter is remembered, also for a new participant.
    EXPECT_EQ(f.SortierKlasse.toUpper(), "5A");
    EXPECT_EQ(f.Teilnehmer(), "Zeta");

    ListeBenutzen([](TTlForm *liste) {
        EXPECT_EQ(liste->Label1->text().toUpper(), "AKTUELLE KLASSE: 5A");
        liste->ListBox1->setCurrentRow(1);
        liste->Button1->click();
    });
    EXPECT_EQ(f.Teilnehmer(), "Epsilon");
    EXPECT_EQ(f.Klasse(), "5A");
    EXPECT_EQ(f.Kommentar(), "lacht");
}

TEST_F(Teilnehmer, OkOhneAuswahlOeffnetNichts)
{
    Klassenordner();
    TForm1 &f = Starten();
    f.setDatFilename("delta");
    f.Edit5->setText("gemerkt");
    BeiDialog([](QWidget *dialog) {
        auto *liste = qobject_cast<TTlForm *>(dialog);
        liste->Timer1->stop();
        liste->ListBox1->clear();
        liste->Button1->click();
    });
    f.Button3->click();
    EXPECT_EQ(f.Teilnehmer(), "delta");
    EXPECT_EQ(TeilnehmerZeilen("delta")[1], "Mo.\vgemerkt");
}

TEST_F(Teilnehmer, LeererOrdnerBietetNeuenTeilnehmerAn)
{
    protokoll.antworten << true;
    BeiDialog([](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        ASSERT_TRUE(neu);
        EXPECT_EQ(neu->windowTitle(), "Geben Sie einen neuen Teilnehmer ein");
        EXPECT_FALSE(neu->Button1->isEnabled());
        neu->Edit1->setText("  Kappa ");
        EXPECT_FALSE(neu->Button1->isEnabled());
        neu->Edit2->setText(" 5a");
        EXPECT_TRUE(neu->Button1->isEnabled());
        QTest::keyClick(neu->Edit1, Qt::Key_Return);
    });
    TForm1 &f = Starten(false);
    EXPECT_TRUE(Warten([] { return !QApplication::activeModalWidget(); }));
    ASSERT_EQ(protokoll.Texte(),
              QStringList({"Es sind keine Teilnehmer-Dateien vorhanden!\r\nMöchten Sie jetzt einen Teilnehmer anlegen?",
                           "Der Teilnehmer \"Kappa\" wurde angelegt und aufgerufen!"}));
    EXPECT_EQ(Lesen(Daten() + "Kappa.dat"), Utf8Datei({"5a\v", "Di., 5. März 2024", T}));
    EXPECT_EQ(f.Teilnehmer(), "Kappa");
    EXPECT_EQ(f.windowTitle(), "Kappa - Merkwerk V1.03");
}

TEST_F(Teilnehmer, DoppelterNameOeffnetDenVorhandenen)
{
    Klassenordner();
    TForm1 &f = Starten();
    f.SortierKlasse = "6b";
    // No: the dialog stays open with the name selected; then Yes.
    protokoll.antworten << false << true;
    BeiDialog([](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        EXPECT_EQ(neu->Edit2->text(), "6b");
        neu->Edit1->setText("DELTA");
        neu->Button1->click();
        EXPECT_TRUE(neu->isVisible());
        EXPECT_EQ(neu->Edit1->selectedText(), "DELTA");
        neu->Button1->click();
    });
    f.MenuAktNeuenTeilnehmer->trigger();
    EXPECT_EQ(protokoll.Texte()[0], "Der Teilnehmer \"DELTA\" existiert bereits!\r\nSoll der Teilnehmer jetzt aufgerufen werden?");
    EXPECT_EQ(f.Teilnehmer(), "delta");
    EXPECT_FALSE(QFile::exists(Daten() + "DELTA.dat"));
    EXPECT_EQ(TeilnehmerZeilen("delta"), QStringList({"5a\v", "Mo.\v", "0", T}));
}

TEST_F(Teilnehmer, UngueltigeNamenWerdenAbgelehnt)
{
    TForm1 &f = Starten();
    const QStringList namen = {"a/b", "..", "x:y", "Tab\tulator"};
    for (const QString &name : namen) {
        protokoll.Leeren();
        BeiDialog([name](QWidget *dialog) {
            auto *neu = qobject_cast<TTnCreateForm *>(dialog);
            neu->Edit1->setText(name);
            neu->Edit2->setText("5a");
            EXPECT_TRUE(neu->Button1->isEnabled()) << neu->Edit1->text().toStdString();
            neu->Button1->click();
            EXPECT_TRUE(neu->isVisible()) << name.toStdString();
            neu->Button2->click();
        });
        f.MenuAktNeuenTeilnehmer->trigger();
        ASSERT_EQ(protokoll.meldungen.size(), 1);
        EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Information);
        EXPECT_TRUE(protokoll.meldungen[0].text.contains("nicht")) << protokoll.meldungen[0].text.toStdString();
    }
    EXPECT_TRUE(protokoll.meldungen[0].text.contains("Steuerzeichen (Code 9)"));
    EXPECT_EQ(TeilnehmerDateienZahl(), 0);
}

TEST_F(Teilnehmer, MisslungenesAnlegenLaesstDenOffenenTeilnehmer)
{
    Klassenordner();
    QDir().mkpath(Daten() + "Neu.dat");
    TForm1 &f = Starten();
    f.setDatFilename("Zeta");
    BeiDialog([](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        neu->Edit1->setText("Neu");
        neu->Edit2->setText("5a");
        neu->Button1->click();
    });
    f.MenuAktNeuenTeilnehmer->trigger();
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(protokoll.meldungen[0].text.startsWith(QString("Datei \"%1Neu.dat\" kann nicht erstellt werden.").arg(Daten())));
    EXPECT_EQ(f.Teilnehmer(), "Zeta");
    EXPECT_EQ(TeilnehmerZeilen("Zeta"), QStringList({"6b\v", "Mi.\v", "2", T}));
}

TEST_F(Teilnehmer, UmbenennenNieUeberEinenAnderen)
{
    Klassenordner();
    TForm1 &f = Starten();
    f.setDatFilename("delta");
    f.Button1->setEnabled(true);
    int runde = 0;
    BeiDialog([&runde](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->windowTitle(), "Teilnehmer umbenennen");
        EXPECT_EQ(edit->Edit1->selectedText(), "delta");
        edit->Edit1->setText("EPSILON");
        edit->Button1->click();
        ++runde;
    });
    // After the failure the dialog comes again: the second round cancels.
    protokoll.beobachter = [&](const Meldung &) {
        BeiDialog([&runde](QWidget *dialog) {
            auto *edit = qobject_cast<TEditForm *>(dialog);
            EXPECT_EQ(edit->Edit1->selectedText(), "EPSILON");
            ++runde;
            edit->Button2->click();
        });
    };
    f.MenuBearbUmbenennen->trigger();
    protokoll.beobachter = nullptr;
    EXPECT_EQ(runde, 2);
    EXPECT_EQ(protokoll.Texte(), QStringList({QString("Die Datei \"%1delta.dat\" konnte nicht umbenannt werden!").arg(Daten())}));
    EXPECT_TRUE(QFile::exists(Daten() + "delta.dat"));
    EXPECT_EQ(TeilnehmerZeilen("Epsilon")[0], " 5A \vlacht");
}

TEST_F(Teilnehmer, MisslungenesUmbenennenLaesstDieDateiWieSieWar)
{
    Teilnehmerdatei("Gross", {"5a\v", "Mo.\v", "0", T});
    const QByteArray vorher = Lesen(Daten() + "Gross.dat");
    TForm1 &f = Starten();
    f.setDatFilename("Gross");
    // The rename fails as on a share that refuses it: no copy takes its
    // place, and a name too long for the file system is refused first.
    NamensaufrufeFestlegen({{}, [](const QString &, const QString &) { return EIO; }, {}});
    const QStringList eingaben = {QStringLiteral("€").repeated(80), "Neuname"};
    int runde = 0;
    std::function<void()> naechste = [&] {
        BeiDialog([&](QWidget *dialog) {
            auto *edit = qobject_cast<TEditForm *>(dialog);
            ASSERT_TRUE(edit);
            if (runde == eingaben.size()) {
                edit->Button2->click();
                return;
            }
            edit->Edit1->setText(eingaben[runde++]);
            edit->Button1->click();
        });
    };
    protokoll.beobachter = [&](const Meldung &) { naechste(); };
    naechste();
    f.MenuBearbUmbenennen->trigger();
    protokoll.beobachter = nullptr;
    ASSERT_EQ(protokoll.meldungen.size(), 2);
    EXPECT_TRUE(protokoll.Texte()[0].contains("ist zu lang für einen Dateinamen!")) << protokoll.Texte()[0].toStdString();
    EXPECT_EQ(protokoll.Texte()[1], QString("Die Datei \"%1Gross.dat\" konnte nicht umbenannt werden!").arg(Daten()));
    EXPECT_EQ(QDir(Daten()).entryList(QDir::Files | QDir::Hidden), QStringList({"Gross.dat"}));
    EXPECT_EQ(Lesen(Daten() + "Gross.dat"), vorher);
    EXPECT_EQ(f.Teilnehmer(), "Gross");
}

TEST_F(Teilnehmer, UmbenennenNurDerGrossschreibungUndTagBleibt)
{
    Teilnehmerdatei("delta", {"5a\v", "Mo.\v", "0", T, "Di.\v", "1", T});
    TForm1 &f = Starten();
    f.setDatFilename("delta");
    f.Button1->click();
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        edit->Edit1->setText(" Delta ");
        edit->Button1->click();
    });
    f.MenuBearbUmbenennen->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList({"Der Teilnehmer \"delta\" wurde in \"Delta\" geändert!"}));
    EXPECT_TRUE(QFile::exists(Daten() + "Delta.dat"));
    EXPECT_FALSE(QFile::exists(Daten() + "delta.dat"));
    EXPECT_EQ(f.windowTitle(), "Delta - Merkwerk V1.03");
    EXPECT_EQ(f.AktNummer(), 2);
}

TEST_F(Teilnehmer, KlasseUndKommentarErstBeimNaechstenSichern)
{
    Teilnehmerdatei("Beta", {"4b\valt", "Mo.\v", "0", T});
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        EXPECT_EQ(edit->windowTitle(), "Geben Sie eine neue Klasse ein");
        edit->Edit1->setText(" 5c ");
        edit->Button1->click();
    });
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        EXPECT_EQ(edit->windowTitle(), "Geben Sie einen neuen Kommentar ein");
        edit->Edit1->clear();
        EXPECT_TRUE(edit->Button1->isEnabled());
        edit->Button1->click();
    });
    f.MenuBearbKommentar->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList({"Die Klasse wurde in \"5c\" geändert!",
                                              "Der Kommentar wurde in \"\" geändert!"}));
    EXPECT_EQ(TeilnehmerZeilen("Beta")[0], "4b\valt");
    f.close();
    EXPECT_EQ(TeilnehmerZeilen("Beta")[0], "5c\v");
}

TEST_F(Teilnehmer, LoeschenNachZweiFragen)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    Schreiben(Daten() + "Beta.dat.bak", "alt");
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    f.Edit5->setText("verworfen");
    protokoll.antworten << true << false;
    f.MenuAktTeilnehmerLoeschen->trigger();
    EXPECT_EQ(f.Teilnehmer(), "Beta");
    protokoll.antworten << true << true;
    f.MenuAktTeilnehmerLoeschen->trigger();
    EXPECT_EQ(protokoll.Texte().mid(2), QStringList({"Soll der Teilnehmer \"Beta\" gelöscht werden?",
                                                     "Soll der Teilnehmer \"Beta\" wirklich vollständig gelöscht werden?",
                                                     "Der Teilnehmer \"Beta\" wurde gelöscht!"}));
    EXPECT_FALSE(QFile::exists(Daten() + "Beta.dat"));
    EXPECT_EQ(Lesen(Daten() + "Beta.dat.bak"), "alt");
    EXPECT_EQ(f.windowTitle(), "KeinName - Merkwerk V1.03");
    EXPECT_FALSE(f.MenuBearbUmbenennen->isEnabled());
}

TEST_F(Teilnehmer, EnterInDenKopffeldern)
{
    TForm1 &f = Starten();
    QTest::keyClick(f.Edit2, Qt::Key_Return);
    QTest::keyClick(f.Edit4, Qt::Key_Return);
    EXPECT_EQ(gespielteToene, QStringList({"default", "default"}));
    protokoll.antworten << false;
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    EXPECT_EQ(protokoll.Texte(), QStringList({KeineTeilnehmer + "\r\nMöchten Sie jetzt einen Teilnehmer anlegen?"}));
}
