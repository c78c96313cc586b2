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
                zeichen += QStringDecoder(QStringDecoder::Utf8)(QByteArrayView(bytes).sliced(3)).size();
            }
        });
        if (zeichen == 0)
            std::fprintf(stderr, "Boden las nichts\n");
        return ms;
    };
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
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

    // One file at a time: the peak of a whole count stays near that of one file.
    if (SpitzeZuruecksetzen()) {
        const qint64 vorher = SpeicherKb("VmRSS:");
        KlasseZaehlen(daten, QString(), schuljahr);
        const qint64 zuwachs = SpeicherKb("VmHWM:") - vorher;
        std::printf("  Speicher: Spitze einer Zählung %.1f MB über dem Stand davor (eine Datei: %.1f MB, "
                    "der Ordner: %lld MB)\n",
                    zuwachs / 1024.0, bytes / double(Teilnehmer) / 1e6, static_cast<long long>(bytes / 1000000));
    }
    HeuteFestlegen({});
    return 0;
}
