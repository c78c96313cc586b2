#pragma once

class QCoreApplication;

// What runs before any window exists (also for work without one): the
// names and version, the German Qt texts and the corrections of the day and
// month names.
void ProgrammVorbereiten(QCoreApplication &anwendung);
