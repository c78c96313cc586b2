#include "hauptfenster.h"

#include "records/bloecke.h"

#include <QLineEdit>
#include <QMenu>

namespace {
const QString T = Blocktrenner;
} // namespace

class Teilnehmerwechsel : public Hauptfenster
{
protected:
    // Class 5a in German order: adam, Ärger, Berta, (Leer, an empty file,
    // passes every filter), Zeta; Carl is in 6b.
    TForm1 &MitKlassen()
    {
        Teilnehmerdatei("Zeta", {"5a\v", "Mo.\vz", "0", T});
        Teilnehmerdatei("Ärger", {" 5A \v", "Mo.\vä", "1", T});
        Teilnehmerdatei("Berta", {"5a\v", "Mo.\vb", "2", T});
        Teilnehmerdatei("adam", {"5a\v", "Mo.\va", "1", T});
        Teilnehmerdatei("Carl", {"6b\v", "Mo.\vc", "1", T});
        Schreiben(Daten() + "Leer.dat", "");
        return Starten();
    }

    // Ctrl+PgDown (1) or Ctrl+PgUp (-1) typed in the remark field, which
    // must not take the key for itself.
    void Wechseln(int schritt)
    {
        Aktivieren(); // shortcuts reach only the active window
        haupt->Edit5->setFocus();
        QTest::keyClick(haupt->Edit5, schritt > 0 ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
    }

    QStringList Folge(int schritt, int mal)
    {
        QStringList namen;
        for (int n = 0; n < mal; ++n) {
            Wechseln(schritt);
            namen << haupt->Teilnehmer();
        }
        return namen;
    }
};

TEST_F(Teilnehmerwechsel, MenuEintraegeUnterDerTeilnehmerliste)
{
    TForm1 &f = MitKlassen();
    const QList<QAction *> eintraege = f.MenuAkt->actions();
    const qsizetype liste = eintraege.indexOf(f.MenuAktTeilnehmer);
    ASSERT_GE(liste, 0);
    EXPECT_EQ(eintraege.value(liste + 1), f.MenuAktNaechster);
    EXPECT_EQ(eintraege.value(liste + 2), f.MenuAktVorheriger);
    EXPECT_EQ(f.MenuAktNaechster->text(), "Nä&chster Teilnehmer");
    EXPECT_EQ(f.MenuAktVorheriger->text(), "Vor&heriger Teilnehmer");
    EXPECT_EQ(f.MenuAktNaechster->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EXPECT_EQ(f.MenuAktVorheriger->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    // Only while a participant is open.
    EXPECT_FALSE(f.MenuAktNaechster->isEnabled());
    EXPECT_FALSE(f.MenuAktVorheriger->isEnabled());
    f.setDatFilename("Berta");
    EXPECT_TRUE(f.MenuAktNaechster->isEnabled());
    EXPECT_TRUE(f.MenuAktVorheriger->isEnabled());
}

TEST_F(Teilnehmerwechsel, FolgtDerListeUnterIhremKlassenfilterBisZuDenEnden)
{
    TForm1 &f = MitKlassen();
    f.SortierKlasse = "5A";
    f.setDatFilename("adam");
    EXPECT_EQ(Folge(1, 5), QStringList({"Ärger", "Berta", "Leer", "Zeta", "Zeta"}));
    EXPECT_EQ(gespielteToene, QStringList({"default"}));
    EXPECT_EQ(Folge(-1, 5), QStringList({"Leer", "Berta", "Ärger", "adam", "adam"}));
    EXPECT_EQ(gespielteToene, QStringList({"default", "default"}));
    EXPECT_EQ(f.Klasse(), "5a");
    EXPECT_EQ(f.Anmerkung(), "a");
    EXPECT_TRUE(protokoll.meldungen.isEmpty());

    // A participant of another class steps from where it would stand.
    f.setDatFilename("Carl");
    Wechseln(1);
    EXPECT_EQ(f.Teilnehmer(), "Leer");
    f.setDatFilename("Carl");
    Wechseln(-1);
    EXPECT_EQ(f.Teilnehmer(), "Berta");

    // Without a filter every participant is in the order.
    f.SortierKlasse.clear();
    f.setDatFilename("Berta");
    EXPECT_EQ(Folge(1, 2), QStringList({"Carl", "Leer"}));
}

TEST_F(Teilnehmerwechsel, SpeichertDenGezeigtenTag)
{
    TForm1 &f = MitKlassen();
    f.setDatFilename("Berta");
    f.Edit5->setText("gemerkt");
    Wechseln(-1);
    EXPECT_EQ(f.Teilnehmer(), "Ärger");
    EXPECT_EQ(TeilnehmerZeilen("Berta")[1], "Mo.\vgemerkt");
}

TEST_F(Teilnehmerwechsel, MisslungenesSpeichernBleibtBeimTeilnehmer)
{
    TForm1 &f = MitKlassen();
    f.setDatFilename("Berta");
    const QByteArray vorher = Lesen(Daten() + "Berta.dat");
    f.Edit5->setText("getippt");
    OhneSchreibrecht(Daten(), [&] {
        Wechseln(1);
        EXPECT_EQ(f.Teilnehmer(), "Berta");
        Wechseln(-1);
        EXPECT_EQ(f.Teilnehmer(), "Berta");
    });
    EXPECT_EQ(f.Anmerkung(), "getippt");
    EXPECT_EQ(Lesen(Daten() + "Berta.dat"), vorher);
    ASSERT_EQ(protokoll.meldungen.size(), 2);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(gespielteToene.isEmpty());
    // Writable again: the day is saved and the step made.
    Wechseln(1);
    EXPECT_EQ(f.Teilnehmer(), "Carl");
    EXPECT_EQ(TeilnehmerZeilen("Berta")[1], "Mo.\vgetippt");
}
