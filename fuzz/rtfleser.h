#pragma once
// A small RTF reader for what the program's RTF writer makes: groups,
// control words, \uN with its fallback character, escaped symbols and the
// font and colour tables. It reads the text back, so that a target can
// compare it with what was written.

#include <QString>
#include <QStringList>

struct RtfInhalt {
    QString fehler;         // empty when the document is well formed
    QStringList absaetze;   // the text of each paragraph ended by \par
    QString rest;           // text after the last \par
    bool hatSchrifttabelle = false;
    QString schriftname;    // the first font of the font table
    bool hatFarbtabelle = false;
    int rot = -1, gruen = -1, blau = -1;
    int groesse = -1;       // \fs: half points
    bool fett = false, kursiv = false, unterstrichen = false, durchgestrichen = false;
};

RtfInhalt RtfLesen(const QByteArray &rtf);
