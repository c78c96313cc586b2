#pragma once

class QApplication;

// What runs before any window exists: the German Qt texts and the
// corrections of the day and month names.
void ProgrammVorbereiten(QApplication &anwendung);
