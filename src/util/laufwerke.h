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

// The text of a drive entry: the root path and its description.
QString LaufwerkEintrag(const Laufwerk &laufwerk);
