#pragma once
// A participant's days as a chart: one stacked bar per month (Fehlt,
// Nein, Ja) over the chosen period, the days without a readable date named
// below; saved as PNG or printed.

#include "records/verlauf.h"
#include "ui/mwdialog.h"

#include <QStringList>

class Diagrammansicht;
class QBarSet;
class QChart;
class QLabel;
class QScrollArea;
class QPagedPaintDevice;
class ZeitraumWahl;

class TVerlaufForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TVerlaufForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    // Set by the opener before each showing: the open participant.
    QString Teilnehmer;
    QString Klasse;
    QStringList Zeilen;

    // Counts the months anew and draws the chart.
    void DiagrammAufbauen();
    const Verlauf &Gezaehlt() const { return verlauf; }
    QString Titel() const;
    // The period chosen: "Schuljahr (1. August 2023 bis 31. Juli 2024)".
    QString Zeitraumtext() const;
    // The chart as a picture on white, twice the size it has on screen.
    QImage Bild();
    bool PngSchreiben(const QString &pfad);
    void DiagrammDrucken(QPagedPaintDevice &geraet);

    ZeitraumWahl *Zeitraum1;
    // The chart scrolls where large print leaves it too little room.
    QScrollArea *DiagrammRolle;
    Diagrammansicht *ChartView1;
    QLabel *Label1;
    QPushButton *Button1, *Button2, *Button3;

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;

private:
    // Fits the axes to the plot area: month labels as long as their
    // column allows, as many day ticks as have room for their numbers.
    void AchsenAnpassen();
    // Puts each count on its bar, or, where the bar is too short for it,
    // into the twin bar that shows no number.
    void ZahlenVerteilen();
    // The counts of every month, one line each, for the keyboard and the
    // screen reader.
    QStringList ZahlenZeilen() const;
    void MonatZeigen(int index);
    // Screen colours, or black on white for paper and pictures.
    void Einfaerben(bool papier);
    QFont Diagrammschrift() const;
    QString OhneDatumText() const;

    Verlauf verlauf;
    QList<QBarSet *> saetze; // Fehlt, Nein, Ja, each with and without its number on the bar
    int achsenMax = 1;
    int hoechster = 0; // the highest month's count
};
