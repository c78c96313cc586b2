// The class overview over 1,000 participants with 2,000 days each (about
// 212 MB): the whole folder, one class, and the dialog's count with its
// table, each against the floor of reading the same files and decoding
// their text. Also the peak memory of a count, which must not grow with
// the folder (one file at a time).

#include "dialogs/uebersichtdlg.h"
#include "dialogs/uebersichtmodell.h"
#include "records/klassenuebersicht.h"
#include "records/teilnehmerordner.h"
#include "util/heute.h"
#include "util/kodierung.h"

#include "messen.h"

#include <QFile>
#include <QStringDecoder>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Teilnehmer = 1000;
constexpr int Tage = 2000;

// The floor: every participant file read whole and its text decoded.
Messlauf Boden(const QString &ordner)
{
    const QStringList dateien = TeilnehmerDateien(ordner);
    return [ordner, dateien] {
        qsizetype zeichen = 0;
        const double ms = Stoppen([&] {
            for (const QString &datei : dateien) {
                QFile f(ordner + datei);
                if (!f.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray bytes = f.readAll();
                const QString text = QStringDecoder(QStringDecoder::Utf8)(QByteArrayView(bytes).sliced(3));
                zeichen += text.size();
            }
        });
        if (zeichen == 0)
            std::fprintf(stderr, "Boden las nichts\n");
        return ms;
    };
}

} // namespace

// One count of the whole folder in a fresh process: its time and how far
// the resident memory rose above what the process held before.
int SpeicherKind(const QString &daten)
{
    HeuteFestlegen(QDate(2024, 3, 5));
    const qint64 vorher = SpeicherKb("VmRSS:");
    const bool zurueckgesetzt = SpitzeZuruecksetzen();
    const qint64 spitzeVorher = SpeicherKb("VmHWM:");
    const double zeit = Stoppen([&] { KlasseZaehlen(daten, QString(), VorgabeZeitraum(Vorgabe::Schuljahr, Heute())); });
    const qint64 spitze = SpeicherKb("VmHWM:") - (zurueckgesetzt ? vorher : spitzeVorher);
    std::printf("ZEIT %.2f\nWERT %.1f\n", zeit, spitze / 1024.0);
    return 0;
}

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "speicher")
        return SpeicherKind(QString::fromLocal8Bit(argv[2]));
    const QString daten = platz.Pfad();

    qint64 bytes = 0;
    for (int n = 0; n < Teilnehmer; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        const QString kopf = QStringLiteral("%1%2\vsitzt vorne").arg(5 + n % 4).arg(QChar('a' + n % 3));
        const QByteArray inhalt = ZeilenInBytes(BeispielTage(Tage, kopf), k);
        bytes += inhalt.size();
        Anlegen(daten + QStringLiteral("Teilnehmer %1.dat").arg(n), inhalt);
    }
    ::sync();
    std::printf("Datenordner: %d Teilnehmer mit je %d Tagen, %lld MB\n", Teilnehmer, Tage,
                static_cast<long long>(bytes / 1000000));

    // The sample days lie in March 2024: the school year 2023/24 holds them all.
    HeuteFestlegen(QDate(2024, 3, 5));
    const Zeitraum schuljahr = VorgabeZeitraum(Vorgabe::Schuljahr, Heute());
    const Messlauf boden = Boden(daten);
    int gezaehlt = 0;
    Abwechselnd("klassenuebersicht_alle", 5, [&] {
        return Stoppen([&] { gezaehlt = int(KlasseZaehlen(daten, QString(), schuljahr).zeilen.size()); });
    }, boden);
    Abwechselnd("klassenuebersicht_eine_klasse", 5, [&] {
        return Stoppen([&] { KlasseZaehlen(daten, QStringLiteral("5A"), schuljahr); });
    }, boden);

    TUebersichtForm dialog(nullptr);
    dialog.DatenOrdner = daten;
    dialog.show();
    QApplication::processEvents();
    Abwechselnd("klassenuebersicht_dialog", 5, [&] {
        return Stoppen([&] {
            dialog.Zaehlen();
            QApplication::processEvents(); // the table drawn
        });
    }, boden);
    std::printf("  gezählt: %d Teilnehmer, im Dialog %d Zeilen\n", gezaehlt, dialog.Modell->rowCount());

    // One file at a time: the peak of a whole count, in a fresh process,
    // stays near that of a few files, whatever the folder holds.
    QStringList werte;
    const double zeit = KindZeit({QStringLiteral("speicher"), daten}, &werte);
    if (!werte.isEmpty()) {
        std::printf("MEMORY klassenuebersicht peak_mb=%s file_mb=%.1f folder_mb=%lld\n", qPrintable(werte.first()),
                    bytes / double(Teilnehmer) / 1e6, static_cast<long long>(bytes / 1000000));
        std::printf("  klassenuebersicht: the rise of the resident memory during one count in a fresh process "
                    "(%.0f ms), one file, the folder\n",
                    zeit);
    }
    HeuteFestlegen({});
    return 0;
}
