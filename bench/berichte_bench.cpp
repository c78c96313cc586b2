// Reports of a participant with 10,000 days, the text window showing the
// longest of them, its RTF save, and the comment evaluation of 1,000
// participants. Prints the median of repeated runs.

#include "dialogs/druckendlg.h"
#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "util/sicherschreiben.h"
#include "reports/berichte.h"
#include "util/textspeichern.h"

#include "messen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString daten = platz.Pfad();

    const QStringList zeilen = BeispielTage(10000, "4b\vsitzt vorne");
    const QStringList haus = {"&Fehlt", "&Nein", "&Ja"};
    const BerichtKopf kopf{"Beta", "4b", "sitzt vorne"};
    QString alleTage;
    const double art2 = Median(21, [&] { alleTage = DruckenText(zeilen, kopf, 2, 1, haus); });
    std::printf("Bericht aller Tage (%lld Zeichen):        %7.2f ms (Ziel < 20)\n",
                static_cast<long long>(alleTage.size()), art2);
    const double art3 = Median(21, [&] { DruckenText(zeilen, kopf, 3, 1, haus); });
    std::printf("Hausaufgabenauswertung:                    %7.2f ms (Ziel < 10)\n", art3);

    TDruckenForm fenster(nullptr);
    fenster.show();
    const double zeigen = Median(5, [&] {
        fenster.TextSetzen(alleTage);
        fenster.RichEdit1->moveCursor(QTextCursor::Start);
        QApplication::processEvents(); // laid out and painted: ready for input
    });
    std::printf("Textfenster zeigt den Bericht:             %7.2f ms (Ziel < 300)\n", zeigen);

    QString fehler;
    const double rtf = Median(11, [&] {
        TextSpeichern(daten + "bericht.rtf", fenster.Text(), RtfText, nullptr, fehler);
    });
    std::printf("Als RTF speichern:                         %7.2f ms (Ziel < 100)\n", rtf);

    for (int n = 0; n < 1000; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        QStringList datei = zeilen.mid(0, 1 + 5 * 2000);
        datei[0] = n % 2 ? QString("5a\vKommentar %1").arg(n) : QString("5a\v");
        BytesSchreiben(daten + QString("Teilnehmer %1.dat").arg(n), ZeilenInBytes(datei, k), fehler);
    }
    ::sync();
    QStringList fehlerListe;
    const double kommentare = Median(11, [&] { KommentareText(KommentarQuellenLesen(daten, fehlerListe)); });
    std::printf("Kommentarauswertung von 1.000 Teilnehmern: %7.2f ms (Ziel < 150)\n", kommentare);
    return 0;
}
