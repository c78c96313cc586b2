#include "konsole.h"

void TextAusgeben(std::FILE *ziel, const QString &text)
{
    std::fputs(text.toUtf8().constData(), ziel);
}

void FehlerZeile(const QString &text)
{
    TextAusgeben(stderr, text + QLatin1Char('\n'));
}

void AusgabeZeile(const QString &text)
{
    TextAusgeben(stdout, text + QLatin1Char('\n'));
}
