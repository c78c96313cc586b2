// The class reader against the document's own reading, file by file, over
// a varied folder: the fixture class (UTF-8, Windows-1252, UTF-16, a header
// only, an empty file, a file named ".dat"), a file without a class, files
// without a header line or without any separator, many days with repeating
// and unreadable dates, a file large enough to be read alone, one beyond
// the size limit, one that cannot be read and one whose extension is upper
// case.

#include "records/bloecke.h"
#include "records/datumlesen.h"
#include "records/klassenleser.h"
#include "records/klassenuebersicht.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "util/texte.h"
#include "fremderbenutzer.h"
#include "testhilfen.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <algorithm>
#include <mutex>

namespace {

const QString T = Blocktrenner;

// What the document reads from a file.
struct Gelesen {
    bool ok = false;
    QStringList zeilen;
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
    QString fehler;
};

Gelesen DokumentLesen(const QString &pfad)
{
    Gelesen g;
    g.ok = ZeilenLesen(pfad, g.zeilen, g.kodierung, g.fehler);
    return g;
}

// The overview's count of one file the way a single participant is
// counted: the class by the participant list's header line, then the whole
// file read by the document's rule. Nothing when the file belongs to
// another class.
std::optional<UebersichtZeile> EinzelnGezaehlt(const QString &ordner, const TeilnehmerEintrag &eintrag,
                                               const QString &klasse, const Zeitraum &zeitraum)
{
    UebersichtZeile zeile;
    zeile.name = eintrag.name;
    QString kopf;
    bool hatZeile = false;
    if (!ErsteZeileLesen(ordner + eintrag.datei, kopf, hatZeile, zeile.fehler))
        return zeile;
    if (!klasse.isEmpty() && hatZeile && Gross(KlasseAusKopf(kopf)) != Gross(Trimmen(klasse)))
        return std::nullopt;
    const Gelesen g = DokumentLesen(ordner + eintrag.datei);
    if (!g.ok) {
        zeile.fehler = g.fehler;
        return zeile;
    }
    return TeilnehmerZaehlen(eintrag.name, g.zeilen, zeitraum);
}

void Gleich(const UebersichtZeile &ist, const UebersichtZeile &soll)
{
    SCOPED_TRACE(soll.name.toStdString());
    EXPECT_EQ(ist.name, soll.name);
    EXPECT_EQ(ist.fehler, soll.fehler);
    EXPECT_EQ(ist.klasse, soll.klasse);
    EXPECT_EQ(ist.kommentar, soll.kommentar);
    EXPECT_EQ(ist.letzterTag, soll.letzterTag);
    EXPECT_EQ(ist.tage, soll.tage);
    EXPECT_EQ(ist.fehlt, soll.fehlt);
    EXPECT_EQ(ist.nein, soll.nein);
    EXPECT_EQ(ist.ja, soll.ja);
    EXPECT_EQ(ist.ohneDatum, soll.ohneDatum);
}

// `anzahl` days whose date texts repeat (a month of school days), some
// typed by hand and some that are no date, each with a remark of `breite`.
QStringList Tage(int anzahl, int breite)
{
    QStringList zeilen;
    for (int n = 0; n < anzahl; ++n) {
        QString datum = QStringLiteral("%1., %2. März 2024").arg(n % 2 ? "Mo" : "Di").arg(n % 28 + 1);
        if (n % 7 == 3)
            datum = QStringLiteral("%1.2.24").arg(n % 29 + 1);
        if (n % 11 == 5)
            datum = QStringLiteral("Ausflug %1").arg(n % 4);
        zeilen << datum + "\v" + QString(breite, QChar(u'ü')) << QString::number(n % 4) << "Seite 14" << T;
    }
    return zeilen;
}

} // namespace

class Klassenleser : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        ordner = Ordner() + "klasse/";
        QDir().mkpath(ordner);
        const QDir fixtures(MERKWERK_FIXTURES "/klasse");
        for (const QString &datei : fixtures.entryList(QDir::Files | QDir::Hidden))
            ASSERT_TRUE(QFile::copy(fixtures.filePath(datei), ordner + datei)) << datei.toStdString();
        Schreiben(ordner + "Ohne Kopf.dat", Utf8Datei({T, "Mo., 4. März 2024\v", "1", T}));
        Schreiben(ordner + "Ohne Trenner.dat", Utf8Datei({"5a\v", "Di., 5. März 2024\vx", "2", "Info"}));
        Schreiben(ordner + "Klassenlos.dat", Utf8Datei({"\vneu", "Mo., 4. März 2024\v", "0", T}));
        Schreiben(ordner + "GROSS.DAT", Utf8Datei(QStringList{"4B\v"} + Tage(3, 1)));
        // UTF-8 without a mark, beyond ASCII in the header already.
        Schreiben(ordner + "Viele.dat", (QStringList{"4b\vÄrger"} + Tage(400, 3)).join("\r\n").toUtf8());
        // Larger than the size read by one thread at a time.
        Schreiben(ordner + "Lang.dat", Utf8Datei(QStringList{" 5A \v"} + Tage(4400, 2000)));
        Schreiben(ordner + "Riese.dat", Utf8Datei({"4b\vgroß", "Mo., 4. März 2024\v", "2", T}));
        QFile riese(ordner + "Riese.dat");
        ASSERT_TRUE(riese.resize(qint64(2) * 1024 * 1024 * 1024));
        Schreiben(ordner + "Zu.dat", Utf8Datei({"4b\v", "Mo., 4. März 2024\v", "2", T}));
    }

    QString ordner;
};

TEST_F(Klassenleser, UebersichtZaehltWieJederTeilnehmerEinzeln)
{
    const QDate heute(2024, 3, 5);
    const QCollator sortierung = NamenSortierung();
    QList<TeilnehmerEintrag> eintraege = TeilnehmerEintraege(ordner);
    std::sort(eintraege.begin(), eintraege.end(), [&](const TeilnehmerEintrag &a, const TeilnehmerEintrag &b) {
        return sortierung.compare(a.name, b.name) < 0;
    });
    ASSERT_EQ(eintraege.size(), 13);
    Unlesbar(ordner + "Zu.dat", [&] {
        for (const QString klasse : {"", "4b", " 5A ", "7c"}) {
            for (const Vorgabe vorgabe : {Vorgabe::Alles, Vorgabe::Schuljahr, Vorgabe::ZweitesHalbjahr}) {
                SCOPED_TRACE(klasse.toStdString() + " " + VorgabeText(vorgabe).toStdString());
                const Zeitraum zeitraum = VorgabeZeitraum(vorgabe, heute);
                QList<UebersichtZeile> soll;
                for (const TeilnehmerEintrag &eintrag : eintraege) {
                    if (const auto zeile = EinzelnGezaehlt(ordner, eintrag, klasse, zeitraum))
                        soll << *zeile;
                }
                const Klassenuebersicht ist = KlasseZaehlen(ordner, klasse, zeitraum);
                EXPECT_FALSE(ist.abgebrochen);
                ASSERT_EQ(ist.zeilen.size(), soll.size());
                for (qsizetype n = 0; n < soll.size(); ++n)
                    Gleich(ist.zeilen[n], soll[n]);
            }
        }
    });
    // The limits are what they were: the huge file and the unreadable one
    // are rows with their reason.
    const Klassenuebersicht vierB = KlasseZaehlen(ordner, "4b", {});
    const auto riese = std::find_if(vierB.zeilen.cbegin(), vierB.zeilen.cend(),
                                    [](const UebersichtZeile &z) { return z.name == "Riese"; });
    ASSERT_NE(riese, vierB.zeilen.cend());
    EXPECT_TRUE(riese->fehler.contains("zu groß")) << riese->fehler.toStdString();
}

TEST_F(Klassenleser, JedeDateiWieDasDokumentSieLiest)
{
    const QList<TeilnehmerEintrag> eintraege = TeilnehmerEintraege(ordner);
    std::mutex sperre;
    QMap<QString, GeleseneDatei> gelesen;
    QList<qsizetype> stellen;
    EXPECT_TRUE(KlassendateienLesen(ordner, eintraege, std::nullopt, [&](qsizetype stelle, GeleseneDatei &datei) {
        const std::lock_guard<std::mutex> gesperrt(sperre);
        stellen << stelle;
        gelesen.insert(datei.name, std::move(datei));
    }));
    ASSERT_EQ(gelesen.size(), eintraege.size());
    std::sort(stellen.begin(), stellen.end());
    for (qsizetype n = 0; n < stellen.size(); ++n)
        EXPECT_EQ(stellen[n], n);
    for (const TeilnehmerEintrag &eintrag : eintraege) {
        SCOPED_TRACE(eintrag.name.toStdString());
        const GeleseneDatei &datei = gelesen[eintrag.name];
        const Gelesen soll = DokumentLesen(ordner + eintrag.datei);
        EXPECT_EQ(datei.datei, eintrag.datei);
        EXPECT_EQ(datei.stand, StandVon(ordner + eintrag.datei));
        ASSERT_EQ(datei.Lesbar(), soll.ok) << datei.fehler.toStdString();
        EXPECT_EQ(datei.fehler, soll.fehler);
        if (!soll.ok)
            continue;
        EXPECT_EQ(datei.Zeilen(), soll.zeilen);
        EXPECT_EQ(datei.kodierung, soll.kodierung);
        EXPECT_EQ(datei.Leer(), soll.zeilen.isEmpty());
        // Each day as the document shows it, its date line where it says.
        QStringList vorbereitet = soll.zeilen;
        ZeilenVorbereiten(vorbereitet);
        ASSERT_EQ(datei.tage.size(), TageZaehlen(vorbereitet));
        // The first and the last days: the document looks each day up from the start.
        for (qsizetype n = 0; n < datei.tage.size(); n += n == 20 ? qMax<qsizetype>(1, datei.tage.size() - 41) : 1) {
            const GelesenerTag &tag = datei.tage[n];
            const Tag doku = TagLesen(vorbereitet, int(n + 1));
            EXPECT_EQ(tag.nummer, n + 1);
            EXPECT_EQ(tag.datum.toString(), doku.datum);
            EXPECT_EQ(tag.hausaufgabe, doku.hausaufgabe);
            EXPECT_EQ(tag.gelesen, DatumLesen(doku.datum));
            if (tag.zeile >= 0)
                EXPECT_EQ(FelderTeilen(soll.zeilen.at(tag.zeile)).erstes, doku.datum);
            else
                EXPECT_TRUE(doku.datum.isEmpty());
        }
    }
    // Read again alone, a file is the same.
    const GeleseneDatei viele = EinzelneDateiLesen(ordner, {"Viele", "Viele.dat"});
    EXPECT_EQ(viele.Zeilen(), gelesen["Viele"].Zeilen());
    EXPECT_EQ(viele.kodierung, Kodierung::Utf8OhneMarke);
    EXPECT_EQ(viele.tage.size(), 400);
    EXPECT_EQ(viele.tage[3].gelesen, QDate(2024, 2, 4));
    EXPECT_FALSE(viele.tage[5].gelesen.isValid());
}

TEST_F(Klassenleser, NurDieKlasseUndAbbrechbar)
{
    const QList<TeilnehmerEintrag> eintraege = TeilnehmerEintraege(ordner);
    std::mutex sperre;
    QStringList namen;
    QList<int> fortschritt;
    const auto sammeln = [&](qsizetype, GeleseneDatei &datei) {
        const std::lock_guard<std::mutex> gesperrt(sperre);
        namen << datei.name;
    };
    EXPECT_TRUE(KlassendateienLesen(ordner, eintraege, QString(" 5a"), sammeln, [&](int erledigt, int gesamt) {
        fortschritt << erledigt;
        EXPECT_EQ(gesamt, eintraege.size());
        return true;
    }));
    namen.sort();
    // Empty files belong to every class.
    EXPECT_EQ(namen, QStringList({"Cäsar", "Lang", "Leer", "Ohne Trenner"}));
    EXPECT_EQ(fortschritt.first(), 0);
    EXPECT_EQ(fortschritt.last(), eintraege.size());
    EXPECT_TRUE(std::is_sorted(fortschritt.cbegin(), fortschritt.cend()));

    // The participants without a class, and the empty file.
    namen.clear();
    EXPECT_TRUE(KlassendateienLesen(ordner, eintraege, QString(), sammeln));
    namen.sort();
    EXPECT_EQ(namen, QStringList({"Klassenlos", "Leer"}));

    namen.clear();
    fortschritt.clear();
    EXPECT_FALSE(KlassendateienLesen(ordner, eintraege, std::nullopt, sammeln, [&](int erledigt, int) {
        fortschritt << erledigt;
        return false;
    }));
    EXPECT_TRUE(namen.isEmpty());
    EXPECT_EQ(fortschritt, QList<int>({0}));
}
