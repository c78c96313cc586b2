#pragma once
// The class overview: every participant of a class with the days of a
// period counted by homework status, sortable, saved as CSV, printed or
// saved as PDF. It only reads the participant files.

#include "ui/mwdialog.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPagedPaintDevice;
class QTableView;
class QTimer;
class UebersichtModell;
class UebersichtSortierer;
class ZeitraumWahl;
struct UebersichtZeile;

class TUebersichtForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TUebersichtForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    // Set by the opener before each showing: the data folder and the class
    // to begin with (empty for all).
    QString DatenOrdner;
    void KlasseVorgeben(const QString &klasse);
    // The class chosen, empty for "(Alle)".
    QString GewaehlteKlasse() const;

    // Counts the folder anew for the class and period chosen.
    void Zaehlen();
    // The participants in the order the table shows them.
    QList<UebersichtZeile> AngezeigteZeilen() const;
    // "Klassenübersicht – Klasse: 4b – Zeitraum: Schuljahr (…)".
    QString Titel() const;

    bool CsvSchreiben(const QString &pfad);
    bool PdfSchreiben(const QString &pfad);
    void TabelleDrucken(QPagedPaintDevice &geraet);

    QLabel *Label1, *Label2;
    QComboBox *ComboBox1;
    ZeitraumWahl *Zeitraum1;
    QTableView *TableView1;
    UebersichtModell *Modell;
    UebersichtSortierer *Sortierer;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    QTimer *Timer1;
    QMenu *PuTabelle;
    QAction *PuAufsteigend, *PuAbsteigend;

public slots:
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void FormShow() override;

private:
    void KlassenFuellen();
    void SpaltenAnpassen();
    void KnoepfeAktualisieren();
    void PuTabellePopup(const QPoint &stelle);
    QString Dateiname(const QString &endung) const;

    QString vorgabeKlasse;
    bool zaehlt = false;
};
