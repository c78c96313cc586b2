#include "klassenuebersicht.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "teilnehmerdatei.h"
#include "teilnehmerordner.h"
#include "util/csv.h"
#include "util/dateilesen.h"
#include "util/texte.h"
#include "util/zahlen.h"
#include "util/zeilenansicht.h"

#include <QLocale>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
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

UebersichtZeile TeilnehmerZaehlen(const QString &name, const QList<QStringView> &zeilen, const Zeitraum &zeitraum)
{
    if (zeilen.isEmpty() || IstTrenner(zeilen.first())) {
        // No header line: an empty one goes first, as the document reads such a file.
        QList<QStringView> mitKopf = zeilen;
        mitKopf.prepend(QStringView());
        return TeilnehmerZaehlen(name, mitKopf, zeitraum);
    }
    UebersichtZeile zeile;
    zeile.name = name;
    const Felder kopf = FelderTeilen(zeilen.first().toString());
    zeile.klasse = Klassenname(kopf.erstes);
    zeile.kommentar = Gekuerzt(Trimmen(kopf.zweites), Zellgrenze);
    TageDurchgehen(zeilen, [&](const TagEintrag &tag) {
        if (tag.nummer == 1)
            zeile.letzterTag = Gekuerzt(Trimmen(tag.datum.toString()), Zellgrenze);
        const QDate datum = DatumLesen(tag.datum);
        if (!datum.isValid())
            ++zeile.ohneDatum;
        if (zeitraum.Enthaelt(datum))
            Zaehlen(zeile, tag.hausaufgabe);
    });
    return zeile;
}

UebersichtZeile TeilnehmerZaehlen(const QString &name, const QStringList &zeilen, const Zeitraum &zeitraum)
{
    return TeilnehmerZaehlen(name, QList<QStringView>(zeilen.cbegin(), zeilen.cend()), zeitraum);
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

namespace {

UebersichtZeile Unlesbar(const QString &name, const QString &fehler)
{
    UebersichtZeile unlesbar;
    unlesbar.name = name;
    unlesbar.fehler = fehler;
    return unlesbar;
}

// A file this large is read by one worker at a time: a count holds at most
// one of them in memory besides a few of the usual size.
constexpr qint64 GrosseDatei = 16 * 1024 * 1024;

// Reads and counts one participant file; nothing when it belongs to
// another class. The header line comes first: the rest of another class's
// file is never read. `text` and `zeilen` are the caller's, reused from
// file to file, so that a count holds one file's text per worker at a time.
std::optional<UebersichtZeile> DateiZaehlen(const Ordnerhandle &ordner, const TeilnehmerEintrag &eintrag,
                                            const QString &filter, const Zeitraum &zeitraum, std::mutex &gross,
                                            QString &text, QList<QStringView> &zeilen)
{
    Kopfleser datei(ordner, eintrag.datei);
    QString kopf, fehler;
    bool hatZeile = false;
    if (!datei.KopfLesen(kopf, hatZeile, fehler))
        return Unlesbar(eintrag.name, fehler);
    // A file without lines belongs to every class.
    if (!filter.isEmpty() && hatZeile && Gross(KlasseAusKopf(kopf)) != filter)
        return std::nullopt;
    std::unique_lock<std::mutex> einzeln(gross, std::defer_lock);
    if (datei.Groesse() > GrosseDatei)
        einzeln.lock();
    if (!datei.RestLesen(text, fehler))
        return Unlesbar(eintrag.name, fehler);
    ZeilenAnsichten(text, zeilen);
    if (hatZeile)
        zeilen.prepend(kopf);
    return TeilnehmerZaehlen(eintrag.name, zeilen, zeitraum);
}

// Files are read on the cores there are, a few at most: reading and
// counting a file takes about as long as decoding it.
int Arbeiter(qsizetype dateien)
{
    return int(qBound<qsizetype>(1, qMin<qsizetype>(QThread::idealThreadCount(), 4), qMax<qsizetype>(dateien, 1)));
}

} // namespace

Klassenuebersicht KlasseZaehlen(const QString &ordner, const QString &klasse, const Zeitraum &zeitraum,
                                const Fortschritt &weiter)
{
    QList<TeilnehmerEintrag> sortiert = TeilnehmerEintraege(ordner);
    const QCollator collator = NamenSortierung();
    std::sort(sortiert.begin(), sortiert.end(), [&collator](const TeilnehmerEintrag &a, const TeilnehmerEintrag &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    const QList<TeilnehmerEintrag> &namen = sortiert; // read by every worker: never detached
    const Ordnerhandle offen(ordner);
    std::mutex gross;
    const int gesamt = int(namen.size());
    const QString filter = Gross(Trimmen(klasse));
    std::vector<std::optional<UebersichtZeile>> gezaehlt(namen.size());
    std::atomic<int> naechste{0};
    std::atomic<int> erledigt{0};
    std::atomic<bool> abbrechen{false};
    // Each worker takes the next file not yet taken; the calling thread is
    // one of them and reports the progress between its files.
    const auto arbeiten = [&](bool berichten) {
        QString text;
        QList<QStringView> zeilen;
        for (int n = naechste++; n < gesamt && !abbrechen; n = naechste++) {
            if (berichten && weiter && n > 0 && !weiter(erledigt, gesamt)) {
                abbrechen = true;
                break;
            }
            gezaehlt[n] = DateiZaehlen(offen, namen.at(n), filter, zeitraum, gross, text, zeilen);
            ++erledigt;
        }
    };
    Klassenuebersicht ergebnis;
    if (weiter && !weiter(0, gesamt)) {
        ergebnis.abgebrochen = true;
        return ergebnis;
    }
    std::vector<std::thread> helfer;
    for (int n = 1; n < Arbeiter(namen.size()); ++n)
        helfer.emplace_back(arbeiten, false);
    arbeiten(true);
    for (std::thread &t : helfer)
        t.join();

    ergebnis.abgebrochen = abbrechen;
    for (std::optional<UebersichtZeile> &zeile : gezaehlt) {
        if (zeile)
            ergebnis.zeilen << std::move(*zeile);
    }
    if (weiter && !ergebnis.abgebrochen)
        weiter(gesamt, gesamt);
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
