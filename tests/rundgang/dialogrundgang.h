#pragma once
// A walk through every dialog of the program, for the checks that must
// hold in each of them (mnemonics, names for screen readers): every menu
// command of the main window whose text ends in "..." is chosen, in every
// dialog that opens every button whose text ends in "..." is pressed (so
// the dialogs these open are reached too), and each dialog is cancelled
// after its visit. Dialogs of the program that no command showed are
// shown on their own at the end, and so is the password question, which
// only a backup's course opens. A dialog counts once per title, so that
// a dialog shown for two commands (backup and restore) is visited in both.
// The caller sets the seams first: message boxes answered, no printer, the
// shell recorded.

#include <QStringList>
#include <functional>

class QWidget;
class TForm1;

// Whether a dialog is one of the program's own (not one of Qt's).
bool EigenerDialog(const QWidget *dialog);

// Visits every dialog while it is open; returns their titles in the order
// of the visits.
QStringList DialogeBesuchen(TForm1 &haupt, const std::function<void(QWidget *dialog)> &besuchen);
