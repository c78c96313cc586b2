#include "app/einzelinstanz.h"
#include "app/kommandozeile.h"
#include "app/programmstart.h"
#include "app/sitzungsende.h"
#include "mainwindow/haupt.h"
#include "ui/programmsymbol.h"

#include <QApplication>
#include <QCommandLineParser>
#include <optional>

namespace {

// Arguments ask for work without a window: no display is needed and the
// running instance is left alone. Nothing is returned when the window is to
// start after all.
std::optional<int> OhneFenster(int &argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;
    QCoreApplication konsole(argc, argv);
    ProgrammVorbereiten(konsole);
    QCommandLineParser parser;
    KommandozeileEinrichten(parser);
    return KommandozeileAusfuehren(parser, QCoreApplication::arguments());
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> ende = OhneFenster(argc, argv))
        return *ende;

    QApplication anwendung(argc, argv);
    ProgrammVorbereiten(anwendung);
    QApplication::setWindowIcon(ProgrammSymbol());
    // Lets the desktop match the windows with the menu entry.
    QGuiApplication::setDesktopFileName(ProgrammKennung);

    Einzelinstanz instanz(InstanzText);
    if (!instanz.Uebernehmen()) {
        Einzelinstanz::Senden(InstanzText, "1224");
        return 0;
    }

    TForm1 haupt;
    haupt.DialogeErstellen();
    QObject::connect(&instanz, &Einzelinstanz::NachVorne, &haupt, &TForm1::NachVorneHolen);
    QObject::connect(&instanz, &Einzelinstanz::Schliessen, &haupt, &TForm1::AnfrageBeenden);
    SitzungsendeVerbinden(haupt);
    haupt.show();
    return anwendung.exec();
}
