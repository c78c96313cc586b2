#pragma once
#include <QFrame>

class QLabel;

// The main window's status bar: two sunken panels, a fifth of the bar and
// the rest. The first is never narrower than its text; a text longer than
// its panel gives way to its short form where it has one (cut at its
// start if need be, so that its end, a key, stays), else ends in "…";
// then it shows whole as the panel's tool tip.
class StatusLeiste : public QFrame
{
    Q_OBJECT
public:
    explicit StatusLeiste(QWidget *eltern);
    // `kurz`: what the panel shows when the whole text does not fit.
    void PanelText(int panel, const QString &text, const QString &kurz = {});
    QString PanelText(int panel) const;
    // What the panel shows now.
    QString GezeigterText(int panel) const;
    // The width a panel needs to show its text whole, in its font.
    int TextBreite(int panel) const;
    // Sets the panels' widths and shown texts; again after a change of font.
    void Anordnen();

protected:
    void resizeEvent(QResizeEvent *ereignis) override;

private:

    QLabel *panels[2];
    QString texte[2];
    QString kurzTexte[2];
};
