#pragma once
#include <QString>

class QFontDialog;

// The German name of a font style as the font files name it ("Regular",
// "Bold", "Italic", "Bold Italic", "Light", "Condensed Bold" ...):
// "Standard", "Fett", "Kursiv", "Fett kursiv", "Leicht", "Schmal fett".
// A name with a word that is no style word stays as it is.
QString StilnameDeutsch(const QString &stil);

// Shows the styles of the (Qt's own) font dialog by their German names.
// Only what is shown changes: the dialog selects and returns the styles
// as the font files name them, so the program stores what it stored.
void StilnamenEindeutschen(QFontDialog &dialog);
