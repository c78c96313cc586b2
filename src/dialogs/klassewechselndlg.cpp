#include "klassewechselndlg.h"

#include "dialogs/zeitraumwahl.h"
#include "ui/dialoganordnung.h"
#include "ui/schalterhoehe.h"
#include "ui/zeilenfeld.h"
#include "util/texte.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TKlasseWechselnForm::TKlasseWechselnForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("KlasseWechselnForm"));
    LabelBisherigeKlasse = new QLabel(this);
    AuswahlBisherigeKlasse = new QComboBox(this);
    LabelNeueKlasse = new QLabel(this);
    FeldNeueKlasse = new QLineEdit(this);
    KnopfOk = new QPushButton(this);
    KnopfAbbrechen = new QPushButton(this);
    AuswahlBisherigeKlasse->setObjectName(QStringLiteral("AuswahlBisherigeKlasse"));
    FeldNeueKlasse->setObjectName(QStringLiteral("FeldNeueKlasse"));
    LabelBisherigeKlasse->setBuddy(AuswahlBisherigeKlasse);
    LabelNeueKlasse->setBuddy(FeldNeueKlasse);
    // The same rules as the class of a single participant.
    ZeilenfeldEinrichten(FeldNeueKlasse, 100);
    KnopfOk->setDefault(true);
    connect(FeldNeueKlasse, &QLineEdit::textChanged, this, &TKlasseWechselnForm::FeldNeueKlasseChange);
    connect(AuswahlBisherigeKlasse, &QComboBox::currentIndexChanged, this,
            &TKlasseWechselnForm::FeldNeueKlasseChange);
    connect(KnopfOk, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(KnopfAbbrechen, &QPushButton::clicked, this, &MwDialog::reject);
    setTabOrder(AuswahlBisherigeKlasse, FeldNeueKlasse);
    setTabOrder(FeldNeueKlasse, KnopfOk);
    setTabOrder(KnopfOk, KnopfAbbrechen);
    CaptionZuweisen();
}

void TKlasseWechselnForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Ganze Klasse ändern"));
    LabelBisherigeKlasse->setText(QStringLiteral("&Bisherige Klasse:"));
    LabelNeueKlasse->setText(QStringLiteral("&Neue Klasse:"));
    AuswahlBisherigeKlasse->setAccessibleName(QStringLiteral("Bisherige Klasse"));
    FeldNeueKlasse->setAccessibleName(QStringLiteral("Neue Klasse"));
    KnopfOk->setText(QStringLiteral("O&K"));
    KnopfAbbrechen->setText(QStringLiteral("&Abbrechen"));
}

void TKlasseWechselnForm::SchriftartZuweisen()
{
    FeldEinfaerben(AuswahlBisherigeKlasse);
    MwDialog::SchriftartZuweisen();
}

void TKlasseWechselnForm::SchalterEinrichten()
{
    // The choice is as high as the field, or as its font needs.
    const int feldHoehe =
        qMax(SchalterHoehe(FeldNeueKlasse->font(), SchalterArt::Edit), AuswahlBisherigeKlasse->sizeHint().height());
    const ZeilenDialogGeometrie g = ZeilenDialogLayout(
        feldHoehe, KnopfHoehe(KnopfOk), Zeilenhoehe(LabelBisherigeKlasse->font()),
        {LabelBreite(LabelBisherigeKlasse->font(), LabelBisherigeKlasse->text()),
         LabelBreite(LabelNeueKlasse->font(), LabelNeueKlasse->text())},
        KnopfBreite({KnopfOk, KnopfAbbrechen}, 187));
    LabelBisherigeKlasse->setGeometry(g.labels[0]);
    AuswahlBisherigeKlasse->setGeometry(g.edits[0]);
    LabelNeueKlasse->setGeometry(g.labels[1]);
    FeldNeueKlasse->setGeometry(g.edits[1]);
    KnopfOk->setGeometry(g.knopf1);
    KnopfAbbrechen->setGeometry(g.knopf2);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TKlasseWechselnForm::KlassenSetzen(const QStringList &klassen, const QString &vorgabe)
{
    AuswahlBisherigeKlasse->clear();
    AuswahlBisherigeKlasse->addItems(klassen);
    int gewaehlt = 0;
    for (int n = 0; n < klassen.size(); ++n) {
        if (GleichOhneFall(klassen[n], vorgabe))
            gewaehlt = n;
    }
    AuswahlBisherigeKlasse->setCurrentIndex(gewaehlt);
    FeldNeueKlasse->clear();
}

QString TKlasseWechselnForm::BisherigeKlasse() const
{
    return AuswahlBisherigeKlasse->currentText();
}

QString TKlasseWechselnForm::NeueKlasse() const
{
    return Trimmen(FeldNeueKlasse->text());
}

void TKlasseWechselnForm::FormShow()
{
    CaptionZuweisen();
    SchalterEinrichten();
    FeldNeueKlasseChange();
    // The class to change is mostly the one preset: the new one is typed first.
    FeldNeueKlasse->setFocus();
}

void TKlasseWechselnForm::FeldNeueKlasseChange()
{
    // A new class, and one that differs from the old by more than nothing.
    const QString neu = NeueKlasse();
    KnopfOk->setEnabled(AuswahlBisherigeKlasse->currentIndex() >= 0 && !neu.isEmpty() && neu != BisherigeKlasse());
}
