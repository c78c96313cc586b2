#include "kennwortdlg.h"

#include "ui/dialoganordnung.h"
#include "ui/meldungen.h"
#include "ui/schalterhoehe.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// Characters as a reader counts them: a pair of surrogates is one.
int Zeichenzahl(const QString &text)
{
    int anzahl = 0;
    for (const QChar zeichen : text)
        anzahl += zeichen.isLowSurrogate() ? 0 : 1;
    return anzahl;
}

} // namespace

TKennwortForm::TKennwortForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("KennwortForm"));
    LabelKennwort = new QLabel(this);
    FeldKennwort = new QLineEdit(this);
    LabelWiederholung = new QLabel(this);
    FeldWiederholung = new QLineEdit(this);
    LabelHinweis = new QLabel(this);
    KnopfOk = new QPushButton(this);
    KnopfAbbrechen = new QPushButton(this);
    FeldKennwort->setObjectName(QStringLiteral("FeldKennwort"));
    FeldWiederholung->setObjectName(QStringLiteral("FeldWiederholung"));
    LabelKennwort->setBuddy(FeldKennwort);
    LabelWiederholung->setBuddy(FeldWiederholung);
    for (QLineEdit *feld : {FeldKennwort, FeldWiederholung}) {
        feld->setEchoMode(QLineEdit::Password);
        feld->setContextMenuPolicy(Qt::NoContextMenu);
        connect(feld, &QLineEdit::textChanged, this, &TKennwortForm::FeldKennwortChange);
    }
    // Enter in the first field goes on to the second while OK cannot be given.
    connect(FeldKennwort, &QLineEdit::returnPressed, this, [this] {
        if (!KnopfOk->isEnabled() && FeldWiederholung->isVisible())
            FeldWiederholung->setFocus();
    });
    LabelHinweis->setWordWrap(true);
    LabelHinweis->setTextFormat(Qt::PlainText);
    KnopfOk->setDefault(true);
    connect(KnopfOk, &QPushButton::clicked, this, &TKennwortForm::KnopfOkClick);
    connect(KnopfAbbrechen, &QPushButton::clicked, this, &MwDialog::reject);
    CaptionZuweisen();
}

void TKennwortForm::CaptionZuweisen()
{
    const bool neu = zweck == Sichern;
    setWindowTitle(neu ? QStringLiteral("Kennwort für die verschlüsselte Sicherung")
                       : QStringLiteral("Kennwort der verschlüsselten Sicherung"));
    LabelKennwort->setText(neu ? QStringLiteral("Kennwort für die Sicherung:") : QStringLiteral("Kennwort der Sicherung:"));
    LabelWiederholung->setText(QStringLiteral("Kennwort wiederholen:"));
    LabelHinweis->setText(
        neu ? QStringLiteral("Das Kennwort braucht mindestens %1 Zeichen. Bitte merken Sie es sich gut: Ohne das "
                             "Kennwort lässt sich die Sicherung nicht mehr öffnen, und ein vergessenes Kennwort kann "
                             "niemand wiederherstellen, auch nicht die Entwickler von Merkwerk.")
                  .arg(KuerzestesKennwort)
            : QStringLiteral("Geben Sie das Kennwort ein, mit dem die Sicherung angelegt wurde."));
    for (QLabel *label : {LabelKennwort, LabelWiederholung})
        label->buddy()->setAccessibleName(label->text().chopped(1));
    KnopfOk->setText(QStringLiteral("O&K"));
    KnopfAbbrechen->setText(QStringLiteral("&Abbrechen"));
}

void TKennwortForm::SchalterEinrichten()
{
    const bool neu = zweck == Sichern;
    LabelWiederholung->setVisible(neu);
    FeldWiederholung->setVisible(neu);
    QList<int> breiten = {LabelBreite(LabelKennwort->font(), LabelKennwort->text())};
    if (neu)
        breiten << LabelBreite(LabelWiederholung->font(), LabelWiederholung->text());
    // The fields show at least 16 of the dots that stand for the characters
    // typed, so that a long label in large print leaves room to count them:
    // the buttons, and with them the dialog, grow for that.
    const int feldBreite = 16 * QFontMetrics(FeldKennwort->font()).horizontalAdvance(QChar(0x25CF)) + 12;
    const int breitestesLabel = *std::max_element(breiten.cbegin(), breiten.cend());
    const int knopfBreite = qMax(KnopfBreite({KnopfOk, KnopfAbbrechen}, 187), (feldBreite + breitestesLabel + 7) / 3);
    ZeilenDialogGeometrie g = ZeilenDialogLayout(SchalterHoehe(FeldKennwort->font(), SchalterArt::Edit),
                                                 KnopfHoehe(KnopfOk), Zeilenhoehe(LabelKennwort->font()), breiten,
                                                 knopfBreite);
    LabelKennwort->setGeometry(g.labels[0]);
    FeldKennwort->setGeometry(g.edits[0]);
    if (neu) {
        LabelWiederholung->setGeometry(g.labels[1]);
        FeldWiederholung->setGeometry(g.edits[1]);
    }
    // The notice above the buttons, as wide as the dialog, as high as its lines.
    const int breite = g.client.width() - 20;
    const int hoehe = LabelHinweis->heightForWidth(breite);
    LabelHinweis->setGeometry(10, g.knopf1.top(), breite, hoehe);
    const int tiefer = hoehe + 10;
    KnopfOk->setGeometry(g.knopf1.translated(0, tiefer));
    KnopfAbbrechen->setGeometry(g.knopf2.translated(0, tiefer));
    setFixedSize(g.client + QSize(0, tiefer));
    FensterEinrichten();
}

void TKennwortForm::FormShow()
{
    CaptionZuweisen();
    SchalterEinrichten();
    FelderLeeren();
    kennwort = {};
    FeldKennwortChange();
    FeldKennwort->setFocus();
}

void TKennwortForm::FeldKennwortChange()
{
    KnopfOk->setEnabled(!FeldKennwort->text().isEmpty()
                        && (zweck == Wiederherstellen || !FeldWiederholung->text().isEmpty()));
}

void TKennwortForm::Abgelehnt(const QString &text, QLineEdit *feld)
{
    Information(text);
    feld->selectAll();
    feld->setFocus();
}

void TKennwortForm::KnopfOkClick()
{
    if (zweck == Sichern) {
        if (Zeichenzahl(FeldKennwort->text()) < KuerzestesKennwort) {
            Abgelehnt(QStringLiteral("Das Kennwort muss mindestens %1 Zeichen lang sein.").arg(KuerzestesKennwort),
                      FeldKennwort);
            return;
        }
        if (FeldKennwort->text() != FeldWiederholung->text()) {
            FeldWiederholung->clear();
            Abgelehnt(QStringLiteral("Die beiden Kennwörter stimmen nicht überein. Bitte wiederholen Sie das "
                                     "Kennwort."),
                      FeldWiederholung);
            return;
        }
    }
    // The field's own copy goes with clear(); the one taken here is then
    // the only one and is overwritten once it is in guarded memory.
    QString text = FeldKennwort->text();
    FelderLeeren();
    kennwort = Geheimnis::AusText(text);
    done(Ok);
}

void TKennwortForm::FelderLeeren()
{
    FeldKennwort->clear();
    FeldWiederholung->clear();
}

void TKennwortForm::done(int ergebnis)
{
    if (ergebnis != Ok) {
        FelderLeeren();
        kennwort = {};
    }
    MwDialog::done(ergebnis);
}

Geheimnis TKennwortForm::KennwortNehmen()
{
    return std::move(kennwort);
}
