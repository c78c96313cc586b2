#pragma once
#include <QList>
#include <QRect>
#include <QSize>

// The arrangements of the dialogs, from measured sizes only. B is the
// button width, H the button height, E the edit height; margins are 10.

struct ZeilenDialogGeometrie {
    QList<QRect> labels;
    QList<QRect> edits;
    QRect knopf1;
    QRect knopf2;
    QSize client;
};
// Labelled edits one under the other over two buttons, the second button
// one button width right of the first (new participant, input dialog).
ZeilenDialogGeometrie ZeilenDialogLayout(int editHoehe, int knopfHoehe, int labelHoehe,
                                         const QList<int> &labelBreiten, int knopfBreite = 187);

struct ListenDialogGeometrie {
    QRect label; // only the participant list has a heading
    QRect liste;
    QList<QRect> knoepfe; // left to right
    QSize client;
};
// The class chooser: a list five buttons high over two buttons.
ListenDialogGeometrie KlassenLayout(int knopfHoehe, int knopfBreite = 187);
// The participant list: a centred heading, the list, three buttons.
ListenDialogGeometrie TeilnehmerListeLayout(int knopfHoehe, int labelHoehe, int labelBreite,
                                            int knopfBreite = 187);

struct ZahlenGeometrie {
    QRect label;
    QRect edit; // with the arrows at its right side
    QRect knopf1;
    QRect knopf2;
    QSize client;
};
// The day-number dialog: label and edit in a row, two buttons under it,
// spread with three equal gaps; the dialog is widened until both buttons fit.
ZahlenGeometrie ZahlenLayout(int editHoehe, int knopfHoehe, int labelHoehe, int labelBreite,
                             int knopfBreite = 187);

struct TextDialogGeometrie {
    QRect text;
    QList<QRect> knoepfe;
    QSize client;
};
// The text window: the text area over the full width, ten buttons high, and
// three buttons one button height apart.
TextDialogGeometrie TextDialogLayout(int knopfHoehe, int knopfBreite = 187);

struct SicherungsGeometrie {
    QRect liste;
    QRect log;
    QRect zeile; // the row above the buttons, where there is one
    QList<QRect> knoepfe;
    QSize client;
};
// The backup dialog: as high as the screen, list and log share the space
// above three buttons 125 wide; margin and gaps are `abstand`, by default
// one button width. A row `zeilenHoehe` high (the choice of the encrypted
// backup) may lie between the log and the buttons.
SicherungsGeometrie SicherungsLayout(int knopfHoehe, int clientHoehe, int knopfBreite = 125, int abstand = -1,
                                     int zeilenHoehe = 0);

struct KnopfReihen {
    QList<QRect> knoepfe; // relative to the top of the first row
    int breite = 0;       // the least width the rows need, margins included
    int hoehe = 0;        // from the top of the first row to the bottom of the last
};
// `anzahl` buttons of width B, margin and gaps 10, in rows no wider than
// `hoechstBreite`: the others from the left, as many side by side as fit,
// the last (closing) one at the right edge of `breite` (at least the rows'
// own width), in the last row where there is room, else in a row of its own.
KnopfReihen KnopfReihenLayout(int anzahl, int knopfHoehe, int knopfBreite, int hoechstBreite, int breite);
