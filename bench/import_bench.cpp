// Importing a class list of 1,000 rows (read, preview, every participant
// created as "Neuen Teilnehmer erstellen" creates one), against the floor
// of creating the same 1,000 files with one sync each.

#include "records/neuerteilnehmer.h"
#include "records/tabellenleser.h"
#include "records/teilnehmerimport.h"
#include "util/datumsnamen.h"
#include "util/heute.h"

#include "messen.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Zeilen = 1000;

QByteArray Klassenliste()
{
    QString text = QStringLiteral("Nachname;Vorname;Klasse\r\n");
    for (int n = 0; n < Zeilen; ++n)
        text += QStringLiteral("Müller-Lüdenscheidt %1;Hans-Jürgen;7c\r\n").arg(n, 4, 10, QLatin1Char('0'));
    return text.toUtf8();
}

// Runs `anlegen` in an empty folder and removes it again afterwards.
double ImLeerenOrdner(const QString &ordner, const std::function<void()> &anlegen)
{
    QDir().mkpath(ordner);
    ::sync();
    const double zeit = Stoppen(anlegen);
    QDir(ordner).removeRecursively();
    return zeit;
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString ordner = platz.Pfad() + QStringLiteral("klasse/");
    const QByteArray liste = Klassenliste();
    // The floor writes the very names and bytes the import makes.
    QList<QByteArray> namen;
    for (int n = 0; n < Zeilen; ++n)
        namen << QFile::encodeName(ordner + QStringLiteral("Müller-Lüdenscheidt %1, Hans-Jürgen.dat")
                                                .arg(n, 4, 10, QLatin1Char('0')));
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    const QByteArray bytes =
        ZeilenInBytes(NeueTeilnehmerZeilen(QStringLiteral("7c"), QString(), TagStr(Heute())), kodierung);
    bool ok = true;
    Abwechselnd(
        "import_1000", 7,
        [&] {
            return ImLeerenOrdner(ordner, [&] {
                const Tabelle tabelle = TabelleLesen(liste);
                ImportWahl wahl;
                wahl.kopfzeile = IstKopfzeile(tabelle.zeilen.first());
                wahl.spalten = SpaltenVorschlagen(tabelle, wahl.kopfzeile);
                const ImportErgebnis ergebnis =
                    TeilnehmerImportieren(ordner, ImportVorschau(tabelle, wahl, ordner), Kodierung::Utf8MitMarke);
                ok = ok && ergebnis.angelegt == Zeilen && ergebnis.fehler.isEmpty();
            });
        },
        [&] {
            return ImLeerenOrdner(ordner, [&] {
                for (const QByteArray &name : std::as_const(namen))
                    GanzSchreiben(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600), bytes);
            });
        });
    if (!ok)
        std::printf("  FEHLER: import_1000 hat nicht alle Teilnehmer angelegt\n");
    return ok ? 0 : 1;
}
