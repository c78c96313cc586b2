#pragma once
#include <QString>
#include <QStringList>

// Removes leading and trailing characters with a code of 32 or less
// (blanks and control characters), the way every field value is read.
QString Trimmen(const QString &text);

// At most `grenze` characters: a longer text is cut and ends in "…" (a
// character pair is never split).
QString Gekuerzt(const QString &text, qsizetype grenze);

// A text for a one-line field: every line break, field separator (code
// 11), paragraph or line separator and other control character becomes a
// blank; CR LF becomes one blank.
QString Einzeilig(const QString &text);

// The text with every "&" removed ("S&chließen" gives "Schließen").
QString KuerzelEntfernen(const QString &text);

// Upper case by the rules of the user's locale.
QString Gross(const QString &text);

// Case-insensitive equality by the user's locale (both sides upper-cased).
bool GleichOhneFall(const QString &a, const QString &b);

// Sorts by the user's locale without regard to letter case ("delta,
// Epsilon, Zeta"; umlauts where the locale puts them).
void OhneFallSortieren(QStringList &liste);
