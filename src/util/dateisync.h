#pragma once
#include <functional>

// Brings what was written to an open file onto its drive (fdatasync): 0,
// or the system's error number when the drive reports a failure, which
// makes the whole save a failure. Tests replace the call to inject such
// failures (the replacement returns an error number or 0; it serves the
// folders' syncs too, and can tell them by the handle); an empty function
// restores the system's.
int AufDatentraeger(int handle);
void AufDatentraegerFestlegen(std::function<int(int handle)> sync);

// The same for the entries of an open folder (a file's new name): fsync; a
// file system that cannot sync a folder counts as done.
int OrdnerAufDatentraeger(int handle);
