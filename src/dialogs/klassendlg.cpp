#include "klassendlg.h"

#include "ui/dialoganordnung.h"
#include "ui/schalterhoehe.h"
#include "util/texte.h"

#include <QListWidget>
#include <QPushButton>

TKlassenForm::TKlassenForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("KlassenForm"));
    setWindowTitle(QStringLiteral("Wählen Sie die anzuzeigende Klasse"));
    ListBox1 = new QListWidget(this);
    ListBox1->setAccessibleName(QStringLiteral("Klassen"));
    Button1 = new QPushButton(QStringLiteral("O&K"), this);
    Button2 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { done(Ok); });
}

void TKlassenForm::SchalterEinrichten()
{
    const ListenDialogGeometrie g = KlassenLayout(KnopfHoehe(Button1), KnopfBreite({Button1, Button2}, 187));
    ListBox1->setGeometry(g.liste);
    Button1->setGeometry(g.knoepfe[0]);
    Button2->setGeometry(g.knoepfe[1]);
    setFixedSize(g.client);
    FensterEinrichten();
}

int TKlassenForm::FindItemIndex() const
{
    for (int n = 0; n < ListBox1->count(); ++n) {
        if (GleichOhneFall(ListBox1->item(n)->text(), Klasse))
            return n;
    }
    return 0;
}

void TKlassenForm::FormShow()
{
    SchalterEinrichten();
    ListBox1->setCurrentRow(FindItemIndex());
    ListBox1->setFocus();
}
