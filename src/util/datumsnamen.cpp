#include "datumsnamen.h"

#include "texte.h"

namespace {

Datumsnamen NamenAus(const QLocale &locale)
{
    Datumsnamen namen;
    // QLocale counts Monday as 1 and Sunday as 7; the table starts on Sunday.
    namen.kurzeTage << locale.dayName(7, QLocale::ShortFormat);
    for (int tag = 1; tag <= 6; ++tag)
        namen.kurzeTage << locale.dayName(tag, QLocale::ShortFormat);
    for (int monat = 1; monat <= 12; ++monat) {
        namen.kurzeMonate << locale.monthName(monat, QLocale::ShortFormat);
        namen.langeMonate << locale.monthName(monat, QLocale::LongFormat);
    }
    return namen;
}

} // namespace

Datumsnamen &ProgrammDatumsnamen()
{
    static Datumsnamen namen = NamenAus(QLocale());
    return namen;
}

void DatumsnamenLaden(const QLocale &locale)
{
    ProgrammDatumsnamen() = NamenAus(locale);
}

void TagesnamenOhnePunkt()
{
    for (QString &name : ProgrammDatumsnamen().kurzeTage) {
        if (name.endsWith(QLatin1Char('.')))
            name.chop(1);
    }
}

void MonatsnamenKorrigieren()
{
    Datumsnamen &namen = ProgrammDatumsnamen();
    for (QString &name : namen.kurzeMonate) {
        const QString gross = Gross(name);
        if (gross == QLatin1String("JAN"))
            name = QStringLiteral("Jän");
        else if (gross == QLatin1String("MRZ"))
            name = QStringLiteral("Mär");
    }
    for (QString &name : namen.langeMonate) {
        if (Gross(name) == QLatin1String("JANUAR")) {
            name = QStringLiteral("Jänner");
            break;
        }
    }
}

QString DatumText(const QDate &datum)
{
    if (!datum.isValid())
        return {};
    return QStringLiteral("%1. %2 %3")
        .arg(datum.day())
        .arg(ProgrammDatumsnamen().langeMonate.value(datum.month() - 1))
        .arg(datum.year(), 4, 10, QLatin1Char('0'));
}

QString TagStr(const QDate &datum)
{
    // Fixed German prefixes, Monday = 1 as QDate counts.
    static const char *const kuerzel[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    if (!datum.isValid())
        return {}; // it has no weekday
    return QLatin1String(kuerzel[datum.dayOfWeek() - 1]) + QLatin1String("., ") + DatumText(datum);
}
