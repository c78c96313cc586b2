#include "app/einzelinstanz.h"
#include "app/programmstart.h"
#include "mainwindow/haupt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    ProgrammVorbereiten(anwendung);

    Einzelinstanz instanz(InstanzText);
    if (!instanz.Uebernehmen()) {
        Einzelinstanz::Senden(InstanzText, "1224");
        return 0;
    }

    TForm1 haupt;
    haupt.DialogeErstellen();
    QObject::connect(&instanz, &Einzelinstanz::NachVorne, &haupt, &TForm1::NachVorneHolen);
    QObject::connect(&instanz, &Einzelinstanz::Schliessen, &haupt, &TForm1::AnfrageBeenden);
    haupt.show();
    return anwendung.exec();
}
