#pragma once
#include <QDate>
#include <QString>

// The period an evaluation looks at. Without dates it is "Alles": every
// day counts, also one whose date text cannot be read.
struct Zeitraum {
    QDate von;
    QDate bis;

    bool Alles() const { return !von.isValid() && !bis.isValid(); }
    // Whether a day of this date counts; an unreadable date counts only under "Alles".
    bool Enthaelt(const QDate &datum) const
    {
        if (Alles())
            return true;
        return datum.isValid() && (!von.isValid() || datum >= von) && (!bis.isValid() || datum <= bis);
    }
};

// The presets of the period choice, in the order they are offered. A
// school year runs from 1 August to 31 July; its first half ends on 31
// January.
enum class Vorgabe { Alles, Schuljahr, ErstesHalbjahr, ZweitesHalbjahr, Eigener };

// The period of a preset for the school year that `heute` falls into
// (`Eigener` has none of its own and gives "Alles").
Zeitraum VorgabeZeitraum(Vorgabe vorgabe, const QDate &heute);
// The preset that gives exactly this period, else `Eigener`.
Vorgabe VorgabeVon(const Zeitraum &zeitraum, const QDate &heute);
// The caption of a preset ("Alles", "Schuljahr", "1. Halbjahr", ...).
QString VorgabeText(Vorgabe vorgabe);

// The period as a line of a title: "Alles" or "1. August 2023 bis 31. Juli 2024".
QString ZeitraumText(const Zeitraum &zeitraum);
