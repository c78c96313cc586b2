#pragma once
#include <QChartView>
#include <QStringList>

// A chart that the keyboard and a screen reader can read: it takes the
// focus, each group of bars has a line of text (a month and its counts),
// the arrow keys, Home and End walk from group to group with a frame
// around the chosen one, and a screen reader reads the lines as the
// chart's text, the chosen one at the caret.
class Diagrammansicht : public QChartView
{
    Q_OBJECT
public:
    explicit Diagrammansicht(QWidget *eltern);

    // One line per group of bars, in the order of the category axis.
    void ZeilenSetzen(const QStringList &zeilen);
    const QStringList &Zeilen() const { return zeilen; }
    // All lines, each ended by "\n".
    QString GanzerText() const;
    // The chosen group, -1 before the chart had the focus.
    int AktuelleZeile() const { return aktuell; }
    void ZeileWaehlen(int zeile);
    // Where the chosen line begins in GanzerText().
    int ZeilenAnfang(int zeile) const;

signals:
    void ZeileGewaehlt(int zeile);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    void focusInEvent(QFocusEvent *ereignis) override;
    void focusOutEvent(QFocusEvent *ereignis) override;
    void drawForeground(QPainter *maler, const QRectF &bereich) override;

private:
    QStringList zeilen;
    int aktuell = -1;
};
