// From one participant to the next or previous one in the participant
// list's order, without opening the list.

#include "haupt.h"

#include "records/teilnehmerfolge.h"
#include "records/teilnehmerordner.h"
#include "util/ordner.h"
#include "util/toene.h"

#include <QAction>
#include <QMenu>

void TForm1::TeilnehmerwechselMenuErstellen()
{
    // Right below the participant list, whose order they follow.
    MenuAktNaechster = new QAction(QStringLiteral("Nä&chster Teilnehmer"), this);
    MenuAktNaechster->setObjectName(QStringLiteral("MenuAktNaechster"));
    MenuAktNaechster->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    MenuAktVorheriger = new QAction(QStringLiteral("Vor&heriger Teilnehmer"), this);
    MenuAktVorheriger->setObjectName(QStringLiteral("MenuAktVorheriger"));
    MenuAktVorheriger->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    const QList<QAction *> eintraege = MenuAkt->actions();
    QAction *danach = eintraege.value(eintraege.indexOf(MenuAktTeilnehmer) + 1);
    MenuAkt->insertActions(danach, {MenuAktNaechster, MenuAktVorheriger});
    connect(MenuAktNaechster, &QAction::triggered, this, [this] { TeilnehmerWechseln(1); });
    connect(MenuAktVorheriger, &QAction::triggered, this, [this] { TeilnehmerWechseln(-1); });
}

void TForm1::TeilnehmerWechseln(int schritt)
{
    if (Teilnehmer().isEmpty() || !Speichern(false))
        return; // a day that could not be written stays shown with its edit
    // The list as the participant list shows it under its remembered filter.
    const TeilnehmerListe liste = TeilnehmerEinlesen(OrdnerTeil(FDatFilename), SortierKlasse);
    const QString ziel = NachbarTeilnehmer(liste.namen, Teilnehmer(), schritt);
    if (ziel.isEmpty()) {
        StandardTonSpielen(false);
        return;
    }
    setDatFilename(ziel);
}
