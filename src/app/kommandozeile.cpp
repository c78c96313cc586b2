#include "kommandozeile.h"
#include "konsole.h"

#include "entschluesseln.h"
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

// The options that belong to one command only, with that command.
struct Zugehoerig {
    const QString &option;
    const QString &befehl;
};
const Zugehoerig NurMit[] = {{KlasseOption, UebersichtOption}, {VonOption, UebersichtOption},
                             {BisOption, UebersichtOption},    {CsvOption, UebersichtOption},
                             {ErsetzenOption, EntschluesselnOption}};

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
                                     "Einstellungen. Für --entschluesseln der Ordner, in den die Dateien kommen."),
                      QStringLiteral("ORDNER")});
    parser.addOption({KlasseOption,
                      QStringLiteral("Nur die Teilnehmer dieser Klasse (Groß- und Kleinschreibung gleich); ohne "
                                     "diese Angabe alle."),
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
    const bool uebersicht = parser.isSet(UebersichtOption);
    const bool entschluesseln = parser.isSet(EntschluesselnOption);
    if (uebersicht && entschluesseln) {
        TextAusgeben(stderr, QStringLiteral("--uebersicht und --entschluesseln gehen nur einzeln.\nMehr dazu: %1 --help\n")
                             .arg(programm));
        return 2;
    }
    for (const Zugehoerig &nur : NurMit) {
        if (parser.isSet(nur.option) && !parser.isSet(nur.befehl)) {
            TextAusgeben(stderr, QStringLiteral("Die Option --%1 gilt nur zusammen mit --%2.\nMehr dazu: %3 --help\n")
                                 .arg(nur.option, nur.befehl, programm));
            return 2;
        }
    }
    if (!uebersicht && !entschluesseln && parser.isSet(OrdnerOption)) {
        TextAusgeben(stderr, QStringLiteral("Die Option --%1 gilt nur zusammen mit --uebersicht oder --entschluesseln.\n"
                                        "Mehr dazu: %2 --help\n")
                             .arg(OrdnerOption, programm));
        return 2;
    }
    if (uebersicht || entschluesseln) {
        const int code = uebersicht ? UebersichtExportieren({parser.value(OrdnerOption), parser.value(KlasseOption),
                                                             parser.value(VonOption), parser.value(BisOption),
                                                             parser.value(CsvOption)})
                                    : Entschluesseln(parser.value(EntschluesselnOption), parser.value(OrdnerOption),
                                                     parser.isSet(ErsetzenOption));
        if (code == 2)
            TextAusgeben(stderr, QStringLiteral("Mehr dazu: %1 --help\n").arg(programm));
        return code;
    }
    return std::nullopt;
}
