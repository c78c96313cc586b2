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
    // The four uses of the dialog, also the tags of their menu items.
    enum Modus { Umbenennen = 1, KlasseAendern = 2, Suchen = 3, KommentarAendern = 4 };

    bool NullS = false;
    int Nr = Umbenennen;

public slots:
    void Edit1Change();

protected:
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};
