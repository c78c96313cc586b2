// The arrangement of the main window from the program font.

#include "haupt.h"

#include "ui/hauptgeometrie.h"
#include "ui/programmschrift.h"
#include "ui/rollflaeche.h"
#include "ui/schalterhoehe.h"
#include "ui/statusleiste.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QtMath>

namespace {

// Three lines of a text field in its font, with its frame and margins.
int DreiZeilen(const QTextEdit *feld)
{
    const int rand = 2 * (feld->frameWidth() + qCeil(feld->document()->documentMargin()));
    return 3 * feld->fontMetrics().lineSpacing() + rand;
}

} // namespace

void TForm1::CaptionZuweisen()
{
    Label1->setText(QStringLiteral("Name:"));
    Label2->setText(QStringLiteral("Klasse:"));
    Label3->setText(QStringLiteral("Datum:"));
    Label4->setText(QStringLiteral("Kommentar:"));
    Label5->setText(QStringLiteral("Anmerkung:"));
    LabelRe->setText(QStringLiteral("Infos:"));
    RadioGroup1->setTitle(QStringLiteral("Hausaufgabe"));
    const QStringList eintraege = {QStringLiteral("&Fehlt"), QStringLiteral("&Nein"), QStringLiteral("&Ja")};
    for (int n = 0; n < 3; ++n)
        RadioItems[n]->setText(eintraege[n]);
    RadioItems[0]->setChecked(true);
    Button1->setText(QStringLiteral("Vorwärts"));
    Button2->setText(QStringLiteral("Rückwärts"));
    Button3->setText(QStringLiteral("Teilnehmerliste..."));
}

void TForm1::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(centralWidget());
    SchalterEinrichten();
}

void TForm1::SchalterEinrichten()
{
    QLabel *labels[5] = {Label1, Label2, Label4, Label3, Label5};
    QLineEdit *edits[5] = {Edit1, Edit2, Edit4, Edit3, Edit5};
    HauptMasse m;
    m.editHoehe = SchalterHoehe(Edit1->font(), SchalterArt::Edit);
    m.knopfHoehe = SchalterHoehe(Button1->font(), SchalterArt::Knopf);
    m.statusHoehe = SchalterHoehe(StatusBar1->font(), SchalterArt::Statusleiste);
    m.labelHoehe = Zeilenhoehe(Label1->font());
    for (int n = 0; n < 5; ++n)
        m.labelBreiten[n] = LabelBreite(labels[n]->font(), labels[n]->text());
    m.labelBreiten[5] = LabelBreite(LabelRe->font(), LabelRe->text());
    m.knopfBreite = KnopfBreite({Button1, Button2, Button3}, 187);
    m.clientBreite = centralWidget()->width();
    m.clientHoehe = centralWidget()->height();
    m.infosMindestHoehe = DreiZeilen(RichEdit1);
    m.radioMindestBreite = RadioGroup1->minimumSizeHint().width();
    m.rollbalkenBreite = Rollbereich->verticalScrollBar()->sizeHint().width();
    m.statusTextBreite = StatusBar1->TextBreite(0);

    const HauptGeometrie g = HauptLayout(m);
    for (int n = 0; n < 5; ++n) {
        labels[n]->setGeometry(g.labels[n]);
        edits[n]->setGeometry(g.edits[n]);
    }
    RadioGroup1->setGeometry(g.radiogruppe);
    LabelRe->setGeometry(g.labelRe);
    RichEdit1->setGeometry(g.infos);
    Button1->setGeometry(g.vorwaerts);
    Button2->setGeometry(g.rueckwaerts);
    Button3->setGeometry(g.liste);
    Rollbereich->setGeometry(g.rollbereich);
    Rollbereich->widget()->resize(g.flaeche);
    StatusBar1->setGeometry(g.statusleiste);
    StatusBar1->Anordnen();
}

void TForm1::FensterEinrichten()
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    // The window always has the size of the work area and cannot be resized.
    const QRect arbeit = schirm->availableGeometry();
    const QSize rahmen = frameGeometry().size() - geometry().size();
    const QSize groesse = arbeit.size() - rahmen;
    if (size() != groesse)
        setFixedSize(groesse);
    if (pos() != arbeit.topLeft())
        move(arbeit.topLeft());
}
