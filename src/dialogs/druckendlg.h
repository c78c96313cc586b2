#pragma once
// Unit DruckenDlg: the text window that shows, prints and saves a report.

#include "ui/mwdialog.h"

#include <QPointer>

class QAction;
class QFileDialog;
class QMenu;
class QTextEdit;

class TDruckenForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TDruckenForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;
    void SetActiveControl();

    // The report text in and out (lines, without formatting).
    void TextSetzen(const QString &text);
    QString Text() const;

    QTextEdit *RichEdit1;
    QPushButton *Button1, *Button2, *Button3;
    QMenu *PuReMenu;
    QAction *PuReKopieren, *PuReAusschneiden, *PuReEinfuegen, *PuReAllesMarkieren, *PuReDrucken, *PuReSpeichern;
    QFileDialog *SaveDialog1;
    QPointer<QWidget> MerkActiveControl;

public slots:
    void RichEdit1Change();
    void Button3Click();

protected:
    void FormShow() override;

private:
    QAction *Eintrag(const char *name, const QString &text, const QKeySequence &kuerzel);
};
