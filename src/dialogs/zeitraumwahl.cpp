#include "zeitraumwahl.h"

#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "util/heute.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {

// The date fields show "–" at this date: no date, under "Alles".
const QDate KeinDatum(1900, 1, 1);

constexpr Vorgabe Vorgaben[] = {Vorgabe::Alles, Vorgabe::Schuljahr, Vorgabe::ErstesHalbjahr,
                                Vorgabe::ZweitesHalbjahr, Vorgabe::Eigener};

// A date field moves on to its next part by itself once a part is complete
// ("15" of the day); the dot a teacher types after it must not move on a
// second time. A separator typed while a whole part is selected, as after
// such a move, is dropped.
class TrennerFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent *>(ereignis)->text();
        if (text.size() != 1 || !QStringLiteral(".,/-").contains(text))
            return false;
        auto *feld = static_cast<QDateEdit *>(objekt);
        const auto *zeile = feld->findChild<QLineEdit *>();
        return zeile && zeile->hasSelectedText()
               && zeile->selectedText() == feld->sectionText(feld->currentSection());
    }
};

QDateEdit *DatumsEingabe(QWidget *eltern, const char *name)
{
    auto *feld = new QDateEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setLocale(QLocale(QLocale::German, QLocale::Germany));
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    feld->setMinimumDate(KeinDatum);
    feld->setSpecialValueText(QStringLiteral("–"));
    feld->installEventFilter(new TrennerFilter(feld));
    return feld;
}

} // namespace

void FeldEinfaerben(QWidget *feld)
{
    feld->setFont(ProgrammSchrift().schrift);
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, Hintergrundfarbe());
    palette.setColor(QPalette::Text, SchriftFarbe());
    // A combo box that cannot be typed into is drawn as a button.
    if (qobject_cast<QComboBox *>(feld)) {
        palette.setColor(QPalette::Button, Hintergrundfarbe());
        palette.setColor(QPalette::ButtonText, SchriftFarbe());
    }
    feld->setPalette(palette);
}

ZeitraumWahl::ZeitraumWahl(QWidget *eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Zeitraum"));
    Label1 = new QLabel(QStringLiteral("&Zeitraum:"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("Vorgabe"));
    for (Vorgabe vorgabe : Vorgaben)
        ComboBox1->addItem(VorgabeText(vorgabe));
    Label2 = new QLabel(QStringLiteral("&Von:"), this);
    DateEdit1 = DatumsEingabe(this, "Von");
    Label3 = new QLabel(QStringLiteral("&Bis:"), this);
    DateEdit2 = DatumsEingabe(this, "Bis");
    Label1->setBuddy(ComboBox1);
    Label2->setBuddy(DateEdit1);
    Label3->setBuddy(DateEdit2);
    merkEigener = VorgabeZeitraum(Vorgabe::Schuljahr, Heute());
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &ZeitraumWahl::VorgabeGewaehlt);
    connect(DateEdit1, &QDateEdit::dateChanged, this, &ZeitraumWahl::DatumGeaendert);
    connect(DateEdit2, &QDateEdit::dateChanged, this, &ZeitraumWahl::DatumGeaendert);
    VorgabeSetzen(Vorgabe::Alles);
}

Zeitraum ZeitraumWahl::Wert() const
{
    if (Auswahl() == Vorgabe::Alles)
        return {};
    return {DateEdit1->date(), DateEdit2->date()};
}

Vorgabe ZeitraumWahl::Auswahl() const
{
    return Vorgaben[qBound(0, ComboBox1->currentIndex(), int(std::size(Vorgaben)) - 1)];
}

void ZeitraumWahl::VorgabeSetzen(Vorgabe vorgabe)
{
    const int index = int(std::find(std::begin(Vorgaben), std::end(Vorgaben), vorgabe) - std::begin(Vorgaben));
    if (ComboBox1->currentIndex() == index)
        VorgabeGewaehlt(index); // today may have moved on: the dates anew
    else
        ComboBox1->setCurrentIndex(index);
}

void ZeitraumWahl::VorgabeGewaehlt(int index)
{
    if (setzend)
        return;
    const Vorgabe vorgabe = Vorgaben[qBound(0, index, int(std::size(Vorgaben)) - 1)];
    if (vorgabe == Vorgabe::Alles)
        DatenSetzen({KeinDatum, KeinDatum});
    else if (vorgabe == Vorgabe::Eigener)
        DatenSetzen(Auswahl() == Vorgabe::Eigener && DateEdit1->isEnabled() ? Wert() : merkEigener);
    else
        DatenSetzen(VorgabeZeitraum(vorgabe, Heute()));
    DateEdit1->setEnabled(vorgabe != Vorgabe::Alles);
    DateEdit2->setEnabled(vorgabe != Vorgabe::Alles);
    emit Geaendert();
}

void ZeitraumWahl::DatenSetzen(const Zeitraum &zeitraum)
{
    setzend = true;
    DateEdit1->setDate(zeitraum.von);
    DateEdit2->setDate(zeitraum.bis);
    setzend = false;
}

void ZeitraumWahl::DatumGeaendert()
{
    if (setzend || Auswahl() == Vorgabe::Alles)
        return;
    merkEigener = Wert();
    const Vorgabe passend = VorgabeVon(merkEigener, Heute());
    setzend = true;
    ComboBox1->setCurrentIndex(int(std::find(std::begin(Vorgaben), std::end(Vorgaben),
                                             passend == Vorgabe::Alles ? Vorgabe::Eigener : passend)
                                   - std::begin(Vorgaben)));
    setzend = false;
    emit Geaendert();
}

void ZeitraumWahl::SchriftartZuweisen()
{
    for (QWidget *feld : {static_cast<QWidget *>(ComboBox1), static_cast<QWidget *>(DateEdit1),
                          static_cast<QWidget *>(DateEdit2)})
        FeldEinfaerben(feld);
}

int ZeitraumWahl::FeldHoehe() const
{
    int hoehe = SchalterHoehe(font(), SchalterArt::Edit);
    for (const QWidget *feld : {static_cast<const QWidget *>(ComboBox1), static_cast<const QWidget *>(DateEdit1),
                                static_cast<const QWidget *>(DateEdit2)})
        hoehe = std::max({hoehe, SchalterHoehe(feld->font(), SchalterArt::Edit), feld->sizeHint().height()});
    return hoehe;
}

void ZeitraumWahl::SchalterEinrichten(int ersteLabelBreite, int hoechstBreite)
{
    const int hoehe = FeldHoehe();
    int links = 0, oben = 0, breite = 0;
    const QList<QPair<QLabel *, QWidget *>> paare = {{Label1, ComboBox1}, {Label2, DateEdit1}, {Label3, DateEdit2}};
    for (const auto &[label, feld] : paare) {
        const int labelBreite = qMax(LabelBreite(label->font(), label->text()), label->sizeHint().width());
        const int feldBreite = feld->sizeHint().width();
        // A pair that would run past the width begins a row of its own,
        // its field under the first field.
        if (links > 0 && links + qMax(labelBreite, ersteLabelBreite) + 5 + feldBreite > hoechstBreite) {
            links = 0;
            oben += hoehe + 10;
        }
        const int spalte = links == 0 ? qMax(labelBreite, ersteLabelBreite) : labelBreite;
        const int labelHoehe = Zeilenhoehe(label->font());
        label->setGeometry(links, oben + (hoehe - labelHoehe) / 2, labelBreite, labelHoehe);
        links += spalte + 5;
        feld->setGeometry(links, oben, feldBreite, hoehe);
        links += feldBreite + 10;
        breite = qMax(breite, links - 10);
    }
    setFixedSize(breite, oben + hoehe);
}
