#pragma once

class QWidget;

// Gives the focus back to a remembered control, if it can still take it.
void FokusZurueckgeben(QWidget *ziel);
