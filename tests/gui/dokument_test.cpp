#include "hauptfenster.h"

#include "records/bloecke.h"
#include "ui/statusleiste.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

namespace {
const QString T = Blocktrenner;

QStringList DreiTage()
{
    return {"4b\vsitzt vorne", "Mi., 10. Dezember 2025\vSchularbeit", "2", "Rechnen S. 14", "Lesen S. 20", T,
            "Di., 9. Dezember 2025\v", "1", T, "Mo., 8. Dezember 2025\vkrank", "0", T};
}
} // namespace

class Dokument : public Hauptfenster
{
};

TEST_F(Dokument, OeffnetUndZeigtTage)
{
    Teilnehmerdatei("Beta", DreiTage());
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    EXPECT_EQ(f.windowTitle(), "Beta - Merkwerk V1.03");
    EXPECT_EQ(f.Klasse(), "4b");
    EXPECT_EQ(f.Kommentar(), "sitzt vorne");
    EXPECT_EQ(f.Datum(), "Mi., 10. Dezember 2025");
    EXPECT_EQ(f.Anmerkung(), "Schularbeit");
    EXPECT_EQ(f.Hausaufgabe(), 2);
    EXPECT_EQ(f.InfoText(), "Rechnen S. 14\nLesen S. 20");
    EXPECT_EQ(f.NummerText(), "Nummer: 1/3");
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_EQ(f.DatFilename(), Daten() + "Beta.dat");

    // Ctrl+Right in the date field steps on, and the focus stays there.
    Aktivieren();
    f.Edit3->setFocus();
    QTest::keyClick(f.Edit3, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.AktNummer(), 2);
    EXPECT_EQ(f.focusWidget(), f.Edit3);
    QTest::keyClick(f.Edit3, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(f.Edit3, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.AktNummer(), 3);
    EXPECT_EQ(f.Anmerkung(), "krank");
    EXPECT_FALSE(f.Button1->isEnabled());
    QTest::keyClick(f.Edit3, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(f.AktNummer(), 2);
    // Nothing was changed, so nothing was written.
    EXPECT_EQ(TeilnehmerZeilen("Beta"), DreiTage());
    EXPECT_FALSE(QFile::exists(Daten() + "Beta.dat.bak"));
}

TEST_F(Dokument, OhneDateiKeinTeilnehmer)
{
    TForm1 &f = Starten();
    f.setDatFilename("Niemand");
    EXPECT_EQ(f.windowTitle(), "KeinName - Merkwerk V1.03");
    EXPECT_EQ(f.NummerText(), "Nummer: 0/0");
    EXPECT_EQ(f.DatFilename(), Daten());
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_TRUE(f.Edit3->isReadOnly());
    EXPECT_TRUE(f.Edit5->isReadOnly());
    EXPECT_TRUE(f.RichEdit1->isReadOnly());
    EXPECT_FALSE(f.MenuAktNeuenTag->isEnabled());
    EXPECT_FALSE(f.MenuAktTagLoeschen->isEnabled());
    EXPECT_FALSE(f.MenuAktKommentare->isVisible());
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
    EXPECT_EQ(f.StatusText(), "Vorw.: Strg+Rechts; Rückw.: Strg+Links; Teilnehmerliste: Strg+T");
}

TEST_F(Dokument, GeaenderterTagWirdBeimVerlassenGeschrieben)
{
    QStringList zeilen = DreiTage();
    zeilen[0] = " 4b \v  sitzt vorne ";
    Teilnehmerdatei("Team 4.b", zeilen);
    TForm1 &f = Starten();
    f.setDatFilename("Team 4.b");
    EXPECT_EQ(f.windowTitle(), "Team 4.b - Merkwerk V1.03");
    // Saving without a change writes nothing.
    f.Speichern(false);
    EXPECT_FALSE(QFile::exists(Daten() + "Team 4.b.dat.bak"));
    f.RadioItems[1]->setChecked(true);
    f.Button1->click();
    QStringList erwartet = DreiTage();
    erwartet[2] = "1";
    EXPECT_EQ(TeilnehmerZeilen("Team 4.b"), erwartet);
    EXPECT_EQ(Lesen(Daten() + "Team 4.b.dat.bak"), Utf8Datei(zeilen));
    // A forced save without change rewrites the file and its backup copy.
    f.Speichern(true);
    EXPECT_EQ(Lesen(Daten() + "Team 4.b.dat.bak"), Utf8Datei(erwartet));
}

TEST_F(Dokument, DateiOhneTrennerIstEinTag)
{
    Schreiben(Daten() + "Eins.dat", "5a\vx\r\nMo., 4. M\xE4rz 2019\r\nnotiz");
    TForm1 &f = Starten();
    f.setDatFilename("Eins");
    EXPECT_EQ(f.NummerText(), "Nummer: 1/1");
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_EQ(f.Datum(), "Mo., 4. März 2019");
    f.Speichern(true);
    // Found in Windows-1252, written back in it, with the separator added.
    EXPECT_EQ(Lesen(Daten() + "Eins.dat"),
              "5a\vx\r\nMo., 4. M\xE4rz 2019\v\r\n0\r\n<--------------->\r\n");
}

TEST_F(Dokument, LeereDateiNimmtEintraegeAuf)
{
    Schreiben(Daten() + "Leer.dat", "");
    TForm1 &f = Starten();
    f.setDatFilename("Leer");
    EXPECT_EQ(f.NummerText(), "Nummer: 1/1");
    f.Edit3->setText("Heute");
    f.Speichern(false);
    f.setDatFilename("Leer");
    EXPECT_EQ(f.Datum(), "Heute");
}

TEST_F(Dokument, BreiterAbsatzWirdInAngezeigtenZeilenGeschrieben)
{
    Teilnehmerdatei("Beta", DreiTage());
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    const QString absatz = QString("Wort ").repeated(200).trimmed();
    f.RichEdit1->setPlainText(absatz + "\nzweiter");
    f.Button1->click();
    const QStringList zeilen = TeilnehmerZeilen("Beta");
    const int ende = zeilen.indexOf(T);
    ASSERT_GT(ende, 6);
    EXPECT_EQ(zeilen.mid(3, ende - 3).join("").remove(" "), QString(absatz + "zweiter").remove(" "));
    EXPECT_EQ(zeilen[ende - 1], "zweiter");
    f.Button2->click();
    EXPECT_GT(f.RichEdit1->document()->blockCount(), 2);
}

TEST_F(Dokument, SchreibfehlerWirdGemeldet)
{
    Teilnehmerdatei("Beta", DreiTage());
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    // A folder where the file should be makes the write fail (the program
    // first asks whether to overwrite what another program did there).
    QFile::remove(Daten() + "Beta.dat");
    QDir().mkpath(Daten() + "Beta.dat/x");
    protokoll.vorgaben["Die Datei"] = true;
    f.Speichern(true);
    protokoll.vorgaben.clear();
    protokoll.meldungen.removeFirst();
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(protokoll.meldungen[0].text.startsWith(
        QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(Daten() + "Beta.dat")));
}
