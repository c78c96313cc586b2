#include "klassenwechsel.h"

#include "bloecke.h"
#include "teilnehmerdatei.h"
#include "util/dateifehler.h"
#include "util/dateistand.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"

#include <QHash>

bool KlasseErsetzen(QStringList &zeilen, const QString &neueKlasse)
{
    if (zeilen.isEmpty())
        return false;
    const QString &kopf = zeilen.first();
    const qsizetype trenner = kopf.indexOf(Feldtrenner);
    const QString neu = trenner < 0 ? neueKlasse : neueKlasse + kopf.mid(trenner);
    if (neu == kopf)
        return false;
    zeilen.first() = neu;
    return true;
}

bool KopfNenntKlasse(const QString &kopf, const QString &klasse)
{
    return GleichOhneFall(KlasseAusKopf(kopf), Klassenname(klasse));
}

Klassenmitglieder KlassenTeilnehmer(const QString &ordner, const QString &klasse)
{
    Klassenmitglieder mitglieder;
    KoepfeDurchgehen(ordner, [&](const TeilnehmerEintrag &eintrag, const QString &kopf, bool hatZeile,
                                 const QString &fehler) {
        if (!fehler.isEmpty())
            mitglieder.fehler << fehler;
        else if (hatZeile && KopfNenntKlasse(kopf, klasse))
            mitglieder.teilnehmer << eintrag;
    });
    // The order of the participant list, so that messages name them so too.
    QHash<QString, TeilnehmerEintrag> nachName;
    QStringList namen;
    for (const TeilnehmerEintrag &eintrag : std::as_const(mitglieder.teilnehmer)) {
        nachName.insert(eintrag.name, eintrag);
        namen << eintrag.name;
    }
    OhneFallSortieren(namen);
    mitglieder.teilnehmer.clear();
    for (const QString &name : std::as_const(namen))
        mitglieder.teilnehmer << nachName.value(name);
    return mitglieder;
}

namespace {

enum class Ausgang { Geaendert, NichtMehrInDerKlasse, Fehler };

// One participant's file: read, its class replaced, written back unless
// another program changed it meanwhile. `fehler` says why it was not.
Ausgang EineDateiWechseln(const QString &pfad, const QString &alteKlasse, const QString &neueKlasse,
                          const std::function<void(const QString &)> &nachDemLesen, QString &fehler)
{
    // As when the file is opened: a read-only file is made writable.
    AttributeZuruecksetzen(pfad);
    const DateiStand stand = StandVon(pfad);
    QStringList zeilen;
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    if (!ZeilenLesen(pfad, zeilen, kodierung, fehler))
        return Ausgang::Fehler;
    // Changed since it was counted (by hand, or by an earlier run): not this class's.
    if (zeilen.isEmpty() || !KopfNenntKlasse(zeilen.first(), alteKlasse))
        return Ausgang::NichtMehrInDerKlasse;
    if (nachDemLesen)
        nachDemLesen(pfad);
    if (!KlasseErsetzen(zeilen, neueKlasse))
        return Ausgang::Geaendert; // it names the new class exactly already
    if (FremdGeaendert(stand, StandVon(pfad))) {
        fehler = QStringLiteral("Die Datei \"%1\" wurde inzwischen von einem anderen Programm geändert und blieb "
                                "daher unverändert.")
                     .arg(Nativ(pfad));
        return Ausgang::Fehler;
    }
    bool geschrieben = false;
    ZeilenMitSicherungSchreiben(pfad, zeilen, kodierung, fehler, &geschrieben, false);
    return geschrieben ? Ausgang::Geaendert : Ausgang::Fehler;
}

} // namespace

KlassenwechselErgebnis KlasseWechseln(const QString &ordner, const QList<TeilnehmerEintrag> &teilnehmer,
                                      const QString &alteKlasse, const QString &neueKlasse,
                                      const KlassenFortschritt &fortschritt,
                                      const std::function<void(const QString &pfad)> &nachDemLesen)
{
    KlassenwechselErgebnis ergebnis;
    const QString klasse = Trimmen(neueKlasse);
    const int gesamt = int(teilnehmer.size());
    for (int n = 0; n < gesamt; ++n) {
        if (fortschritt && !fortschritt(n, gesamt)) {
            ergebnis.abgebrochen = true;
            break;
        }
        const TeilnehmerEintrag &eintrag = teilnehmer.at(n);
        QString fehler;
        switch (EineDateiWechseln(ordner + eintrag.datei, alteKlasse, klasse, nachDemLesen, fehler)) {
        case Ausgang::Geaendert:
            ergebnis.geaendert << eintrag.name;
            break;
        case Ausgang::Fehler:
            ergebnis.fehler << fehler;
            break;
        case Ausgang::NichtMehrInDerKlasse:
            break;
        }
    }
    if (fortschritt && !ergebnis.abgebrochen)
        fortschritt(gesamt, gesamt);
    // The new names of all files at once, not one folder sync per file.
    if (!ergebnis.geaendert.isEmpty()) {
        if (const int nummer = OrdnerSyncen(ordner))
            ergebnis.unbestaetigt = UnbestaetigtText(ordner, SystemFehlerText(nummer));
    }
    return ergebnis;
}
