#pragma once
#include <QSettings>

// The user's settings of the program: the one store the main window, the
// backup reminder and the headless export read and write.
QSettings Einstellungen();
