#pragma once
// Values a user can type into the main window's fields, drawn from fuzz
// input: no line ends, no block separator, and in a date or class field no
// character 11 either.

#include "records/bloecke.h"

#include <QString>
#include <fuzzer/FuzzedDataProvider.h>

inline QString Feldwert(FuzzedDataProvider &eingabe, bool ohneFeldtrenner, size_t laenge = 24)
{
    QString text = QString::fromUtf8(eingabe.ConsumeRandomLengthString(laenge));
    text.remove(u'\r');
    text.remove(u'\n');
    if (ohneFeldtrenner)
        text.remove(Feldtrenner);
    while (IstTrenner(text))
        text.remove(Blocktrenner);
    return text;
}

inline bool operator==(const Tag &a, const Tag &b)
{
    return a.datum == b.datum && a.anmerkung == b.anmerkung && a.hausaufgabe == b.hausaufgabe && a.infos == b.infos;
}

inline std::string Zeigen(const Tag &tag)
{
    return "Tag{" + Zeigen(tag.datum) + ", " + Zeigen(tag.anmerkung) + ", " + std::to_string(tag.hausaufgabe) + ", "
           + Zeigen(tag.infos) + "}";
}
