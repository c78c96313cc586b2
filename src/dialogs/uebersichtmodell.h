#pragma once
// The class overview as a table model: one row per participant and the
// sum row, which the sorting view keeps at the bottom.

#include "records/klassenuebersicht.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

class UebersichtModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    // What the sorting compares (a number, a date as a day number, or the text).
    static constexpr int SortRolle = Qt::UserRole;
    static constexpr int SummenRolle = Qt::UserRole + 1;

    explicit UebersichtModell(QObject *eltern = nullptr);

    // The participants counted; the sum row follows them.
    void ZeilenSetzen(const QList<UebersichtZeile> &zeilen);
    // No table at all (a count was cancelled).
    void Leeren();
    const QList<UebersichtZeile> &Zeilen() const { return teilnehmer; }

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QVariant SortWert(int zeile, int spalte) const;

    QList<UebersichtZeile> teilnehmer;
    QList<UebersichtZeile> alle;  // the participants and the sum row
    QList<QStringList> zellen;    // their texts, as shown
};

// Sorts by any column: names and texts as NamenSortierung says, counts and
// the quote by value, the last day by its date. The sum row stays last in either order.
class UebersichtSortierer : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit UebersichtSortierer(QObject *eltern = nullptr);

protected:
    bool lessThan(const QModelIndex &links, const QModelIndex &rechts) const override;

private:
    QCollator collator;
};
