#pragma once
#include <QString>

// Folder paths always end with "/".

// The user's documents folder, or an empty text when there is none.
QString EigeneDokumente();
// The folder of the program file.
QString Programmordner();
// The temporary folder.
QString TempOrdner();

// Tests move the documents and program folders into temporary folders;
// an empty text returns to the real one.
void EigeneDokumenteFestlegen(const QString &pfad);
void ProgrammordnerFestlegen(const QString &pfad);

// Whether the folder can be used for files: it exists and a folder can be
// made in it, or it can be made with its missing parents. Tried for real, so
// that rights, access lists and read-only mounts all count.
bool OrdnerAnlegbar(const QString &pfad);

// Makes a folder that holds pupils' data, readable by the user alone
// (0700 whatever the file mask; its missing parents as usual). A folder that
// exists keeps its permissions. False when there is no such folder after.
bool PrivatenOrdnerAnlegen(const QString &pfad);

// The folder part of a path, with its trailing "/" ("a/b.dat" gives "a/").
QString OrdnerTeil(const QString &pfad);
// The name part of a path ("a/b.dat" gives "b.dat"; "a/" gives "").
QString NamensTeil(const QString &pfad);
// A path as the user's platform writes it, for messages.
QString Nativ(const QString &pfad);

// Deletes a file; false with the German reason.
bool DateiEntfernen(const QString &pfad, QString &grund);

// Makes a file writable for its owner (a link's target); failures ignored.
void AttributeZuruecksetzen(const QString &pfad);
