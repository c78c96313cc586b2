#include "klassenuebersicht.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "teilnehmerdatei.h"
#include "teilnehmerordner.h"
#include "util/csv.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <QLocale>

#include <algorithm>

namespace {

// The date text: the date line up to its first character 11.
QStringView DatumsFeld(const QString &zeile)
{
    const qsizetype stelle = zeile.indexOf(Feldtrenner);
    return stelle < 0 ? QStringView(zeile) : QStringView(zeile).first(stelle);
}

void Zaehlen(UebersichtZeile &zeile, int hausaufgabe)
{
    ++zeile.tage;
    if (hausaufgabe == 0)
        ++zeile.fehlt;
    else if (hausaufgabe == 1)
        ++zeile.nein;
    else
        ++zeile.ja;
}

QString Zahl(int wert, Zellform form)
{
    return form == Zellform::Anzeige ? TausenderPunkte(wert) : QString::number(wert);
}

QString QuoteText(std::optional<double> quote, Zellform form)
{
    if (!quote)
        return {};
    const QString zahl = QLocale(QLocale::German, QLocale::Germany).toString(*quote, 'f', 1);
    return form == Zellform::Anzeige ? zahl + QStringLiteral(" %") : zahl;
}

} // namespace

void TageDurchgehen(const QStringList &zeilen, const std::function<void(const TagEintrag &)> &jeTag)
{
    TagEintrag tag;
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Schliesst()) {
            tag.nummer = z.Tag();
            jeTag(tag);
            tag = TagEintrag();
        } else if (z.ZeileImTag() == 1) {
            tag.datum = DatumsFeld(z.Zeile());
        } else if (z.ZeileImTag() == 2) {
            const int status = HausaufgabeLesen(z.Zeile());
            tag.hausaufgabe = status < 0 ? 0 : qMin(status, 2);
        }
    }
}

std::optional<double> UebersichtZeile::Quote() const
{
    if (nein + ja == 0)
        return std::nullopt;
    return 100.0 * ja / (nein + ja);
}

UebersichtZeile TeilnehmerZaehlen(const QString &name, QStringList zeilen, const Zeitraum &zeitraum)
{
    ZeilenVorbereiten(zeilen);
    UebersichtZeile zeile;
    zeile.name = name;
    const Felder kopf = FelderTeilen(zeilen.first());
    zeile.klasse = Trimmen(kopf.erstes);
    zeile.kommentar = Trimmen(kopf.zweites);
    TageDurchgehen(zeilen, [&](const TagEintrag &tag) {
        if (tag.nummer == 1)
            zeile.letzterTag = Trimmen(tag.datum.toString());
        const QDate datum = DatumLesen(tag.datum);
        if (!datum.isValid())
            ++zeile.ohneDatum;
        if (zeitraum.Enthaelt(datum))
            Zaehlen(zeile, tag.hausaufgabe);
    });
    return zeile;
}

UebersichtZeile Summenzeile(const QList<UebersichtZeile> &zeilen)
{
    UebersichtZeile summe;
    summe.name = SummenText;
    for (const UebersichtZeile &zeile : zeilen) {
        summe.tage += zeile.tage;
        summe.fehlt += zeile.fehlt;
        summe.nein += zeile.nein;
        summe.ja += zeile.ja;
        summe.ohneDatum += zeile.ohneDatum;
    }
    return summe;
}

QCollator NamenSortierung()
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

Klassenuebersicht KlasseZaehlen(const QString &ordner, const QString &klasse, const Zeitraum &zeitraum,
                                const Fortschritt &weiter)
{
    Klassenuebersicht ergebnis;
    QStringList namen = TeilnehmerNamen(ordner);
    const QCollator collator = NamenSortierung();
    std::sort(namen.begin(), namen.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    const QString filter = Gross(Trimmen(klasse));
    for (int n = 0; n < namen.size(); ++n) {
        if (weiter && !weiter(n, int(namen.size()))) {
            ergebnis.abgebrochen = true;
            return ergebnis;
        }
        const QString pfad = ordner + namen[n] + QLatin1String(".dat");
        QStringList zeilen;
        Kodierung kodierung = Kodierung::Utf8OhneMarke;
        QString fehler;
        if (!ZeilenLesen(pfad, zeilen, kodierung, fehler)) {
            UebersichtZeile unlesbar;
            unlesbar.name = namen[n];
            unlesbar.fehler = fehler;
            ergebnis.zeilen << unlesbar;
            continue;
        }
        if (!filter.isEmpty() && !zeilen.isEmpty() && Gross(KlasseAusKopf(zeilen.first())) != filter)
            continue;
        ergebnis.zeilen << TeilnehmerZaehlen(namen[n], std::move(zeilen), zeitraum);
    }
    if (weiter)
        weiter(int(namen.size()), int(namen.size()));
    return ergebnis;
}

QStringList UebersichtKopf()
{
    return {QStringLiteral("Name"), QStringLiteral("Klasse"), QStringLiteral("Tage"),
            QStringLiteral("Fehlt"), QStringLiteral("Nein"), QStringLiteral("Ja"),
            QStringLiteral("Quote"), QStringLiteral("ohne Datum"), QStringLiteral("Letzter Tag"),
            QStringLiteral("Kommentar")};
}

QStringList UebersichtZellen(const UebersichtZeile &zeile, Zellform form)
{
    QStringList zellen(SpaltenZahl);
    zellen[SpalteName] = zeile.name;
    if (!zeile.Lesbar()) {
        zellen[SpalteKommentar] = zeile.fehler;
        return zellen;
    }
    zellen[SpalteKlasse] = zeile.klasse;
    zellen[SpalteTage] = Zahl(zeile.tage, form);
    zellen[SpalteFehlt] = Zahl(zeile.fehlt, form);
    zellen[SpalteNein] = Zahl(zeile.nein, form);
    zellen[SpalteJa] = Zahl(zeile.ja, form);
    zellen[SpalteQuote] = QuoteText(zeile.Quote(), form);
    zellen[SpalteOhneDatum] = Zahl(zeile.ohneDatum, form);
    zellen[SpalteLetzterTag] = zeile.letzterTag;
    zellen[SpalteKommentar] = zeile.kommentar;
    return zellen;
}

QList<QStringList> UebersichtTabelle(const QList<UebersichtZeile> &zeilen, Zellform form)
{
    QList<QStringList> tabelle = {UebersichtKopf()};
    for (const UebersichtZeile &zeile : zeilen)
        tabelle << UebersichtZellen(zeile, form);
    tabelle << UebersichtZellen(Summenzeile(zeilen), form);
    return tabelle;
}

QByteArray UebersichtCsv(const QList<UebersichtZeile> &zeilen)
{
    return CsvBytes(UebersichtTabelle(zeilen, Zellform::Tabellenkalkulation));
}
