#pragma once
#include "teilnehmerordner.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Moving a class on as a whole (7c becomes 8c at the end of the year):
// every participant of the class gets the new class in its header line,
// and nothing else in its file changes.

// The lines with `neueKlasse` as the class of their header line: the text
// before the first field separator (the whole line where there is none) is
// replaced, the comment and whatever else follows that separator stays as
// it stands. False, with the lines as they were, where there is no header
// line or it holds exactly that class already.
bool KlasseErsetzen(QStringList &zeilen, const QString &neueKlasse);

// Whether a header line names `klasse`, as the participant list's filter
// compares: trimmed, without regard to case.
bool KopfNenntKlasse(const QString &kopf, const QString &klasse);

// The participants of `ordner` whose header line names `klasse`, sorted as
// the participant list sorts them. An empty file has no class and is none
// of them; `fehler` holds the messages of the files that could not be read.
struct Klassenmitglieder {
    QList<TeilnehmerEintrag> teilnehmer;
    QStringList fehler;
};
Klassenmitglieder KlassenTeilnehmer(const QString &ordner, const QString &klasse);

// Told before each participant how many of how many are done; false stops
// before the next one (those done stay done).
using KlassenFortschritt = std::function<bool(int erledigt, int gesamt)>;

struct KlassenwechselErgebnis {
    QStringList geaendert; // the participants whose file now names the new class
    QStringList fehler;    // one German message per file that was left as it was, naming it and why
    QString unbestaetigt;  // where the drive did not confirm the files' new names
    bool abgebrochen = false;
};

// Gives each of `teilnehmer` (of `ordner`) the class `neueKlasse` where its
// file still names `alteKlasse`, through the document's save: the backup
// copy first, the file's own encoding and mark, CR LF after every line,
// written whole to a temporary file, synced and renamed over it. A file
// that another program changed between reading and writing is left to it
// and named in `fehler`, as is one that cannot be read or written; the
// others are done all the same, so that running it again finishes the
// rest. The folder is synced once at the end. `nachDemLesen` runs between
// reading a file and writing it (tests change the file there).
KlassenwechselErgebnis KlasseWechseln(const QString &ordner, const QList<TeilnehmerEintrag> &teilnehmer,
                                      const QString &alteKlasse, const QString &neueKlasse,
                                      const KlassenFortschritt &fortschritt = {},
                                      const std::function<void(const QString &pfad)> &nachDemLesen = {});
