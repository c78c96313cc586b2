// "Ganze Klasse ändern...": the dialog driven by keys, the question, the
// open participant saved first and shown again, the report of a failure.

#include "hauptfenster.h"

#include "dialogs/klassewechselndlg.h"
#include "records/bloecke.h"
#include "util/dateisync.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

#include <cerrno>
#include <sys/stat.h>

namespace {
const QString T = Blocktrenner;
} // namespace

class Klassenwechsel : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        Teilnehmerdatei("Beta", {"7c\vsitzt vorne", "Mi.\v", "2", T, "Di.\valt", "1", "Heft", T, "Mo.\v", "0", T});
        Teilnehmerdatei("Anna", {" 7c \vliest", "Mo.\v", "0", T});
        Teilnehmerdatei("Cäsar", {"7d\v", "Mo.\v", "0", T});
        Schreiben(Daten() + "Leer.dat", "");
    }

    // Opens the command; `aktion` acts on its dialog.
    void Waehlen(std::function<void(TKlasseWechselnForm *)> aktion)
    {
        BeiDialog([aktion](QWidget *dialog) {
            auto *form = qobject_cast<TKlasseWechselnForm *>(dialog);
            ASSERT_TRUE(form);
            // Typing goes where the focus is once the dialog has it.
            ASSERT_TRUE(Warten([form] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == form; }));
            aktion(form);
        });
        Aktivieren();
        haupt->MenuBearbGanzeKlasse->trigger();
    }

    // Types the new class into the focused field and confirms with Enter.
    static void NeueKlasseTippen(TKlasseWechselnForm *form, const QString &klasse)
    {
        EXPECT_EQ(QApplication::focusWidget(), form->FeldNeueKlasse);
        Tippen(form->FeldNeueKlasse, klasse);
        EXPECT_TRUE(form->KnopfOk->isEnabled());
        QTest::keyClick(form->FeldNeueKlasse, Qt::Key_Return);
    }
};

TEST_F(Klassenwechsel, MitDerTastaturUndDerOffeneTeilnehmerFolgt)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    f.setAktNummer(2);
    f.Edit5->setText("neu gemerkt");
    f.SortierKlasse = "7C";
    // Right after the class change of one participant.
    const QList<QAction *> eintraege = f.MenuBearb->actions();
    EXPECT_EQ(eintraege.indexOf(f.MenuBearbGanzeKlasse), eintraege.indexOf(f.MenuBearbAendern) + 1);
    EXPECT_EQ(f.MenuBearbGanzeKlasse->text(), "Ganze &Klasse ändern...");
    protokoll.antworten << true;
    Waehlen([](TKlasseWechselnForm *form) {
        EXPECT_EQ(form->windowTitle(), "Ganze Klasse ändern");
        // Every class once, none empty; the list's filter is chosen.
        QStringList klassen;
        for (int n = 0; n < form->AuswahlBisherigeKlasse->count(); ++n)
            klassen << form->AuswahlBisherigeKlasse->itemText(n);
        EXPECT_EQ(klassen, QStringList({"7c", "7d"}));
        EXPECT_EQ(form->BisherigeKlasse(), "7c");
        EXPECT_FALSE(form->KnopfOk->isEnabled());
        // Alt+B reaches the choice, Alt+N the field again.
        QTest::keyClick(form, Qt::Key_B, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), form->AuswahlBisherigeKlasse);
        QTest::keyClick(form, Qt::Key_N, Qt::AltModifier);
        // The old class itself is no change.
        Tippen(form->FeldNeueKlasse, "7c");
        EXPECT_FALSE(form->KnopfOk->isEnabled());
        form->FeldNeueKlasse->clear();
        NeueKlasseTippen(form, " 8c ");
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({"Soll die Klasse \"7c\" bei 2 Teilnehmern in \"8c\" geändert werden?",
                                              "Die Klasse \"7c\" wurde bei 2 Teilnehmern in \"8c\" geändert!"}));
    // The edit reached the file before the class did; nothing else changed.
    EXPECT_EQ(TeilnehmerZeilen("Beta"), QStringList({"8c\vsitzt vorne", "Mi.\v", "2", T, "Di.\vneu gemerkt", "1",
                                                     "Heft", T, "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Daten() + "Anna.dat"), Utf8Datei({"8c\vliest", "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Daten() + "Cäsar.dat"), Utf8Datei({"7d\v", "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Daten() + "Leer.dat"), "");
    // The open participant as its file is now, on the same day; the list follows the class.
    EXPECT_EQ(f.Teilnehmer(), "Beta");
    EXPECT_EQ(f.Klasse(), "8c");
    EXPECT_EQ(f.AktNummer(), 2);
    EXPECT_EQ(f.Anmerkung(), "neu gemerkt");
    EXPECT_FALSE(f.Geaendert());
    EXPECT_EQ(f.SortierKlasse, "8c");
}

TEST_F(Klassenwechsel, NeinIstDieVorgabeUndAendertNichts)
{
    TForm1 &f = Starten();
    f.setDatFilename("Cäsar");
    f.SortierKlasse = "7d";
    const QByteArray beta = Lesen(Daten() + "Beta.dat");
    protokoll.antworten << false;
    Waehlen([](TKlasseWechselnForm *form) {
        EXPECT_EQ(form->BisherigeKlasse(), "7d");
        form->AuswahlBisherigeKlasse->setCurrentIndex(0);
        NeueKlasseTippen(form, "8c");
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({"Soll die Klasse \"7c\" bei 2 Teilnehmern in \"8c\" geändert werden?"}));
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), beta);
    EXPECT_FALSE(QFile::exists(Daten() + "Beta.dat.bak"));
    EXPECT_EQ(f.SortierKlasse, "7d");

    // Cancelling the dialog asks nothing.
    protokoll.Leeren();
    f.SortierKlasse.clear();
    Waehlen([](TKlasseWechselnForm *form) {
        // Without a filter of the list, the open participant's class.
        EXPECT_EQ(form->BisherigeKlasse(), "7d");
        QTest::keyClick(form, Qt::Key_Escape);
    });
    EXPECT_TRUE(protokoll.Texte().isEmpty());
}

TEST_F(Klassenwechsel, OhneSpeichernKeinWechsel)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    // An edit the file cannot take stops the command before its dialog.
    f.RichEdit1->setPlainText("Zeile mit " + T);
    QPointer<QTimer> abbrecher = AbbrechenWennDialog();
    f.MenuBearbGanzeKlasse->trigger();
    delete abbrecher;
    EXPECT_EQ(f.KlasseWechselnForm, nullptr);
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(TeilnehmerZeilen("Beta")[0], "7c\vsitzt vorne");
    f.RichEdit1->clear(); // nothing left to save at the end
}

TEST_F(Klassenwechsel, FehlschlagNenntDieDateiUndEinZweiterLaufVollendet)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    // Beta is read-only: as when it is opened, it is made writable and done.
    QFile::setPermissions(Daten() + "Beta.dat", QFileDevice::ReadOwner);
    // Anna's file cannot be brought onto the drive.
    // Known by its size: the temporary file is open for writing only.
    const qint64 anna = Utf8Datei({"8c\vliest", "Mo.\v", "0", T}).size();
    AufDatentraegerFestlegen([anna](int handle) {
        struct stat info {};
        return ::fstat(handle, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == anna ? ENOSPC : 0;
    });
    protokoll.antworten << true;
    Waehlen([](TKlasseWechselnForm *form) { NeueKlasseTippen(form, "8c"); });
    AufDatentraegerFestlegen({});
    ASSERT_EQ(protokoll.meldungen.size(), 2);
    EXPECT_EQ(protokoll.meldungen[1].art, MeldungsArt::Fehler);
    EXPECT_EQ(protokoll.meldungen[1].text,
              QStringLiteral("Die Klasse \"7c\" wurde bei 1 von 2 Teilnehmern in \"8c\" geändert.\r\n"
                             "Nicht geändert werden konnten:\r\n"
                             "  Datei \"%1\" kann nicht erstellt werden. Auf dem Datenträger ist nicht genügend Platz "
                             "frei.\r\n"
                             "Wählen Sie \"Ganze Klasse ändern...\" noch einmal mit der Klasse \"7c\", dann werden die "
                             "übrigen Teilnehmer geändert.")
                  .arg(Daten() + "Anna.dat"));
    EXPECT_EQ(TeilnehmerZeilen("Beta")[0], "8c\vsitzt vorne");
    EXPECT_EQ(TeilnehmerZeilen("Anna")[0], " 7c \vliest");
    EXPECT_EQ(f.Klasse(), "8c");

    // Again: the class is offered still, for Anna, and she is done.
    protokoll.Leeren();
    protokoll.antworten << true;
    Waehlen([](TKlasseWechselnForm *form) {
        // The open participant's class comes first now.
        EXPECT_EQ(form->BisherigeKlasse(), "8c");
        form->AuswahlBisherigeKlasse->setCurrentIndex(form->AuswahlBisherigeKlasse->findText("7c"));
        NeueKlasseTippen(form, "8c");
    });
    EXPECT_EQ(protokoll.Texte(), QStringList({"Soll die Klasse \"7c\" bei 1 Teilnehmern in \"8c\" geändert werden?",
                                              "Die Klasse \"7c\" wurde bei 1 Teilnehmern in \"8c\" geändert!"}));
    EXPECT_EQ(TeilnehmerZeilen("Anna")[0], "8c\vliest");
}
