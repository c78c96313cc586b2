// The window's life: shown, the delayed start-up step, closing the
// participant, the end of the program, and the hand-over from a second start.

#include "haupt.h"

#include "ui/meldungen.h"
#include "util/einstellungen.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// The conflict file the end of a session wrote, until the next start names it.
const QString KonfliktBeimEnde = QStringLiteral("KonfliktBeimEnde");
} // namespace

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
    if (!PrivatenOrdnerAnlegen(ordner)) {
        Information(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(ordner)));
        return;
    }
    VerwaisteTemporaereEntfernen(ordner);
    KonfliktBeimEndeMelden();
    Button3->click();
}

void TForm1::KonfliktBeimEndeMelden()
{
    QSettings einstellungen = Einstellungen();
    const QString konflikt = einstellungen.value(KonfliktBeimEnde).toString();
    if (konflikt.isEmpty())
        return;
    einstellungen.remove(KonfliktBeimEnde);
    einstellungen.sync();
    if (QFileInfo(konflikt).isFile())
        Information(QStringLiteral("Beim letzten Ende des Programms (Abmelden oder Herunterfahren) ließen sich Ihre "
                                   "Änderungen nicht in die Teilnehmerdatei schreiben. Sie stehen in der Datei "
                                   "\"%1\".")
                        .arg(Nativ(konflikt)));
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
    if (FSitzungsende) {
        SitzungSichern();
    } else {
        // An edit that could not be written is not given up without a word.
        if (!Speichern(false)
            && !Frage(QStringLiteral("Die Änderungen an \"%1\" konnten nicht gespeichert werden. Trotzdem beenden?")
                          .arg(Teilnehmer()),
                      true)) {
            ereignis->ignore();
            return;
        }
        RegistryLadenSpeichern(false);
    }
    IsClosing = true;
    ereignis->accept();
}

void TForm1::SitzungSichern()
{
    // The next start names the file an edit went into.
    if (const QString konflikt = ZumSchlussSpeichern(); !konflikt.isEmpty())
        Einstellungen().setValue(KonfliktBeimEnde, konflikt);
    RegistryLadenSpeichern(false);
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

void TForm1::SitzungBeenden()
{
    FSitzungsende = true;
    close();
}
