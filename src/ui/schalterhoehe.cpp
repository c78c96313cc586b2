#include "schalterhoehe.h"

#include "util/texte.h"

#include <QFontMetrics>
#include <QPushButton>

int Zeilenhoehe(const QFont &schrift)
{
    return QFontMetrics(schrift).height();
}

int SchalterHoehe(const QFont &schrift, SchalterArt art)
{
    switch (art) {
    case SchalterArt::Edit:
    case SchalterArt::Radiogruppe:
        return Zeilenhoehe(schrift) + 8;
    case SchalterArt::Knopf:
        return Zeilenhoehe(schrift) + 12;
    case SchalterArt::Statusleiste:
        return Zeilenhoehe(schrift) + 6;
    case SchalterArt::Sonstige:
        break;
    }
    return Zeilenhoehe(schrift);
}

int KnopfBreite(const QList<QPushButton *> &knoepfe, int standard)
{
    int breite = standard;
    for (const QPushButton *knopf : knoepfe)
        breite = qMax(breite, knopf->sizeHint().width()); // what the style needs to show the caption
    return breite;
}

int LabelBreite(const QFont &schrift, const QString &text)
{
    return QFontMetrics(schrift).horizontalAdvance(KuerzelEntfernen(text));
}
