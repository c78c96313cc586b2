// Large print: the status bar shows its texts, and at 40 pt on a small
// screen every control stays reachable and the info field keeps three lines.

#include "hauptfenster.h"

#include "records/bloecke.h"
#include "ui/programmschrift.h"
#include "ui/statusleiste.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

class GrosseSchrift : public Hauptfenster
{
protected:
    void TearDown() override
    {
        ProgrammSchrift().schrift = QFont("Arial", 12);
        Hauptfenster::TearDown();
    }

    void Schrift(int punkte, bool fett = false)
    {
        ProgrammSchrift().schrift.setPointSize(punkte);
        ProgrammSchrift().schrift.setBold(fett);
        haupt->SchriftartZuweisen();
        QApplication::processEvents();
    }

    QList<QLabel *> Panels() const
    {
        return haupt->StatusBar1->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    }

    // Every control on the scrolled surface, in tab order where it has one.
    QList<QWidget *> Schalter() const
    {
        TForm1 &f = *haupt;
        return {f.Label1, f.Edit1, f.Label2,   f.Edit2,     f.Label4,  f.Edit4,  f.Label3, f.Edit3,
                f.Label5, f.Edit5, f.RadioGroup1, f.LabelRe, f.RichEdit1, f.Button1, f.Button2, f.Button3};
    }
};

TEST_F(GrosseSchrift, StatusPanelIstSoBreitWieSeinText)
{
    QStringList zeilen = {"4b\v"};
    for (int n = 0; n < 1234; ++n)
        zeilen << "Mo.\v" << "0" << Blocktrenner;
    Teilnehmerdatei("Beta", zeilen);
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    f.setAktNummer(5);
    for (const int punkte : {12, 20, 28, 40}) {
        Schrift(punkte);
        const QList<QLabel *> panels = Panels();
        ASSERT_EQ(panels.size(), 2);
        EXPECT_EQ(f.NummerText(), "Nummer: 5/1.234");
        EXPECT_EQ(panels[0]->text(), "Nummer: 5/1.234") << punkte;
        const int platz = panels[0]->contentsRect().width() - panels[0]->indent();
        EXPECT_GE(platz, panels[0]->fontMetrics().horizontalAdvance("Nummer: 5/1.234")) << punkte;
        EXPECT_GE(panels[0]->width(), f.StatusBar1->width() / 5);
        EXPECT_EQ(panels[0]->width() + panels[1]->width(), f.StatusBar1->width());
        // The shortcut text: whole, or where the screen is too narrow, ended
        // with "…" and whole in the tool tip.
        const QString kuerzel = f.StatusText();
        if (panels[1]->text() != kuerzel) {
            EXPECT_TRUE(panels[1]->text().endsWith(QChar(0x2026))) << panels[1]->text().toStdString();
            EXPECT_EQ(panels[1]->toolTip(), kuerzel);
        }
    }
    // Back at 12 pt the window's rule holds: a fifth of the bar.
    Schrift(12);
    EXPECT_EQ(Panels()[0]->width(), f.StatusBar1->width() / 5);
    EXPECT_EQ(Panels()[1]->text(), f.StatusText());
}

TEST_F(GrosseSchrift, Bei40PunktBleibtJederSchalterErreichbar)
{
    Teilnehmerdatei("Beta", {"4b\vsitzt vorne", "Mo.\v", "0", "Rechnen", Blocktrenner});
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    Schrift(40, true);

    QWidget *flaeche = f.RichEdit1->parentWidget();
    auto *rollbereich = f.findChild<QScrollArea *>();
    ASSERT_TRUE(rollbereich);
    ASSERT_EQ(rollbereich->widget(), flaeche);
    // The info field keeps three lines.
    EXPECT_GE(f.RichEdit1->height(), 3 * f.RichEdit1->fontMetrics().lineSpacing());
    // The radio group shows its caption whole.
    EXPECT_GE(f.RadioGroup1->width(), f.RadioGroup1->minimumSizeHint().width());
    // Every control lies on the surface, none over another.
    const QList<QWidget *> schalter = Schalter();
    for (int i = 0; i < schalter.size(); ++i) {
        const QRect a = schalter[i]->geometry();
        EXPECT_TRUE(flaeche->rect().contains(a)) << schalter[i]->objectName().toStdString();
        for (int j = i + 1; j < schalter.size(); ++j)
            EXPECT_FALSE(a.intersects(schalter[j]->geometry()))
                << i << " " << j << " " << schalter[j]->objectName().toStdString();
    }
    // The surface scrolls above the status bar, which stays at the bottom.
    EXPECT_GT(flaeche->height(), rollbereich->viewport()->height());
    EXPECT_LE(rollbereich->geometry().bottom(), f.StatusBar1->geometry().top());
    EXPECT_EQ(f.StatusBar1->geometry().bottom(), f.centralWidget()->height() - 1);
    EXPECT_EQ(Panels()[0]->text(), f.NummerText());

    // Tabbing through the window scrolls each control into view.
    Aktivieren();
    f.Edit1->setFocus();
    QList<QWidget *> besucht;
    for (int n = 0; n < 20 && QApplication::focusWidget() != f.Button3; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *fokus = QApplication::focusWidget();
        ASSERT_TRUE(fokus);
        besucht << fokus;
        const QRect sichtbar(flaeche->mapTo(rollbereich->viewport(), fokus->pos()), fokus->size());
        EXPECT_TRUE(rollbereich->viewport()->rect().contains(sichtbar)) << fokus->objectName().toStdString();
    }
    EXPECT_TRUE(besucht.contains(f.Button3));
}

TEST_F(GrosseSchrift, NormaleSchriftRolltNicht)
{
    TForm1 &f = Starten();
    auto *rollbereich = f.findChild<QScrollArea *>();
    ASSERT_TRUE(rollbereich);
    EXPECT_EQ(rollbereich->widget()->size(), rollbereich->size());
    EXPECT_FALSE(rollbereich->verticalScrollBar()->isVisible());
    EXPECT_FALSE(rollbereich->horizontalScrollBar()->isVisible());
    EXPECT_EQ(rollbereich->geometry().bottom() + 1, f.StatusBar1->geometry().top());
}
