#pragma once
// Unit TlDlg: the participant list with its class filter.

#include "ui/mwdialog.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QTimer;
class TKlassenForm;

class TTlForm : public MwDialog
{
    Q_OBJECT
public:
    TTlForm(QWidget *eltern, TKlassenForm *klassenForm);

    void CaptionZuweisen();
    void SchalterEinrichten() override;

    // Lists the participant files of the folder of `pfad` (of DatFilename
    // when empty) that pass the class filter, sorted; true when any is listed.
    bool DateienEinlesen(const QString &pfad = QString());
    int FindItemIndex() const;
    // The selected name, or an empty text when nothing is selected.
    QString Auswahl() const;

    QString Klasse() const { return FKlasse; }
    void setKlasse(const QString &klasse);

    QLabel *Label1;
    QListWidget *ListBox1;
    QPushButton *Button1, *Button2, *Button3;
    QTimer *Timer1;
    QStringList KlassenSl;
    QString DatFilename;

public slots:
    void Timer1Timer();
    void Button3Click();

protected:
    void FormShow() override;

private:
    TKlassenForm *klassenForm;
    QString FKlasse;
    bool fehlerGemeldet = false;
};
