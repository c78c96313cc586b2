// Moving a class of 1,000 participants (50 days each, about 5 KB, half
// with and half without the UTF-8 mark) on to a new class, from finding
// the class's participants to the last file renamed and the folder
// synced; against rewriting the same files here with one sync each: read,
// written to a temporary file, fdatasync, renamed over it.

#include "records/klassenwechsel.h"
#include "records/teilnehmerdatei.h"

#include "messen.h"

#include <QApplication>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QStringList Klasse(const QString &ordner, int anzahl)
{
    QDir().mkpath(ordner);
    QStringList pfade;
    for (int n = 0; n < anzahl; ++n) {
        Kodierung k = n % 2 ? Kodierung::Utf8MitMarke : Kodierung::Utf8OhneMarke;
        const QString pfad = ordner + QString("Schüler %1.dat").arg(n, 4, 10, QLatin1Char('0'));
        Anlegen(pfad, ZeilenInBytes(BeispielTage(50, QStringLiteral("7c\vÜbt täglich")), k));
        pfade << pfad;
    }
    ::sync();
    return pfade;
}

// The floor: each file read and written anew beside itself, synced once, renamed.
void BodenUmschreiben(const QStringList &pfade)
{
    for (const QString &pfad : pfade) {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        const QByteArray bytes = datei.readAll();
        datei.close();
        const QByteArray name = QFile::encodeName(pfad);
        GanzSchreiben(::open(name + ".tmp", O_WRONLY | O_CREAT | O_TRUNC, 0600), bytes);
        ::rename(name + ".tmp", name);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString ordner = platz.Pfad() + QLatin1String("klasse/");
    const int anzahl = 1000;
    const QStringList pfade = Klasse(ordner, anzahl);
    // Each run moves the class back and forth, so that every run writes every file.
    bool hin = true;
    bool ok = true;
    Abwechselnd(
        "klasse_aendern_1000", 5,
        [&] {
            const QString alte = hin ? QStringLiteral("7c") : QStringLiteral("8c");
            const QString neue = hin ? QStringLiteral("8c") : QStringLiteral("7c");
            hin = !hin;
            KlassenwechselErgebnis ergebnis;
            const double zeit = Stoppen([&] {
                const Klassenmitglieder mitglieder = KlassenTeilnehmer(ordner, alte);
                ergebnis = KlasseWechseln(ordner, mitglieder.teilnehmer, alte, neue);
            });
            ok = ok && ergebnis.geaendert.size() == anzahl && ergebnis.fehler.isEmpty();
            return zeit;
        },
        [&] { return Stoppen([&] { BodenUmschreiben(pfade); }); });
    if (!ok)
        std::fprintf(stderr, "Der Klassenwechsel hat nicht jede Datei geändert\n");
    return ok ? 0 : 1;
}
