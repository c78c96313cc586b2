// Going to a day by its number and searching a day by its date text.

#include "haupt.h"

#include "dialogs/editdlg.h"
#include "dialogs/zahlendlg.h"
#include "records/bloecke.h"
#include "ui/meldungen.h"
#include "util/texte.h"
#include "util/toene.h"
#include "util/zahlen.h"

#include <QLabel>
#include <QLineEdit>

void TForm1::MenuBearbGeheClick()
{
    if (!Speichern(false))
        return;
    ZahlenForm->SchriftartZuweisen();
    ZahlenForm->MinNr = 1;
    ZahlenForm->MaxNr = MaxNummer();
    ZahlenForm->setUpDown(ZahlenForm->MinNr, ZahlenForm->MaxNr, FAktNummer);
    ZahlenForm->Edit1->setMaxLength(Stellenzahl(ZahlenForm->MaxNr));
    ZahlenForm->Label1->setText(QStringLiteral("Gehe zu Tag (%1-%2)")
                                    .arg(ZahlenForm->MinNr)
                                    .arg(TausenderPunkte(ZahlenForm->MaxNr)));
    if (ZahlenForm->exec() != MwDialog::Ok)
        return;
    setAktNummer(ZahlenForm->GetZahl());
    Edit3->setFocus();
}

void TForm1::MenuBearbSucheClick()
{
    if (!Speichern(false))
        return;
    EditForm->SchriftartZuweisen();
    EditForm->NullS = false;
    EditForm->Nr = TEditForm::Suchen;
    EditForm->Edit1->setText(Suchdatum);
    if (EditForm->exec() != MwDialog::Ok)
        return;
    Suchdatum = Gross(EditForm->Edit1->text());
    const int gefunden = DatumSuchen(DatSl, FAktNummer, Suchdatum);
    if (gefunden > 0) {
        setAktNummer(gefunden);
        SternTonSpielen();
        Edit3->setFocus();
        return;
    }
    Information(QStringLiteral("Das Suchdatum \"%1\" wurde nicht gefunden!\r\nGehen Sie mit %2 zum 1. Tag und "
                               "versuchen Sie es erneut.")
                    .arg(Suchdatum, MenuBearbGehe->shortcut().toString(QKeySequence::NativeText)));
}
