#pragma once

class QLineEdit;

// Limits what can be typed into a field to `laenge` characters without
// cutting a longer text that the program puts there (a date read from a
// file may be longer, and must survive being shown and saved).
void EingabeBegrenzen(QLineEdit *feld, int laenge);
