#include "klassenuebersicht.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "teilnehmerordner.h"
#include "util/csv.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

// The date text: the date line up to its first character 11.
QStringView DatumsFeld(QStringView zeile)
{
    const qsizetype stelle = zeile.indexOf(Feldtrenner);
    return stelle < 0 ? zeile : zeile.first(stelle);
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

namespace {

template<typename Zeilen>
void Durchgehen(const Zeilen &zeilen, const std::function<void(const TagEintrag &)> &jeTag)
{
    TagEintrag tag;
    bool geschlossen = false;
    for (BlockLeserUeber<Zeilen> z(zeilen); z.Weiter();) {
        if (z.Schliesst()) {
            tag.nummer = z.Tag();
            jeTag(tag);
            tag = TagEintrag();
            geschlossen = true;
        } else if (z.ZeileImTag() == 1) {
            tag.zeile = z.Index();
            tag.datum = DatumsFeld(z.Zeile());
        } else if (z.ZeileImTag() == 2) {
            const int status = HausaufgabeLesen(z.Zeile());
            tag.hausaufgabe = status < 0 ? 0 : qMin(status, 2);
        }
    }
    // Without any separator all lines after the header are day 1, as the
    // document reads them.
    if (!geschlossen) {
        tag.nummer = 1;
        jeTag(tag);
    }
}

} // namespace

void TageDurchgehen(const QStringList &zeilen, const std::function<void(const TagEintrag &)> &jeTag)
{
    Durchgehen(zeilen, jeTag);
}

void TageDurchgehen(const QList<QStringView> &zeilen, const std::function<void(const TagEintrag &)> &jeTag)
{
    Durchgehen(zeilen, jeTag);
}

std::optional<double> UebersichtZeile::Quote() const
{
    if (nein + ja == 0)
        return std::nullopt;
    return 100.0 * ja / (nein + ja);
}

namespace {

// A row with the header's class and comment, nothing counted yet.
UebersichtZeile ZeileMitKopf(const QString &name, QStringView kopfzeile)
{
    UebersichtZeile zeile;
    zeile.name = name;
    const Felder kopf = FelderTeilen(kopfzeile.toString());
    zeile.klasse = Klassenname(kopf.erstes);
    zeile.kommentar = Gekuerzt(Trimmen(kopf.zweites), Zellgrenze);
    return zeile;
}

void TagZaehlen(UebersichtZeile &zeile, int nummer, QStringView datumsText, const QDate &datum, int hausaufgabe,
                const Zeitraum &zeitraum)
{
    if (nummer == 1)
        zeile.letzterTag = Gekuerzt(Trimmen(datumsText.toString()), Zellgrenze);
    if (!datum.isValid())
        ++zeile.ohneDatum;
    if (zeitraum.Enthaelt(datum))
        Zaehlen(zeile, hausaufgabe);
}

} // namespace

UebersichtZeile TeilnehmerZaehlen(const QString &name, const QList<QStringView> &zeilen, const Zeitraum &zeitraum)
{
    if (zeilen.isEmpty() || IstTrenner(zeilen.first())) {
        // No header line: an empty one goes first, as the document reads such a file.
        QList<QStringView> mitKopf = zeilen;
        mitKopf.prepend(QStringView());
        return TeilnehmerZaehlen(name, mitKopf, zeitraum);
    }
    UebersichtZeile zeile = ZeileMitKopf(name, zeilen.first());
    TageDurchgehen(zeilen, [&](const TagEintrag &tag) {
        TagZaehlen(zeile, tag.nummer, tag.datum, DatumLesen(tag.datum), tag.hausaufgabe, zeitraum);
    });
    return zeile;
}

UebersichtZeile TeilnehmerZaehlen(const QString &name, const QStringList &zeilen, const Zeitraum &zeitraum)
{
    return TeilnehmerZaehlen(name, QList<QStringView>(zeilen.cbegin(), zeilen.cend()), zeitraum);
}

UebersichtZeile TeilnehmerZaehlen(const GeleseneDatei &datei, const Zeitraum &zeitraum)
{
    UebersichtZeile zeile = ZeileMitKopf(datei.name, datei.Kopf());
    for (const GelesenerTag &tag : datei.tage)
        TagZaehlen(zeile, tag.nummer, tag.datum, tag.gelesen, tag.hausaufgabe, zeitraum);
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
    QList<TeilnehmerEintrag> sortiert = TeilnehmerEintraege(ordner);
    const QCollator collator = NamenSortierung();
    std::sort(sortiert.begin(), sortiert.end(), [&collator](const TeilnehmerEintrag &a, const TeilnehmerEintrag &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    // Each file's row in its own place: the threads never share one.
    std::vector<std::optional<UebersichtZeile>> gezaehlt(sortiert.size());
    const auto zaehlen = [&](qsizetype stelle, GeleseneDatei &datei) {
        UebersichtZeile zeile;
        if (datei.Lesbar()) {
            zeile = TeilnehmerZaehlen(datei, zeitraum);
        } else {
            zeile.name = datei.name;
            zeile.fehler = datei.fehler;
        }
        gezaehlt[size_t(stelle)] = std::move(zeile);
    };
    Klassenuebersicht ergebnis;
    // No class given, or only blanks: all.
    const std::optional<QString> filter = Trimmen(klasse).isEmpty() ? std::nullopt : std::optional(klasse);
    ergebnis.abgebrochen = !KlassendateienLesen(ordner, sortiert, filter, zaehlen, weiter);
    for (std::optional<UebersichtZeile> &zeile : gezaehlt) {
        if (zeile)
            ergebnis.zeilen << std::move(*zeile);
    }
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
