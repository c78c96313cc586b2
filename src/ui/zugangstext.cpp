#include "zugangstext.h"

#include <QHash>
#include <QWidget>

void ZugangsText::Auswahl(int *start, int *ende) const
{
    *start = *ende = Marke();
}

void ZugangsText::AuswahlSetzen(int start, int ende)
{
    Q_UNUSED(ende)
    MarkeSetzen(start);
}

void ZugangsText::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0)
        Auswahl(startOffset, endOffset);
}

int ZugangsText::selectionCount() const
{
    int start = 0, ende = 0;
    Auswahl(&start, &ende);
    return start == ende ? 0 : 1;
}

void ZugangsText::addSelection(int startOffset, int endOffset)
{
    AuswahlSetzen(startOffset, endOffset);
}

void ZugangsText::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        AuswahlSetzen(Marke(), Marke());
}

void ZugangsText::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        AuswahlSetzen(startOffset, endOffset);
}

int ZugangsText::cursorPosition() const
{
    return Marke();
}

void ZugangsText::setCursorPosition(int position)
{
    MarkeSetzen(position);
}

QString ZugangsText::text(int startOffset, int endOffset) const
{
    const QString ganz = GanzerText();
    if (startOffset < 0 || endOffset < startOffset || startOffset > ganz.size())
        return {};
    return ganz.mid(startOffset, endOffset - startOffset);
}

QString ZugangsText::textAtOffset(int offset, QAccessible::TextBoundaryType art, int *startOffset,
                                  int *endOffset) const
{
    if (art != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, art, startOffset, endOffset);
    // A line with its "\n", as the toolkits hand lines to screen readers.
    const QString ganz = GanzerText();
    if (offset == -2)
        offset = Marke();
    offset = qBound(0, offset, int(ganz.size()));
    const int anfang = offset == 0 ? 0 : int(ganz.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
    const int umbruch = int(ganz.indexOf(QLatin1Char('\n'), offset));
    const int ende = umbruch < 0 ? int(ganz.size()) : umbruch + 1;
    *startOffset = anfang;
    *endOffset = ende;
    return ganz.mid(anfang, ende - anfang);
}

int ZugangsText::characterCount() const
{
    return int(GanzerText().size());
}

QRect ZugangsText::characterRect(int) const
{
    return {};
}

int ZugangsText::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void ZugangsText::scrollToSubstring(int, int) {}

QString ZugangsText::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

void *TextZugang::interface_cast(QAccessible::InterfaceType art)
{
    if (art == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(art);
}

namespace {

QHash<QString, QAccessibleInterface *(*)(QWidget *)> &Fabriken()
{
    static QHash<QString, QAccessibleInterface *(*)(QWidget *)> fabriken;
    return fabriken;
}

QAccessibleInterface *Fabrik(const QString &klasse, QObject *objekt)
{
    const auto fabrik = Fabriken().constFind(klasse);
    if (fabrik == Fabriken().constEnd() || !objekt || !objekt->isWidgetType())
        return nullptr;
    return (*fabrik)(static_cast<QWidget *>(objekt));
}

} // namespace

void ZugangEinrichten(const char *klasse, QAccessibleInterface *(*fabrik)(QWidget *widget))
{
    if (Fabriken().isEmpty())
        QAccessible::installFactory(Fabrik);
    Fabriken().insert(QLatin1String(klasse), fabrik);
}
