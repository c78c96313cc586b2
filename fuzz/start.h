#pragma once
// What every fuzz target shares: the program's world without a window, and
// properties that end the run as a finding when they fail (libFuzzer keeps
// the input that broke them).

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>

// A German locale with the corrected day and month names, and an
// application object, which fonts need.
void FuzzStarten();

[[noreturn]] void Verletzt(const char *bedingung, const char *datei, int zeile, const std::string &werte = {});

std::string Zeigen(const QString &text);
std::string Zeigen(const QStringList &zeilen);
std::string Zeigen(const QByteArray &bytes);
template<typename T>
std::string Zeigen(const T &wert)
{
    return std::to_string(wert);
}

#define PRUEFEN(bedingung)                                                                                   \
    do {                                                                                                     \
        if (!(bedingung))                                                                                    \
            Verletzt(#bedingung, __FILE__, __LINE__);                                                        \
    } while (0)

#define PRUEFEN_GLEICH(a, b)                                                                                 \
    do {                                                                                                     \
        const auto links_ = (a);                                                                             \
        const auto rechts_ = (b);                                                                            \
        if (!(links_ == rechts_))                                                                            \
            Verletzt(#a " == " #b, __FILE__, __LINE__, Zeigen(links_) + "\n  gegen\n" + Zeigen(rechts_));     \
    } while (0)
