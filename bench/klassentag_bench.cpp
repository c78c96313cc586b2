// The class day over a class of 30 participants with 2,000 days each:
// opening the dialog (a new one, shown, as the teacher meets it) against
// reading and decoding the same files, and saving all 30 against 30 times
// the floor of a save. Also a class of 1,000 opened, against its floor.
// The date chosen is in none of the files, so every day is looked at.

#include "dialogs/klassentagdlg.h"
#include "dialogs/klassentagtabelle.h"
#include "ui/meldungen.h"
#include "util/heute.h"
#include "util/kodierung.h"

#include "messen.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Tage = 2000;

QStringList KlasseAnlegen(const QString &ordner, const QString &klasse, int anzahl)
{
    QStringList pfade;
    for (int n = 0; n < anzahl; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        const QString pfad = ordner + QStringLiteral("%1 Teilnehmer %2.dat").arg(klasse).arg(n);
        Anlegen(pfad, ZeilenInBytes(BeispielTage(Tage, klasse + QStringLiteral("\vsitzt vorne")), k));
        pfade << pfad;
    }
    return pfade;
}

// The floor: the files read whole and their text decoded.
Messlauf Lesen(const QStringList &pfade)
{
    return [pfade] {
        qsizetype zeichen = 0;
        const double ms = Stoppen([&] {
            for (const QString &pfad : pfade) {
                QFile f(pfad);
                if (!f.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray bytes = f.readAll();
                zeichen += QString(QStringDecoder(QStringDecoder::Utf8)(QByteArrayView(bytes).sliced(3))).size();
            }
        });
        if (zeichen == 0)
            std::fprintf(stderr, "Boden las nichts\n");
        return ms;
    };
}

// A new dialog for `klasse`, from its creation until it is shown with its table.
Messlauf Oeffnen(const QString &ordner, const QString &klasse, int erwartet)
{
    return [ordner, klasse, erwartet] {
        int zeilen = 0;
        const double ms = Stoppen([&] {
            TKlassentagForm dialog(nullptr);
            dialog.DatenOrdner = ordner;
            dialog.KlasseVorgeben(klasse);
            dialog.SchriftartZuweisen();
            dialog.show();
            QApplication::processEvents();
            zeilen = dialog.Modell->rowCount();
            dialog.hide();
        });
        if (zeilen != erwartet)
            std::fprintf(stderr, "%d Zeilen statt %d\n", zeilen, erwartet);
        return ms;
    };
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString daten = platz.Pfad();
    const QStringList klasse = KlasseAnlegen(daten, QStringLiteral("4b"), 30);
    ::sync();
    HeuteFestlegen(QDate(2024, 4, 10));
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &) { return true; });

    Abwechselnd("klassentag_oeffnen_30", 9, Oeffnen(daten, QStringLiteral("4b"), 30), Lesen(klasse));

    TKlassentagForm dialog(nullptr);
    dialog.DatenOrdner = daten;
    dialog.KlasseVorgeben(QStringLiteral("4b"));
    dialog.SchriftartZuweisen();
    dialog.show();
    QApplication::processEvents();
    // The floor writes copies: the dialog would take its own files, changed
    // by the floor, for another program's change and write nothing.
    QDir().mkpath(daten + QStringLiteral("boden"));
    QStringList kopien;
    for (const QString &pfad : klasse) {
        kopien << daten + QStringLiteral("boden/") + QFileInfo(pfad).fileName();
        QFile::copy(pfad, kopien.last());
    }
    ::sync();
    Abwechselnd("klassentag_speichern_30", 5, [&] {
        dialog.KnopfAlleJaClick();
        // Every row anew: the day just written gets another status.
        dialog.Modell->AlleAendern([](KlassenZeile &zeile) { zeile.eintrag.hausaufgabe = (zeile.gelesen.hausaufgabe + 1) % 3; });
        const double ms = Stoppen([&] { dialog.KnopfSpeichernClick(); });
        if (dialog.UngespeicherteZahl() != 0)
            std::fprintf(stderr, "%d Zeilen nicht gespeichert\n", dialog.UngespeicherteZahl());
        return ms;
    }, [&] {
        double ms = 0;
        for (const QString &pfad : kopien)
            ms += BodenSpeichern(pfad);
        return ms;
    });
    dialog.hide();

    if (Gewuenscht("klassentag_oeffnen_1000")) {
        const QStringList gross = KlasseAnlegen(daten, QStringLiteral("9z"), 1000);
        ::sync();
        std::printf("Klasse 9z: 1.000 Teilnehmer mit je %d Tagen\n", Tage);
        Abwechselnd("klassentag_oeffnen_1000", 3, Oeffnen(daten, QStringLiteral("9z"), 1000), Lesen(gross));
    }
    HeuteFestlegen({});
    return 0;
}
