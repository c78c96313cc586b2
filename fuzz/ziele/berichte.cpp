// The report texts: all days are each day on its own, in order; a day's
// report shows what the main window shows for it, its info lines in
// brackets; the homework evaluation's counts match its lists; the comment
// overview holds each comment once, numbered and sorted.

#include "start.h"
#include "felder.h"

#include "reports/berichte.h"
#include "util/kodierung.h"

#include <QCollator>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QStringList Hausaufgaben = {QStringLiteral("&Fehlt"), QStringLiteral("&Nein"), QStringLiteral("&Ja")};

// The lines of a report, each of which ended with CR LF.
QStringList Zeilen(const QString &text)
{
    PRUEFEN(text.isEmpty() || text.endsWith(QLatin1String("\r\n")));
    QStringList zeilen = text.split(QLatin1String("\r\n"));
    zeilen.removeLast();
    for (const QString &zeile : zeilen)
        PRUEFEN(!zeile.contains(u'\r') && !zeile.contains(u'\n'));
    return zeilen;
}

// A number written with thousands dots, or -1.
qint64 Zahl(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[1-9][0-9]{0,2}(\\.[0-9]{3})*$|^0$"));
    if (!form.match(text).hasMatch())
        return -1;
    return QString(text).remove(u'.').toLongLong();
}

void TagPruefen(const QStringList &bericht, const QStringList &zeilen, int nummer)
{
    PRUEFEN(bericht.size() >= 4);
    PRUEFEN_GLEICH(bericht[0], QString());
    PRUEFEN(bericht[1].startsWith(QLatin1String("Nr.: ")));
    PRUEFEN_GLEICH(Zahl(bericht[1].mid(5)), qint64(nummer));
    PRUEFEN(bericht[2].startsWith(QLatin1String("Datum: ")));
    PRUEFEN(bericht[3].startsWith(QLatin1String("Anmerkung: ")));
    const Tag tag = TagLesen(zeilen, nummer);
    if (!tag.datum.isEmpty() || !tag.anmerkung.isEmpty()) {
        PRUEFEN_GLEICH(bericht[2], QLatin1String("Datum: ") + tag.datum);
        PRUEFEN_GLEICH(bericht[3], QLatin1String("Anmerkung: ") + tag.anmerkung);
    }
    if (!tag.infos.isEmpty()) {
        // The info lines, bracketed, then the line that closes the day.
        QStringList erwartet = tag.infos;
        erwartet.first().prepend(u'[');
        erwartet.last().append(u']');
        PRUEFEN(bericht.size() >= 5 + erwartet.size());
        PRUEFEN_GLEICH(bericht.mid(bericht.size() - 1 - erwartet.size(), erwartet.size()), erwartet);
    }
}

void AuswertungPruefen(const QStringList &bericht, int tage)
{
    static const QRegularExpression ueberschrift(
        QStringLiteral("^(Teilnehmer fehlte \\(Fehlt\\)|Hausaufgaben nicht gebracht \\(Nein\\)|"
                       "Hausaufgaben gebracht \\(Ja\\)): (.*)$"));
    qsizetype i = 3;
    qint64 summe = 0;
    for (int status = 0; status < 3; ++status) {
        PRUEFEN(i + 1 < bericht.size());
        PRUEFEN_GLEICH(bericht[i], QString());
        const QRegularExpressionMatch treffer = ueberschrift.match(bericht[i + 1]);
        PRUEFEN(treffer.hasMatch());
        const qint64 anzahl = Zahl(treffer.captured(2));
        PRUEFEN(anzahl >= 0 && i + 2 + anzahl <= bericht.size());
        for (qsizetype e = i + 2; e < i + 2 + anzahl; ++e)
            PRUEFEN(bericht[e].startsWith(QLatin1String("- ")));
        summe += anzahl;
        i += 2 + anzahl;
    }
    PRUEFEN_GLEICH(i, bericht.size());
    PRUEFEN(summe <= tage);
}

void BerichtePruefen(FuzzedDataProvider &eingabe)
{
    const BerichtKopf kopf{Feldwert(eingabe, true), Feldwert(eingabe, true), Feldwert(eingabe, false)};
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    QStringList zeilen = BytesInZeilen(QByteArray::fromStdString(eingabe.ConsumeRemainingBytesAsString()), kodierung);
    ZeilenVorbereiten(zeilen);
    const int tage = TageZaehlen(zeilen);
    const QStringList kopfZeilen = {QLatin1String("Name: ") + kopf.name, QLatin1String("Klasse: ") + kopf.klasse,
                                    QLatin1String("Kommentar: ") + kopf.kommentar};

    QStringList einzeln = kopfZeilen;
    for (int nummer = 1; nummer <= tage; ++nummer) {
        const QStringList bericht = Zeilen(DruckenText(zeilen, kopf, TagBericht, nummer, Hausaufgaben));
        PRUEFEN_GLEICH(bericht.first(3), kopfZeilen);
        TagPruefen(bericht.mid(3), zeilen, nummer);
        einzeln << bericht.mid(3);
    }
    PRUEFEN_GLEICH(Zeilen(DruckenText(zeilen, kopf, TageBericht, 0, Hausaufgaben)), einzeln);

    const QStringList auswertung = Zeilen(DruckenText(zeilen, kopf, HausaufgabenBericht, 0, Hausaufgaben));
    PRUEFEN_GLEICH(auswertung.first(3), kopfZeilen);
    AuswertungPruefen(auswertung, tage);
}

void KommentarePruefen(FuzzedDataProvider &eingabe)
{
    QList<KommentarQuelle> quellen;
    QStringList erwartet;
    const int anzahl = eingabe.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < anzahl; ++i) {
        KommentarQuelle quelle;
        quelle.name = Feldwert(eingabe, true);
        quelle.hatKopf = eingabe.ConsumeBool();
        quelle.kopfzeile = Feldwert(eingabe, false);
        quellen << quelle;
        const Felder felder = FelderTeilen(quelle.kopfzeile);
        if (quelle.hatKopf && !felder.zweites.isEmpty())
            erwartet << QStringLiteral("%1 (%2): \"%3\"").arg(quelle.name, felder.erstes, felder.zweites);
    }
    const QStringList bericht = Zeilen(KommentareText(quellen));
    PRUEFEN_GLEICH(bericht.size(), erwartet.size());
    QStringList eintraege;
    for (qsizetype n = 0; n < bericht.size(); ++n) {
        const QString nummer = QString::number(n + 1) + QLatin1String(".: ");
        PRUEFEN(bericht[n].startsWith(nummer));
        eintraege << bericht[n].mid(nummer.size());
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype n = 1; n < eintraege.size(); ++n)
        PRUEFEN(collator.compare(eintraege[n - 1], eintraege[n]) <= 0);
    std::sort(eintraege.begin(), eintraege.end());
    std::sort(erwartet.begin(), erwartet.end());
    PRUEFEN_GLEICH(eintraege, erwartet);
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
    if (eingabe.ConsumeBool())
        KommentarePruefen(eingabe);
    else
        BerichtePruefen(eingabe);
    return 0;
}
