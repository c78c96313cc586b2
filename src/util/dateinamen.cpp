#include "dateinamen.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN
const wchar_t *Breit(const QString &pfad)
{
    return reinterpret_cast<const wchar_t *>(pfad.utf16());
}
int SystemErsetzen(const QString &von, const QString &nach)
{
    return ::MoveFileExW(Breit(von), Breit(nach), MOVEFILE_REPLACE_EXISTING) ? 0 : EIO;
}
int SystemOhneErsetzen(const QString &von, const QString &nach)
{
    return ::_wrename(Breit(von), Breit(nach)) == 0 ? 0 : errno; // never replaces on Windows
}
int SystemVerknuepfen(const QString &datei, const QString &name)
{
    return ::CreateHardLinkW(Breit(name), Breit(datei), nullptr) ? 0 : EPERM;
}
#else
int Ergebnis(int rueckgabe)
{
    return rueckgabe == 0 ? 0 : errno;
}
int SystemErsetzen(const QString &von, const QString &nach)
{
    return Ergebnis(::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()));
}
int SystemOhneErsetzen(const QString &von, const QString &nach)
{
#ifdef RENAME_NOREPLACE
    return Ergebnis(::renameat2(AT_FDCWD, QFile::encodeName(von).constData(), AT_FDCWD,
                                QFile::encodeName(nach).constData(), RENAME_NOREPLACE));
#else
    Q_UNUSED(von);
    Q_UNUSED(nach);
    return EINVAL;
#endif
}
int SystemVerknuepfen(const QString &datei, const QString &name)
{
    return Ergebnis(::link(QFile::encodeName(datei).constData(), QFile::encodeName(name).constData()));
}
#endif

Namensaufrufe &Aufrufe()
{
    static Namensaufrufe aufrufe = SystemNamensaufrufe();
    return aufrufe;
}

// Whether an error says that the drive cannot do this at all (a file
// system without hard links, or one that cannot refuse to replace).
bool NichtUnterstuetzt(int fehler)
{
    return fehler == EINVAL || fehler == ENOSYS || fehler == EOPNOTSUPP || fehler == EPERM
#if defined(ENOTSUP) && ENOTSUP != EOPNOTSUPP
           || fehler == ENOTSUP
#endif
        ;
}

// Whether both names lead to the same file (a change of letter case on a
// drive that ignores it); false when either is missing.
bool DieselbeDatei(const QString &a, const QString &b)
{
    struct stat x {}, y {};
    return ::stat(QFile::encodeName(a).constData(), &x) == 0 && ::stat(QFile::encodeName(b).constData(), &y) == 0
           && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

bool Vorhanden(const QString &pfad)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0 || errno != ENOENT;
}

int Entfernen(const QString &pfad)
{
    return ::unlink(QFile::encodeName(pfad).constData()) == 0 ? 0 : errno;
}

// A second name, then the old one goes; where the old one cannot go, the
// second goes again, so that the file keeps exactly one name.
int UeberZweitenNamen(const QString &von, const QString &nach)
{
    if (const int fehler = Aufrufe().verknuepfen(von, nach))
        return fehler;
    if (const int fehler = Entfernen(von)) {
        Entfernen(nach);
        return fehler;
    }
    return 0;
}

} // namespace

Namensaufrufe SystemNamensaufrufe()
{
    return {SystemErsetzen, SystemOhneErsetzen, SystemVerknuepfen};
}

void NamensaufrufeFestlegen(Namensaufrufe aufrufe)
{
    const Namensaufrufe system = SystemNamensaufrufe();
    Aufrufe() = {aufrufe.ersetzen ? aufrufe.ersetzen : system.ersetzen,
                 aufrufe.ohneErsetzen ? aufrufe.ohneErsetzen : system.ohneErsetzen,
                 aufrufe.verknuepfen ? aufrufe.verknuepfen : system.verknuepfen};
}

int NameErsetzen(const QString &von, const QString &nach)
{
    return Aufrufe().ersetzen(von, nach);
}

int ZweitenNamenGeben(const QString &datei, const QString &name)
{
    return Aufrufe().verknuepfen(datei, name);
}

int NeuenNamenGeben(const QString &von, const QString &nach)
{
    int fehler = Aufrufe().ohneErsetzen(von, nach);
    if (NichtUnterstuetzt(fehler))
        fehler = UeberZweitenNamen(von, nach);
    if (NichtUnterstuetzt(fehler)) {
        // A drive with neither (some network shares): the rename itself,
        // where the name is free.
        fehler = Vorhanden(nach) ? EEXIST : NameErsetzen(von, nach);
    }
    if (fehler == EEXIST && DieselbeDatei(von, nach))
        fehler = NameErsetzen(von, nach);
    return fehler;
}
