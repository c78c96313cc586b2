// The block walker as the main window uses it: show a day, save it
// unchanged, save an edit, delete a day. Every day the count names can be
// shown and edited, and no other day changes.

#include "start.h"
#include "felder.h"

#include "records/bloecke.h"
#include "util/kodierung.h"

#include <set>

namespace {

// A few days worth comparing: the first, the last and those around `nummer`.
std::set<int> Stichprobe(int nummer, int tage)
{
    std::set<int> auswahl;
    for (int tag : {1, nummer - 1, nummer, nummer + 1, tage}) {
        if (tag >= 1 && tag <= tage)
            auswahl.insert(tag);
    }
    return auswahl;
}

// Every sampled day but `nummer` reads the same in `nachher`; after a
// deletion the days behind it have moved up by one.
void AndereTageGleich(const QStringList &vorher, const QStringList &nachher, int nummer, int tage, bool entfernt)
{
    for (int tag : Stichprobe(nummer, tage)) {
        if (tag == nummer)
            continue;
        const int neu = entfernt && tag > nummer ? tag - 1 : tag;
        PRUEFEN_GLEICH(TagLesen(nachher, neu), TagLesen(vorher, tag));
    }
}

Tag Bearbeitet(FuzzedDataProvider &eingabe)
{
    Tag tag;
    tag.datum = Feldwert(eingabe, true);
    tag.anmerkung = Feldwert(eingabe, false);
    tag.hausaufgabe = eingabe.ConsumeIntegralInRange(0, 2);
    const int infos = eingabe.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < infos; ++i)
        tag.infos << Feldwert(eingabe, false, 40);
    return tag;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    FuzzedDataProvider eingabe(daten, groesse);
    const unsigned wahl = eingabe.ConsumeIntegral<uint16_t>();
    const QString kopf = FelderVerbinden(Feldwert(eingabe, true), Feldwert(eingabe, false));
    const Tag bearbeitet = Bearbeitet(eingabe);
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    QStringList zeilen = BytesInZeilen(QByteArray::fromStdString(eingabe.ConsumeRemainingBytesAsString()), kodierung);
    ZeilenVorbereiten(zeilen);

    const int tage = TageZaehlen(zeilen);
    PRUEFEN(tage >= 1);
    const int nummer = 1 + int(wahl % unsigned(tage));

    // Shown and saved unchanged: the same day, the same file.
    const Tag gezeigt = TagLesen(zeilen, nummer);
    const QStringList unveraendert = TagErsetzen(zeilen, zeilen.first(), nummer, TagBlock(gezeigt));
    PRUEFEN_GLEICH(TageZaehlen(unveraendert), tage);
    PRUEFEN_GLEICH(TagLesen(unveraendert, nummer), gezeigt);
    PRUEFEN_GLEICH(unveraendert.first(), zeilen.first());
    AndereTageGleich(zeilen, unveraendert, nummer, tage, false);

    // Saved with an edit: the edit reads back, with the new header.
    const QStringList geaendert = TagErsetzen(zeilen, kopf, nummer, TagBlock(bearbeitet));
    PRUEFEN_GLEICH(TageZaehlen(geaendert), tage);
    PRUEFEN_GLEICH(TagLesen(geaendert, nummer), bearbeitet);
    PRUEFEN_GLEICH(geaendert.first(), kopf);
    AndereTageGleich(zeilen, geaendert, nummer, tage, false);

    // Deleted: one day fewer, the later ones move up.
    const QStringList entfernt = TagEntfernen(zeilen, nummer);
    PRUEFEN_GLEICH(TageZaehlen(entfernt), tage - 1);
    PRUEFEN_GLEICH(entfernt.first(), zeilen.first());
    AndereTageGleich(zeilen, entfernt, nummer, tage, true);
    return 0;
}
