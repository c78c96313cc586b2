#pragma once
// Unit ZahlenDlg: the day-number dialog of "Gehe zu Tag".

#include "ui/mwdialog.h"

class QLabel;
class QLineEdit;
class QToolButton;

class TZahlenForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TZahlenForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;
    // The confirmed number, limited to MinNr..MaxNr; 0 after an invalid entry.
    int GetZahl();

    // The up-down arrows at the edit's right side.
    void setUpDown(int minimum, int maximum, int position);
    int Position() const { return position; }

    QLabel *Label1;
    QLineEdit *Edit1;
    QToolButton *Hoch, *Runter;
    QPushButton *Button1, *Button2;
    int MinNr = 1;
    int MaxNr = 1;

public slots:
    void Edit1Change();

protected:
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void Schritt(int richtung);
    int minimum = 0, maximum = 0, position = 0;
};
