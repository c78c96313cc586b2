#include "verlauf.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "klassenuebersicht.h"
#include "util/texte.h"

#include <QMap>

namespace {

int Monatsnummer(const QDate &datum)
{
    return datum.year() * 12 + datum.month() - 1;
}

} // namespace

Verlauf VerlaufZaehlen(const QStringList &zeilen, const Zeitraum &zeitraum)
{
    Verlauf verlauf;
    QStringList vorbereitet = zeilen;
    ZeilenVorbereiten(vorbereitet);
    QMap<int, MonatsZahlen> monate;
    TageDurchgehen(vorbereitet, [&](const TagEintrag &tag) {
        const QDate datum = DatumLesen(tag.datum);
        if (!datum.isValid()) {
            verlauf.ohneDatum << TagOhneDatum{tag.nummer, Trimmen(tag.datum.toString())};
            return;
        }
        if (!zeitraum.Enthaelt(datum))
            return;
        MonatsZahlen &monat = monate[Monatsnummer(datum)];
        (tag.hausaufgabe == 0 ? monat.fehlt : tag.hausaufgabe == 1 ? monat.nein : monat.ja)++;
    });
    int erster = monate.isEmpty() ? 0 : monate.firstKey();
    int letzter = monate.isEmpty() ? -1 : monate.lastKey();
    if (zeitraum.von.isValid() && zeitraum.bis.isValid() && zeitraum.von <= zeitraum.bis) {
        const int von = Monatsnummer(zeitraum.von);
        const int bis = Monatsnummer(zeitraum.bis);
        if (bis - von < 24) {
            erster = von;
            letzter = bis;
        }
    }
    for (int nummer = erster; nummer <= letzter; ++nummer) {
        MonatsZahlen monat = monate.value(nummer);
        monat.jahr = nummer / 12;
        monat.monat = nummer % 12 + 1;
        verlauf.monate << monat;
    }
    return verlauf;
}

QString MonatsText(const MonatsZahlen &monat)
{
    return QStringLiteral("%1 %2").arg(MonatsName(monat.monat)).arg(monat.jahr);
}
