#pragma once
#include <QIcon>

// The program's icon, drawn from its vector image at any size (the window,
// the task bar, a scale factor of 2); the same image the icon theme gets.
QIcon ProgrammSymbol();

// The name under which the desktop knows the program: its desktop entry,
// icon and metadata are named so.
inline const QString ProgrammKennung = QStringLiteral("example.merkwerk.Merkwerk");
