#pragma once
#include <QList>
#include <QString>
#include <functional>

// A mounted volume as the backup dialog sees it.
struct Laufwerk {
    enum Art { Unbekannt, Wechsel, Fest, Netz, CdRom, Ram };
    QString wurzel; // root path, ending in "/"
    Art art = Unbekannt;
    QString bezeichnung; // the volume label
    QString netzname;    // for network drives: e.g. "//server/share"
};

// The volumes in root-path order. Tests replace the list with folders of
// their own; an empty function restores the mounted volumes.
QList<Laufwerk> Laufwerke();
void LaufwerkeFestlegen(std::function<QList<Laufwerk>()> liste);

// The total size in bytes of the volume holding a path, or -1 when it
// cannot be determined (not mounted, not ready).
qint64 LaufwerkGroesse(const QString &pfad);
bool LaufwerkBereit(const QString &pfad);
// The volume label of the volume holding a path, or empty.
QString LaufwerkBezeichnung(const QString &pfad);

// The device (file system) a path lies on, 0 when it cannot be found.
quint64 GeraetVon(const QString &pfad);
// Whether a drive listed with root `wurzel` on device `geraet` is still
// there: listed among the drives, its root still on that device (a stick
// that was unmounted leaves an empty folder on the system disk, or none).
bool LaufwerkNochDa(const QString &wurzel, quint64 geraet);

// The room in bytes a program can still fill on the volume of a path, and
// the size of its blocks (a file takes whole blocks); -1 when unknown.
// Tests replace the room.
qint64 FreierPlatz(const QString &pfad);
qint64 BlockGroesse(const QString &pfad);
void FreierPlatzFestlegen(std::function<qint64(const QString &pfad)> platz);

// The text of a drive entry: the root path and its description.
QString LaufwerkEintrag(const Laufwerk &laufwerk);
