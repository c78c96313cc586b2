#pragma once
// Unit KlassenDlg: the class chooser of the participant list.

#include "ui/mwdialog.h"

class QListWidget;

class TKlassenForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TKlassenForm(QWidget *eltern);

    void SchalterEinrichten() override;
    int FindItemIndex() const;

    QListWidget *ListBox1;
    QPushButton *Button1, *Button2;
    QString Klasse;

protected:
    void FormShow() override;
};
