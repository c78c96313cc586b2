#include "berichte.h"

#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "util/dateilesen.h"
#include "util/texte.h"
#include "util/zahlen.h"


namespace {

QString HausaufgabenText(const QStringList &hausaufgaben, int status)
{
    return KuerzelEntfernen(hausaufgaben.value(status));
}

// Kinds 1 and 2: every line of the days in range, the date line spelled
// out, the info lines bracketed.
void TageSchreiben(const QStringList &zeilen, int von, int bis, const QStringList &hausaufgaben,
                   QStringList &aus)
{
    bool ersteInfo = false;
    bool klammerOffen = false;
    for (BlockLeser z(zeilen); z.Weiter();) {
        const QString &zeile = z.Zeile();
        const int d = z.Tag();
        if (d >= von && d <= bis) {
            if (z.ZeileImTag() == 1) {
                const Felder felder = FelderTeilen(zeile);
                aus << QString() << QStringLiteral("Nr.: %1").arg(TausenderPunkte(d))
                    << QStringLiteral("Datum: %1").arg(felder.erstes)
                    << QStringLiteral("Anmerkung: %1").arg(felder.zweites);
                ersteInfo = true;
            } else if (z.ZeileImTag() == 2) {
                const int status = HausaufgabeLesen(zeile);
                if (status >= 0) {
                    const int index = qMin(status, 2); // a number above 2 counts as the last item
                    aus << (index == 0 ? QStringLiteral("Teilnehmer: %1") : QStringLiteral("Hausaufgabe: %1"))
                               .arg(HausaufgabenText(hausaufgaben, index));
                }
            } else {
                if (ersteInfo && !z.Schliesst()) {
                    aus << QLatin1Char('[') + zeile;
                    klammerOffen = true;
                } else {
                    aus << zeile;
                }
                ersteInfo = false;
            }
        }
        if (z.Schliesst() && klammerOffen && aus.size() >= 2) {
            aus[aus.size() - 2] += QLatin1Char(']');
            klammerOffen = false;
        }
    }
}

// Kind 3: the days by homework status, each list in day order.
void AuswertungSchreiben(const QStringList &zeilen, const QStringList &hausaufgaben, QStringList &aus)
{
    int zaehler[3] = {0, 0, 0};
    QStringList listen[3];
    QString datum, anmerkung;
    const int tage = TageZaehlen(zeilen);
    for (BlockLeser z(zeilen); z.Weiter() && z.Tag() <= tage;) {
        if (z.ZeileImTag() == 1) {
            const Felder felder = FelderTeilen(z.Zeile());
            datum = felder.erstes;
            anmerkung = felder.zweites;
        } else if (z.ZeileImTag() == 2) {
            const int status = HausaufgabeLesen(z.Zeile());
            if (status >= 0) {
                const int index = qMin(status, 2);
                ++zaehler[index];
                QString eintrag = QStringLiteral("- %1").arg(datum);
                if (!anmerkung.isEmpty())
                    eintrag += QStringLiteral(" (%1)").arg(anmerkung);
                listen[index] << eintrag;
            }
        } else {
            datum.clear();
            anmerkung.clear();
        }
    }
    const QString ueberschriften[3] = {QStringLiteral("Teilnehmer fehlte (%1): %2"),
                                       QStringLiteral("Hausaufgaben nicht gebracht (%1): %2"),
                                       QStringLiteral("Hausaufgaben gebracht (%1): %2")};
    for (int status = 0; status < 3; ++status) {
        aus << QString()
            << ueberschriften[status].arg(HausaufgabenText(hausaufgaben, status), TausenderPunkte(zaehler[status]));
        aus << listen[status];
    }
}

} // namespace

QString Zeilentext(const QStringList &zeilen)
{
    QString text;
    for (const QString &zeile : zeilen) {
        text += zeile;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString DruckenText(const QStringList &zeilen, const BerichtKopf &kopf, int art, int aktNummer,
                    const QStringList &hausaufgaben)
{
    QStringList aus;
    aus << QStringLiteral("Name: %1").arg(kopf.name) << QStringLiteral("Klasse: %1").arg(kopf.klasse)
        << QStringLiteral("Kommentar: %1").arg(kopf.kommentar);
    if (art >= HausaufgabenBericht)
        AuswertungSchreiben(zeilen, hausaufgaben, aus);
    else if (art == TagBericht)
        TageSchreiben(zeilen, aktNummer, aktNummer, hausaufgaben, aus);
    else
        TageSchreiben(zeilen, 1, TageZaehlen(zeilen), hausaufgaben, aus);
    return Zeilentext(aus);
}

QString KommentareText(const QList<KommentarQuelle> &quellen)
{
    QStringList eintraege;
    for (const KommentarQuelle &quelle : quellen) {
        if (!quelle.hatKopf)
            continue;
        const Felder felder = FelderTeilen(quelle.kopfzeile);
        if (!felder.zweites.isEmpty())
            eintraege << QStringLiteral("%1 (%2): \"%3\"").arg(quelle.name, felder.erstes, felder.zweites);
    }
    OhneFallSortieren(eintraege);
    for (qsizetype n = 0; n < eintraege.size(); ++n)
        eintraege[n] = QStringLiteral("%1.: %2").arg(n + 1).arg(eintraege[n]);
    return Zeilentext(eintraege);
}

QList<KommentarQuelle> KommentarQuellenLesen(const QString &ordner, QStringList &fehler)
{
    QList<KommentarQuelle> quellen;
    const Ordnerhandle offen(ordner);
    for (const QString &datei : TeilnehmerDateien(ordner)) {
        KommentarQuelle quelle;
        quelle.name = datei.chopped(4);
        QString grund;
        if (ErsteZeileLesen(offen, datei, quelle.kopfzeile, quelle.hatKopf, grund))
            quellen << quelle;
        else
            fehler << grund;
    }
    return quellen;
}
