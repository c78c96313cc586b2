#pragma once
#include <QByteArray>
#include <QString>

// Writes a whole file without ever leaving it truncated: the new content
// goes into a temporary file beside it, is brought onto the drive, and
// only then replaces the old file; the folder is synced after the rename.
// A failure at any step (a full disk, a file-size limit, a drive that
// reports an error on the sync) leaves the old file as it was and gives the
// German message in `fehler`. A link is followed: its target gets the new
// content. With `neu` an existing file (or link) is never replaced, and the
// name appears only once the whole content is on the drive: a crash leaves
// no file or a whole one, never an empty one. `inhaltNeu` tells whether
// the file holds the new content: after a success, and after a failure
// past the rename (the folder's sync), whose message says so. With
// `ordnerSyncen` false the caller syncs the folder itself (OrdnerSyncen),
// once after replacing many files there.
bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu = false,
                    bool *inhaltNeu = nullptr, bool ordnerSyncen = true);

// The steps of such a write, for content that comes in blocks: a temporary
// file beside `ziel` that replaces it when it is complete and on the drive.
// Each step gives 0 or the system's error number; the temporary file goes
// again unless the replacement was made. With `neu` the file takes a name
// that no file has yet, and fails with EEXIST where one has.
class Ersatzdatei
{
public:
    explicit Ersatzdatei(const QString &ziel, bool neu = false) : ziel(ziel), neu(neu) {}
    ~Ersatzdatei();
    Ersatzdatei(const Ersatzdatei &) = delete;
    Ersatzdatei &operator=(const Ersatzdatei &) = delete;

    int Anlegen();
    int Schreiben(const char *daten, qint64 anzahl);
    // Sync, close and rename; with `ordnerSyncen` the folder too (a caller
    // that replaces many files in one folder syncs it once at the end).
    int Abschliessen(bool ordnerSyncen = true);
    // Whether the file took its name (also when the folder's sync failed).
    bool Ersetzt() const { return ersetzt; }
    // Gives the file (after Anlegen) the permissions `rechte` in place of
    // the old file's: a backup that only its owner may read.
    int RechteFestlegen(int rechte);

private:
    QString ziel;
    bool neu;
    QString temporaer;
    int handle = -1;
    bool ersetzt = false;
};

// Makes the entries of a folder (renamed files) durable; 0 or the error.
int OrdnerSyncen(const QString &ordner);

// The name of a new temporary file in `ordner`: a fixed prefix and a random
// part, as short whatever the name of the file it will replace (one near
// the file system's limit too).
QString TemporaererName(const QString &ordner);
// Whether a file name is one that TemporaererName gives.
bool IstTemporaererName(const QString &name);

// Temporary files that a write cut off in `ordner` left behind (a crash, a
// stick pulled out) go again once they are an hour old; younger ones may
// belong to a write still running in another copy of the program.
void VerwaisteTemporaereEntfernen(const QString &ordner);

// Where a path leads: the target of a link, else the path itself.
QString LinkAufloesen(const QString &pfad);
