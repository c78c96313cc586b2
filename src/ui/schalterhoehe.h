#pragma once
#include <QFont>
#include <QList>

// The kinds of control whose height follows the font.
enum class SchalterArt { Edit, Knopf, Statusleiste, Radiogruppe, Sonstige };

// The height of one line of text in a font (its full character cell).
int Zeilenhoehe(const QFont &schrift);
// The height a control of the given kind gets for a font: the line height
// plus 8 for an edit or radio group, 12 for a button, 6 for a status bar.
int SchalterHoehe(const QFont &schrift, SchalterArt art);
// The width of a row of buttons: the standard width, or more where a
// caption in a large font would not fit (a clipped caption helps no one).
class QPushButton;
int KnopfBreite(const QList<QPushButton *> &knoepfe, int standard);

// The width a label takes for its caption (mnemonic "&" not counted).
int LabelBreite(const QFont &schrift, const QString &text);
