#include "hintergrunddlg.h"

#include "platzierung.h"
#include "programmschrift.h"
#include "schalterhoehe.h"

#include <QListWidget>
#include <QPushButton>

THintergrundForm::THintergrundForm(QWidget *eltern, int btnWidth, int rand)
    : QDialog(eltern), FBtnWidth(btnWidth), FRand(rand)
{
    setObjectName(QStringLiteral("HintergrundForm"));
    ListBox1 = new QListWidget(this);
    ListBox1->setAccessibleName(QStringLiteral("Farben"));
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    CaptionZuweisen(QStringLiteral("Schrifthintergrund wählen"), QStringLiteral("O&K"),
                    QStringLiteral("&Abbrechen"));
}

void THintergrundForm::CaptionZuweisen(const QString &caption, const QString &btn1, const QString &btn2)
{
    setWindowTitle(caption);
    Button1->setText(btn1);
    Button2->setText(btn2);
    ListBox1->clear();
    for (int nummer = 0; nummer < HintergrundAnzahl; ++nummer)
        ListBox1->addItem(HintergrundName(nummer));
}

void THintergrundForm::SchriftartZuweisen(const QFont &schrift, const QColor &farbe)
{
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Text, SchriftFarbe());
    ListBox1->setPalette(palette);
    ListBox1->setFont(schrift);
    for (QPushButton *knopf : {Button1, Button2}) {
        QFont f = knopf->font();
        f.setFamily(schrift.family());
        f.setPointSizeF(schrift.pointSizeF());
        knopf->setFont(f);
    }
}

void THintergrundForm::SchalterEinrichten()
{
    const int h = SchalterHoehe(Button1->font(), SchalterArt::Knopf);
    // The set width, or more where a caption in a large font needs it.
    const int knopfBreite = KnopfBreite({Button1, Button2}, FBtnWidth);
    Button1->setGeometry(FRand, 0, knopfBreite, h);
    Button2->setGeometry(2 * FRand + knopfBreite, 0, knopfBreite, h);
    const int breite = 3 * FRand + 2 * knopfBreite;
    // Twenty rows of the label height, or of the list's own row height where
    // the style pads its rows more, so that all 19 colours stay visible.
    const int zeile = qMax(SchalterHoehe(ListBox1->font(), SchalterArt::Sonstige), ListBox1->sizeHintForRow(0));
    const int listenHoehe = 20 * zeile;
    ListBox1->setGeometry(FRand, FRand, breite - 2 * FRand, listenHoehe);
    const int knopfTop = FRand + listenHoehe + FRand;
    Button1->move(Button1->x(), knopfTop);
    Button2->move(Button2->x(), knopfTop);
    setFixedSize(breite, knopfTop + h + FRand);
    FensterEinrichten();
}

void THintergrundForm::FensterEinrichten()
{
    AufBildschirmZentrieren(this);
}

QColor THintergrundForm::HintergrundFarbe() const
{
    return HintergrundTabelle(HintergrundNr()).farbe;
}

int THintergrundForm::HintergrundNr() const
{
    return ListBox1->currentRow();
}

void THintergrundForm::setHintergrundNr(int nummer)
{
    if (nummer < 0 || nummer >= HintergrundAnzahl)
        nummer = 0;
    ListBox1->setCurrentRow(nummer);
}

void THintergrundForm::setBtnWidth(int breite)
{
    FBtnWidth = breite;
    SchalterEinrichten();
}

void THintergrundForm::setRand(int rand)
{
    FRand = rand;
    SchalterEinrichten();
}

void THintergrundForm::showEvent(QShowEvent *ereignis)
{
    SchalterEinrichten();
    MerkItemIndex = HintergrundNr();
    ListBox1->setFocus();
    QDialog::showEvent(ereignis);
    // Over the main window at the first showing only, then where placed.
    if (ersteAnzeige)
        UeberHauptfensterZentrieren(this);
    ersteAnzeige = false;
}

void THintergrundForm::done(int ergebnis)
{
    if (ergebnis != QDialog::Accepted)
        ListBox1->setCurrentRow(MerkItemIndex);
    QDialog::done(ergebnis);
}
