#include "zahlendlg.h"

#include "ui/dialoganordnung.h"
#include "ui/meldungen.h"
#include "ui/schalterhoehe.h"
#include "ui/zeilenfeld.h"
#include "util/texte.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TZahlenForm::TZahlenForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("ZahlenForm"));
    Label1 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Hoch = new QToolButton(this);
    Runter = new QToolButton(this);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Label1->setBuddy(Edit1);
    // Its length is set for each use by the caller.
    ZeilenfeldEinrichten(Edit1, 0);
    Hoch->setArrowType(Qt::UpArrow);
    Runter->setArrowType(Qt::DownArrow);
    for (QToolButton *pfeil : {Hoch, Runter}) {
        pfeil->setFocusPolicy(Qt::NoFocus);
        pfeil->setAutoRepeat(true);
    }
    Button1->setDefault(true);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TZahlenForm::Edit1Change);
    connect(Hoch, &QToolButton::clicked, this, [this] { Schritt(1); });
    connect(Runter, &QToolButton::clicked, this, [this] { Schritt(-1); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    CaptionZuweisen();
}

void TZahlenForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Gehe zu Tag"));
    Label1->setText(QStringLiteral("Gehe zu Tag (%d-%s)"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TZahlenForm::SchalterEinrichten()
{
    const int knopfHoehe = KnopfHoehe(Button1);
    const ZahlenGeometrie g = ZahlenLayout(SchalterHoehe(Edit1->font(), SchalterArt::Edit), knopfHoehe,
                                           Zeilenhoehe(Label1->font()), LabelBreite(Label1->font(), Label1->text()),
                                           KnopfBreite({Button1, Button2}, 187));
    Label1->setGeometry(g.label);
    // The arrows take the right part of the edit's room.
    const int pfeilBreite = qMax(16, g.edit.height() * 2 / 3);
    Edit1->setGeometry(g.edit.adjusted(0, 0, -pfeilBreite, 0));
    const int halb = g.edit.height() / 2;
    Hoch->setGeometry(g.edit.right() + 1 - pfeilBreite, g.edit.top(), pfeilBreite, halb);
    Runter->setGeometry(g.edit.right() + 1 - pfeilBreite, g.edit.top() + halb, pfeilBreite,
                        g.edit.height() - halb);
    Button1->setGeometry(g.knopf1);
    Button2->setGeometry(g.knopf2);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TZahlenForm::setUpDown(int min, int max, int pos)
{
    minimum = min;
    maximum = max;
    position = qBound(min, pos, qMax(min, max));
}

void TZahlenForm::Schritt(int richtung)
{
    bool ok = false;
    const int aktuell = Edit1->text().toInt(&ok);
    position = qBound(minimum, (ok ? aktuell : position) + richtung, qMax(minimum, maximum));
    Edit1->setText(QString::number(position));
    Edit1->selectAll();
}

void TZahlenForm::FormShow()
{
    SchalterEinrichten();
    Edit1->setFocus();
    Edit1->setText(QString::number(position));
    Edit1->selectAll();
}

void TZahlenForm::Edit1Change()
{
    Button1->setEnabled(!Trimmen(Edit1->text()).isEmpty());
}

int TZahlenForm::GetZahl()
{
    bool ok = false;
    int zahl = Edit1->text().toInt(&ok);
    if (!ok || zahl < 0) {
        Information(QStringLiteral("Fehler bei Eingabe!"));
        zahl = 0;
    } else {
        zahl = qBound(MinNr, zahl, qMax(MinNr, MaxNr));
    }
    position = zahl;
    return zahl;
}

bool TZahlenForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == Edit1 && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() == Qt::Key_Up || taste->key() == Qt::Key_Down) {
            Schritt(taste->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        // Only digits and backspace can be typed; keys without text pass.
        const QString text = taste->text();
        if (!text.isEmpty() && text.at(0).isPrint() && (text.at(0) < u'0' || text.at(0) > u'9'))
            return true;
    }
    return MwDialog::eventFilter(objekt, ereignis);
}
