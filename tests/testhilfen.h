#pragma once
// What every test shares: a temporary world (data, documents, program and
// settings folders), a fixed today, counted sounds and scripted message
// boxes.

#include "ui/meldungen.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <ostream>

// Readable failures: QString in gtest's output.
inline void PrintTo(const QString &text, std::ostream *aus)
{
    *aus << '"' << text.toStdString() << '"';
}

struct Meldung {
    MeldungsArt art;
    QString text;
};

// Records every message; questions take their answers from a queue, and a
// question without a queued answer fails the test (answered "Nein").
class Meldungsprotokoll
{
public:
    QList<Meldung> meldungen;
    QList<bool> antworten;
    // Answers to questions that begin with a text, when the queue is empty.
    QMap<QString, bool> vorgaben;
    // Runs when a message appears, e.g. to act on a dialog behind it.
    std::function<void(const Meldung &)> beobachter;

    QStringList Texte() const;
    void Leeren() { meldungen.clear(); }
};

class Umgebung : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString Ordner() const;         // the temporary root, ending in "/"
    QString Programmordner() const; // <root>/programm/
    QString Dokumente() const;      // <root>/dokumente/
    QString Daten() const;          // the default data folder: <programm>/Merkwerk/

    // Writes bytes to a file, creating its folder.
    static void Schreiben(const QString &pfad, const QByteArray &bytes);
    static QByteArray Lesen(const QString &pfad);
    // A participant file in the data folder from lines (CR LF, UTF-8 with mark).
    void Teilnehmerdatei(const QString &name, const QStringList &zeilen) const;
    QStringList TeilnehmerZeilen(const QString &name) const;
    int TeilnehmerDateienZahl() const;

    // Runs `aktion` while `ordner` (in the temporary world) cannot be
    // written: its permissions say so, and where the tests run as root
    // (whom permissions do not stop) the file-system checks of this thread
    // are made as an unprivileged user.
    void OhneSchreibrecht(const QString &ordner, const std::function<void()> &aktion) const;

    Meldungsprotokoll protokoll;
    int toene = 0;
    QStringList gespielteToene;

private:
    std::unique_ptr<QTemporaryDir> wurzel;
};

// Bytes of lines joined with CR LF, after a UTF-8 mark.
QByteArray Utf8Datei(const QStringList &zeilen);

// The environment for the program started as a process without any display
// (a window could not open, so nothing it does may need one), its runtime
// folder `laufzeit`.
QProcessEnvironment OhneBildschirm(const QString &laufzeit);
// A text in UTF-16 (little- or big-endian) after its mark.
QByteArray Utf16Datei(const QString &text, bool le);

// Runs `aktion` on the next modal dialog as soon as it is open; fails the
// test when none appears within the bound.
void BeiDialog(std::function<void(QWidget *dialog)> aktion, int frist = 5000);

// Registers a timer of a test that will act on the next modal dialog, so
// that the watchdog leaves that dialog to it while the timer runs.
class QTimer;
void DialogBeanspruchen(QTimer *uhr);

// Waits until `bedingung` holds, at most `frist` milliseconds.
bool Warten(std::function<bool()> bedingung, int frist = 5000);

// Runs `aktion` while no file may grow beyond `bytes`: writes past it fail,
// also for root, as on a full disk.
void MitDateigrenze(qint64 bytes, const std::function<void()> &aktion);

// Runs `aktion` under the file mask `maske` (the umask), then restores it.
void MitDateimaske(unsigned maske, const std::function<void()> &aktion);
// The permission bits of a file or folder (as 0600), -1 when there is none.
int Rechte(const QString &pfad);

// Puts `text` on the clipboard and pastes it into `ziel` with Ctrl+V.
void Einfuegen(QWidget *ziel, const QString &text);

// The texts of a list's entries, in order.
class QListWidget;
QStringList Eintraege(const QListWidget *liste);

// Types text into the focused widget with key events that carry the text
// (QTest::keyClicks refuses characters beyond ASCII).
void Tippen(QWidget *ziel, const QString &text);
