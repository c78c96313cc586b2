#pragma once
// Backing up and restoring: the participant files of one folder copied
// into another, then compared with their copies, without any window. The
// backup dialog shows the progress through the callbacks.

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>

// The backup folder of a drive: its root path and "MwDaten/".
QString SicherungsOrdner(const QString &wurzel);

// Whether a drive can take a backup (its backup folder can be made; an
// empty one made for this test goes again) or offers one to restore (its
// backup folder exists).
bool LaufwerkGeeignet(const QString &wurzel, bool sichernS);

// What must hold before a copy can start.
struct Vorbereitung {
    enum Art {
        Bereit,
        DatenOrdnerFehlt,       // the data folder cannot be made
        SicherungsOrdnerFehlt,  // the backup folder cannot be made
        KeineDateien,           // the source holds no participant file
        OrdnerVerlaesstLaufwerk, // the backup folder is a link that leads off the drive
        Verknuepfung,           // a participant file on the drive is a link (`datei`)
        ZuWenigPlatz,           // the target lacks room (`benoetigt`, `frei`)
    };
    Art art = Bereit;
    QString datei;
    qint64 benoetigt = 0;
    qint64 frei = 0;
};
// Makes the data folder (and, for a backup, the backup folder of the drive
// with root `wurzel`) where missing, checks that the source holds a
// participant file, that nothing on the drive leads off it through a link,
// and that the target has room for the copies. For the encrypted backup
// (`verschluesseltS`) the room is that of the one backup file; a restore
// from it is checked only up to the folders, since the participant files
// are known once it is decrypted (PlatzPruefen).
Vorbereitung SicherungVorbereiten(const QString &datenOrdner, const QString &wurzel, bool sichernS,
                                  bool verschluesseltS = false);

// A file a pass writes: its name in the target folder and its size.
struct DateiGroesse {
    QString name;
    qint64 groesse = 0;
};
// The room a copy pass needs in `nach`: each copy is written beside the
// old one before that goes, so the files are counted in the order the pass
// copies them, each in whole blocks of the target.
// `bytes` rounded up to whole blocks of the file system (a block of 0 counts the bytes).
qint64 InBloecken(qint64 bytes, qint64 block);
qint64 BenoetigterPlatz(const QString &von, const QString &nach);
qint64 BenoetigterPlatz(const QList<DateiGroesse> &dateien, const QString &nach);
// Bereit, or ZuWenigPlatz when `nach` lacks the room `benoetigt`.
Vorbereitung PlatzPruefen(const QString &nach, qint64 benoetigt);

// The names a pass writes to: a participant's own file name, or, where the
// other folder holds that participant only under another case of ".dat"
// ("Max.dat" for "Max.DAT"), that file, which the program opens there.
class Zielnamen
{
public:
    explicit Zielnamen(const QString &nach);
    QString Fuer(const QString &datei) const;

private:
    QSet<QString> vorhanden;
    QHash<QString, QString> jeName;
};

// Runs before each file with its name, and before each block of it.
using JeDatei = std::function<void(const QString &datei)>;
using JeBlock = std::function<void()>;

// How a pass over a folder ended: `datei` names the first file that
// failed and `grund` says why; both empty when every file went well.
struct PassErgebnis {
    QString datei;
    QString grund;
    bool Ok() const { return datei.isEmpty(); }
};

// Copies every participant file of `von` into `nach` (both ending in "/").
PassErgebnis KopierPass(const QString &von, const QString &nach, const JeDatei &jeDatei, const JeBlock &jeBlock);
// Compares every participant file of `von` with its copy in `nach`.
PassErgebnis VergleichsPass(const QString &von, const QString &nach, const JeDatei &jeDatei,
                            const JeBlock &jeBlock);
