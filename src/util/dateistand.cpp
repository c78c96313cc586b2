#include "dateistand.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

DateiStand StandVon(const QString &pfad)
{
    DateiStand stand;
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0) {
        stand.bekannt = errno == ENOENT;
        return stand;
    }
    stand.bekannt = true;
    stand.groesse = info.st_size;
#ifdef Q_OS_WIN
    stand.geaendert = qint64(info.st_mtime) * 1000000000;
#else
    stand.geaendert = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
#endif
    stand.kennung = quint64(info.st_ino);
    return stand;
}

bool FremdGeaendert(const DateiStand &gemerkt, const DateiStand &jetzt)
{
    return gemerkt.bekannt && jetzt.bekannt && !(gemerkt == jetzt);
}
