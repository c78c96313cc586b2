#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// The participants of a data folder: its participant files, their names
// and classes.

// The participant files of a folder ("*.dat", hidden ones too, no folders),
// in the order the file system returns them.
QStringList TeilnehmerDateien(const QString &ordner);

// A participant's name and the name of its file. The extension counts in
// any letter case ("Beta.DAT" from a Windows stick is participant Beta);
// where both "X.dat" and "X.DAT" exist, "X.dat" is the participant's file.
struct TeilnehmerEintrag {
    QString name;
    QString datei;
};
// Every participant of a folder once (a file called only ".dat" is none),
// in file-system order.
QList<TeilnehmerEintrag> TeilnehmerEintraege(const QString &ordner);

// The participant names of a folder, in file-system order.
QStringList TeilnehmerNamen(const QString &ordner);

// The path of a participant's file: "<ordner><name>.dat", or the file of
// that name whose extension is spelled otherwise.
QString TeilnehmerPfad(const QString &ordner, const QString &name);

// The header line of every participant of `ordner`, in file-system order:
// `hatZeile` false for an empty file; where the file cannot be read,
// `fehler` holds the German message.
using JeKopf = std::function<void(const TeilnehmerEintrag &eintrag, const QString &kopf, bool hatZeile,
                                  const QString &fehler)>;
void KoepfeDurchgehen(const QString &ordner, const JeKopf &jeKopf);

// What a scan of the participant list finds in a folder.
struct TeilnehmerListe {
    QStringList namen;   // the participants that pass the class filter, sorted
    QStringList klassen; // every class met, each once in the spelling met first, sorted
    QString fehler;      // the message of the first file that could not be read
};

// Reads the header line of every participant file of `ordner`. A
// participant passes when `klassenFilter` is empty or equals its class
// without regard to case; an empty file passes every filter and has no
// class. A file that cannot be read is listed only while no filter is set,
// so that its name is never taken for a new participant.
TeilnehmerListe TeilnehmerEinlesen(const QString &ordner, const QString &klassenFilter);

// Renames a participant file without ever replacing another participant's
// file: a file of the new name that differs only in letter case counts as
// taken, unless it is the file being renamed. The system renames it, never
// a copy. False with the German reason in `fehler` when the old file is as
// it was; true when renamed, with a message in `fehler` when the drive did
// not confirm the new name.
bool TeilnehmerdateiUmbenennen(const QString &altPfad, const QString &neuPfad, QString &fehler);
