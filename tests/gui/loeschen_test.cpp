// Erasing a pupil completely, and the copies left behind by deletions.

#include "hauptfenster.h"

#include "dialogs/verwaistdlg.h"
#include "records/bloecke.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

class Loeschen : public Hauptfenster
{
protected:
    QStringList Dateien() const
    {
        QStringList dateien = QDir(Daten()).entryList(QDir::Files | QDir::Hidden);
        dateien.sort();
        return dateien;
    }
};

TEST_F(Loeschen, EndgueltigNachDreiFragenMitAllenKopien)
{
    // A name with signs that mean something in a pattern.
    Teilnehmerdatei("Beta (2)", {"4b\v", "Mo.\v", "0", Blocktrenner});
    for (const char *datei : {"Beta (2).dat.bak", "Beta (2).dat.konflikt", "Beta (2).dat.konflikt2",
                              ".Beta (2).dat.k3j9x", "Beta (2)x.dat.bak", "Beta (22).dat.bak", "Gamma.dat",
                              "Gamma.dat.bak"})
        Schreiben(Daten() + datei, "x");
    TForm1 &f = Starten();
    f.setDatFilename("Beta (2)");
    ASSERT_TRUE(f.MenuBearbEndgueltigLoeschen->isEnabled());
    EXPECT_EQ(f.MenuBearb->actions().indexOf(f.MenuBearbEndgueltigLoeschen),
              f.MenuBearb->actions().indexOf(f.MenuAktTeilnehmerLoeschen) + 1);

    // No to the third question: nothing goes.
    const QStringList vorher = Dateien();
    protokoll.antworten << true << true << false;
    f.MenuBearbEndgueltigLoeschen->trigger();
    EXPECT_EQ(Dateien(), vorher);
    EXPECT_EQ(f.Teilnehmer(), "Beta (2)");
    const QStringList fragen = protokoll.Texte();
    ASSERT_EQ(fragen.size(), 3);
    EXPECT_EQ(fragen[0], "Soll der Teilnehmer \"Beta (2)\" gelöscht werden?");
    EXPECT_EQ(fragen[1], "Soll der Teilnehmer \"Beta (2)\" wirklich vollständig gelöscht werden?");
    EXPECT_EQ(fragen[2], "Diese Dateien werden endgültig gelöscht und lassen sich nicht wiederherstellen:\r\n"
                         "  Beta (2).dat\r\n  .Beta (2).dat.k3j9x\r\n  Beta (2).dat.bak\r\n  Beta (2).dat.konflikt\r\n"
                         "  Beta (2).dat.konflikt2\r\nSollen sie jetzt gelöscht werden?");

    protokoll.Leeren();
    f.Edit5->setText("verworfen");
    protokoll.antworten << true << true << true;
    f.MenuBearbEndgueltigLoeschen->trigger();
    EXPECT_EQ(Dateien(), QStringList({"Beta (2)x.dat.bak", "Beta (22).dat.bak", "Gamma.dat", "Gamma.dat.bak"}));
    EXPECT_EQ(f.Teilnehmer(), "");
    EXPECT_FALSE(f.MenuBearbEndgueltigLoeschen->isEnabled());
    ASSERT_EQ(protokoll.meldungen.size(), 4);
    EXPECT_EQ(protokoll.meldungen[3].art, MeldungsArt::Information);
    EXPECT_TRUE(protokoll.meldungen[3].text.startsWith("Der Teilnehmer \"Beta (2)\" wurde endgültig gelöscht!\r\n"
                                                       "Gelöscht:\r\n  Beta (2).dat\r\n"));
}

TEST_F(Loeschen, VerwaisteSicherheitskopienMitDatumWaehlenUndLoeschen)
{
    Teilnehmerdatei("Gamma", {"4b\v", Blocktrenner});
    for (const char *datei : {"Gamma.dat.bak", "Alt.dat.bak", "Weg.DAT.konflikt2", "Notiz.txt.bak"})
        Schreiben(Daten() + datei, "x");
    QFile alt(Daten() + "Alt.dat.bak");
    ASSERT_TRUE(alt.open(QIODevice::ReadWrite));
    ASSERT_TRUE(alt.setFileTime(QDateTime(QDate(2023, 9, 14), QTime(7, 45)), QFileDevice::FileModificationTime));
    alt.close();
    TForm1 &f = Starten();
    BeiDialog([this](QWidget *dialog) {
        auto *verwaist = qobject_cast<TVerwaistForm *>(dialog);
        ASSERT_TRUE(verwaist);
        const QStringList eintraege = Eintraege(verwaist->ListeKopien);
        ASSERT_EQ(eintraege.size(), 2);
        EXPECT_EQ(eintraege[0], "Alt.dat.bak – geändert am 14.09.2023 um 07:45 Uhr");
        EXPECT_TRUE(eintraege[1].startsWith("Weg.DAT.konflikt2 – geändert am ")) << eintraege[1].toStdString();
        // Nothing chosen: a notice, nothing deleted.
        verwaist->KnopfLoeschen->click();
        verwaist->ListeKopien->item(0)->setCheckState(Qt::Checked);
        protokoll.antworten << true;
        verwaist->KnopfLoeschen->click();
        EXPECT_EQ(Eintraege(verwaist->ListeKopien).size(), 1);
        protokoll.antworten << true;
        verwaist->KnopfAlle->click();
        verwaist->KnopfLoeschen->click();
        EXPECT_FALSE(verwaist->isVisible()); // nothing left to show
    });
    f.MenuSicherungVerwaist->trigger();
    const QStringList texte = protokoll.Texte();
    ASSERT_EQ(texte.size(), 5);
    EXPECT_TRUE(texte[0].startsWith("Bitte wählen Sie zuerst"));
    EXPECT_EQ(texte[1], "Sollen diese Sicherheitskopien endgültig gelöscht werden?\r\n  Alt.dat.bak");
    EXPECT_EQ(texte[2], "Gelöscht:\r\n  Alt.dat.bak");
    EXPECT_EQ(texte[4], "Gelöscht:\r\n  Weg.DAT.konflikt2");
    EXPECT_EQ(QDir(Daten()).entryList(QDir::Files), QStringList({"Gamma.dat", "Gamma.dat.bak", "Notiz.txt.bak"}));

    protokoll.Leeren();
    f.MenuSicherungVerwaist->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList{"Im Datenordner gibt es keine verwaisten Sicherheitskopien."});
}
