// Erasing a pupil completely: the participant file with its backup copy,
// its conflict copies and what a cut-off write left; and the copies that
// deleted or renamed participants left behind.

#include "haupt.h"

#include "dialogs/verwaistdlg.h"
#include "records/spuren.h"
#include "ui/meldungen.h"
#include "util/ordner.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

void TForm1::LoeschenMenuErstellen()
{
    // Beside the deletion that keeps the backup copy as a safety net.
    MenuBearbEndgueltigLoeschen = new QAction(QStringLiteral("Teilnehmer &endgültig löschen..."), this);
    MenuBearbEndgueltigLoeschen->setObjectName(QStringLiteral("MenuBearbEndgueltigLoeschen"));
    const QList<QAction *> eintraege = MenuBearb->actions();
    const qsizetype danach = eintraege.indexOf(MenuAktTeilnehmerLoeschen) + 1;
    MenuBearb->insertAction(eintraege.value(danach), MenuBearbEndgueltigLoeschen);
    MenuSicherung->addSeparator();
    MenuSicherungVerwaist = MenuEintrag(MenuSicherung, "MenuSicherungVerwaist",
                                        QStringLiteral("&Verwaiste Sicherheitskopien..."));
    connect(MenuBearbEndgueltigLoeschen, &QAction::triggered, this, &TForm1::MenuBearbEndgueltigLoeschenClick);
    connect(MenuSicherungVerwaist, &QAction::triggered, this, &TForm1::MenuSicherungVerwaistClick);
}

void TForm1::MenuBearbEndgueltigLoeschenClick()
{
    const QString name = Teilnehmer();
    if (name.isEmpty() || !LoeschenBestaetigt(name))
        return;
    const QString ordner = OrdnerTeil(FDatFilename);
    const QStringList spuren = TeilnehmerSpuren(ordner, NamensTeil(FDatFilename));
    if (!Frage(QStringLiteral("Diese Dateien werden endgültig gelöscht und lassen sich nicht wiederherstellen:\r\n"
                              "%1\r\nSollen sie jetzt gelöscht werden?")
                   .arg(Aufzaehlung(spuren)),
               true))
        return;
    // Unsaved edits of the shown day go with the participant.
    setDatFilename(QString());
    Edit1->setFocus();
    const SpurenErgebnis ergebnis = SpurenLoeschen(ordner, spuren);
    if (ergebnis.nicht.isEmpty())
        Information(QStringLiteral("Der Teilnehmer \"%1\" wurde endgültig gelöscht!\r\n%2\r\nSicherungen auf "
                                   "anderen Laufwerken enthalten ihn noch, bis sie erneuert oder gelöscht werden.")
                        .arg(name, SpurenBericht(ergebnis)));
    else
        Fehler(QStringLiteral("Der Teilnehmer \"%1\" wurde nicht vollständig gelöscht.\r\n%2")
                   .arg(name, SpurenBericht(ergebnis)));
}

void TForm1::MenuSicherungVerwaistClick()
{
    if (!Speichern(false))
        return;
    if (!VerwaistForm)
        VerwaistForm = new TVerwaistForm(this);
    if (!VerwaistForm->Einlesen(OrdnerTeil(FDatFilename))) {
        Information(QStringLiteral("Im Datenordner gibt es keine verwaisten Sicherheitskopien."));
        return;
    }
    VerwaistForm->SchriftartZuweisen();
    VerwaistForm->exec();
}
