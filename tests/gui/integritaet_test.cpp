// Nothing a teacher types is lost or corrupted: one-line fields, failed
// saves, soft line breaks, long fields, odd files.

#include "hauptfenster.h"

#include "dialogs/editdlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "records/bloecke.h"
#include "util/dateisync.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <cerrno>
#include <sys/stat.h>

namespace {
const QString T = Blocktrenner;

QStringList ZweiTage()
{
    return {"4b\vsitzt vorne", "Di.\verster", "2", T, "Mo.\v", "1", T};
}

QByteArray Fixture(const QString &name)
{
    QFile datei(QStringLiteral(MERKWERK_FIXTURES "/") + name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
} // namespace

class Integritaet : public Hauptfenster
{
protected:
    void TearDown() override
    {
        AufDatentraegerFestlegen({});
        Hauptfenster::TearDown();
    }

    TForm1 &MitBeta()
    {
        Teilnehmerdatei("Beta", ZweiTage());
        TForm1 &f = Starten();
        f.setDatFilename("Beta");
        return f;
    }

    // Chooses a participant in the participant list.
    void ListeWaehlen(const QString &name)
    {
        BeiDialog([name](QWidget *dialog) {
            auto *liste = qobject_cast<TTlForm *>(dialog);
            ASSERT_TRUE(liste);
            ASSERT_TRUE(Warten([liste] { return !liste->Timer1->isActive(); }));
            const QList<QListWidgetItem *> treffer = liste->ListBox1->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(treffer.size(), 1);
            liste->ListBox1->setCurrentItem(treffer.first());
            liste->Button1->click();
        });
        haupt->MenuAktTeilnehmer->trigger();
    }
};

TEST_F(Integritaet, ZeilenumbruecheErreichenKeinEinzeiligesFeld)
{
    TForm1 &f = MitBeta();
    f.Edit5->clear();
    Einfuegen(f.Edit5, "RE\r\nMARK");
    EXPECT_EQ(f.Edit5->text(), "RE MARK");
    f.Edit3->clear();
    Einfuegen(f.Edit3, "Mi.\v\u2028\u2029\tx\ny");
    EXPECT_EQ(f.Edit3->text(), "Mi.    x y");
    f.Button1->click();
    QStringList erwartet = ZweiTage();
    erwartet[1] = "Mi.    x y\vRE MARK";
    EXPECT_EQ(TeilnehmerZeilen("Beta"), erwartet);

    // The comment dialog and the class of a new participant likewise.
    BeiDialog([](QWidget *dialog) {
        auto *edit = qobject_cast<TEditForm *>(dialog);
        edit->Edit1->clear();
        Einfuegen(edit->Edit1, "Kommentar\nzweite Zeile");
        EXPECT_EQ(edit->Edit1->text(), "Kommentar zweite Zeile");
        edit->Button1->click();
    });
    f.MenuBearbKommentar->trigger();
    BeiDialog([](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        Einfuegen(neu->Edit1, "Gamma\r\n");
        Einfuegen(neu->Edit2, "5a\n");
        // The block separator text would split the file into days.
        Einfuegen(neu->Edit3, "x" + T);
        EXPECT_EQ(neu->Edit3->text(), "");
        neu->Button1->click();
    });
    f.MenuAktNeuenTeilnehmer->trigger();
    EXPECT_EQ(TeilnehmerZeilen("Beta")[0], "4b\vKommentar zweite Zeile");
    EXPECT_EQ(TeilnehmerZeilen("Gamma")[0], "5a\v");
}

TEST_F(Integritaet, TextAusDerDateiBleibtUnveraendertUndUngekuerzt)
{
    // A remark with further field separators, and one longer than Qt's
    // default limit of 32,767 characters.
    const QString lang = QString(40000, QLatin1Char('r'));
    Teilnehmerdatei("Beta", {"4b\v" + lang, "Di.\ver\vst", "2", T, "Mo.\v" + lang, "1", T});
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    EXPECT_EQ(f.Anmerkung(), "er\vst");
    // The comment field shows its start only (a field lays out its whole
    // text); the comment itself stays whole.
    EXPECT_EQ(f.Kommentar(), lang);
    EXPECT_EQ(f.Edit4->text(), QString(9999, QLatin1Char('r')) + QChar(0x2026));
    f.RadioItems[1]->setChecked(true);
    f.Button1->click();
    EXPECT_EQ(TeilnehmerZeilen("Beta"), QStringList({"4b\v" + lang, "Di.\ver\vst", "1", T, "Mo.\v" + lang, "1", T}));
    EXPECT_EQ(f.Anmerkung().size(), 40000);
    // Deleting from a text longer than the typing limit works; typing does
    // not make it longer.
    f.Edit5->setFocus();
    f.Edit5->end(false);
    QTest::keyClick(f.Edit5, Qt::Key_Backspace);
    EXPECT_EQ(f.Anmerkung().size(), 39999);
    Tippen(f.Edit5, "xy");
    EXPECT_EQ(f.Anmerkung().size(), 39999);
}

TEST_F(Integritaet, TippgrenzeVonHundertZeichen)
{
    TForm1 &f = MitBeta();
    f.Edit3->clear();
    f.Edit3->setFocus();
    Tippen(f.Edit3, QString(120, QLatin1Char('d')));
    EXPECT_EQ(f.Edit3->text().size(), 100);
    f.Edit5->clear();
    Einfuegen(f.Edit5, QString(120, QLatin1Char('a')));
    EXPECT_EQ(f.Edit5->text().size(), 100);
    BeiDialog([](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        Tippen(neu->Edit1, QString(124, QLatin1Char('n')));
        EXPECT_EQ(neu->Edit1->text().size(), 100);
        neu->Button2->click();
    });
    f.MenuAktNeuenTeilnehmer->trigger();
}

TEST_F(Integritaet, WeicherUmbruchIstEinZeilenumbruch)
{
    TForm1 &f = MitBeta();
    f.RichEdit1->setFocus();
    Tippen(f.RichEdit1, "oben");
    QTest::keyClick(f.RichEdit1, Qt::Key_Return, Qt::ShiftModifier);
    Tippen(f.RichEdit1, "unten");
    // Pasted text may carry soft breaks too.
    f.RichEdit1->textCursor().insertText(QStringLiteral("\u2028weiter"));
    f.Button1->click();
    QStringList erwartet = ZweiTage();
    erwartet.insert(3, "weiter");
    erwartet.insert(3, "unten");
    erwartet.insert(3, "oben");
    EXPECT_EQ(TeilnehmerZeilen("Beta"), erwartet);
    const QByteArray bytes = Lesen(Daten() + "Beta.dat");
    f.Button2->click();
    f.Speichern(true);
    f.Speichern(true);
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), bytes);
}

TEST_F(Integritaet, MisslungenesSpeichernBeendetDenBefehlUndBehaeltDieEingabe)
{
    TForm1 &f = MitBeta();
    Teilnehmerdatei("Gamma", ZweiTage());
    const QByteArray vorher = Lesen(Daten() + "Beta.dat");
    f.Edit5->setText("getippt");
    OhneSchreibrecht(Daten(), [&] {
        // Closing the participant: the error, and the participant stays.
        f.MenuDateiClose->trigger();
        EXPECT_EQ(f.Teilnehmer(), "Beta");
        EXPECT_EQ(f.Anmerkung(), "getippt");
        // Stepping on, and choosing another participant, stop likewise.
        f.Button1->click();
        EXPECT_EQ(f.AktNummer(), 1);
        f.MenuAktTeilnehmer->trigger();
        EXPECT_EQ(f.Teilnehmer(), "Beta");
        // A new day that cannot be written is not shown.
        protokoll.antworten << true;
        f.MenuAktNeuenTag->trigger();
        EXPECT_EQ(f.NummerText(), "Nummer: 1/2");
        // Ending the program asks; No keeps it open with the edit.
        protokoll.antworten << false;
        EXPECT_FALSE(f.close());
        EXPECT_EQ(f.Anmerkung(), "getippt");
    });
    ASSERT_GE(protokoll.meldungen.size(), 4);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(protokoll.meldungen[0].text.endsWith("Der Zugriff wurde verweigert (keine Berechtigung)."))
        << protokoll.meldungen[0].text.toStdString();
    EXPECT_EQ(protokoll.Texte().last(),
              "Die Änderungen an \"Beta\" konnten nicht gespeichert werden. Trotzdem beenden?");
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), vorher);
    // The next save tries again, and now it is written.
    protokoll.Leeren();
    f.Button1->click();
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Di.\vgetippt");
    EXPECT_EQ(f.AktNummer(), 2);
}

TEST_F(Integritaet, NichtGeschriebenerGeloeschterTagBleibtSichtbar)
{
    TForm1 &f = MitBeta();
    const QByteArray vorher = Lesen(Daten() + "Beta.dat");
    MitDateigrenze(10, [&] {
        protokoll.antworten << true;
        f.MenuAktTagLoeschen->trigger();
    });
    EXPECT_EQ(protokoll.meldungen.last().art, MeldungsArt::Fehler);
    EXPECT_EQ(f.NummerText(), "Nummer: 1/2");
    EXPECT_EQ(f.Anmerkung(), "erster");
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), vorher);
}

TEST_F(Integritaet, TrennerInDenInfosWirdNichtGespeichert)
{
    TForm1 &f = MitBeta();
    const QByteArray vorher = Lesen(Daten() + "Beta.dat");
    Einfuegen(f.RichEdit1, "eins\n" + Blocktrenner + "\nzwei\ndrei");
    f.Button1->click();
    ASSERT_FALSE(protokoll.meldungen.isEmpty());
    EXPECT_EQ(protokoll.meldungen.last().art, MeldungsArt::Fehler);
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), vorher);
    EXPECT_EQ(f.NummerText(), "Nummer: 1/2"); // the step did not happen
    EXPECT_TRUE(f.RichEdit1->toPlainText().contains("drei")); // the edit stays
}

TEST_F(Integritaet, AenderungDurchEinAnderesProgrammGehtNichtVerloren)
{
    TForm1 &f = MitBeta();
    f.Edit5->setText("von hier");
    QStringList fremd = ZweiTage();
    fremd[1] = "Di.\vvon dort";
    Teilnehmerdatei("Beta", fremd);
    // Nein: this copy goes beside the file, the other program's is shown.
    protokoll.antworten << false;
    f.Button1->click();
    EXPECT_TRUE(protokoll.Texte()[0].startsWith("Die Datei \"" + Daten() + "Beta.dat\" wurde inzwischen von einem "
                                                "anderen Programm geändert. Trotzdem überschreiben?"));
    EXPECT_TRUE(protokoll.Texte()[1].contains(Daten() + "Beta.dat.konflikt"));
    EXPECT_EQ(TeilnehmerZeilen("Beta"), fremd);
    EXPECT_TRUE(Lesen(Daten() + "Beta.dat.konflikt").contains("Di.\vvon hier"));
    // A second conflict keeps the first one's file.
    f.setAktNummer(1);
    f.Edit5->setText("noch einmal von hier");
    Teilnehmerdatei("Beta", ZweiTage());
    protokoll.antworten << false;
    f.Button1->click();
    EXPECT_TRUE(Lesen(Daten() + "Beta.dat.konflikt").contains("Di.\vvon hier"));
    EXPECT_TRUE(Lesen(Daten() + "Beta.dat.konflikt2").contains("Di.\vnoch einmal von hier"));
    // Ja: written as before.
    f.setAktNummer(1);
    f.Edit5->setText("doch von hier");
    Teilnehmerdatei("Beta", ZweiTage());
    protokoll.antworten << true;
    f.Button1->click();
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Di.\vdoch von hier");
}

TEST_F(Integritaet, NichtBestaetigterOrdnerSyncIstKeineFremdeAenderung)
{
    TForm1 &f = MitBeta();
    const QByteArray vorher = Lesen(Daten() + "Beta.dat");
    // The drive fails to sync the folder after the rename: the file holds
    // the edit, and the program knows it for its own.
    AufDatentraegerFestlegen([](int handle) {
        struct stat info {};
        return ::fstat(handle, &info) == 0 && S_ISDIR(info.st_mode) ? EIO : 0;
    });
    f.Edit5->setText("bearbeitet");
    f.Button1->click();
    AufDatentraegerFestlegen({});
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(protokoll.Texte()[0].startsWith("Der Datenträger hat nicht bestätigt, dass die Datei \"" + Daten()
                                                + "Beta.dat\" dauerhaft gespeichert ist."))
        << protokoll.Texte()[0].toStdString();
    EXPECT_EQ(f.NummerText(), "Nummer: 2/2"); // the step went on
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Di.\vbearbeitet");
    EXPECT_EQ(Lesen(Daten() + "Beta.dat.bak"), vorher);
    // No question about a change of its own; the backup copy keeps the
    // version before the edit until the next save.
    protokoll.Leeren();
    f.Button2->click();
    EXPECT_EQ(Lesen(Daten() + "Beta.dat.bak"), vorher);
    f.Edit5->setText("weiter");
    f.Button1->click();
    EXPECT_TRUE(protokoll.meldungen.isEmpty()) << protokoll.Texte().join(" | ").toStdString();
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Di.\vweiter");
}

TEST_F(Integritaet, VonAussenGeloeschterTeilnehmer)
{
    TForm1 &f = MitBeta();
    f.Edit5->setText("von hier");
    ASSERT_TRUE(QFile::remove(Daten() + "Beta.dat"));
    // Nein: the edit goes beside the vanished file, and the message says so.
    protokoll.antworten << false;
    f.Button1->click();
    ASSERT_EQ(protokoll.meldungen.size(), 2);
    EXPECT_EQ(protokoll.Texte()[0], "Die Datei \"" + Daten() + "Beta.dat\" wurde inzwischen von einem anderen Programm "
                                    "gelöscht. Trotzdem speichern?");
    EXPECT_EQ(protokoll.Texte()[1], "Ihre Änderungen wurden in der Datei \"" + Daten()
                                        + "Beta.dat.konflikt\" gespeichert.\r\nDie Datei \"" + Daten()
                                        + "Beta.dat\" gibt es nicht mehr; der Teilnehmer \"Beta\" wurde geschlossen.");
    EXPECT_TRUE(Lesen(Daten() + "Beta.dat.konflikt").contains("Di.\vvon hier"));
    EXPECT_FALSE(QFile::exists(Daten() + "Beta.dat"));
    EXPECT_EQ(f.Teilnehmer(), "");
    // Ja writes the participant anew.
    Teilnehmerdatei("Beta", ZweiTage());
    f.setDatFilename("Beta");
    f.Edit5->setText("wieder da");
    ASSERT_TRUE(QFile::remove(Daten() + "Beta.dat"));
    protokoll.antworten << true;
    f.Button1->click();
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Di.\vwieder da");
}

TEST_F(Integritaet, SonderbareDateien)
{
    Schreiben(Daten() + "Doppelt.dat", Fixture("doppelter-trenner.dat"));
    Schreiben(Daten() + "Ungueltig.dat", Fixture("latin1-byte-in-utf8.dat"));
    Schreiben(Daten() + "GROSS.DAT", Fixture("GROSS.DAT"));
    TForm1 &f = Starten();

    // A line holding the separator twice closes one day: every day the
    // status bar offers can be edited and saved.
    f.setDatFilename("Doppelt");
    EXPECT_EQ(f.NummerText(), "Nummer: 1/2");
    f.Button1->click();
    f.Edit5->setText("bearbeitet");
    f.Button2->click();
    EXPECT_TRUE(Lesen(Daten() + "Doppelt.dat").contains("zweiter\vbearbeitet"));

    // A byte that is no UTF-8 in a file with the mark is read as its
    // Windows-1252 character and repaired at the next save.
    f.setDatFilename("Ungueltig");
    EXPECT_EQ(f.Anmerkung(), "Käse");
    f.Speichern(true);
    EXPECT_EQ(TeilnehmerZeilen("Ungueltig")[1], "Mo., 4. März 2024\vKäse");

    // A file whose extension is spelled in capitals is listed, opened and
    // saved back to the same file.
    ListeWaehlen("GROSS");
    EXPECT_EQ(f.Teilnehmer(), "GROSS");
    EXPECT_EQ(f.Kommentar(), "vom Stick");
    f.Edit5->setText("neu");
    f.Speichern(false);
    EXPECT_TRUE(Lesen(Daten() + "GROSS.DAT").contains("\vneu"));
    EXPECT_FALSE(QFile::exists(Daten() + "GROSS.dat"));
}
