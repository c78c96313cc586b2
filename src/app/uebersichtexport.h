#pragma once
// The class overview for scripts: the CSV of the overview dialog, written
// without a window.

#include <QString>

struct UebersichtAuftrag {
    QString ordner; // empty: the data folder of the settings
    QString klasse; // empty: all classes
    QString von;    // TT.MM.JJJJ, empty: no lower bound
    QString bis;    // TT.MM.JJJJ, empty: no upper bound
    QString csv;    // the file to write
};

// Writes the CSV and returns the exit code: 0 when written, 2 for a bad
// argument (also a target the program never writes into: a participant
// file or its copy, a pipe, a device), 1 when the file could not be written. Messages go to standard
// error, in German.
int UebersichtExportieren(const UebersichtAuftrag &auftrag);

// The data folder the program would open: the choice kept in the settings,
// or the one a first start makes. Ends with "/".
QString EingestellterDatenordner();
