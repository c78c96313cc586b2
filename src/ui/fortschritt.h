#pragma once
// A progress dialog for long work on the window's own thread: it appears
// only once the work has run for a while, shows how far it has come and
// offers "Abbrechen".

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class Fortschrittsanzeige
{
public:
    Fortschrittsanzeige(QWidget *eltern, const QString &titel, const QString &text, int verzoegerungMs = 500);
    ~Fortschrittsanzeige();

    // Reports the progress; handles pending input once the dialog shows.
    // False when the user has cancelled.
    bool Weiter(int erledigt, int gesamt);
    bool Gezeigt() const { return dialog != nullptr; }

private:
    QWidget *eltern;
    QString titel;
    QString text;
    int verzoegerung;
    QElapsedTimer uhr;
    QElapsedTimer takt; // since the dialog was last brought up to date
    static constexpr int Takt = 50;
    std::unique_ptr<QProgressDialog> dialog;
};
