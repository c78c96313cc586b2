#pragma once
#include <QFrame>

class QLabel;

// The main window's status bar: two sunken panels whose widths the window's
// arrangement sets.
class StatusLeiste : public QFrame
{
    Q_OBJECT
public:
    explicit StatusLeiste(QWidget *eltern);
    void PanelText(int panel, const QString &text);
    QString PanelText(int panel) const;
    void PanelBreiten(int breite0, int breite1);

private:
    QLabel *panels[2];
};
