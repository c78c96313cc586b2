#pragma once
// Unit SichernDlg: backing the participant files up to a drive, and
// restoring them from there, each copy compared byte by byte.

#include "ui/mwdialog.h"

#include <functional>

class QAction;
class QListWidget;
class QMenu;
class QTextEdit;
class QTimer;

class TSichernForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TSichernForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    bool CopyDateienOk(const QString &o1, const QString &o2);
    bool CheckDateienOk(const QString &o1, const QString &o2);
    void ReText(const QString &s, bool clearS);

    // The backup folder of a drive: its root path and "MwDaten/".
    static QString SicherungsOrdner(const QString &wurzel);

    QListWidget *ListBox1;
    QTextEdit *RichEdit1;
    QPushButton *Button1, *Button2, *Button3;
    QTimer *Timer1;
    QMenu *PopupMenu1;
    QAction *PuAktualisieren;
    QString DatenOrdner;
    bool SichernS = true;

public slots:
    void Timer1Timer();
    void Button1Click();
    void Button2Click();

    void done(int ergebnis) override;

protected:
    void FormShow() override;

private:
    bool Vorbereiten(const QString &sicherung);
    // One pass over the participant files of `o1`: a log line and `aktion`
    // for each; the first failure is reported and ends the pass.
    bool JedeDatei(const QString &o1, const QString &o2, const QString &logZeile,
                   const std::function<bool(const QString &, const QString &, const std::function<void()> &)> &aktion,
                   const std::function<QString(const QString &)> &fehlerText);
    // The two names a log line and a message show: the data-folder side by
    // the bare file name, the drive side in full.
    QStringList Namen(const QString &o1, const QString &o2, const QString &datei) const;
    bool laeuft = false;
    bool schliessenNachLauf = false;
    int schliessenErgebnis = Abbrechen;
};
