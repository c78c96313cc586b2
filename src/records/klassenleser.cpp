#include "klassenleser.h"

#include "bloecke.h"
#include "datumlesen.h"
#include "klassenuebersicht.h"
#include "teilnehmerdatei.h"
#include "util/dateilesen.h"
#include "util/texte.h"
#include "util/zeilenansicht.h"

#include <QHash>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <mutex>

QStringView GeleseneDatei::Kopf() const
{
    return zeilen.isEmpty() || IstTrenner(zeilen.first()) ? QStringView() : zeilen.first();
}

QStringList GeleseneDatei::Zeilen() const
{
    QStringList liste;
    liste.reserve(zeilen.size());
    for (QStringView zeile : zeilen)
        liste << zeile.toString();
    return liste;
}

namespace {

// The dates of the date texts of a class: each text is read once. Every
// reading thread looks in its own table first and asks the shared one only
// for a text new to it, so that the threads seldom wait for each other.
class Datumstabelle
{
public:
    struct Gemeinsam {
        std::mutex sperre;
        QHash<QString, QDate> daten;
    };
    explicit Datumstabelle(Gemeinsam &gemeinsam) : gemeinsam(gemeinsam) {}

    QDate Lesen(QStringView text)
    {
        // A key over the file's own characters: no copy for the lookup.
        const QString schluessel = QString::fromRawData(text.data(), text.size());
        const auto gefunden = eigene.constFind(schluessel);
        if (gefunden != eigene.cend())
            return *gefunden;
        QDate datum;
        {
            const std::lock_guard<std::mutex> gesperrt(gemeinsam.sperre);
            const auto bekannt = gemeinsam.daten.constFind(schluessel);
            if (bekannt != gemeinsam.daten.cend()) {
                datum = *bekannt;
            } else {
                datum = DatumLesen(text);
                gemeinsam.daten.insert(text.toString(), datum);
            }
        }
        eigene.insert(text.toString(), datum);
        return datum;
    }

private:
    Gemeinsam &gemeinsam;
    QHash<QString, QDate> eigene;
};

void TageSammeln(GeleseneDatei &datei, Datumstabelle &daten)
{
    datei.tage.clear();
    // A file without a header line is read with an empty one first, as the
    // document reads it; the indexes stay those of the file's own lines.
    const bool ohneKopf = datei.zeilen.isEmpty() || IstTrenner(datei.zeilen.first());
    QList<QStringView> mitKopf;
    if (ohneKopf) {
        mitKopf = datei.zeilen;
        mitKopf.prepend(QStringView());
    }
    const qsizetype versatz = ohneKopf ? 1 : 0;
    TageDurchgehen(ohneKopf ? mitKopf : datei.zeilen, [&](const TagEintrag &tag) {
        datei.tage.append({tag.nummer, tag.zeile < 0 ? -1 : tag.zeile - versatz, tag.datum,
                           daten.Lesen(tag.datum), tag.hausaufgabe});
    });
}

// A file this large is read by one thread at a time: a class holds at most
// one of them in memory besides a few of the usual size.
constexpr qint64 GrosseDatei = 16 * 1024 * 1024;

// Reads one file into `datei`, whose storage is reused from file to file;
// false when it belongs to another class (then the rest is never read).
// `filter` is the class upper-cased, none for all. A very large file
// takes `einzeln` first; the caller lets it go when done with the file.
bool EineDateiLesen(const Ordnerhandle &ordner, const TeilnehmerEintrag &eintrag, const std::optional<QString> &filter,
                    std::unique_lock<std::mutex> &einzeln, Datumstabelle &daten, GeleseneDatei &datei)
{
    datei.name = eintrag.name;
    datei.datei = eintrag.datei;
    datei.fehler.clear();
    datei.zeilen.clear();
    datei.tage.clear();
    datei.text.clear();
    // Taken before the read: a change while it reads shows as a change.
    datei.stand = StandVon(ordner.Pfad() + eintrag.datei);
    Kopfleser leser(ordner, eintrag.datei);
    QString kopf;
    bool hatZeile = false;
    if (!leser.KopfLesen(kopf, hatZeile, datei.fehler))
        return true;
    // A file without lines belongs to every class.
    if (filter && hatZeile && Gross(KlasseAusKopf(kopf)) != *filter)
        return false;
    if (leser.Groesse() > GrosseDatei)
        einzeln.lock();
    if (!leser.AllesLesen(datei.text, datei.fehler))
        return true;
    datei.kodierung = leser.GefundeneKodierung();
    ZeilenAnsichten(datei.text, datei.zeilen);
    TageSammeln(datei, daten);
    return true;
}

// Files are read on the cores there are, a few at most: reading and
// walking a file takes about as long as decoding it.
int Leser(qsizetype dateien)
{
    return int(qBound<qsizetype>(1, qMin<qsizetype>(QThread::idealThreadCount(), 4), qMax<qsizetype>(dateien, 1)));
}

} // namespace

bool KlassendateienLesen(const QString &ordner, const QList<TeilnehmerEintrag> &eintraege,
                         const std::optional<QString> &klasse, const JeGeleseneDatei &jeDatei,
                         const Fortschritt &weiter)
{
    const int gesamt = int(eintraege.size());
    if (weiter && !weiter(0, gesamt))
        return false;
    const Ordnerhandle offen(ordner);
    const std::optional<QString> filter = klasse ? std::optional(Gross(Trimmen(*klasse))) : std::nullopt;
    std::mutex gross;
    Datumstabelle::Gemeinsam daten;
    std::atomic<int> naechste{0};
    std::atomic<int> erledigt{0};
    std::atomic<bool> abbrechen{false};
    // Each thread takes the next file not yet taken; the calling thread is
    // one of them and reports the progress between its files.
    const auto lesen = [&](bool berichten) {
        Datumstabelle eigene(daten);
        GeleseneDatei datei;
        for (int n = naechste++; n < gesamt && !abbrechen; n = naechste++) {
            if (berichten && weiter && n > 0 && !weiter(erledigt, gesamt)) {
                abbrechen = true;
                break;
            }
            std::unique_lock<std::mutex> einzeln(gross, std::defer_lock);
            if (EineDateiLesen(offen, eintraege.at(n), filter, einzeln, eigene, datei))
                jeDatei(n, datei);
            if (einzeln.owns_lock()) {
                // The large text goes before the next large file may come.
                datei = GeleseneDatei();
            }
            ++erledigt;
        }
    };
    QThreadPool helfer;
    helfer.setMaxThreadCount(Leser(gesamt) - 1);
    for (int n = 1; n < Leser(gesamt); ++n)
        helfer.start([&lesen] { lesen(false); });
    lesen(true);
    helfer.waitForDone();
    if (abbrechen)
        return false;
    if (weiter)
        weiter(gesamt, gesamt);
    return true;
}

GeleseneDatei EinzelneDateiLesen(const QString &ordner, const TeilnehmerEintrag &eintrag)
{
    std::mutex gross;
    std::unique_lock<std::mutex> einzeln(gross, std::defer_lock);
    Datumstabelle::Gemeinsam gemeinsam;
    Datumstabelle daten(gemeinsam);
    GeleseneDatei datei;
    EineDateiLesen(Ordnerhandle(ordner), eintrag, std::nullopt, einzeln, daten, datei);
    return datei;
}
