#pragma once
// Unit SichernDlg: backing the participant files up to a drive, and
// restoring them from there, each copy compared byte by byte.

#include "records/sicherung.h"
#include "ui/mwdialog.h"
#include "dialogs/kennwortdlg.h"

#include <QElapsedTimer>
#include <QStringList>

class QAction;
class QCheckBox;
class QListWidget;
class QMenu;
class QTextEdit;
class QTimer;
struct Sicherungskopf;

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

    QListWidget *ListBox1;
    QTextEdit *RichEdit1;
    QPushButton *Button1, *Button2, *Button3;
    QTimer *Timer1;
    QMenu *PopupMenu1;
    QAction *PuAktualisieren;
    // The encrypted backup: one file of all participants, password-protected
    // (backup), or that file offered for the restore when the drive holds it.
    QCheckBox *KastenVerschluesselt;
    TKennwortForm *KennwortForm = nullptr;
    QString DatenOrdner;
    bool SichernS = true;

public slots:
    void Timer1Timer();
    void Button1Click();
    void Button2Click();

    void done(int ergebnis) override;

signals:
    // A backup (not a restore) succeeded; sent after its success message.
    void Gesichert();

protected:
    void FormShow() override;

private:
    // The checks before a run; false after the message that says why not.
    bool Vorbereiten(const QString &wurzel);
    void VorbereitungMelden(const Vorbereitung &vorbereitung, const QString &sicherung);
    // The check box: remembered for a backup, offered by the drive for a restore.
    void KastenEinrichten();
    void KastenFuerLaufwerk();
    // The encrypted runs (sicherndlg_verschluesselt.cpp); false when they
    // failed or the password was not given, after the message.
    bool VerschluesseltSichern(const QString &sicherung);
    bool VerschluesseltWiederherstellen(const QString &sicherung);
    bool VerschluesseltAuspacken(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                                 const QString &sicherung);
    bool KennwortFragen(TKennwortForm::Zweck zweck, Geheimnis &kennwort);
    // The key, made beside the window (it takes a second) while the window
    // goes on answering.
    Geheimnis SchluesselBerechnen(const Geheimnis &kennwort, const Sicherungskopf &kopf);
    // Shows the log lines not shown yet.
    void ProtokollAusgeben();
    // Writes why a file failed into the log.
    void GrundMelden(const QString &datei, const QString &grund);
    // Where a drive entry keeps the device its root was on at the scan.
    static constexpr int GeraetRolle = Qt::UserRole + 1;
    // Writes the log line of each file of a pass; `laufwerk` gives the path
    // on the drive, which the line shows in full.
    JeDatei Protokollierer(const std::function<QString(const QString &)> &laufwerk, const QString &logZeile);
    static void EingabenZulassen();
    QStringList offeneZeilen; // log lines not shown yet
    QElapsedTimer seitAusgabe;
    bool laeuft = false;
    bool schliessenNachLauf = false;
    int schliessenErgebnis = Abbrechen;
};
