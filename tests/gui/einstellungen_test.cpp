#include "hauptfenster.h"

#include "records/bloecke.h"
#include "ui/programmschrift.h"
#include "util/ordner.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QSettings>

namespace {

QSettings Gespeichert()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk");
}

} // namespace

class Einstellungen : public Hauptfenster
{
};

TEST_F(Einstellungen, ErsterStartMitVorgaben)
{
    TForm1 &f = Starten();
    EXPECT_EQ(f.GewaehlterOrdner(), 2);
    EXPECT_TRUE(f.MenuEinstProgrammordner->isChecked());
    EXPECT_EQ(f.DatFilename(), Daten());
    EXPECT_TRUE(QDir(Daten()).exists());
    EXPECT_EQ(ProgrammSchrift().schrift.family(), "Arial");
    EXPECT_EQ(ProgrammSchrift().schrift.pointSize(), 12);
    EXPECT_EQ(ProgrammSchrift().farbe, 0xFF000008u);
    EXPECT_EQ(ProgrammSchrift().zeichensatz, 0);
    EXPECT_EQ(StilBits(ProgrammSchrift().schrift), 0);
    EXPECT_EQ(f.HintergrundNr(), 1);
    EXPECT_EQ(f.Teilnehmer(), "");

    // Ending without any participant removes the new, empty data folder.
    f.close();
    haupt.reset();
    EXPECT_FALSE(QDir(Daten()).exists());
    QSettings s = Gespeichert();
    EXPECT_EQ(s.value("AktOrdner").toInt(), 2);
    EXPECT_EQ(s.value("FontName").toString(), "Arial");
    EXPECT_EQ(s.value("FontColor").toLongLong(), qint32(0xFF000008));
    EXPECT_EQ(s.value("HintColor").toInt(), 1);
}

TEST_F(Einstellungen, GespeicherteWerteWerdenGeladen)
{
    Schreiben(Dokumente() + "Merkwerk/Beta.dat", Utf8Datei({"4b\v", "Mo.\v", "0", Blocktrenner}));
    {
        QSettings s = Gespeichert();
        s.setValue("AktOrdner", 1);
        s.setValue("Teilnehmer", "Beta");
        s.setValue("HintColor", 25);
        s.setValue("FontName", "DejaVu Sans");
        s.setValue("FontSize", "groß");
        s.setValue("FontColor", 0x00FF0000);
        s.setValue("FontCharSet", 238);
        s.setValue("FontStyle", 3);
    }
    TForm1 &f = Starten();
    EXPECT_EQ(f.GewaehlterOrdner(), 1);
    EXPECT_EQ(f.Teilnehmer(), "Beta");
    EXPECT_EQ(f.DatFilename(), Dokumente() + "Merkwerk/Beta.dat");
    EXPECT_EQ(f.HintergrundNr(), 0);
    EXPECT_EQ(ProgrammSchrift().schrift.family(), "DejaVu Sans");
    EXPECT_EQ(ProgrammSchrift().schrift.pointSize(), 12);
    EXPECT_EQ(SchriftFarbe(), QColor(0, 0, 255));
    EXPECT_EQ(ProgrammSchrift().zeichensatz, 238);
    EXPECT_TRUE(ProgrammSchrift().schrift.bold());
    EXPECT_TRUE(ProgrammSchrift().schrift.italic());
    EXPECT_FALSE(ProgrammSchrift().schrift.underline());
    EXPECT_EQ(f.Edit1->font().family(), "DejaVu Sans");

    // The end of the program saves the open participant and the settings.
    f.Edit3->setText("Montag");
    f.close();
    EXPECT_EQ(Lesen(Dokumente() + "Merkwerk/Beta.dat"), Utf8Datei({"4b\v", "Montag\v", "0", Blocktrenner}));
    QSettings s = Gespeichert();
    EXPECT_EQ(s.value("Teilnehmer").toString(), "Beta");
    EXPECT_EQ(s.value("FontStyle").toInt(), 3);
    EXPECT_EQ(s.value("HintColor").toInt(), 0);
    EXPECT_EQ(s.value("FontCharSet").toInt(), 238);
    StilBitsSetzen(ProgrammSchrift().schrift, 0);
}

TEST_F(Einstellungen, JederAndereOrdnerwertIstDerProgrammordner)
{
    for (int wert : {0, 3, -1, 2}) {
        Gespeichert().setValue("AktOrdner", wert);
        TForm1 &f = Starten();
        EXPECT_EQ(f.GewaehlterOrdner(), 2) << wert;
        EXPECT_EQ(f.DatFilename(), Daten());
        haupt.reset();
    }
}

TEST_F(Einstellungen, OrdnerwechselFragtBeiOffenemTeilnehmer)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", Blocktrenner});
    Gespeichert().setValue("Teilnehmer", "Beta");
    TForm1 &f = Starten();
    ASSERT_EQ(f.Teilnehmer(), "Beta");
    f.Edit5->setText("geändert");

    protokoll.antworten << false;
    f.MenuEinstEigeneDateien->trigger();
    EXPECT_EQ(f.Teilnehmer(), "Beta");
    EXPECT_TRUE(f.MenuEinstProgrammordner->isChecked());
    EXPECT_FALSE(f.MenuEinstEigeneDateien->isChecked());
    ASSERT_EQ(protokoll.meldungen.size(), 1);
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Frage);
    EXPECT_TRUE(protokoll.meldungen[0].text.startsWith(
        "Wenn der aktuelle Datenordner gewechselt werden soll, muss der geöffnete Teilnehmer "
        "geschlossen werden.\r\nSoll der aktuelle Teilnehmer"));

    protokoll.antworten << true << false;
    f.MenuEinstEigeneDateien->trigger();
    EXPECT_EQ(f.Teilnehmer(), "");
    EXPECT_TRUE(f.MenuEinstEigeneDateien->isChecked());
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Mo.\vgeändert");
    EXPECT_TRUE(QDir(Dokumente() + "Merkwerk").exists());
    // The same item again does nothing, not even the question.
    f.MenuEinstEigeneDateien->trigger();
    EXPECT_TRUE(f.MenuEinstEigeneDateien->isChecked());
}

TEST_F(Einstellungen, OrdnerwechselOhneTeilnehmerRaeumtLeerenOrdnerAuf)
{
    TForm1 &f = Starten();
    ASSERT_TRUE(QDir(Daten()).exists());
    protokoll.antworten << false;
    f.MenuEinstEigeneDateien->trigger();
    EXPECT_TRUE(protokoll.meldungen.last().text.startsWith(KeineTeilnehmer));
    EXPECT_FALSE(QDir(Daten()).exists());
    EXPECT_TRUE(QDir(Dokumente() + "Merkwerk").exists());
    EXPECT_EQ(f.DatFilename(), Dokumente() + "Merkwerk/");
}

TEST_F(Einstellungen, DatenordnerNichtAnlegbar)
{
    // A file where the program folder should be: no folder can go there.
    // The program folder is the stored choice (without one, the first start
    // would take the documents folder).
    Gespeichert().setValue("AktOrdner", 2);
    Schreiben(Ordner() + "keinordner", "");
    ProgrammordnerFestlegen(Ordner() + "keinordner");
    TForm1 &f = Starten(false);
    EXPECT_EQ(protokoll.Texte(),
              QStringList({QString("Der Ordner \"%1keinordner/Merkwerk/\" kann nicht angelegt werden!").arg(Ordner())}));
    EXPECT_EQ(protokoll.meldungen[0].art, MeldungsArt::Information);
    EXPECT_EQ(f.Teilnehmer(), "");
}
