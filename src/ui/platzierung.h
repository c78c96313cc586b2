#pragma once
#include <QSize>

class QWidget;
class QDialog;

// The screen the dialogs measure against: the primary monitor's full size.
QSize Bildschirm();

// Centres a window on the screen, one pixel up and left, never beyond the
// top or left edge.
void AufBildschirmZentrieren(QWidget *fenster);

// Places a dialog centred over the main window, kept inside the work area
// of the monitor that shows the main window.
void UeberHauptfensterZentrieren(QWidget *dialog);
