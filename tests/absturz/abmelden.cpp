// The session-end test's driver (tests/gui/sitzungsende_test.cpp): the
// program's main window, started as main() starts it, with the ends of a
// session connected as there. Once the start-up's participant list is
// cancelled, the remark of the shown day is changed (not saved) and it says
// "bereit"; then it runs until a signal ends it.
//
//   abmelden <remark>

#include "app/programmstart.h"
#include "app/sitzungsende.h"
#include "mainwindow/haupt.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fputs("Aufruf: abmelden <Anmerkung>\n", stderr);
        return 2;
    }
    ProgrammVorbereiten(anwendung);
    TForm1 haupt;
    haupt.DialogeErstellen();
    SitzungsendeVerbinden(haupt);
    const QString anmerkung = QString::fromLocal8Bit(argv[1]);
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        if (QWidget *liste = QApplication::activeModalWidget()) {
            liste->close();
            return;
        }
        if (haupt.Timer1->isActive())
            return;
        warten.stop();
        haupt.Edit5->setText(anmerkung);
        std::fputs("bereit\n", stdout);
        std::fflush(stdout);
    });
    haupt.show();
    warten.start(20);
    return anwendung.exec();
}
