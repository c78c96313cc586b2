#pragma once
// Unit EditDlg: the one-line input dialog (rename, class, search, comment).

#include "ui/mwdialog.h"

class QLabel;
class QLineEdit;

class TEditForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TEditForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;

    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1, *Button2;
    bool NullS = false;
    int Nr = 1; // 1 rename, 2 class, 3 search date, 4 comment

public slots:
    void Edit1Change();

protected:
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};
