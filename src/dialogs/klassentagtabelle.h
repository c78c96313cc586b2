#pragma once
// The table of the class day: one row per participant, its model and the
// keys a teacher records a lesson with.

#include "records/klassentag.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

enum KlassentagSpalte { KtName, KtHausaufgabe, KtAnmerkung, KtInfos, KtZustand, KtSpaltenZahl };

// The status as the record view names it ("" for none chosen).
QString StatusText(int hausaufgabe);

class KlassentagModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ZeilenSetzen(QList<KlassenZeile> zeilen);
    const QList<KlassenZeile> &Zeilen() const { return zeilen; }
    // Changes a row through `aendern` and shows it anew.
    void ZeileAendern(int zeile, const std::function<void(KlassenZeile &)> &aendern);
    // Every row through `aendern`; the table is shown anew once.
    void AlleAendern(const std::function<void(KlassenZeile &)> &aendern);

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &wert, int rolle) override;

signals:
    // A cell would have held the block separator text: refused.
    void TrennerAbgelehnt(int spalte);

private:
    QList<KlassenZeile> zeilen;
};

// Edits remark and infos in one-line fields under the program's field rules.
class KlassentagEditor : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *eltern, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void TrennerAbgelehnt(int spalte);
};

// The keys: F, N, J (and 0, 1, 2) set the status, Delete takes it back,
// Enter or F2 edit the remark, other letters start the name search.
class KlassentagTabelle : public QTableView
{
    Q_OBJECT
public:
    explicit KlassentagTabelle(QWidget *eltern);

    int AktuelleZeile() const;
    void ZeileWaehlen(int zeile);
    // Moves to the next row; the last one stays.
    void Weiter();
    void AnmerkungBearbeiten();
    // An open edit goes into the model (before a save or a close).
    void EingabeUebernehmen();

signals:
    void StatusGewaehlt(int hausaufgabe);
    void Zuruecksetzen();
    void NameGetippt(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *taste) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis) override;
};
