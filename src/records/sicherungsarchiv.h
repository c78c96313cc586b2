#pragma once
// The encrypted backup: every participant file of the data folder, with its
// name, in one file on the drive, so that no pupil's name or record can be
// read there without the password. Inside the encryption
// (util/verschluesselung.h) lies a POSIX tar archive (pax, names in UTF-8)
// written and read with libarchive. doc/sicherungsformat.md describes it.

#include "sicherung.h"
#include "util/verschluesselung.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

// The encrypted backup's name in the backup folder.
inline const QString SicherungsDateiName = QStringLiteral("Merkwerk-Sicherung.mwsich");

// The message for a backup that cannot be decrypted or read.
QString KennwortFalschText();

// A name a backup may hold: a participant file's name (ending in ".dat")
// without any folder part.
bool ArchivNameGueltig(const QString &name);

// How the reading or writing of a backup ended. `datei` names the
// participant file it was at, `grund` says why.
struct ArchivErgebnis {
    enum Art { Ok, Beschaedigt, Fehler };
    Art art = Ok;
    QString datei;
    QString grund;
    bool Erfolg() const { return art == Ok; }
};

// Writes participant files into the tar inside an encrypted stream.
class ArchivSchreiber
{
public:
    explicit ArchivSchreiber(Verschluesseler &strom);
    ~ArchivSchreiber();
    ArchivSchreiber(const ArchivSchreiber &) = delete;
    ArchivSchreiber &operator=(const ArchivSchreiber &) = delete;

    // A participant file of `groesse` bytes, which Daten then gives.
    bool Beginn(const QString &name, qint64 groesse, const QDateTime &geaendert, QString &grund);
    bool Daten(const char *daten, qint64 anzahl, QString &grund);
    // The end of the tar, and the stream's last block.
    bool Abschliessen(QString &grund);

    struct Zustand; // libarchive's, behind the scenes

private:
    bool Pruefen(int ergebnis, QString &grund);
    std::unique_ptr<Zustand> z;
};

// What a reader of a backup does with each participant file in it.
class ArchivEmpfaenger
{
public:
    virtual ~ArchivEmpfaenger() = default;
    virtual bool Beginn(const QString &name, qint64 groesse, QString &grund) = 0;
    virtual bool Daten(const char *daten, qint64 anzahl, QString &grund) = 0;
    virtual bool Ende(QString &grund) = 0;
};

// Reads the tar inside `strom` to the stream's authenticated end and hands
// every participant file to `empfaenger`. Anything but plain participant
// files, each name once, counts as damaged.
ArchivErgebnis ArchivLesen(Entschluesseler &strom, ArchivEmpfaenger &empfaenger, const JeBlock &jeBlock = {});

// --- the backup file on a drive ---

// Reads the head of the backup file `datei`.
ArchivErgebnis SicherungsKopfLesen(const QString &datei, Sicherungskopf &kopf);

// Every participant file of `von` into the backup file `datei`, through a
// temporary file beside it that only its owner may read and that replaces
// `datei` only once it is whole and on the drive.
ArchivErgebnis ArchivSchreiben(const QString &von, const QString &datei, const Geheimnis &schluessel,
                               const Sicherungskopf &kopf, const JeDatei &jeDatei, const JeBlock &jeBlock);

// The participant file that a name of the backup goes to, or is compared with.
using ZielFuer = std::function<QString(const QString &name)>;

// The functions below read a backup file with the key made from the salt
// and limits of `kopf`.

// Reads the whole backup, read back from the drive, and checks every block;
// gives the participant files it holds.
ArchivErgebnis ArchivPruefen(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                             QList<DateiGroesse> &eintraege, const JeBlock &jeBlock = {});

// Compares every participant file of the backup byte by byte with the file
// `ziel(name)` (with `zurueckLesen` read back from its drive, not from what
// the system holds in memory); the backup must hold exactly the files
// `erwartet` (in any order), where that is given.
ArchivErgebnis ArchivVergleichen(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                                 const ZielFuer &ziel, const QStringList *erwartet, bool zurueckLesen,
                                 const JeDatei &jeDatei, const JeBlock &jeBlock);

// Writes every participant file of the backup to `ziel(name)` the safe
// way (a temporary file that replaces the old one when it is whole and on
// the drive); the folders are synced at the end. With `ersetzen` false an
// existing file is never replaced.
ArchivErgebnis ArchivAuspacken(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                               const ZielFuer &ziel, bool ersetzen, const JeDatei &jeDatei, const JeBlock &jeBlock);

// The room the backup of the participant files of `von` takes, in whole
// blocks of the drive of `nach`.
qint64 ArchivPlatz(const QString &von, const QString &nach);
