#pragma once
#include <QString>
#include <functional>

// Names of files, given by the system's own calls and never by a copy:
// QFile::rename falls back to copying where the rename fails, and deletes
// the source before the copy's bytes are on the drive. Each call gives 0 or
// the system's error number.

// Gives the file `von` the name `nach` in the same folder or drive, unless a
// file of that name exists (EEXIST then; nothing is replaced). On a drive
// that ignores letter case, a change of letter case only renames the file
// itself. Where the drive cannot rename without replacing, a second name is
// made and the old one removed.
int NeuenNamenGeben(const QString &von, const QString &nach);

// Renames `von` over `nach`, replacing it (a temporary file over the file
// it completes).
int NameErsetzen(const QString &von, const QString &nach);

// A second name `name` for the file `datei` (a hard link); never replaces.
int ZweitenNamenGeben(const QString &datei, const QString &name);

// The calls behind these, which tests replace to inject failures (a drive
// without hard links, a rename that fails): each takes both paths and gives
// 0 or an error number. `SystemNamensaufrufe()` gives the system's, to which
// a replacement may pass a call on; an empty set restores them.
struct Namensaufrufe {
    std::function<int(const QString &von, const QString &nach)> ersetzen;     // rename
    std::function<int(const QString &von, const QString &nach)> ohneErsetzen; // renameat2 RENAME_NOREPLACE
    std::function<int(const QString &datei, const QString &name)> verknuepfen; // link
};
Namensaufrufe SystemNamensaufrufe();
void NamensaufrufeFestlegen(Namensaufrufe aufrufe);
