#pragma once
// The text a screen reader reads from a control of the program's own
// whose Qt interface says too little: the text, the caret and the
// selection, by character, word, sentence and line (a line ends at "\n").

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class ZugangsText : public QAccessibleTextInterface
{
public:
    // What the control shows and where its caret and selection stand.
    virtual QString GanzerText() const = 0;
    virtual int Marke() const = 0;
    virtual void MarkeSetzen(int position) = 0;
    // The selection, or start == end for none.
    virtual void Auswahl(int *start, int *ende) const;
    virtual void AuswahlSetzen(int start, int ende);

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType art, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
};

// A widget's interface with such a text; `klasse` is the widget's class
// name, for which `ZugangEinrichten` has Qt ask this kind of interface.
class TextZugang : public QAccessibleWidget, public ZugangsText
{
public:
    TextZugang(QWidget *widget, QAccessible::Role rolle) : QAccessibleWidget(widget, rolle) {}
    void *interface_cast(QAccessible::InterfaceType art) override;
    using QAccessibleWidget::text;
    using ZugangsText::text;
};

// Has Qt make the interface of every widget of a class with `fabrik`
// (once per class, however often it is called).
void ZugangEinrichten(const char *klasse, QAccessibleInterface *(*fabrik)(QWidget *widget));
