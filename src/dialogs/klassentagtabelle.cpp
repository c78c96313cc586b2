#include "klassentagtabelle.h"

#include "records/bloecke.h"
#include "ui/zeilenfeld.h"
#include "util/texte.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

QString StatusText(int hausaufgabe)
{
    static const char *const namen[] = {"Fehlt", "Nein", "Ja"};
    return hausaufgabe >= 0 && hausaufgabe <= 2 ? QString::fromLatin1(namen[hausaufgabe]) : QString();
}

void KlassentagModell::ZeilenSetzen(QList<KlassenZeile> neu)
{
    beginResetModel();
    zeilen = std::move(neu);
    endResetModel();
}

void KlassentagModell::ZeileAendern(int zeile, const std::function<void(KlassenZeile &)> &aendern)
{
    if (zeile < 0 || zeile >= zeilen.size())
        return;
    aendern(zeilen[zeile]);
    emit dataChanged(index(zeile, 0), index(zeile, KtSpaltenZahl - 1));
}

void KlassentagModell::AlleAendern(const std::function<void(KlassenZeile &)> &aendern)
{
    for (KlassenZeile &zeile : zeilen)
        aendern(zeile);
    if (!zeilen.isEmpty())
        emit dataChanged(index(0, 0), index(int(zeilen.size()) - 1, KtSpaltenZahl - 1));
}

int KlassentagModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : int(zeilen.size());
}

int KlassentagModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : KtSpaltenZahl;
}

QVariant KlassentagModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= zeilen.size()
        || (rolle != Qt::DisplayRole && rolle != Qt::EditRole && rolle != Qt::ToolTipRole))
        return {};
    const KlassenZeile &zeile = zeilen.at(index.row());
    switch (index.column()) {
    case KtName:
        return zeile.datei.name;
    case KtHausaufgabe:
        return StatusText(zeile.eintrag.hausaufgabe);
    case KtAnmerkung:
        return zeile.eintrag.anmerkung;
    case KtInfos:
        return zeile.eintrag.infos;
    case KtZustand:
        return ZustandText(zeile);
    }
    return {};
}

QVariant KlassentagModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    static const char *const kopf[] = {"Name", "Hausaufgabe", "Anmerkung", "Infos", "Stand"};
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= KtSpaltenZahl)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    return QString::fromLatin1(kopf[abschnitt]);
}

Qt::ItemFlags KlassentagModell::flags(const QModelIndex &index) const
{
    Qt::ItemFlags merkmale = QAbstractTableModel::flags(index);
    const bool text = index.column() == KtAnmerkung || index.column() == KtInfos;
    if (text && index.row() < zeilen.size() && zeilen.at(index.row()).datei.fehler.isEmpty())
        merkmale |= Qt::ItemIsEditable;
    return merkmale;
}

bool KlassentagModell::setData(const QModelIndex &index, const QVariant &wert, int rolle)
{
    if (rolle != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // Pasted or set from outside: the one-line rule of every field.
    const QString text = Einzeilig(wert.toString());
    if (text.contains(Blocktrenner)) {
        emit TrennerAbgelehnt(index.column());
        return false;
    }
    ZeileAendern(index.row(), [&](KlassenZeile &zeile) {
        (index.column() == KtAnmerkung ? zeile.eintrag.anmerkung : zeile.eintrag.infos) = text;
    });
    return true;
}

QWidget *KlassentagEditor::createEditor(QWidget *eltern, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    auto *feld = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(eltern, option, index));
    if (!feld)
        return nullptr;
    const int spalte = index.column();
    feld->setAccessibleName(spalte == KtAnmerkung ? QStringLiteral("Anmerkung") : QStringLiteral("Infos"));
    // The remark as long as the record view takes it; an info line has no limit.
    ZeilenfeldEinrichten(feld, spalte == KtAnmerkung ? 100 : 0);
    // The field's rules refuse the separator text without a word: say why.
    // (createEditor is const; telling about the field changes nothing of the delegate.)
    auto *selbst = const_cast<KlassentagEditor *>(this);
    connect(feld, &QLineEdit::inputRejected, selbst, [selbst, spalte] { emit selbst->TrennerAbgelehnt(spalte); });
    return feld;
}

KlassentagTabelle::KlassentagTabelle(QWidget *eltern) : QTableView(eltern)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(false);
}

int KlassentagTabelle::AktuelleZeile() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void KlassentagTabelle::ZeileWaehlen(int zeile)
{
    if (!model() || zeile < 0 || zeile >= model()->rowCount())
        return;
    setCurrentIndex(model()->index(zeile, KtName));
    scrollTo(currentIndex());
}

void KlassentagTabelle::Weiter()
{
    if (model() && AktuelleZeile() + 1 < model()->rowCount())
        ZeileWaehlen(AktuelleZeile() + 1);
}

void KlassentagTabelle::AnmerkungBearbeiten()
{
    const int zeile = AktuelleZeile();
    if (zeile < 0)
        return;
    const QModelIndex anmerkung = model()->index(zeile, KtAnmerkung);
    if (!(anmerkung.flags() & Qt::ItemIsEditable))
        return;
    setCurrentIndex(anmerkung);
    edit(anmerkung);
}

void KlassentagTabelle::EingabeUebernehmen()
{
    const int zeile = AktuelleZeile();
    if (zeile < 0)
        return;
    for (int spalte : {KtAnmerkung, KtInfos}) {
        if (QWidget *editor = indexWidget(model()->index(zeile, spalte))) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

void KlassentagTabelle::keyPressEvent(QKeyEvent *taste)
{
    const Qt::KeyboardModifiers andere = taste->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (andere != Qt::NoModifier || state() == EditingState) {
        QTableView::keyPressEvent(taste);
        return;
    }
    switch (taste->key()) {
    case Qt::Key_F:
    case Qt::Key_0:
        emit StatusGewaehlt(0);
        return;
    case Qt::Key_N:
    case Qt::Key_1:
        emit StatusGewaehlt(1);
        return;
    case Qt::Key_J:
    case Qt::Key_2:
        emit StatusGewaehlt(2);
        return;
    case Qt::Key_Delete:
        emit Zuruecksetzen();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        AnmerkungBearbeiten();
        return;
    default:
        break;
    }
    const QString text = taste->text();
    if (!text.isEmpty() && text.at(0).isLetter()) {
        emit NameGetippt(text);
        return;
    }
    QTableView::keyPressEvent(taste);
}

void KlassentagTabelle::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis)
{
    QTableView::closeEditor(editor, hinweis);
    // Enter ends the edit and goes on to the next pupil.
    if (hinweis == QAbstractItemDelegate::SubmitModelCache) {
        setFocus();
        const int zeile = AktuelleZeile();
        ZeileWaehlen(zeile);
        Weiter();
    }
}
