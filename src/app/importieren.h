#pragma once
// A class list imported without a window, for school administrators: the
// rules of "Teilnehmer importieren..." on a file, a line per row that was
// skipped or invalid and the summary on standard output.

#include <QString>

struct ImportAuftrag {
    QString datei;
    QString ordner;    // empty: the data folder of the settings
    QString klasse;    // empty: the class column
    QString namensform; // empty: the form last chosen in the settings
};

// Returns the exit code: 0 when every row was created or skipped as
// existing, 1 when a row was invalid or could not be written, 2 for a bad
// argument or a file that cannot be read (a German message on standard
// error).
int ImportAusfuehren(const ImportAuftrag &auftrag);
