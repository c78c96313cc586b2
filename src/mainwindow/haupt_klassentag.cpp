// The class day: every pupil of a class for one date, from the menu
// "A&ktionen". The open participant is saved first and shown anew after
// the dialog wrote files, so that the window shows what its file holds.

#include "haupt.h"

#include "dialogs/klassentagdlg.h"
#include "records/teilnehmerordner.h"
#include "util/ordner.h"

#include <QAction>
#include <QMenu>

void TForm1::KlassentagMenuErstellen()
{
    MenuAktKlassentag = MenuEintrag(MenuAkt, "MenuAktKlassentag", QStringLiteral("&Klassentag erfassen..."), 0,
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(MenuAktKlassentag, &QAction::triggered, this, &TForm1::MenuAktKlassentagClick);
    // Files come and go from outside: looked at again whenever the menu opens.
    connect(MenuAkt, &QMenu::aboutToShow, this, &TForm1::KlassentagMenuAktualisieren);
}

void TForm1::KlassentagMenuAktualisieren()
{
    if (!MenuAktKlassentag)
        return;
    // An open participant is a file of the folder; only without one is the folder looked at.
    MenuAktKlassentag->setEnabled(!Teilnehmer().isEmpty() || !TeilnehmerDateien(DatenOrdnerPfad()).isEmpty());
}

void TForm1::MenuAktKlassentagClick()
{
    if (!Speichern(false))
        return;
    if (!KlassentagForm)
        KlassentagForm = new TKlassentagForm(this);
    KlassentagForm->DatenOrdner = DatenOrdnerPfad();
    // The class the participant list shows, else the open participant's.
    KlassentagForm->KlasseVorgeben(SortierKlasse.isEmpty() ? Klasse() : SortierKlasse);
    KlassentagForm->SchriftartZuweisen();
    KlassentagForm->exec();
    if (!KlassentagForm->Gespeichert() || Teilnehmer().isEmpty())
        return;
    // Its file may hold a new day 1 or a changed day now.
    const QString name = Teilnehmer();
    const int nummer = FAktNummer;
    setDatFilename(name);
    if (!Teilnehmer().isEmpty())
        setAktNummer(nummer <= MaxNummer() ? nummer : 1);
}
