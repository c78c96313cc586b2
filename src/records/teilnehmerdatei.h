#pragma once
#include "util/dateilesen.h"
#include "util/kodierung.h"

#include <QString>
#include <QStringList>

// A participant file as lines: read whole, read only its header line,
// written back safely with a backup copy.

// Reads a whole file. On failure `fehler` holds the German message (also
// for a file larger than GroessteGanzeDatei, with its size).
bool ZeilenLesen(const QString &pfad, QStringList &zeilen, Kodierung &kodierung, QString &fehler);

// Reads only as much of a file as its first line needs (the header line
// that holds class and comment). `hatZeile` is false for an empty file.
bool ErsteZeileLesen(const QString &pfad, QString &zeile, bool &hatZeile, QString &fehler);
// The same for the file `name` of a folder held open, while reading many.
bool ErsteZeileLesen(const Ordnerhandle &ordner, const QString &name, QString &zeile, bool &hatZeile,
                     QString &fehler);

// A participant file read header line first, so that a caller decides by
// the class before it reads the rest.
class Kopfleser
{
public:
    explicit Kopfleser(const QString &pfad) : datei(pfad), pfad(pfad) {}
    Kopfleser(const Ordnerhandle &ordner, const QString &name) : datei(ordner, name), pfad(ordner.Pfad() + name) {}

    // The header line as ErsteZeileLesen gives it.
    bool KopfLesen(QString &zeile, bool &hatZeile, QString &fehler);
    // After KopfLesen: the text after the header line's end, decoded by the
    // rule of the whole file; the header's own bytes are not decoded again.
    // Refused for a file larger than GroessteGanzeDatei.
    bool RestLesen(QString &text, QString &fehler);
    // After KopfLesen, instead of RestLesen: the whole text, header line
    // included, as ZeilenLesen decodes it.
    bool AllesLesen(QString &text, QString &fehler);
    // The encoding found (after RestLesen or AllesLesen: that of the whole file).
    Kodierung GefundeneKodierung() const { return kodierung; }
    // The file's size when it was opened.
    qint64 Groesse() const { return datei.Groesse(); }

private:
    // Reads what KopfLesen left and settles the encoding by the whole file.
    bool GanzMachen(QString &fehler);

    Lesedatei datei;
    QString pfad;     // names the file in messages
    QByteArray bytes; // what was read so far
    qsizetype marke = 0;
    qsizetype gesucht = 0; // the bytes before this hold no line end (or the header's end lies there)
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
    bool ganz = false; // `bytes` hold the whole file
};

// Writes a whole file without ever leaving it truncated; `kodierung` tells
// afterwards in which encoding it was written. `inhaltNeu` as for
// BytesSchreiben: whether the file holds the lines, also after a failure
// past the rename; with `neu` no existing file is replaced; `ordnerSyncen`
// as for BytesSchreiben.
bool ZeilenSchreiben(const QString &pfad, const QStringList &zeilen, Kodierung &kodierung,
                     QString &fehler, bool *inhaltNeu = nullptr, bool neu = false, bool ordnerSyncen = true);

// The document's save: the file is copied to "<file>.bak" first (failures
// there are ignored), then written anew.
bool ZeilenMitSicherungSchreiben(const QString &pfad, const QStringList &zeilen,
                                 Kodierung &kodierung, QString &fehler, bool *inhaltNeu = nullptr,
                                 bool ordnerSyncen = true);
