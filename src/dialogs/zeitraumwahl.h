#pragma once
// The period choice of the evaluations: a preset ("Alles", "Schuljahr",
// "1. Halbjahr", "2. Halbjahr", "Eigener Zeitraum") and the dates "Von" and
// "Bis". A preset fills the dates; a date typed by hand that matches no
// preset shows "Eigener Zeitraum". Under "Alles" the dates are empty.

#include "records/zeitraum.h"

#include <QWidget>

#include <limits>

class QComboBox;
class QDateEdit;
class QLabel;

// Program font and background colour for a field that the shared rule
// (SchriftUndFarbeAnwenden) leaves alone: combo boxes, date fields, tables.
void FeldEinfaerben(QWidget *feld);

class ZeitraumWahl : public QWidget
{
    Q_OBJECT
public:
    explicit ZeitraumWahl(QWidget *eltern);

    Zeitraum Wert() const;
    Vorgabe Auswahl() const;
    // Fills the dates from a preset, for the school year of today.
    void VorgabeSetzen(Vorgabe vorgabe);
    // The program font and colour for the preset and date fields.
    void SchriftartZuweisen();

    // Arranges the controls in one row from their fonts (5 between a label
    // and its field, 10 between the pairs) and takes the size that needs;
    // a pair that would run past `hoechstBreite` goes to a row below. The
    // first label of a row is at least `ersteLabelBreite` wide, so that its
    // field lines up with a field above it.
    void SchalterEinrichten(int ersteLabelBreite = 0, int hoechstBreite = std::numeric_limits<int>::max());
    // The height of a field of the row in the current font.
    int FeldHoehe() const;

    QLabel *Label1, *Label2, *Label3;
    QComboBox *ComboBox1;
    QDateEdit *DateEdit1, *DateEdit2;

signals:
    void Geaendert();

private:
    void VorgabeGewaehlt(int index);
    void DatumGeaendert();
    void DatenSetzen(const Zeitraum &zeitraum);

    Zeitraum merkEigener; // the dates to offer when the user leaves "Alles" for "Eigener Zeitraum"
    bool setzend = false;
};
