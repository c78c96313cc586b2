#include "diagrammansicht.h"

#include "zugangstext.h"

#include <QAbstractBarSeries>
#include <QKeyEvent>
#include <QPainter>

namespace {

class DiagrammZugang : public TextZugang
{
public:
    explicit DiagrammZugang(QWidget *ansicht) : TextZugang(ansicht, QAccessible::Chart) {}

    Diagrammansicht *Ansicht() const { return static_cast<Diagrammansicht *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.readOnly = true;
        zustand.selectableText = true;
        return zustand;
    }

    // One object with its text: the view's scroll bars and viewport say nothing.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Value)
            return Ansicht()->Zeilen().value(Ansicht()->AktuelleZeile());
        return QAccessibleWidget::text(art);
    }

    QString GanzerText() const override { return Ansicht()->GanzerText(); }
    int Marke() const override { return Ansicht()->ZeilenAnfang(Ansicht()->AktuelleZeile()); }
    void MarkeSetzen(int position) override
    {
        // The caret goes to the line that holds the position.
        const QString ganz = GanzerText();
        Ansicht()->ZeileWaehlen(int(ganz.left(qBound(0, position, int(ganz.size()))).count(QLatin1Char('\n'))));
    }
};

} // namespace

Diagrammansicht::Diagrammansicht(QWidget *eltern) : QChartView(eltern)
{
    ZugangEinrichten("Diagrammansicht", [](QWidget *ansicht) -> QAccessibleInterface * { return new DiagrammZugang(ansicht); });
    setFocusPolicy(Qt::StrongFocus);
}

void Diagrammansicht::ZeilenSetzen(const QStringList &neu)
{
    const QString alt = GanzerText();
    zeilen = neu;
    aktuell = zeilen.isEmpty() ? -1 : qBound(-1, aktuell, int(zeilen.size()) - 1);
    viewport()->update();
    QAccessibleTextUpdateEvent ereignis(this, 0, alt, GanzerText());
    QAccessible::updateAccessibility(&ereignis);
}

QString Diagrammansicht::GanzerText() const
{
    QString text;
    for (const QString &zeile : zeilen)
        text += zeile + QLatin1Char('\n');
    return text;
}

int Diagrammansicht::ZeilenAnfang(int zeile) const
{
    int anfang = 0;
    for (int n = 0; n < zeile && n < zeilen.size(); ++n)
        anfang += int(zeilen[n].size()) + 1;
    return anfang;
}

void Diagrammansicht::ZeileWaehlen(int zeile)
{
    if (zeilen.isEmpty())
        return;
    zeile = qBound(0, zeile, int(zeilen.size()) - 1);
    const bool neu = zeile != aktuell;
    aktuell = zeile;
    viewport()->update();
    QAccessibleTextCursorEvent marke(this, ZeilenAnfang(zeile));
    QAccessible::updateAccessibility(&marke);
    if (neu || hasFocus())
        emit ZeileGewaehlt(zeile);
}

void Diagrammansicht::keyPressEvent(QKeyEvent *ereignis)
{
    const int letzte = int(zeilen.size()) - 1;
    switch (ereignis->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        ZeileWaehlen(qMax(0, aktuell - 1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        ZeileWaehlen(aktuell + 1);
        break;
    case Qt::Key_Home:
        ZeileWaehlen(0);
        break;
    case Qt::Key_End:
        ZeileWaehlen(letzte);
        break;
    default:
        QChartView::keyPressEvent(ereignis);
        return;
    }
    ereignis->accept();
}

void Diagrammansicht::focusInEvent(QFocusEvent *ereignis)
{
    QChartView::focusInEvent(ereignis);
    ZeileWaehlen(aktuell < 0 ? 0 : aktuell);
}

void Diagrammansicht::focusOutEvent(QFocusEvent *ereignis)
{
    QChartView::focusOutEvent(ereignis);
    viewport()->update();
}

void Diagrammansicht::drawForeground(QPainter *maler, const QRectF &bereich)
{
    QChartView::drawForeground(maler, bereich);
    if (!hasFocus() || aktuell < 0 || !chart() || chart()->series().isEmpty())
        return;
    // A frame around the chosen group, from the top of the plot to its foot.
    QAbstractSeries *reihe = chart()->series().first();
    const QRectF flaeche = chart()->plotArea();
    const qreal links = chart()->mapToPosition(QPointF(aktuell - 0.5, 0), reihe).x();
    const qreal rechts = chart()->mapToPosition(QPointF(aktuell + 0.5, 0), reihe).x();
    QPen stift(palette().color(QPalette::Highlight), 3, Qt::DashLine);
    maler->save();
    maler->setPen(stift);
    maler->setBrush(Qt::NoBrush);
    maler->drawRect(QRectF(links + 2, flaeche.top(), rechts - links - 4, flaeche.height()).translated(chart()->pos()));
    maler->restore();
}
