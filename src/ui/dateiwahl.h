#pragma once
#include <QFileDialog>
#include <QString>

class QWidget;

// The program's German save dialog. A file the program does not write into
// (SpeicherzielFehler: a participant file, a pipe ...) is named in an error
// message before any question about overwriting, and the dialog stays open
// for another name.
class Speicherdialog : public QFileDialog
{
public:
    explicit Speicherdialog(QWidget *eltern, const QString &titel = {}, const QString &ordner = {});

    void accept() override;
};

// Asks where to save a file, in the program's German save dialog; the
// suggested name goes into the folder chosen last (at first the documents
// folder). An empty text when the user cancels.
QString SpeicherortWaehlen(QWidget *eltern, const QString &titel, const QString &filter, const QString &endung,
                           const QString &vorschlag);

// Asks for a file to open, in the program's German file dialog, in the
// folder chosen last (at first the documents folder); `filter` as
// QFileDialog takes it ("Tabellen (*.csv);;Alle Dateien (*)"). An empty
// text when the user cancels.
QString DateiZumOeffnenWaehlen(QWidget *eltern, const QString &titel, const QString &filter);

// A text made fit for a file name: characters that separate folders or
// that some systems forbid in names become "-".
QString FuerDateinamen(QString text);
