#pragma once

#include <QString>
#include <cstdio>

// What the headless commands print, in UTF-8.
void TextAusgeben(std::FILE *ziel, const QString &text);
// One line on standard error (a message) or standard output (a result).
void FehlerZeile(const QString &text);
void AusgabeZeile(const QString &text);
