#pragma once
#include <QString>

class QWidget;

// Asks where to save a file, in the program's German save dialog; the
// suggested name goes into the folder chosen last (at first the documents
// folder). An empty text when the user cancels.
QString SpeicherortWaehlen(QWidget *eltern, const QString &titel, const QString &filter, const QString &endung,
                           const QString &vorschlag);

// A text made fit for a file name: characters that separate folders or
// that some systems forbid in names become "-".
QString FuerDateinamen(QString text);
