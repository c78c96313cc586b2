#include "kommandozeile.h"
#include "konsole.h"

#include "entschluesseln.h"
#include "importieren.h"
#include "uebersichtexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const QString HilfeOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");
const QString UebersichtOption = QStringLiteral("uebersicht");
// The options that only the overview export takes, with what they hold.
const QString OrdnerOption = QStringLiteral("ordner");
const QString KlasseOption = QStringLiteral("klasse");
const QString VonOption = QStringLiteral("von");
const QString BisOption = QStringLiteral("bis");
const QString CsvOption = QStringLiteral("csv");
const QString EntschluesselnOption = QStringLiteral("entschluesseln");
const QString ErsetzenOption = QStringLiteral("ersetzen");
const QString ImportierenOption = QStringLiteral("importieren");
const QString NamensformOption = QStringLiteral("namensform");

// The commands that work without a window.
const QStringList Befehle = {UebersichtOption, EntschluesselnOption, ImportierenOption};

// The options that belong to some commands only, with those commands.
struct Zugehoerig {
    const QString &option;
    QStringList befehle;
};
const Zugehoerig NurMit[] = {{OrdnerOption, Befehle},
                             {KlasseOption, {UebersichtOption, ImportierenOption}},
                             {VonOption, {UebersichtOption}},
                             {BisOption, {UebersichtOption}},
                             {CsvOption, {UebersichtOption}},
                             {ErsetzenOption, {EntschluesselnOption}},
                             {NamensformOption, {ImportierenOption}}};

// "--a", "--a oder --b", "--a, --b oder --c".
QString Aufzaehlen(const QStringList &befehle)
{
    QStringList optionen;
    for (const QString &befehl : befehle)
        optionen << QLatin1String("--") + befehl;
    const QString letzte = optionen.takeLast();
    return optionen.isEmpty() ? letzte : optionen.join(QLatin1String(", ")) + QLatin1String(" oder ") + letzte;
}

} // namespace

void KommandozeileEinrichten(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Merkwerk führt für jede Schülerin und jeden Schüler ein Tag-für-Tag-Protokoll.\n"
                       "Ohne Optionen öffnet sich das Programmfenster."));
    parser.addOption({{QStringLiteral("h"), HilfeOption}, QStringLiteral("Zeigt diese Hilfe an.")});
    parser.addOption({{QStringLiteral("v"), VersionOption}, QStringLiteral("Zeigt die Version an.")});
    parser.addOption({UebersichtOption,
                      QStringLiteral("Schreibt die Klassenübersicht (Tage, Fehlt, Nein, Ja, Quote je Teilnehmer) "
                                     "als CSV-Datei, ohne ein Fenster zu öffnen.")});
    parser.addOption({OrdnerOption,
                      QStringLiteral("Ordner mit den Teilnehmerdateien; ohne diese Angabe der Datenordner der "
                                     "Einstellungen. Für --entschluesseln der Ordner, in den die Dateien kommen; für "
                                     "--importieren der Ordner, in dem die Teilnehmer angelegt werden."),
                      QStringLiteral("ORDNER")});
    parser.addOption({KlasseOption,
                      QStringLiteral("Nur die Teilnehmer dieser Klasse (Groß- und Kleinschreibung gleich); ohne "
                                     "diese Angabe alle. Für --importieren die Klasse aller Zeilen (statt der Spalte "
                                     "Klasse)."),
                      QStringLiteral("KLASSE")});
    parser.addOption({VonOption, QStringLiteral("Erster Tag des Zeitraums."), QStringLiteral("TT.MM.JJJJ")});
    parser.addOption({BisOption, QStringLiteral("Letzter Tag des Zeitraums; ohne --von und --bis zählen alle "
                                                "Tage, auch die ohne lesbares Datum."),
                      QStringLiteral("TT.MM.JJJJ")});
    parser.addOption({CsvOption, QStringLiteral("Die CSV-Datei, die --uebersicht schreibt."), QStringLiteral("DATEI")});
    parser.addOption({EntschluesselnOption,
                      QStringLiteral("Entschlüsselt eine verschlüsselte Sicherung (Merkwerk-Sicherung.mwsich) in den "
                                     "Ordner von --ordner, ohne ein Fenster zu öffnen. Das Kennwort wird von der "
                                     "Standardeingabe gelesen. Ende 0: geschrieben; 1: Kennwort falsch, Sicherung "
                                     "beschädigt oder nicht geschrieben; 2: falsche Angabe."),
                      QStringLiteral("DATEI")});
    parser.addOption({ErsetzenOption,
                      QStringLiteral("Mit --entschluesseln: ersetzt Dateien gleichen Namens im Ordner (sonst wird "
                                     "dann nichts geschrieben).")});
    parser.addOption({ImportierenOption,
                      QStringLiteral("Legt die Teilnehmer einer Klassenliste (CSV- oder Textdatei mit Semikolon, "
                                     "Komma oder Tabulator; Spalten nach der Kopfzeile Nachname, Vorname, Name, "
                                     "Klasse, Kommentar) an, ohne ein Fenster zu öffnen; vorhandene Teilnehmer "
                                     "bleiben unverändert. Ende 0: alle angelegt oder schon vorhanden; 1: Zeilen "
                                     "ungültig oder nicht geschrieben; 2: falsche Angabe oder Datei nicht lesbar."),
                      QStringLiteral("DATEI")});
    parser.addOption({NamensformOption,
                      QStringLiteral("Mit --importieren: wie der Name gebildet wird, \"Nachname, Vorname\", "
                                     "\"Vorname Nachname\" oder \"Nachname Vorname\"; ohne diese Angabe die "
                                     "zuletzt gewählte."),
                      QStringLiteral("FORM")});
}

std::optional<int> KommandozeileAusfuehren(QCommandLineParser &parser, const QStringList &argumente)
{
    const QString programm = argumente.value(0, QStringLiteral("merkwerk"));
    if (!parser.parse(argumente) || !parser.positionalArguments().isEmpty()) {
        const QString fehler = parser.errorText().isEmpty()
            ? QStringLiteral("Unerwartetes Argument \"%1\".").arg(parser.positionalArguments().value(0))
            : parser.errorText();
        TextAusgeben(stderr, QStringLiteral("%1\nMehr dazu: %2 --help\n").arg(fehler, programm));
        return 2;
    }
    if (parser.isSet(HilfeOption)) {
        TextAusgeben(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(VersionOption)) {
        TextAusgeben(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return 0;
    }
    QStringList gesetzt;
    for (const QString &befehl : Befehle) {
        if (parser.isSet(befehl))
            gesetzt << befehl;
    }
    if (gesetzt.size() > 1) {
        TextAusgeben(stderr, QStringLiteral("%1 gehen nur einzeln.\nMehr dazu: %2 --help\n")
                             .arg(Aufzaehlen(gesetzt).replace(QLatin1String(" oder "), QLatin1String(" und ")), programm));
        return 2;
    }
    for (const Zugehoerig &nur : NurMit) {
        if (parser.isSet(nur.option) && (gesetzt.isEmpty() || !nur.befehle.contains(gesetzt.first()))) {
            TextAusgeben(stderr, QStringLiteral("Die Option --%1 gilt nur zusammen mit %2.\nMehr dazu: %3 --help\n")
                                 .arg(nur.option, Aufzaehlen(nur.befehle), programm));
            return 2;
        }
    }
    if (gesetzt.isEmpty())
        return std::nullopt;
    const QString befehl = gesetzt.first();
    int code = 0;
    if (befehl == UebersichtOption)
        code = UebersichtExportieren({parser.value(OrdnerOption), parser.value(KlasseOption), parser.value(VonOption),
                                      parser.value(BisOption), parser.value(CsvOption)});
    else if (befehl == EntschluesselnOption)
        code = Entschluesseln(parser.value(EntschluesselnOption), parser.value(OrdnerOption),
                              parser.isSet(ErsetzenOption));
    else
        code = ImportAusfuehren({parser.value(ImportierenOption), parser.value(OrdnerOption),
                                 parser.value(KlasseOption), parser.value(NamensformOption)});
    if (code == 2)
        TextAusgeben(stderr, QStringLiteral("Mehr dazu: %1 --help\n").arg(programm));
    return code;
}
