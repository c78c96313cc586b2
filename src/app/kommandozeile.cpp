#include "kommandozeile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const QString HilfeOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

void Ausgeben(std::FILE *ziel, const QString &text)
{
    std::fputs(text.toUtf8().constData(), ziel);
}

} // namespace

void KommandozeileEinrichten(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Merkwerk führt für jede Schülerin und jeden Schüler ein Tag-für-Tag-Protokoll.\n"
                       "Ohne Optionen öffnet sich das Programmfenster."));
    parser.addOption({{QStringLiteral("h"), HilfeOption}, QStringLiteral("Zeigt diese Hilfe an.")});
    parser.addOption({{QStringLiteral("v"), VersionOption}, QStringLiteral("Zeigt die Version an.")});
}

std::optional<int> KommandozeileAusfuehren(QCommandLineParser &parser, const QStringList &argumente)
{
    const QString programm = argumente.value(0, QStringLiteral("merkwerk"));
    if (!parser.parse(argumente) || !parser.positionalArguments().isEmpty()) {
        const QString fehler = parser.errorText().isEmpty()
            ? QStringLiteral("Unerwartetes Argument \"%1\".").arg(parser.positionalArguments().value(0))
            : parser.errorText();
        Ausgeben(stderr, QStringLiteral("%1\nMehr dazu: %2 --help\n").arg(fehler, programm));
        return 2;
    }
    if (parser.isSet(HilfeOption)) {
        Ausgeben(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(VersionOption)) {
        Ausgeben(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}
