#pragma once
// Unit DruckenDlg: the text window that shows, prints and saves a report.

#include "ui/mwdialog.h"

#include <QPointer>

class QAction;
class QFileDialog;
class QMenu;
class QPlainTextEdit;

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

    // The text area edits plain text only and lays out only what it shows,
    // so that a report of many thousand days appears at once.
    QPlainTextEdit *RichEdit1;
    QPushButton *Button1, *Button2, *Button3;
    QMenu *PuReMenu;
    QAction *PuReKopieren, *PuReAusschneiden, *PuReEinfuegen, *PuReAllesMarkieren, *PuReDrucken, *PuReSpeichern;
    // The save dialog, made at the first save and kept for the run.
    QFileDialog *SaveDialog1();
    QPointer<QWidget> MerkActiveControl;

public slots:
    void RichEdit1Change();
    void Button3Click();

protected:
    void FormShow() override;

private:
    QAction *Eintrag(const char *name, const QString &text, const QKeySequence &kuerzel);
    QFileDialog *speicherDialog = nullptr;
};
