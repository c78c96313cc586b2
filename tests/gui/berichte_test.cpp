#include "hauptfenster.h"

#include "dialogs/druckendlg.h"
#include "records/bloecke.h"
#include "ui/drucker.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
const QString T = Blocktrenner;

// A printer that prints into the PDF file `pdf`, known while `da` holds.
void DruckerInPdf(const QString &pdf, std::function<bool()> da = [] { return true; })
{
    DruckerFestlegen(std::move(da), [pdf](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
}

QString PdfText(const QString &pdf, const char *werkzeug = "pdftotext")
{
    QProcess p;
    p.start(werkzeug, {pdf, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class Berichte : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        Teilnehmerdatei("Beta", {"4b\vsitzt vorne", "Mi., 10. Dezember 2025\vSchularbeit", "2", "Rechnen S. 14",
                                 "Lesen S. 20", T, "Di., 9. Dezember 2025\v", "1", T});
        Starten().setDatFilename("Beta");
    }
    void TearDown() override
    {
        DruckerFestlegen({}, {});
        Hauptfenster::TearDown();
    }
};

TEST_F(Berichte, TextfensterZeigtUndSchliesstMitEsc)
{
    haupt->Edit5->setText("geändert");
    BeiDialog([](QWidget *dialog) {
        auto *text = qobject_cast<TDruckenForm *>(dialog);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->windowTitle(), "Aktueller Tag als Text");
        EXPECT_TRUE(text->Text().startsWith("Name: Beta\nKlasse: 4b\nKommentar: sitzt vorne\n\nNr.: 1\n"));
        EXPECT_TRUE(text->Text().contains("Anmerkung: geändert\n"));
        EXPECT_EQ(text->RichEdit1->textCursor().position(), 0);
        EXPECT_TRUE(text->Button1->isEnabled());
        // No text, no printing and saving; typing brings them back.
        text->RichEdit1->clear();
        text->RichEdit1Change();
        EXPECT_FALSE(text->Button1->isEnabled());
        EXPECT_FALSE(text->Button3->isEnabled());
        EXPECT_FALSE(text->PuReAllesMarkieren->isEnabled());
        EXPECT_FALSE(text->PuReDrucken->isEnabled());
        Tippen(text->RichEdit1, "x");
        EXPECT_TRUE(text->Button1->isEnabled());
        EXPECT_TRUE(text->PuReSpeichern->isEnabled());
        QTest::keyClick(text->RichEdit1, Qt::Key_Escape);
    });
    haupt->MenuDateiDruckenTag->trigger();
    EXPECT_FALSE(QApplication::activeModalWidget());
    // The report saved the shown day first.
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Mi., 10. Dezember 2025\vgeändert");
}

TEST_F(Berichte, ZweimalDruckenOhneUndMitDrucker)
{
    const QString pdf = Ordner() + "druck.pdf";
    QStringList titel;
    bool drucker = false;
    DruckerInPdf(pdf, [&] { return drucker; });
    int runde = 0;
    std::function<void(QWidget *)> drucken = [&](QWidget *dialog) {
        auto *text = qobject_cast<TDruckenForm *>(dialog);
        ++runde;
        if (runde == 1) {
            EXPECT_EQ(text->windowTitle(), "Hausaufgabenauswertung des aktuellen Teilnehmers");
        }
        if (runde == 3) {
            EXPECT_TRUE(text->Text().endsWith("zweite Runde"));
            text->Button2->click();
            return;
        }
        if (runde == 2) {
            drucker = true;
            text->RichEdit1->moveCursor(QTextCursor::End);
            Tippen(text->RichEdit1, "zweite Runde");
        }
        BeiDialog(drucken);
        text->Button1->click();
    };
    BeiDialog(drucken);
    Aktivieren();
    QTest::keyClick(haupt->RichEdit1, Qt::Key_F4);
    EXPECT_EQ(runde, 3);
    EXPECT_EQ(protokoll.Texte(), QStringList({"Es ist kein Drucker installiert!"}));
    const QString gedruckt = PdfText(pdf);
    EXPECT_TRUE(gedruckt.contains("Hausaufgaben gebracht (Ja): 1")) << gedruckt.toStdString();
    EXPECT_TRUE(gedruckt.contains("- Mi., 10. Dezember 2025 (Schularbeit)"));
    EXPECT_TRUE(gedruckt.contains("zweite Runde"));
    EXPECT_FALSE(gedruckt.contains("1/1"));
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(20000);
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("Drucke Teilnehmer \"Beta\""));
}

TEST_F(Berichte, SpeichernInDenDreiFormaten)
{
    const struct {
        QString filter;
        QString datei;
        QByteArray anfang;
    } faelle[] = {
        {"Rich Text Format (*.RTF)", "bericht", "{\\rtf1"},
        {"Textdokument (*.TXT)", "bericht.txt", "Name: Beta\r\n"},
        {"Unicode-Textdokument (*.TXT)", "unicode", "\xFF\xFEN\x00"},
        {"PDF-Dokument (*.PDF)", "bericht", "%PDF-"},
    };
    for (const auto &fall : faelle) {
        BeiDialog([&](QWidget *dialog) {
            auto *text = qobject_cast<TDruckenForm *>(dialog);
            BeiDialog([&](QWidget *speichern) {
                auto *datei = qobject_cast<QFileDialog *>(speichern);
                ASSERT_TRUE(datei);
                EXPECT_EQ(datei->nameFilters(), QStringList({"Rich Text Format (*.RTF)", "Textdokument (*.TXT)",
                                                             "Unicode-Textdokument (*.TXT)", "PDF-Dokument (*.PDF)"}));
                datei->setDirectory(Ordner());
                datei->selectNameFilter(fall.filter);
                emit datei->filterSelected(fall.filter);
                // selectFile() leaves a focused name field alone: type the name.
                datei->findChild<QLineEdit *>("fileNameEdit")->setText(fall.datei);
                QMetaObject::invokeMethod(datei, "accept");
            });
            text->Button3->click();
            EXPECT_TRUE(text->isVisible());
            text->Button2->click();
        });
        haupt->MenuAktTeilnehmerAnzeigen->trigger();
    }
    EXPECT_TRUE(Lesen(Ordner() + "bericht.RTF").startsWith("{\\rtf1"));
    EXPECT_TRUE(Lesen(Ordner() + "bericht.txt").startsWith("Name: Beta\r\n"));
    EXPECT_TRUE(Lesen(Ordner() + "bericht.txt").endsWith("<--------------->\r\n"));
    EXPECT_TRUE(Lesen(Ordner() + "unicode.TXT").startsWith(QByteArray("\xFF\xFEN\x00", 4)));
    // The PDF holds the text as printing lays it out.
    EXPECT_TRUE(Lesen(Ordner() + "bericht.PDF").startsWith("%PDF-"));
    const QString pdf = PdfText(Ordner() + "bericht.PDF");
    if (!pdf.isEmpty()) {
        EXPECT_TRUE(pdf.contains("Name: Beta")) << pdf.toStdString();
    }
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
}

TEST_F(Berichte, SpeichernNieInDieTeilnehmerdatei)
{
    // The name is refused before any question about overwriting; the
    // dialog stays open for another name.
    const QByteArray beta = Lesen(Daten() + "Beta.dat");
    bool offen = false;
    BeiDialog([&](QWidget *dialog) {
        auto *text = qobject_cast<TDruckenForm *>(dialog);
        BeiDialog([&](QWidget *speichern) {
            auto *datei = qobject_cast<QFileDialog *>(speichern);
            ASSERT_TRUE(datei);
            datei->setDirectory(Daten());
            datei->selectNameFilter("Textdokument (*.TXT)");
            emit datei->filterSelected("Textdokument (*.TXT)");
            auto *name = datei->findChild<QLineEdit *>("fileNameEdit");
            name->setText("Beta.dat");
            QMetaObject::invokeMethod(datei, "accept");
            offen = datei->isVisible();
            datei->setDirectory(Ordner());
            name->setText("bericht.txt");
            QMetaObject::invokeMethod(datei, "accept");
        });
        text->Button3->click();
        text->Button2->click();
    });
    haupt->MenuAktTeilnehmerAnzeigen->trigger();
    EXPECT_TRUE(offen);
    EXPECT_EQ(protokoll.Texte(),
              QStringList({QString("In die Datei \"%1Beta.dat\" wird nicht gespeichert. Im Ordner der Teilnehmerdateien "
                                   "gehören die Endungen .dat, .bak und .konflikt den Teilnehmern und ihren "
                                   "Sicherheitskopien. Bitte wählen Sie einen anderen Namen oder Ordner.")
                               .arg(Daten())}));
    EXPECT_EQ(Lesen(Daten() + "Beta.dat"), beta);
    EXPECT_TRUE(Lesen(Ordner() + "bericht.txt").startsWith("Name: Beta\r\n"));
}

TEST_F(Berichte, KommentarauswertungOhneKommentareMeldet)
{
    Teilnehmerdatei("alpha", {"3a\vbraucht Brille", T});
    haupt->setKommentar("neuer Kommentar");
    BeiDialog([](QWidget *dialog) {
        auto *text = qobject_cast<TDruckenForm *>(dialog);
        EXPECT_EQ(text->Text(), "1.: alpha (3a): \"braucht Brille\"\n2.: Beta (4b): \"neuer Kommentar\"\n");
        text->Button2->click();
    });
    haupt->MenuAktKommentare->setVisible(true); // the item is hidden in the menus
    haupt->MenuAktKommentare->trigger();
    haupt->setDatFilename(QString());
    QFile::remove(Daten() + "alpha.dat");
    Teilnehmerdatei("Beta", {"4b\v", T}); // files, but none with a comment
    haupt->MenuAktKommentare->trigger();
    haupt->MenuAktKommentare->setVisible(false);
    EXPECT_EQ(protokoll.Texte(), QStringList({"Es sind keine Teilnehmerdateien vorhanden!"}));
}

TEST_F(Berichte, PdfUndDruckHabenDieselbenSeiten)
{
    QStringList zeilen = {"4b\v"};
    for (int n = 1; n <= 120; ++n)
        zeilen << QString("Mo., %1. März 2024\vTag %1").arg(n) << "2" << QString("Zeile %1").arg(n) << T;
    Teilnehmerdatei("Lang", zeilen);
    haupt->setDatFilename("Lang");
    const QString druck = Ordner() + "druck.pdf";
    DruckerInPdf(druck);
    int runde = 0;
    std::function<void(QWidget *)> fenster = [&](QWidget *dialog) {
        auto *text = qobject_cast<TDruckenForm *>(dialog);
        if (++runde == 2) {
            text->Button2->click();
            return;
        }
        BeiDialog([&](QWidget *speichern) {
            auto *datei = qobject_cast<QFileDialog *>(speichern);
            datei->setDirectory(Ordner());
            datei->selectNameFilter("PDF-Dokument (*.PDF)");
            emit datei->filterSelected("PDF-Dokument (*.PDF)");
            datei->findChild<QLineEdit *>("fileNameEdit")->setText("bericht");
            QMetaObject::invokeMethod(datei, "accept");
        });
        text->Button3->click();
        BeiDialog(fenster);
        text->Button1->click();
    };
    BeiDialog(fenster);
    haupt->MenuAktTeilnehmerAnzeigen->trigger();
    // The first line of every page, on paper and in the PDF.
    const auto anfaenge = [](const QString &pdf) {
        QStringList erste;
        for (const QString &seite : PdfText(pdf).split('\f', Qt::SkipEmptyParts))
            erste << seite.trimmed().section('\n', 0, 0);
        return erste;
    };
    const QStringList gedruckt = anfaenge(druck);
    EXPECT_GT(gedruckt.size(), 5);
    EXPECT_EQ(anfaenge(Ordner() + "bericht.PDF"), gedruckt);
}
