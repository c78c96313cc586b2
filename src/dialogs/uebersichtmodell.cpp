#include "uebersichtmodell.h"

#include "records/datumlesen.h"
#include "ui/programmschrift.h"

#include <QFont>
#include <limits>

UebersichtModell::UebersichtModell(QObject *eltern) : QAbstractTableModel(eltern) {}

void UebersichtModell::ZeilenSetzen(const QList<UebersichtZeile> &zeilen)
{
    beginResetModel();
    teilnehmer = zeilen;
    alle = zeilen;
    alle << Summenzeile(zeilen);
    zellen.clear();
    for (const UebersichtZeile &zeile : std::as_const(alle))
        zellen << UebersichtZellen(zeile, Zellform::Anzeige);
    endResetModel();
}

void UebersichtModell::Leeren()
{
    beginResetModel();
    teilnehmer.clear();
    alle.clear();
    zellen.clear();
    endResetModel();
}

int UebersichtModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : int(alle.size());
}

int UebersichtModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : SpaltenZahl;
}

namespace {

bool IstZahlenspalte(int spalte)
{
    return spalte >= SpalteTage && spalte <= SpalteOhneDatum;
}

} // namespace

QVariant UebersichtModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= alle.size())
        return {};
    const int zeile = index.row();
    const int spalte = index.column();
    const bool summe = zeile == alle.size() - 1;
    switch (rolle) {
    case Qt::DisplayRole:
        return zellen[zeile][spalte];
    case Qt::ToolTipRole:
        if (spalte == SpalteKommentar && !alle[zeile].Lesbar())
            return alle[zeile].fehler;
        return {};
    case Qt::TextAlignmentRole:
        return int((IstZahlenspalte(spalte) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::FontRole:
        if (summe || !alle[zeile].Lesbar()) {
            QFont schrift = ProgrammSchrift().schrift;
            schrift.setBold(schrift.bold() || summe);
            schrift.setItalic(!summe);
            return schrift;
        }
        return {};
    case SortRolle:
        return SortWert(zeile, spalte);
    case SummenRolle:
        return summe;
    default:
        return {};
    }
}

QVariant UebersichtModell::SortWert(int zeile, int spalte) const
{
    const UebersichtZeile &z = alle[zeile];
    // An unreadable file sorts before every count.
    const int kein = -1;
    switch (spalte) {
    case SpalteTage:
        return z.Lesbar() ? z.tage : kein;
    case SpalteFehlt:
        return z.Lesbar() ? z.fehlt : kein;
    case SpalteNein:
        return z.Lesbar() ? z.nein : kein;
    case SpalteJa:
        return z.Lesbar() ? z.ja : kein;
    case SpalteOhneDatum:
        return z.Lesbar() ? z.ohneDatum : kein;
    case SpalteQuote:
        return z.Quote().value_or(-1.0);
    case SpalteLetzterTag: {
        const QDate datum = DatumLesen(z.letzterTag);
        return datum.isValid() ? datum.toJulianDay() : std::numeric_limits<qint64>::min();
    }
    default:
        return zellen[zeile][spalte];
    }
}

QVariant UebersichtModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= SpaltenZahl)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (rolle == Qt::DisplayRole)
        return UebersichtKopf().at(abschnitt);
    if (rolle == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder; // a column clicked first sorts from small to large
    if (rolle == Qt::ToolTipRole && abschnitt == SpalteQuote)
        return QStringLiteral("Ja ÷ (Nein + Ja) in Prozent");
    if (rolle == Qt::ToolTipRole && abschnitt == SpalteOhneDatum)
        return QStringLiteral("Tage, deren Datum sich nicht lesen lässt");
    return {};
}

UebersichtSortierer::UebersichtSortierer(QObject *eltern)
    : QSortFilterProxyModel(eltern), collator(NamenSortierung())
{
    setSortRole(UebersichtModell::SortRolle);
}

bool UebersichtSortierer::lessThan(const QModelIndex &links, const QModelIndex &rechts) const
{
    // Descending order asks the other way round, so the sum row answers by the order.
    if (links.data(UebersichtModell::SummenRolle).toBool())
        return sortOrder() == Qt::DescendingOrder;
    if (rechts.data(UebersichtModell::SummenRolle).toBool())
        return sortOrder() == Qt::AscendingOrder;
    const QVariant a = links.data(UebersichtModell::SortRolle);
    const QVariant b = rechts.data(UebersichtModell::SortRolle);
    if (a.typeId() == QMetaType::QString) {
        const int vergleich = collator.compare(a.toString(), b.toString());
        if (vergleich != 0)
            return vergleich < 0;
    } else if (const auto ordnung = QVariant::compare(a, b); ordnung != QPartialOrdering::Equivalent) {
        return ordnung == QPartialOrdering::Less;
    }
    // Equal values keep the rows in the order of the names.
    return links.row() < rechts.row();
}
