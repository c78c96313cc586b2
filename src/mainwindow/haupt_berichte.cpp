// The report command: the text window, printing.

#include "haupt.h"

#include "dialogs/druckendlg.h"
#include "reports/berichte.h"
#include "ui/drucker.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "util/ordner.h"

#include <QAction>
#include <QPrinter>
#include <QRadioButton>
#include <QPlainTextEdit>

QString TForm1::DruckenTextBerechnen(int art) const
{
    QStringList hausaufgaben;
    for (QRadioButton *item : RadioItems)
        hausaufgaben << item->text();
    return DruckenText(DatSl, {Teilnehmer(), Klasse(), Kommentar()}, art, FAktNummer, hausaufgaben);
}

QString TForm1::KommentareTextBerechnen()
{
    Speichern(false);
    QStringList fehler;
    const QList<KommentarQuelle> quellen = KommentarQuellenLesen(OrdnerTeil(FDatFilename), fehler);
    for (const QString &meldung : fehler)
        Fehler(meldung); // the other participants are still evaluated
    return KommentareText(quellen);
}

void TForm1::MenuDateiDruckenTagClick()
{
    auto *eintrag = qobject_cast<QAction *>(sender());
    const int art = eintrag ? eintrag->data().toInt() : TagBericht;
    static const char *const titel[] = {"Aktueller Tag als Text", "Gesamte Tage des aktuellen Teilnehmers als Text",
                                        "Hausaufgabenauswertung des aktuellen Teilnehmers",
                                        "Kommentarauswertung aller Teilnehmer"};
    if (!Speichern(false))
        return;
    DruckenForm->SchriftartZuweisen();
    DruckenForm->setWindowTitle(QString::fromUtf8(titel[qBound<int>(TagBericht, art, KommentarBericht) - 1]));
    if (art == KommentarBericht) {
        DruckenForm->TextSetzen(KommentareTextBerechnen());
        if (DruckenForm->Text().isEmpty()) {
            Information(QStringLiteral("Es sind keine Teilnehmerdateien vorhanden!"));
            return;
        }
    } else {
        DruckenForm->TextSetzen(DruckenTextBerechnen(art));
    }
    DruckenForm->RichEdit1->moveCursor(QTextCursor::Start);
    while (DruckenForm->exec() == MwDialog::Ok) {
        if (!DruckerVorhanden()) {
            Information(QStringLiteral("Es ist kein Drucker installiert!"));
            continue;
        }
        MerkActiveControl = focusWidget();
        QPrinter drucker;
        if (DruckDialogZeigen(drucker, this))
            TextDrucken(drucker, DruckenForm->Text(), ProgrammSchrift().schrift, SchriftFarbe(),
                        QStringLiteral("Drucke Teilnehmer \"%1\"").arg(Teilnehmer()));
        SetActiveControl();
    }
}
