#pragma once
#include <QByteArray>
#include <QString>

// Reading files that must be plain files. A pipe, socket, device or folder
// that carries such a name is refused at once instead of blocking the
// program (it is opened without waiting and checked before any read).
class Ordnerhandle;

// A file is read whole only up to this size: beyond it the program would
// need several times as much memory and freeze for minutes (100,000 days
// of a participant take about 10 MB). Reading in blocks knows no limit.
constexpr qint64 GroessteGanzeDatei = qint64(256) * 1024 * 1024;

class Lesedatei
{
public:
    explicit Lesedatei(const QString &pfad) : pfad(pfad) {}
    // A file of an open folder: no walk along the whole path for each of
    // thousands of files.
    Lesedatei(const Ordnerhandle &ordner, const QString &name);
    ~Lesedatei();
    Lesedatei(const Lesedatei &) = delete;
    Lesedatei &operator=(const Lesedatei &) = delete;

    // False with the German reason when the file cannot be opened or is no
    // plain file.
    bool Oeffnen(QString &grund);
    // Reads up to `anzahl` bytes: the number read, 0 at the end, -1 on an
    // error (with the reason).
    qint64 Lesen(char *ziel, qint64 anzahl, QString &grund);
    // Appends everything up to the end of the file; false on an error, and
    // for a file larger than GroessteGanzeDatei before anything is read.
    bool RestLesen(QByteArray &bytes, QString &grund);
    // The size when the file was opened.
    qint64 Groesse() const { return groesse; }
    // The system's handle of the open file, -1 before.
    int Handle() const { return handle; }

private:
    QString pfad;
    int ordnerHandle = -1;
    int handle = -1;
    qint64 groesse = 0;
};

// A folder held open while its files are read one by one. Where the system
// has no handles for folders, the files are opened by their whole path.
class Ordnerhandle
{
public:
    explicit Ordnerhandle(const QString &ordner);
    ~Ordnerhandle();
    Ordnerhandle(const Ordnerhandle &) = delete;
    Ordnerhandle &operator=(const Ordnerhandle &) = delete;

    // The folder with its closing separator, as the program writes folders.
    const QString &Pfad() const { return pfad; }
    int Handle() const { return handle; }

private:
    QString pfad;
    int handle = -1;
};

// Reads a whole plain file; false with the German reason (also for a file
// larger than GroessteGanzeDatei).
bool DateiLesen(const QString &pfad, QByteArray &bytes, QString &grund);
