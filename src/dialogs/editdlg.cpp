#include "editdlg.h"

#include "ui/dialoganordnung.h"
#include "ui/schalterhoehe.h"
#include "ui/zeilenfeld.h"
#include "util/texte.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TEditForm::TEditForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("EditForm"));
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Label1 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Label1->setBuddy(Edit1);
    ZeilenfeldEinrichten(Edit1, 100);
    Button1->setDefault(true);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TEditForm::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
}

void TEditForm::CaptionZuweisen()
{
    static const char *const titel[] = {"Teilnehmer umbenennen", "Geben Sie eine neue Klasse ein",
                                        "Geben Sie das zu suchende Datum ein",
                                        "Geben Sie einen neuen Kommentar ein"};
    static const char *const labels[] = {"Name:", "Klasse:", "Suchdatum:", "Kommentar:"};
    const int index = qBound<int>(Umbenennen, Nr, KommentarAendern) - 1;
    setWindowTitle(QString::fromUtf8(titel[index]));
    Label1->setText(QString::fromUtf8(labels[index]));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TEditForm::SchalterEinrichten()
{
    const ZeilenDialogGeometrie g =
        ZeilenDialogLayout(SchalterHoehe(Edit1->font(), SchalterArt::Edit), KnopfHoehe(Button1),
                           Zeilenhoehe(Label1->font()), {LabelBreite(Label1->font(), Label1->text())},
                           KnopfBreite({Button1, Button2}, 187));
    Label1->setGeometry(g.labels[0]);
    Edit1->setGeometry(g.edits[0]);
    Button1->setGeometry(g.knopf1);
    Button2->setGeometry(g.knopf2);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TEditForm::FormShow()
{
    CaptionZuweisen();
    SchalterEinrichten();
    Edit1Change();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TEditForm::Edit1Change()
{
    Button1->setEnabled(NullS || !Trimmen(Edit1->text()).isEmpty());
}

bool TEditForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // The search date is typed in capitals.
    if (objekt == Edit1 && Nr == Suchen && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        const QString text = taste->text();
        if (!text.isEmpty() && text.at(0).isPrint() && Gross(text) != text) {
            Edit1->insert(Gross(text));
            return true;
        }
    }
    return MwDialog::eventFilter(objekt, ereignis);
}
