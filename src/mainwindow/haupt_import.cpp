// Importing a class list: the dialog's "neu" rows become participants,
// each as "Neuen Teilnehmer erstellen" creates one; the participant list
// then shows their class.

#include "haupt.h"

#include "dialogs/importdlg.h"
#include "records/teilnehmerimport.h"
#include "ui/fortschritt.h"
#include "ui/meldungen.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QAction>
#include <QMenu>

namespace {

// The class the created rows share; empty when they are of several.
QString GemeinsameKlasse(const QList<ImportZeile> &zeilen)
{
    QString klasse;
    bool erste = true;
    for (const ImportZeile &zeile : zeilen) {
        if (zeile.zustand != ImportZeile::Neu)
            continue;
        if (!erste && !GleichOhneFall(zeile.klasse, klasse))
            return {};
        klasse = erste ? zeile.klasse : klasse;
        erste = false;
    }
    return klasse;
}

} // namespace

void TForm1::ImportMenuErstellen()
{
    // Right after the command that creates one participant.
    MenuAktImportieren = new QAction(QStringLiteral("Teilnehmer &importieren..."), this);
    MenuAktImportieren->setObjectName(QStringLiteral("MenuAktImportieren"));
    const QList<QAction *> eintraege = MenuAkt->actions();
    MenuAkt->insertAction(eintraege.value(eintraege.indexOf(MenuAktNeuenTeilnehmer) + 1), MenuAktImportieren);
    connect(MenuAktImportieren, &QAction::triggered, this, &TForm1::MenuAktImportierenClick);
}

void TForm1::MenuAktImportierenClick()
{
    if (!Speichern(false))
        return;
    if (!ImportForm)
        ImportForm = new TImportForm(this);
    const QString ordner = OrdnerTeil(FDatFilename);
    ImportForm->DatenOrdner = ordner;
    ImportForm->VorgabeKlasse = SortierKlasse;
    ImportForm->SchriftartZuweisen();
    if (ImportForm->exec() != MwDialog::Ok)
        return;
    const QList<ImportZeile> zeilen = ImportForm->Vorschau();
    ImportErgebnis ergebnis;
    {
        Fortschrittsanzeige fortschritt(this, ImportForm->windowTitle(),
                                        QStringLiteral("Die Teilnehmer werden angelegt ..."));
        // In the encoding of the open document, as a single new participant.
        ergebnis = TeilnehmerImportieren(ordner, zeilen, DatKodierung, [&fortschritt](int erledigt, int gesamt) {
            return fortschritt.Weiter(erledigt, gesamt);
        });
    }
    const QString bericht = ImportBericht(ergebnis);
    if (ergebnis.fehler.isEmpty() && ergebnis.unbestaetigt.isEmpty())
        Information(bericht);
    else
        Fehler(bericht);
    if (ergebnis.angelegt == 0)
        return;
    const QString klasse = ImportForm->KlasseFuerAlle();
    SortierKlasse = klasse.isEmpty() ? GemeinsameKlasse(zeilen) : klasse;
    Button3Click();
}
