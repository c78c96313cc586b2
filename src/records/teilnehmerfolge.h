#pragma once
#include <QString>
#include <QStringList>

// Stepping from one participant to the next in the participant list's
// order, without the list.

// The participant `schritt` places after `name` (before it when negative)
// in `namen`, a list sorted as the participant list sorts it; empty at the
// ends. A name that is not in the list (its class does not pass the
// filter) steps from the place where it would stand.
QString NachbarTeilnehmer(const QStringList &namen, const QString &name, int schritt);
