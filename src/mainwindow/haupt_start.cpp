// The window's life: shown, the delayed start-up step, closing the
// participant, the end of the program, and the hand-over from a second start.

#include "haupt.h"

#include "ui/meldungen.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TForm1::~TForm1()
{
    DatenOrdnerEntfernenWennLeer();
}

void TForm1::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!ersteAnzeige)
        return;
    ersteAnzeige = false;
    FensterEinrichten();
    RegistryLadenSpeichern(true);
    ErinnerungBeimStart();
    Timer1->start();
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    const QString ordner = OrdnerTeil(FDatFilename);
    if (!QDir(ordner).exists() && !QDir().mkpath(ordner)) {
        Information(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(ordner)));
        return;
    }
    VerwaisteTemporaereEntfernen(ordner);
    Button3->click();
}

void TForm1::MenuDateiClick()
{
    MenuDateiClose->setEnabled(!NamensTeil(FDatFilename).isEmpty());
}

void TForm1::MenuDateiCloseClick()
{
    if (!Speichern(false))
        return;
    Edit1->setFocus();
    setDatFilename(QString());
}

void TForm1::MenuDateiBeendenClick()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *ereignis)
{
    // An edit that could not be written is not given up without a word.
    if (!Speichern(false)
        && !Frage(QStringLiteral("Die Änderungen an \"%1\" konnten nicht gespeichert werden. Trotzdem beenden?")
                      .arg(Teilnehmer()),
                  true)) {
        ereignis->ignore();
        return;
    }
    RegistryLadenSpeichern(false);
    IsClosing = true;
    ereignis->accept();
}

void TForm1::NachVorneHolen()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // A dialog open at this moment belongs in front of the main window.
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void TForm1::AnfrageBeenden()
{
    while (QWidget *dialog = QApplication::activeModalWidget()) {
        if (!dialog->close())
            break;
    }
    MenuDateiBeendenClick();
}
