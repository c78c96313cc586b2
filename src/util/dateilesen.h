#pragma once
#include <QByteArray>
#include <QString>

// Reading files that must be plain files. A pipe, socket, device or folder
// that carries such a name is refused at once instead of blocking the
// program (it is opened without waiting and checked before any read).
class Lesedatei
{
public:
    explicit Lesedatei(const QString &pfad) : pfad(pfad) {}
    ~Lesedatei();
    Lesedatei(const Lesedatei &) = delete;
    Lesedatei &operator=(const Lesedatei &) = delete;

    // False with the German reason when the file cannot be opened or is no
    // plain file.
    bool Oeffnen(QString &grund);
    // Reads up to `anzahl` bytes: the number read, 0 at the end, -1 on an
    // error (with the reason).
    qint64 Lesen(char *ziel, qint64 anzahl, QString &grund);
    // Appends everything up to the end of the file; false on an error.
    bool RestLesen(QByteArray &bytes, QString &grund);
    // The size when the file was opened.
    qint64 Groesse() const { return groesse; }
    // The system's handle of the open file, -1 before.
    int Handle() const { return handle; }

private:
    QString pfad;
    int handle = -1;
    qint64 groesse = 0;
};

// Reads a whole plain file; false with the German reason.
bool DateiLesen(const QString &pfad, QByteArray &bytes, QString &grund);
