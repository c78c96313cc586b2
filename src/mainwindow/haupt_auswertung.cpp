// The evaluations: the class overview and a participant's year as a chart.
// They only read; the open participant is saved first, as the reports do.

#include "haupt.h"

#include "dialogs/uebersichtdlg.h"
#include "dialogs/verlaufdlg.h"
#include "records/bloecke.h"
#include "util/ordner.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void TForm1::AuswertungMenuErstellen()
{
    MenuAusw = menuBar()->addMenu(QStringLiteral("A&uswertung"));
    MenuAuswKlasse = MenuEintrag(MenuAusw, "MenuAuswKlasse", QStringLiteral("&Klassenübersicht..."), 0,
                                 QKeySequence(Qt::CTRL | Qt::Key_K));
    MenuAuswVerlauf = MenuEintrag(MenuAusw, "MenuAuswVerlauf", QStringLiteral("&Verlauf des Teilnehmers..."), 0,
                                  QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(MenuAuswKlasse, &QAction::triggered, this, &TForm1::MenuAuswKlasseClick);
    connect(MenuAuswVerlauf, &QAction::triggered, this, &TForm1::MenuAuswVerlaufClick);
}

void TForm1::MenuAuswKlasseClick()
{
    if (!Speichern(false))
        return;
    if (!UebersichtForm)
        UebersichtForm = new TUebersichtForm(this);
    UebersichtForm->DatenOrdner = OrdnerTeil(FDatFilename);
    // The class the participant list shows, else the open participant's.
    UebersichtForm->KlasseVorgeben(SortierKlasse.isEmpty() ? Klasse() : SortierKlasse);
    UebersichtForm->SchriftartZuweisen();
    UebersichtForm->exec();
}

void TForm1::MenuAuswVerlaufClick()
{
    if (Teilnehmer().isEmpty() || !Speichern(false))
        return;
    if (!VerlaufForm)
        VerlaufForm = new TVerlaufForm(this);
    VerlaufForm->Teilnehmer = Teilnehmer();
    VerlaufForm->Klasse = Klassenname(Klasse());
    VerlaufForm->Zeilen = DatSl;
    VerlaufForm->SchriftartZuweisen();
    VerlaufForm->exec();
}
