#include "fortschritt.h"

#include "programmschrift.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>

Fortschrittsanzeige::Fortschrittsanzeige(QWidget *eltern, const QString &titel, const QString &text, int verzoegerungMs)
    : eltern(eltern), titel(titel), text(text), verzoegerung(verzoegerungMs)
{
    uhr.start();
}

Fortschrittsanzeige::~Fortschrittsanzeige() = default;

bool Fortschrittsanzeige::Weiter(int erledigt, int gesamt)
{
    if (!dialog) {
        if (erledigt >= gesamt || uhr.elapsed() < verzoegerung)
            return true;
        dialog = std::make_unique<QProgressDialog>(text, QStringLiteral("Abbrechen"), 0, gesamt, eltern);
        dialog->setObjectName(QStringLiteral("Fortschritt"));
        dialog->setWindowTitle(titel);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setAutoReset(false);
        dialog->setAutoClose(false);
        dialog->setMinimumDuration(0);
        SchriftUndFarbeAnwenden(dialog.get());
        dialog->show();
    }
    // Drawn and asked a few times a second, not after every step.
    if (erledigt < gesamt && takt.isValid() && takt.elapsed() < Takt)
        return !dialog->wasCanceled();
    takt.start();
    dialog->setMaximum(gesamt);
    dialog->setValue(erledigt);
    QApplication::processEvents();
    return !dialog->wasCanceled();
}
