#include "klassentag.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "teilnehmerdatei.h"
#include "teilnehmerordner.h"
#include "util/datumsnamen.h"
#include "util/dateilesen.h"
#include "util/texte.h"

#include <algorithm>

namespace {

KlassenDatei Unlesbar(const QString &name, const QString &pfad, const QString &fehler)
{
    KlassenDatei datei;
    datei.name = name;
    datei.pfad = pfad;
    datei.fehler = fehler;
    return datei;
}

void NachNamenOrdnen(QList<KlassenDatei> &dateien)
{
    const QCollator sortierung = NamenSortierung();
    std::stable_sort(dateien.begin(), dateien.end(), [&sortierung](const KlassenDatei &a, const KlassenDatei &b) {
        return sortierung.compare(a.name, b.name) < 0;
    });
}

} // namespace

KlassenDatei KlassenDateiLesen(const QString &name, const QString &pfad)
{
    KlassenDatei datei;
    datei.name = name;
    datei.pfad = pfad;
    // The state before the read: a change while reading shows at the save.
    datei.stand = StandVon(pfad);
    if (!ZeilenLesen(pfad, datei.zeilen, datei.kodierung, datei.fehler)) {
        datei.zeilen.clear();
        return datei;
    }
    ZeilenVorbereiten(datei.zeilen);
    return datei;
}

KlassenLesung KlasseLesen(const QString &ordner, const QString &klasse, const Fortschritt &weiter)
{
    KlassenLesung lesung;
    const QList<TeilnehmerEintrag> eintraege = TeilnehmerEintraege(ordner);
    const QString filter = Gross(Klassenname(Trimmen(klasse)));
    const Ordnerhandle offen(ordner);
    const int gesamt = int(eintraege.size());
    for (int n = 0; n < gesamt; ++n) {
        if (weiter && !weiter(n, gesamt)) {
            lesung.abgebrochen = true;
            break;
        }
        const TeilnehmerEintrag &eintrag = eintraege.at(n);
        const QString pfad = offen.Pfad() + eintrag.datei;
        // The header decides; the rest of another class's file is never read.
        QString kopf, fehler;
        bool hatZeile = false;
        if (!ErsteZeileLesen(offen, eintrag.datei, kopf, hatZeile, fehler)) {
            lesung.dateien << Unlesbar(eintrag.name, pfad, fehler);
            continue;
        }
        if (hatZeile && Gross(KlasseAusKopf(kopf)) != filter)
            continue;
        lesung.dateien << KlassenDateiLesen(eintrag.name, pfad);
    }
    if (!lesung.abgebrochen && weiter)
        weiter(gesamt, gesamt);
    NachNamenOrdnen(lesung.dateien);
    return lesung;
}

namespace {

QStringView DatumsText(QStringView datumszeile)
{
    const qsizetype stelle = datumszeile.indexOf(Feldtrenner);
    return stelle < 0 ? datumszeile : datumszeile.first(stelle);
}

QDate Gelesen(QStringView text, Datumsspeicher &gelesen)
{
    const QString schluessel = text.toString();
    auto stelle = gelesen.constFind(schluessel);
    if (stelle == gelesen.constEnd())
        stelle = gelesen.insert(schluessel, DatumLesen(text));
    return *stelle;
}

} // namespace

int TagZumDatum(const QStringList &zeilen, const QDate &datum, Datumsspeicher &gelesen)
{
    if (!datum.isValid())
        return 0;
    // Day 1 is the newest: the first day found is the one.
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.ZeileImTag() == 1 && !z.Schliesst() && Gelesen(DatumsText(z.Zeile()), gelesen) == datum)
            return z.Tag();
    }
    return 0;
}

KlassenZeile KlassenZeileAus(KlassenDatei datei, const QDate &datum, Datumsspeicher &gelesen)
{
    KlassenZeile zeile;
    zeile.datei = std::move(datei);
    DatumAnwenden(zeile, datum, gelesen);
    return zeile;
}

namespace {

// The row shows day `nummer` of its file (0: none).
void TagUebernehmen(KlassenZeile &zeile, int nummer, bool eintragBehalten)
{
    zeile.tag = nummer;
    zeile.gelesen = KlassenEintrag();
    if (zeile.tag > 0) {
        // As the record view shows the day: the remark trimmed, a status
        // that is no 0, 1 or 2 read as the view reads it.
        const Tag tag = TagLesen(zeile.datei.zeilen, zeile.tag);
        zeile.gelesen.hausaufgabe = tag.hausaufgabe;
        zeile.gelesen.anmerkung = Trimmen(tag.anmerkung);
    }
    if (!eintragBehalten)
        zeile.eintrag = zeile.gelesen;
    zeile.fehltNoch = false;
}

} // namespace

void DatumAnwenden(KlassenZeile &zeile, const QDate &datum, Datumsspeicher &gelesen, bool eintragBehalten)
{
    TagUebernehmen(zeile, zeile.datei.fehler.isEmpty() ? TagZumDatum(zeile.datei.zeilen, datum, gelesen) : 0,
                   eintragBehalten);
}

QString ZustandText(const KlassenZeile &zeile)
{
    if (!zeile.datei.fehler.isEmpty())
        return zeile.datei.fehler;
    if (!zeile.grund.isEmpty())
        return zeile.grund;
    if (zeile.neuGeladen)
        return QStringLiteral("geändert von anderem Programm – neu geladen");
    if (zeile.fehltNoch && StatusFehlt(zeile))
        return QStringLiteral("Hausaufgabe fehlt noch");
    if (zeile.tag > 0)
        return QStringLiteral("vorhanden (Tag %1)").arg(zeile.tag);
    if (zeile.eintrag.hausaufgabe >= 0)
        return QStringLiteral("neu");
    return QStringLiteral("nicht erfasst");
}

bool ZeileSchreibt(const KlassenZeile &zeile)
{
    if (!zeile.datei.fehler.isEmpty() || zeile.eintrag.hausaufgabe < 0)
        return false;
    if (zeile.tag == 0)
        return true;
    return zeile.eintrag.hausaufgabe != zeile.gelesen.hausaufgabe
           || Trimmen(zeile.eintrag.anmerkung) != zeile.gelesen.anmerkung || !Trimmen(zeile.eintrag.infos).isEmpty();
}

bool StatusFehlt(const KlassenZeile &zeile)
{
    return zeile.datei.fehler.isEmpty() && zeile.tag == 0 && zeile.eintrag.hausaufgabe < 0
           && (!Trimmen(zeile.eintrag.anmerkung).isEmpty() || !Trimmen(zeile.eintrag.infos).isEmpty());
}

void EintragZuruecksetzen(KlassenZeile &zeile)
{
    zeile.eintrag = zeile.gelesen;
    zeile.fehltNoch = false;
}

QStringList NeuenTagEinfuegen(const QStringList &zeilen, const QDate &datum, const KlassenEintrag &eintrag)
{
    Tag tag;
    tag.datum = TagStr(datum);
    tag.anmerkung = Trimmen(eintrag.anmerkung);
    tag.hausaufgabe = qBound(0, eintrag.hausaufgabe, 2);
    const QString infos = Trimmen(eintrag.infos);
    if (!infos.isEmpty())
        tag.infos << infos;
    QStringList neu = zeilen;
    ZeilenVorbereiten(neu);
    const QStringList block = TagBlock(tag);
    for (qsizetype n = 0; n < block.size(); ++n)
        neu.insert(1 + n, block.at(n));
    return neu;
}

QStringList TagAktualisieren(const QStringList &zeilen, int nummer, const KlassenEintrag &eintrag)
{
    qsizetype datumszeile = -1, hausaufgabenzeile = -1, trennzeile = -1;
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Tag() < nummer)
            continue;
        if (z.Tag() > nummer)
            break;
        if (z.Schliesst()) {
            trennzeile = z.Index();
            break;
        }
        if (z.ZeileImTag() == 1)
            datumszeile = z.Index();
        else if (z.ZeileImTag() == 2)
            hausaufgabenzeile = z.Index();
    }
    if (datumszeile < 0 || trennzeile < 0)
        return zeilen;
    QStringList neu = zeilen;
    neu[datumszeile] = FelderVerbinden(FelderTeilen(zeilen.at(datumszeile)).erstes, Trimmen(eintrag.anmerkung));
    const QString status = QString::number(qBound(0, eintrag.hausaufgabe, 2));
    const QString infos = Trimmen(eintrag.infos);
    // Inserted from the end, so that the earlier places stay where they are.
    if (!infos.isEmpty())
        neu.insert(trennzeile, infos);
    if (hausaufgabenzeile >= 0)
        neu[hausaufgabenzeile] = status;
    else
        neu.insert(datumszeile + 1, status);
    return neu;
}

QStringList ZeilenZumSpeichern(const KlassenZeile &zeile, const QDate &datum)
{
    if (zeile.tag > 0)
        return TagAktualisieren(zeile.datei.zeilen, zeile.tag, zeile.eintrag);
    return NeuenTagEinfuegen(zeile.datei.zeilen, datum, zeile.eintrag);
}

Speicherausgang ZeileSpeichern(KlassenZeile &zeile, const QDate &datum, Datumsspeicher &gelesen, QString &warnung)
{
    warnung.clear();
    KlassenDatei &datei = zeile.datei;
    const DateiStand jetzt = StandVon(datei.pfad);
    if (jetzt.Fehlt()) {
        // Renamed or deleted meanwhile: a new file of the old name would
        // be a second participant.
        zeile.grund = QStringLiteral("nicht gespeichert: Die Datei gibt es nicht mehr.");
        return Speicherausgang::Fehlgeschlagen;
    }
    if (FremdGeaendert(datei.stand, jetzt)) {
        const KlassenEintrag vorher = zeile.gelesen;
        datei = KlassenDateiLesen(datei.name, datei.pfad);
        DatumAnwenden(zeile, datum, gelesen, true);
        // What the teacher left as it was takes the other program's value.
        if (zeile.eintrag.hausaufgabe == vorher.hausaufgabe)
            zeile.eintrag.hausaufgabe = zeile.gelesen.hausaufgabe;
        if (Trimmen(zeile.eintrag.anmerkung) == vorher.anmerkung)
            zeile.eintrag.anmerkung = zeile.gelesen.anmerkung;
        zeile.grund.clear();
        zeile.neuGeladen = true;
        return Speicherausgang::FremdGeaendert;
    }
    const QStringList neu = ZeilenZumSpeichern(zeile, datum);
    QString fehler;
    bool geschrieben = false;
    const bool ok = ZeilenMitSicherungSchreiben(datei.pfad, neu, datei.kodierung, fehler, &geschrieben);
    if (!geschrieben) {
        zeile.grund = QStringLiteral("nicht gespeichert: %1").arg(fehler);
        return Speicherausgang::Fehlgeschlagen;
    }
    if (!ok)
        warnung = fehler;
    datei.zeilen = neu;
    datei.stand = StandVon(datei.pfad);
    zeile.grund.clear();
    zeile.neuGeladen = false;
    // The row shows the day as written, whose infos are in the file now: a
    // new day is day 1, also where its text would not read as the date.
    TagUebernehmen(zeile, zeile.tag > 0 ? zeile.tag : 1, false);
    return Speicherausgang::Gespeichert;
}
