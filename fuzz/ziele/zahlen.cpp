// The small number and date helpers: thousands dots group the digits of
// every 64-bit integer, and the day text of every date is the weekday, the
// day, the month name and the year; an invalid date gives no text.

#include "start.h"

#include "util/datumsnamen.h"
#include "util/zahlen.h"

#include <QRegularExpression>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void ZahlPruefen(qint64 zahl)
{
    static const QRegularExpression form(QStringLiteral("^-?(0|[1-9][0-9]{0,2}(\\.[0-9]{3})*)$"));
    const QString text = TausenderPunkte(zahl);
    PRUEFEN(form.match(text).hasMatch());
    const quint64 betrag = zahl < 0 ? 0 - quint64(zahl) : quint64(zahl);
    const QString ziffern = QString::number(betrag);
    PRUEFEN_GLEICH(QString(text).remove(u'.').remove(u'-'), ziffern);
    PRUEFEN_GLEICH(text.startsWith(u'-'), zahl < 0);
    PRUEFEN_GLEICH(Stellenzahl(zahl), int(ziffern.size()));
}

void DatumPruefen(qint64 julianischerTag)
{
    static const char *const kuerzel[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    const QDate datum = QDate::fromJulianDay(julianischerTag);
    const QString text = TagStr(datum);
    if (!datum.isValid()) {
        PRUEFEN_GLEICH(text, QString());
        return;
    }
    const QString monat = ProgrammDatumsnamen().langeMonate.at(datum.month() - 1);
    PRUEFEN(text.startsWith(QLatin1String(kuerzel[datum.dayOfWeek() - 1]) + QLatin1String("., ")));
    PRUEFEN(text.contains(QStringLiteral(" %1. %2 ").arg(datum.day()).arg(monat)));
    if (datum.year() >= 1000 && datum.year() <= 9999)
        PRUEFEN(text.endsWith(QStringLiteral(" %1").arg(datum.year())));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    FuzzedDataProvider eingabe(daten, groesse);
    ZahlPruefen(eingabe.ConsumeIntegral<qint64>());
    // Mostly days of the years a school uses, sometimes any day at all.
    if (eingabe.ConsumeBool())
        DatumPruefen(eingabe.ConsumeIntegralInRange<qint64>(2415021, 2488070)); // 1900 to 2099
    else
        DatumPruefen(eingabe.ConsumeIntegral<qint64>());
    return 0;
}
