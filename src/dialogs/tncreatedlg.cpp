#include "tncreatedlg.h"

#include "records/teilnehmername.h"
#include "records/teilnehmerordner.h"
#include "ui/dialoganordnung.h"
#include "ui/zeilenfeld.h"
#include "ui/meldungen.h"
#include "ui/schalterhoehe.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TTnCreateForm::TTnCreateForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("TnCreateForm"));
    Label1 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Label2 = new QLabel(this);
    Edit2 = new QLineEdit(this);
    Label3 = new QLabel(this);
    Edit3 = new QLineEdit(this);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);
    Button1->setDefault(true);
    for (QLineEdit *feld : {Edit1, Edit2, Edit3}) {
        ZeilenfeldEinrichten(feld, 100);
        connect(feld, &QLineEdit::returnPressed, this, &TTnCreateForm::Edit1KeyPress);
    }
    connect(Edit1, &QLineEdit::textChanged, this, &TTnCreateForm::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TTnCreateForm::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TTnCreateForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    CaptionZuweisen();
}

void TTnCreateForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Geben Sie einen neuen Teilnehmer ein"));
    Label1->setText(QStringLiteral("Name:"));
    Label2->setText(QStringLiteral("Klasse:"));
    Label3->setText(QStringLiteral("Kommentar:"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TTnCreateForm::SchalterEinrichten()
{
    QLabel *labels[3] = {Label1, Label2, Label3};
    QLineEdit *edits[3] = {Edit1, Edit2, Edit3};
    QList<int> breiten;
    for (QLabel *label : labels)
        breiten << LabelBreite(label->font(), label->text());
    const ZeilenDialogGeometrie g = ZeilenDialogLayout(SchalterHoehe(Edit1->font(), SchalterArt::Edit),
                                                       KnopfHoehe(Button1), Zeilenhoehe(Label1->font()), breiten,
                                                       KnopfBreite({Button1, Button2}, 187));
    for (int n = 0; n < 3; ++n) {
        labels[n]->setGeometry(g.labels[n]);
        edits[n]->setGeometry(g.edits[n]);
    }
    Button1->setGeometry(g.knopf1);
    Button2->setGeometry(g.knopf2);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TTnCreateForm::FormShow()
{
    SchalterEinrichten();
    Edit1->clear();
    Edit1Change();
    Edit1->setFocus();
}

void TTnCreateForm::Edit1Change()
{
    Button1->setEnabled(!Trimmen(Edit1->text()).isEmpty() && !Trimmen(Edit2->text()).isEmpty());
}

void TTnCreateForm::Edit1KeyPress()
{
    // An enabled OK button takes Enter itself (it is the default button).
    if (Button1->isEnabled())
        return;
    (Trimmen(Edit1->text()).isEmpty() ? Edit1 : Edit2)->setFocus();
}

void TTnCreateForm::Button1Click()
{
    const QString name = Trimmen(Edit1->text());
    const QString fehler = NeuerNameFehler(OrdnerTeil(DatFilename), name);
    if (!fehler.isEmpty()) {
        Information(fehler);
        Edit1->selectAll();
        Edit1->setFocus();
        return;
    }
    // Names only: no file needs to be read to know whether one is taken.
    const QStringList namen = TeilnehmerNamen(OrdnerTeil(DatFilename));
    const QString gross = Gross(name);
    const auto gefunden = std::find_if(namen.begin(), namen.end(),
                                       [&gross](const QString &vorhanden) { return Gross(vorhanden) == gross; });
    if (gefunden == namen.end()) {
        done(Ok);
        return;
    }
    if (!Frage(QStringLiteral("Der Teilnehmer \"%1\" existiert bereits!\r\nSoll der Teilnehmer jetzt "
                              "aufgerufen werden?")
                   .arg(name))) {
        Edit1->selectAll();
        Edit1->setFocus();
        return; // the dialog stays open for another name
    }
    Edit1->setText(*gefunden);
    done(Vorhandenen);
}
