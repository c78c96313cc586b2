#include "dialoganordnung.h"

#include <algorithm>

namespace {
constexpr int R = 10;
}

ZeilenDialogGeometrie ZeilenDialogLayout(int editHoehe, int knopfHoehe, int labelHoehe,
                                         const QList<int> &labelBreiten, int b)
{
    ZeilenDialogGeometrie g;
    const int knopf2Links = R + 2 * b;
    const int editLinks = R + *std::max_element(labelBreiten.begin(), labelBreiten.end()) + 5;
    int top = R;
    for (int breite : labelBreiten) {
        g.edits << QRect(editLinks, top, knopf2Links + b - editLinks, editHoehe);
        g.labels << QRect(R, top + (editHoehe - labelHoehe) / 2, breite, labelHoehe);
        top += editHoehe + R;
    }
    g.knopf1 = QRect(R, top, b, knopfHoehe);
    g.knopf2 = QRect(knopf2Links, top, b, knopfHoehe);
    g.client = QSize(knopf2Links + b + R, top + knopfHoehe + R);
    return g;
}

ListenDialogGeometrie KlassenLayout(int h, int b)
{
    ListenDialogGeometrie g;
    const int knopf2Links = R + b + b / 2;
    const int rechts = knopf2Links + b;
    g.liste = QRect(R, R, rechts - R, 5 * h);
    const int top = R + 5 * h + R;
    g.knoepfe << QRect(R, top, b, h) << QRect(knopf2Links, top, b, h);
    g.client = QSize(rechts + R, top + h + R);
    return g;
}

ListenDialogGeometrie TeilnehmerListeLayout(int h, int labelHoehe, int labelBreite, int b)
{
    ListenDialogGeometrie g;
    int links = R;
    const int listenTop = R + labelHoehe + R;
    const int top = listenTop + 5 * h + R;
    for (int n = 0; n < 3; ++n) {
        g.knoepfe << QRect(links, top, b, h);
        links += b + b / 2;
    }
    const int rechts = g.knoepfe.last().right() + 1;
    g.liste = QRect(R, listenTop, rechts - R, 5 * h);
    g.client = QSize(rechts + R, top + h + R);
    g.label = QRect((g.client.width() - labelBreite) / 2, R, labelBreite, labelHoehe);
    return g;
}

ZahlenGeometrie ZahlenLayout(int editHoehe, int h, int labelHoehe, int labelBreite, int b)
{
    ZahlenGeometrie g;
    g.edit = QRect(R + labelBreite + R, R, 3 * h, editHoehe);
    g.label = QRect(R, R + (editHoehe - labelHoehe) / 2, labelBreite, labelHoehe);
    // The row decides the width unless the buttons need more.
    const int breite = std::max(g.edit.right() + 1 + R, 2 * b + 3 * R);
    const int top = g.edit.bottom() + 1 + R;
    const int links = (breite - 2 * b) / 3;
    g.knopf1 = QRect(links, top, b, h);
    g.knopf2 = QRect(2 * links + b, top, b, h);
    g.client = QSize(breite, top + h + R);
    return g;
}

TextDialogGeometrie TextDialogLayout(int h, int b)
{
    TextDialogGeometrie g;
    const int top = 10 * h + R;
    int links = R;
    for (int n = 0; n < 3; ++n) {
        g.knoepfe << QRect(links, top, b, h);
        links += b + h;
    }
    g.client = QSize(g.knoepfe.last().right() + 1 + R, top + h + R);
    g.text = QRect(0, 0, g.client.width(), 10 * h);
    return g;
}

SicherungsGeometrie SicherungsLayout(int h, int clientHoehe, int b, int abstand, int zeilenHoehe)
{
    SicherungsGeometrie g;
    const int top = clientHoehe - h - R;
    const int knopf1Links = abstand < 0 ? b : abstand;
    const int knopf2Links = 2 * knopf1Links + b;
    const int knopf3Links = knopf2Links + b + knopf1Links;
    g.knoepfe << QRect(knopf1Links, top, b, h) << QRect(knopf2Links, top, b, h)
              << QRect(knopf3Links, top, b, h);
    g.client = QSize(knopf3Links + b + knopf1Links, clientHoehe);
    const int unten = zeilenHoehe > 0 ? top - R - zeilenHoehe : top;
    if (zeilenHoehe > 0)
        g.zeile = QRect(R, unten, g.client.width() - 2 * R, zeilenHoehe);
    const int hoehe = (unten - R - 2 * R) / 2;
    g.liste = QRect(R, R, g.client.width() - 2 * R, hoehe);
    g.log = QRect(R, R + hoehe + R, g.client.width() - 2 * R, hoehe);
    return g;
}

KnopfReihen KnopfReihenLayout(int anzahl, int h, int b, int hoechstBreite, int breite)
{
    constexpr int R = 10;
    KnopfReihen reihen;
    const int jeReihe = qBound(1, (hoechstBreite - R) / (b + R), qMax(1, anzahl));
    reihen.breite = qMax(breite, jeReihe * (b + R) + R);
    for (int n = 0; n + 1 < anzahl; ++n)
        reihen.knoepfe << QRect(R + n % jeReihe * (b + R), n / jeReihe * (h + R), b, h);
    // The closing button joins the last row when it has a free place, else
    // it begins a row of its own.
    if (anzahl > 0)
        reihen.knoepfe << QRect(reihen.breite - R - b, (anzahl - 1) / jeReihe * (h + R), b, h);
    reihen.hoehe = reihen.knoepfe.isEmpty() ? 0 : reihen.knoepfe.last().bottom() + 1;
    return reihen;
}
