#include "verlaufdlg.h"

#include "ui/dateiwahl.h"
#include "ui/diagrammansicht.h"
#include "ui/dialoganordnung.h"
#include "ui/drucker.h"
#include "ui/meldungen.h"
#include "ui/platzierung.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "ui/tabellendruck.h"
#include "util/sicherschreiben.h"
#include "util/zahlen.h"
#include "zeitraumwahl.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QStyle>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Rand = 10;
// How many days without a date the line below the chart names.
constexpr int GenannteTage = 5;

// Fehlt, Nein, Ja: dark indigo, vermilion and light blue (after Paul Tol
// and Okabe-Ito). They differ for every kind of colour blindness and, by
// their lightness alone, on a grey printout; each bar has a dark edge, so
// the light one stands out on white paper too.
struct Farben {
    QColor balken;
    QColor zahl; // the count on the bar
};
const Farben Balkenfarben[3] = {{QColor(0x33, 0x22, 0x88), Qt::white},
                                {QColor(0xD5, 0x5E, 0x00), Qt::black},
                                {QColor(0x88, 0xCC, 0xEE), Qt::black}};
const char16_t *const Reihen[3] = {u"Fehlt", u"Nein", u"Ja"};

// Short German month names, so that a year of months fits side by side.
// The three letters are those the program's corrected short names use ("Jän", "Mär").
const char16_t *const Monatskuerzel[] = {u"Jän", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun",
                                         u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};

// A month under its bar, shorter the less room its column has: the short
// name over the year, over the year's last two digits, the initial over
// them, the initial alone.
constexpr int MonatsFormen = 4;
QStringList MonatsZeilen(const MonatsZahlen &monat, int form)
{
    const QString name = QString::fromUtf16(Monatskuerzel[monat.monat - 1]);
    const QString jahr = QString::number(monat.jahr);
    switch (form) {
    case 0:
        return {name, jahr};
    case 1:
        return {name, jahr.right(2)};
    case 2:
        return {name.left(1), jahr.right(2)};
    default:
        return {name.left(1)};
    }
}

// Labels of one form for all months; where a month has no room even for
// its initial only every n-th is named. The category axis takes no label
// twice, so a repeated one is told apart by zero-width spaces.
QStringList Monatsbeschriftungen(const QList<MonatsZahlen> &monate, int form, int jederWievielte)
{
    QStringList beschriftungen;
    for (int n = 0; n < monate.size(); ++n) {
        QString text = n % jederWievielte == 0 ? MonatsZeilen(monate[n], form).join(QLatin1String("<br>")) : QString();
        const QString ohne = text;
        for (int gleich = 1; beschriftungen.contains(text); ++gleich)
            text = ohne + QString(gleich, QChar(0x200B));
        beschriftungen << text;
    }
    return beschriftungen;
}

// The width the widest line of a form takes.
int FormBreite(const QList<MonatsZahlen> &monate, int form, const QFontMetrics &masse)
{
    int breite = 0;
    for (const MonatsZahlen &monat : monate) {
        for (const QString &zeile : MonatsZeilen(monat, form))
            breite = qMax(breite, masse.horizontalAdvance(zeile));
    }
    return breite;
}

// A step for the count axis: 1, 2 or 5 times a power of ten, as small as
// gives at most `ticks` steps up to the highest count (at most ten).
int Schrittweite(int hoechster, int ticks)
{
    ticks = qBound(1, ticks, 10);
    for (int stufe = 1;; stufe *= 10) {
        for (int faktor : {1, 2, 5}) {
            if (hoechster <= ticks * faktor * stufe)
                return faktor * stufe;
        }
    }
}

} // namespace

TVerlaufForm::TVerlaufForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("VerlaufForm"));
    Zeitraum1 = new ZeitraumWahl(this);
    Zeitraum1->VorgabeSetzen(Vorgabe::Schuljahr);
    DiagrammRolle = new QScrollArea(this);
    DiagrammRolle->setObjectName(QStringLiteral("DiagrammRolle"));
    DiagrammRolle->setFrameShape(QFrame::NoFrame);
    DiagrammRolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DiagrammRolle->setFocusPolicy(Qt::NoFocus);
    ChartView1 = new Diagrammansicht(DiagrammRolle);
    ChartView1->setObjectName(QStringLiteral("Diagramm"));
    ChartView1->setRenderHint(QPainter::Antialiasing);
    ChartView1->setChart(new QChart);
    ChartView1->setAccessibleDescription(
        QStringLiteral("Balken je Monat mit den Tagen Fehlt, Nein und Ja. Die Pfeiltasten gehen von Monat zu Monat "
                       "und nennen seine Zahlen."));
    DiagrammRolle->setWidget(ChartView1);
    connect(ChartView1, &Diagrammansicht::ZeileGewaehlt, this, &TVerlaufForm::MonatZeigen);
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button3 = new QPushButton(this);
    for (QPushButton *knopf : {Button1, Button2, Button3})
        knopf->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TVerlaufForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TVerlaufForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &MwDialog::reject);
    connect(Zeitraum1, &ZeitraumWahl::Geaendert, this, [this] {
        if (isVisible())
            DiagrammAufbauen();
    });
    setTabOrder(Zeitraum1->ComboBox1, Zeitraum1->DateEdit1);
    setTabOrder(Zeitraum1->DateEdit1, Zeitraum1->DateEdit2);
    setTabOrder(Zeitraum1->DateEdit2, ChartView1);
    setTabOrder(ChartView1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    CaptionZuweisen();
}

void TVerlaufForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Verlauf des Teilnehmers \"%1\"").arg(Teilnehmer));
    Button1->setText(QStringLiteral("Als &PNG speichern..."));
    Button2->setText(QStringLiteral("&Drucken..."));
    Button3->setText(QStringLiteral("S&chließen"));
}

void TVerlaufForm::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(this);
    Zeitraum1->SchriftartZuweisen();
    Einfaerben(false);
    SchalterEinrichten();
}

void TVerlaufForm::SchalterEinrichten()
{
    const int h = KnopfHoehe(Button1);
    const int b = KnopfBreite({Button1, Button2, Button3}, 187);
    const QSize schirm = Bildschirm();
    Zeitraum1->SchalterEinrichten(0, schirm.width() - 4 * Rand);
    Zeitraum1->move(Rand, Rand);
    // The buttons stand side by side as far as the screen allows.
    const QList<QPushButton *> knoepfe = {Button1, Button2, Button3};
    const KnopfReihen reihen = KnopfReihenLayout(int(knoepfe.size()), h, b, schirm.width() - 2 * Rand,
                                                 std::max(Zeitraum1->width() + 2 * Rand, schirm.width() * 9 / 10));
    const int breite = reihen.breite;
    const int textHoehe = 3 * Zeilenhoehe(Label1->font());
    const int diagrammTop = Zeitraum1->geometry().bottom() + 1 + Rand;
    const int rest = diagrammTop + Rand + textHoehe + Rand + reihen.hoehe + Rand;
    const int diagrammHoehe = qMax(200, qMin(schirm.height() * 70 / 100, schirm.height() - 100 - rest));
    DiagrammRolle->setGeometry(Rand, diagrammTop, breite - 2 * Rand, diagrammHoehe);
    // Title, legend, two lines of months and room for the bars, in the
    // program font: where the screen is too small for that, the chart
    // keeps its size and scrolls.
    const int noetig = 14 * Zeilenhoehe(Diagrammschrift());
    const bool rollen = noetig > diagrammHoehe;
    DiagrammRolle->setVerticalScrollBarPolicy(rollen ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int leiste = rollen ? DiagrammRolle->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, DiagrammRolle) : 0;
    ChartView1->resize(breite - 2 * Rand - leiste, rollen ? noetig : diagrammHoehe);
    Label1->setGeometry(Rand, DiagrammRolle->geometry().bottom() + 1 + Rand, breite - 2 * Rand, textHoehe);
    const int knopfTop = Label1->geometry().bottom() + 1 + Rand;
    for (qsizetype n = 0; n < knoepfe.size(); ++n)
        knoepfe[n]->setGeometry(reihen.knoepfe[n].translated(0, knopfTop));
    setFixedSize(breite, knopfTop + reihen.hoehe + Rand);
    FensterEinrichten();
}

void TVerlaufForm::FormShow()
{
    CaptionZuweisen();
    if (Zeitraum1->Auswahl() != Vorgabe::Eigener)
        Zeitraum1->VorgabeSetzen(Zeitraum1->Auswahl()); // today may be in another school year now
    SchalterEinrichten();
    DiagrammAufbauen();
    Zeitraum1->ComboBox1->setFocus();
}

QString TVerlaufForm::Zeitraumtext() const
{
    const QString periode = ZeitraumText(Zeitraum1->Wert());
    const Vorgabe vorgabe = Zeitraum1->Auswahl();
    if (vorgabe != Vorgabe::Alles && vorgabe != Vorgabe::Eigener)
        return QStringLiteral("%1 (%2)").arg(VorgabeText(vorgabe), periode);
    return periode;
}

QString TVerlaufForm::Titel() const
{
    const QString periode = Zeitraumtext();
    const QString klasse = Klasse.isEmpty() ? QString() : QStringLiteral(" – Klasse: %1").arg(Klasse);
    return QStringLiteral("Verlauf von \"%1\"%2 – Zeitraum: %3").arg(Teilnehmer, klasse, periode);
}

QString TVerlaufForm::OhneDatumText() const
{
    QStringList tage;
    for (const TagOhneDatum &tag : verlauf.ohneDatum) {
        const QString nummer = TausenderPunkte(tag.nummer);
        tage << (tag.text.isEmpty() ? QStringLiteral("Tag %1 (leer)").arg(nummer)
                                    : QStringLiteral("Tag %1 \"%2\"").arg(nummer, tag.text));
    }
    QString text;
    if (verlauf.monate.isEmpty())
        text = QStringLiteral("Im Zeitraum liegt kein Tag mit lesbarem Datum. ");
    if (tage.isEmpty())
        return text + QStringLiteral("Alle Tage haben ein lesbares Datum.");
    text += QStringLiteral("Ohne lesbares Datum, daher nicht im Diagramm: ");
    text += QStringList(tage.mid(0, GenannteTage)).join(QLatin1String(", "));
    if (tage.size() > GenannteTage)
        text += QStringLiteral(" und %1 weitere").arg(TausenderPunkte(tage.size() - GenannteTage));
    return text + QLatin1Char('.');
}

void TVerlaufForm::DiagrammAufbauen()
{
    verlauf = VerlaufZaehlen(Zeilen, Zeitraum1->Wert());
    auto *diagramm = new QChart;
    auto *reihen = new QStackedBarSeries(diagramm);
    // Each status twice: the counts that fit on their bar are written
    // there, the others (a short bar) only in the tooltip, with the same
    // colour and one entry in the legend.
    QStringList monate;
    hoechster = 0;
    saetze.clear();
    for (int n = 0; n < 6; ++n) {
        auto *satz = new QBarSet(QString::fromUtf16(Reihen[n / 2]), reihen);
        saetze << satz;
        reihen->append(satz);
    }
    for (const MonatsZahlen &monat : std::as_const(verlauf.monate)) {
        for (int n = 0; n < 6; ++n)
            saetze[n]->append(0);
        monate << MonatsText(monat);
        hoechster = qMax(hoechster, monat.Summe());
    }
    for (QBarSet *satz : std::as_const(saetze)) {
        connect(satz, &QBarSet::hovered, this, [satz, monate](bool drauf, int index) {
            if (drauf)
                QToolTip::showText(QCursor::pos(), QStringLiteral("%1 – %2: %3")
                                                        .arg(monate.value(index), satz->label(),
                                                             TausenderPunkte(qint64(satz->at(index)))));
            else
                QToolTip::hideText();
        });
    }
    reihen->setLabelsVisible(true);
    reihen->setLabelsPosition(QAbstractBarSeries::LabelsCenter);
    reihen->setLabelsFormat(QStringLiteral("@value"));
    diagramm->addSeries(reihen);

    auto *y = new QValueAxis(diagramm);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("Tage"));
    diagramm->addAxis(y, Qt::AlignLeft);
    reihen->attachAxis(y);

    auto *x = new QBarCategoryAxis(diagramm);
    x->append(Monatsbeschriftungen(verlauf.monate, 0, 1));
    diagramm->addAxis(x, Qt::AlignBottom);
    reihen->attachAxis(x);

    diagramm->legend()->setAlignment(Qt::AlignBottom);
    // Name and period on two lines; the period also stands in the fields above.
    const QString klasse = Klasse.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(Klasse);
    diagramm->setTitle(QStringLiteral("\"%1\"%2<br>%3")
                           .arg(Teilnehmer.toHtmlEscaped(), klasse.toHtmlEscaped(), Zeitraumtext().toHtmlEscaped()));
    // Counts on the axis and the bars with the thousands dot, as everywhere.
    diagramm->setLocalizeNumbers(true);
    diagramm->setLocale(QLocale(QLocale::German, QLocale::Germany));
    diagramm->setBackgroundRoundness(0);
    diagramm->setMargins(QMargins(Rand, Rand, Rand, Rand));
    QChart *alt = ChartView1->chart();
    ChartView1->setChart(diagramm);
    delete alt;
    Einfaerben(false);
    for (QLegendMarker *marke : diagramm->legend()->markers(reihen)) {
        auto *balken = qobject_cast<QBarLegendMarker *>(marke);
        if (balken && saetze.indexOf(balken->barset()) % 2 == 1)
            marke->setVisible(false);
    }
    connect(diagramm, &QChart::plotAreaChanged, this, &TVerlaufForm::AchsenAnpassen);
    AchsenAnpassen();

    ChartView1->setAccessibleName(Titel());
    ChartView1->ZeilenSetzen(ZahlenZeilen());

    Label1->setText(OhneDatumText());
    Label1->setToolTip(Label1->text());
}

void TVerlaufForm::AchsenAnpassen()
{
    QChart *diagramm = ChartView1->chart();
    const QList<QAbstractAxis *> waagrecht = diagramm->axes(Qt::Horizontal);
    const QList<QAbstractAxis *> senkrecht = diagramm->axes(Qt::Vertical);
    if (waagrecht.isEmpty() || senkrecht.isEmpty())
        return;
    const QRectF flaeche = diagramm->plotArea();
    const QFontMetrics masse(Diagrammschrift());
    // As many day ticks as leave each number a line and a half.
    const int ticks = qMax(1, int(flaeche.height() / (1.5 * masse.height())));
    const int schritt = Schrittweite(qMax(hoechster, 1), ticks);
    achsenMax = qMax(1, (hoechster + schritt - 1) / schritt) * schritt;
    auto *y = static_cast<QValueAxis *>(senkrecht.first());
    if (y->max() != achsenMax || y->tickInterval() != schritt) {
        y->setRange(0, achsenMax);
        y->setTickInterval(schritt);
    }
    // The longest month labels that leave a little room in their column.
    const int monate = int(verlauf.monate.size());
    if (monate > 0 && flaeche.width() > 0) {
        const qreal spalte = flaeche.width() / monate - masse.averageCharWidth();
        int form = 0;
        while (form < MonatsFormen - 1 && FormBreite(verlauf.monate, form, masse) > spalte)
            ++form;
        const int breite = FormBreite(verlauf.monate, form, masse);
        const int jeder = breite > spalte ? qMax(1, int(std::ceil(breite / qMax<qreal>(1, spalte)))) : 1;
        auto *x = static_cast<QBarCategoryAxis *>(waagrecht.first());
        const QStringList beschriftungen = Monatsbeschriftungen(verlauf.monate, form, jeder);
        if (x->categories() != beschriftungen)
            x->setCategories(beschriftungen);
    }
    ZahlenVerteilen();
}

QStringList TVerlaufForm::ZahlenZeilen() const
{
    QStringList zeilen;
    for (const MonatsZahlen &monat : verlauf.monate)
        zeilen << QStringLiteral("%1: Fehlt %2, Nein %3, Ja %4 – zusammen %5 %6")
                      .arg(MonatsText(monat), TausenderPunkte(monat.fehlt), TausenderPunkte(monat.nein),
                           TausenderPunkte(monat.ja), TausenderPunkte(monat.Summe()),
                           monat.Summe() == 1 ? QStringLiteral("Tag") : QStringLiteral("Tage"));
    return zeilen;
}

void TVerlaufForm::MonatZeigen(int index)
{
    // The chosen month's counts beside its bar, as the mouse shows them.
    QChart *diagramm = ChartView1->chart();
    if (index < 0 || index >= verlauf.monate.size() || diagramm->series().isEmpty())
        return;
    const QPointF oben = diagramm->mapToPosition(QPointF(index, verlauf.monate[index].Summe()),
                                                 diagramm->series().first());
    const QPoint stelle = ChartView1->viewport()->mapToGlobal(ChartView1->mapFromScene(diagramm->mapToScene(oben)));
    QToolTip::showText(stelle, ChartView1->Zeilen().value(index), ChartView1);
}

void TVerlaufForm::ZahlenVerteilen()
{
    const QChart *diagramm = ChartView1->chart();
    if (saetze.size() != 6 || !diagramm)
        return;
    // A count fits on its bar when the bar is as high as a line of its font.
    const qreal proTag = diagramm->plotArea().height() / achsenMax;
    const int zeile = QFontMetrics(saetze[0]->labelFont()).height();
    for (int index = 0; index < verlauf.monate.size(); ++index) {
        const MonatsZahlen &monat = verlauf.monate[index];
        const int werte[3] = {monat.fehlt, monat.nein, monat.ja};
        for (int n = 0; n < 3; ++n) {
            const bool passt = werte[n] * proTag >= zeile;
            saetze[2 * n]->replace(index, passt ? werte[n] : 0);
            saetze[2 * n + 1]->replace(index, passt ? 0 : werte[n]);
        }
    }
}

void TVerlaufForm::Einfaerben(bool papier)
{
    QChart *diagramm = ChartView1->chart();
    const QColor text = papier ? QColor(Qt::black) : SchriftFarbe();
    const QColor grund = papier ? QColor(Qt::white) : Hintergrundfarbe();
    const QFont schrift = Diagrammschrift();
    QFont titel = schrift;
    titel.setBold(true);
    diagramm->setBackgroundBrush(grund);
    diagramm->setTitleFont(titel);
    diagramm->setTitleBrush(text);
    diagramm->legend()->setFont(schrift);
    diagramm->legend()->setLabelColor(text);
    for (QAbstractAxis *achse : diagramm->axes()) {
        achse->setLabelsFont(schrift);
        achse->setLabelsColor(text);
        achse->setTitleFont(schrift);
        achse->setTitleBrush(text);
        achse->setLinePenColor(text);
        achse->setGridLineColor(QColor(160, 160, 160));
    }
    for (QAbstractSeries *reihe : diagramm->series()) {
        const QList<QBarSet *> alle = static_cast<QAbstractBarSeries *>(reihe)->barSets();
        for (int n = 0; n < alle.size() && n < 6; ++n) {
            const Farben &farben = Balkenfarben[n / 2];
            alle[n]->setColor(farben.balken);
            alle[n]->setBorderColor(QColor(0x20, 0x20, 0x20));
            alle[n]->setLabelColor(n % 2 ? QColor(Qt::transparent) : farben.zahl);
            alle[n]->setLabelFont(schrift);
        }
    }
}

QFont TVerlaufForm::Diagrammschrift() const
{
    // The program font, however large: where the screen is too small for
    // the chart in it, the chart scrolls.
    return ProgrammSchrift().schrift;
}

QImage TVerlaufForm::Bild()
{
    QImage bild(ChartView1->size() * 2, QImage::Format_ARGB32);
    bild.fill(Qt::white);
    Einfaerben(true);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        ChartView1->render(&maler, QRectF(bild.rect()), ChartView1->viewport()->rect());
    }
    Einfaerben(false);
    return bild;
}

bool TVerlaufForm::PngSchreiben(const QString &pfad)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Bild().save(&puffer, "PNG");
    QString fehler;
    if (BytesSchreiben(pfad, puffer.data(), fehler))
        return true;
    Fehler(fehler);
    return false;
}

void TVerlaufForm::DiagrammDrucken(QPagedPaintDevice &geraet)
{
    const QFont &schrift = ProgrammSchrift().schrift;
    const QColor schwarz(Qt::black);
    Einfaerben(true);
    SeiteDrucken(geraet, Titel(), schrift, schwarz, [&](QPainter &maler, const QRectF &bereich) {
        const qreal zeile = QFontMetricsF(schrift, &geraet).height();
        const QRectF text(bereich.left(), bereich.bottom() - 3 * zeile, bereich.width(), 3 * zeile);
        ChartView1->render(&maler, bereich.adjusted(0, 0, 0, -(3.5 * zeile)), ChartView1->viewport()->rect());
        maler.setFont(schrift);
        maler.setPen(schwarz);
        maler.drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, Label1->text());
    });
    Einfaerben(false);
}

void TVerlaufForm::Button1Click()
{
    const QString pfad = SpeicherortWaehlen(this, QStringLiteral("Als PNG speichern"), QStringLiteral("PNG-Bild (*.png)"),
                                            QStringLiteral("png"), QStringLiteral("Verlauf %1.png").arg(FuerDateinamen(Teilnehmer)));
    if (!pfad.isEmpty())
        PngSchreiben(pfad);
}

void TVerlaufForm::Button2Click()
{
    QPrinter drucker;
    if (QuerDruckWaehlen(drucker, windowTitle(), this))
        DiagrammDrucken(drucker);
}
