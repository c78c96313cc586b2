#include "zeitraum.h"

#include "datumlesen.h"

namespace {

// The year in which the school year of `heute` began.
int Schuljahresbeginn(const QDate &heute)
{
    return heute.month() >= 8 ? heute.year() : heute.year() - 1;
}

// A date in words, German whatever the locale: "1. August 2023".
QString Datum(const QDate &datum)
{
    return QStringLiteral("%1. %2 %3").arg(datum.day()).arg(MonatsName(datum.month())).arg(datum.year());
}

} // namespace

Zeitraum VorgabeZeitraum(Vorgabe vorgabe, const QDate &heute)
{
    const int jahr = Schuljahresbeginn(heute);
    switch (vorgabe) {
    case Vorgabe::Schuljahr:
        return {QDate(jahr, 8, 1), QDate(jahr + 1, 7, 31)};
    case Vorgabe::ErstesHalbjahr:
        return {QDate(jahr, 8, 1), QDate(jahr + 1, 1, 31)};
    case Vorgabe::ZweitesHalbjahr:
        return {QDate(jahr + 1, 2, 1), QDate(jahr + 1, 7, 31)};
    case Vorgabe::Alles:
    case Vorgabe::Eigener:
        break;
    }
    return {};
}

Vorgabe VorgabeVon(const Zeitraum &zeitraum, const QDate &heute)
{
    for (Vorgabe vorgabe : {Vorgabe::Alles, Vorgabe::Schuljahr, Vorgabe::ErstesHalbjahr, Vorgabe::ZweitesHalbjahr}) {
        const Zeitraum z = VorgabeZeitraum(vorgabe, heute);
        if (z.von == zeitraum.von && z.bis == zeitraum.bis)
            return vorgabe;
    }
    return Vorgabe::Eigener;
}

QString VorgabeText(Vorgabe vorgabe)
{
    switch (vorgabe) {
    case Vorgabe::Alles:
        return QStringLiteral("Alles");
    case Vorgabe::Schuljahr:
        return QStringLiteral("Schuljahr");
    case Vorgabe::ErstesHalbjahr:
        return QStringLiteral("1. Halbjahr");
    case Vorgabe::ZweitesHalbjahr:
        return QStringLiteral("2. Halbjahr");
    case Vorgabe::Eigener:
        break;
    }
    return QStringLiteral("Eigener Zeitraum");
}

QString ZeitraumText(const Zeitraum &zeitraum)
{
    if (zeitraum.Alles())
        return VorgabeText(Vorgabe::Alles);
    if (!zeitraum.von.isValid())
        return QStringLiteral("bis %1").arg(Datum(zeitraum.bis));
    if (!zeitraum.bis.isValid())
        return QStringLiteral("ab %1").arg(Datum(zeitraum.von));
    return QStringLiteral("%1 bis %2").arg(Datum(zeitraum.von), Datum(zeitraum.bis));
}
