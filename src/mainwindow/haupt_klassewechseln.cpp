// Moving a whole class on to a new class (7c becomes 8c at the end of the
// year): the command, its question and its report.

#include "haupt.h"

#include "dialogs/klassewechselndlg.h"
#include "records/klassenwechsel.h"
#include "records/spuren.h"
#include "records/teilnehmerordner.h"
#include "ui/fortschritt.h"
#include "ui/meldungen.h"
#include "util/ordner.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <QAction>
#include <QMenu>

void TForm1::KlassenwechselMenuErstellen()
{
    // Right after the class change of the open participant.
    MenuBearbGanzeKlasse = new QAction(QStringLiteral("Ganze &Klasse ändern..."), this);
    MenuBearbGanzeKlasse->setObjectName(QStringLiteral("MenuBearbGanzeKlasse"));
    const QList<QAction *> eintraege = MenuBearb->actions();
    MenuBearb->insertAction(eintraege.value(eintraege.indexOf(MenuBearbAendern) + 1), MenuBearbGanzeKlasse);
    connect(MenuBearbGanzeKlasse, &QAction::triggered, this, &TForm1::MenuBearbGanzeKlasseClick);
}

void TForm1::MenuBearbGanzeKlasseClick()
{
    // The open participant's edits reach its file first, so that nothing
    // of them is lost when the file is written anew.
    if (!Speichern(false))
        return;
    const QString ordner = OrdnerTeil(FDatFilename);
    QStringList klassen = TeilnehmerEinlesen(ordner, QString()).klassen;
    klassen.removeAll(QString()); // participants without a class are no class
    if (klassen.isEmpty()) {
        Information(QStringLiteral("Im Datenordner gibt es keinen Teilnehmer mit einer Klasse."));
        return;
    }
    if (!KlasseWechselnForm)
        KlasseWechselnForm = new TKlasseWechselnForm(this);
    KlasseWechselnForm->SchriftartZuweisen();
    KlasseWechselnForm->KlassenSetzen(klassen, SortierKlasse.isEmpty() ? Klasse() : SortierKlasse);
    if (KlasseWechselnForm->exec() != MwDialog::Ok)
        return;
    const QString alte = KlasseWechselnForm->BisherigeKlasse();
    const QString neue = KlasseWechselnForm->NeueKlasse();
    const Klassenmitglieder mitglieder = KlassenTeilnehmer(ordner, alte);
    const int gesamt = int(mitglieder.teilnehmer.size());
    if (gesamt == 0) {
        Information(QStringLiteral("Die Klasse \"%1\" hat keine Teilnehmer mehr.").arg(alte));
        return;
    }
    if (!Frage(QStringLiteral("Soll die Klasse \"%1\" bei %2 Teilnehmern in \"%3\" geändert werden?")
                   .arg(alte, TausenderPunkte(gesamt), neue),
               true))
        return;
    KlassenwechselErgebnis ergebnis;
    {
        Fortschrittsanzeige fortschritt(this, KuerzelEntfernen(MenuBearbGanzeKlasse->text()).chopped(3),
                                        QStringLiteral("Die Teilnehmerdateien werden geändert ..."));
        ergebnis = KlasseWechseln(ordner, mitglieder.teilnehmer, alte, neue,
                                  [&fortschritt](int erledigt, int alle) { return fortschritt.Weiter(erledigt, alle); });
    }
    // A file that could not even be read may belong to the class too.
    ergebnis.fehler << mitglieder.fehler;
    // The participant list keeps showing this class, now under its new name.
    if (!SortierKlasse.isEmpty() && GleichOhneFall(SortierKlasse, alte))
        SortierKlasse = neue;
    // The open participant as its file now is, on the same day.
    if (!Teilnehmer().isEmpty()) {
        const int nummer = FAktNummer;
        setDatFilename(Teilnehmer());
        setAktNummer(nummer);
    }
    KlassenwechselMelden(ergebnis, alte, neue, gesamt);
}

void TForm1::KlassenwechselMelden(const KlassenwechselErgebnis &ergebnis, const QString &alte, const QString &neue,
                                  int gesamt)
{
    const int geaendert = int(ergebnis.geaendert.size());
    if (ergebnis.fehler.isEmpty() && !ergebnis.abgebrochen && ergebnis.unbestaetigt.isEmpty()) {
        Information(QStringLiteral("Die Klasse \"%1\" wurde bei %2 Teilnehmern in \"%3\" geändert!")
                        .arg(alte, TausenderPunkte(geaendert), neue));
        return;
    }
    QStringList teile = {QStringLiteral("Die Klasse \"%1\" wurde bei %2 von %3 Teilnehmern in \"%4\" geändert.")
                             .arg(alte, TausenderPunkte(geaendert), TausenderPunkte(gesamt), neue)};
    if (ergebnis.abgebrochen)
        teile << QStringLiteral("Der Vorgang wurde abgebrochen.");
    if (!ergebnis.fehler.isEmpty())
        teile << QStringLiteral("Nicht geändert werden konnten:\r\n") + Aufzaehlung(ergebnis.fehler);
    if (!ergebnis.unbestaetigt.isEmpty())
        teile << ergebnis.unbestaetigt;
    if (geaendert < gesamt)
        teile << QStringLiteral("Wählen Sie \"Ganze Klasse ändern...\" noch einmal mit der Klasse \"%1\", dann "
                                "werden die übrigen Teilnehmer geändert.")
                     .arg(alte);
    if (ergebnis.fehler.isEmpty() && ergebnis.unbestaetigt.isEmpty())
        Information(teile.join(QLatin1String("\r\n")));
    else
        Fehler(teile.join(QLatin1String("\r\n")));
}
