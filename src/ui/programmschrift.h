#pragma once
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The one font all windows use, with the colour and character set the
// settings keep for it.
struct ProgrammSchriftWerte {
    QFont schrift;
    // Colour as Windows stores it: 0x00BBGGRR, or a system colour with 0xFF
    // in the top byte (0xFF000008 is the window text colour).
    quint32 farbe = SystemFensterText;
    int zeichensatz = 0;

    static constexpr quint32 SystemFensterText = 0xFF000008u;
};

ProgrammSchriftWerte &ProgrammSchrift();
QColor SchriftFarbe();
QColor FarbeAusWert(quint32 wert);
quint32 WertAusFarbe(const QColor &farbe);

// Style bits as stored: 1 italic, 2 bold, 4 underline, 8 strike-out.
int StilBits(const QFont &schrift);
void StilBitsSetzen(QFont &schrift, int bits);

// The colour table of the background chooser.
struct HintergrundEintrag {
    const char *name;
    QColor farbe;
};
constexpr int HintergrundAnzahl = 19;
const HintergrundEintrag &HintergrundTabelle(int nummer);
QString HintergrundName(int nummer);

// The program-wide background colour of the text controls.
QColor &Hintergrundfarbe();

// Applies font and colour the way every window does: text controls get the
// background colour and a full copy of the font, buttons the family and
// size only, other widgets nothing.
void SchriftUndFarbeAnwenden(QWidget *fenster);
