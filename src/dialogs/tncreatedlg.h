#pragma once
// Unit TnCreateDlg: name, class and comment of a new participant.

#include "ui/mwdialog.h"

class QLabel;
class QLineEdit;

class TTnCreateForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TTnCreateForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;

    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QPushButton *Button1, *Button2;
    QString DatFilename;

public slots:
    void Edit1Change();
    void Button1Click();

protected:
    void FormShow() override;

private:
    void Edit1KeyPress();
};
