#include "eingabezeile.h"

#include "zugangstext.h"

namespace {

class EingabezeileZugang : public TextZugang
{
public:
    explicit EingabezeileZugang(QWidget *feld) : TextZugang(feld, QAccessible::EditableText) {}

    QLineEdit *Feld() const { return static_cast<QLineEdit *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.readOnly = Feld()->isReadOnly();
        zustand.editable = !Feld()->isReadOnly();
        zustand.selectableText = true;
        return zustand;
    }

    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Value)
            return Feld()->text();
        return QAccessibleWidget::text(art);
    }

    QString GanzerText() const override { return Feld()->text(); }
    int Marke() const override { return Feld()->cursorPosition(); }
    void MarkeSetzen(int position) override { Feld()->setCursorPosition(position); }
    void Auswahl(int *start, int *ende) const override
    {
        const int anfang = Feld()->selectionStart();
        *start = anfang < 0 ? Marke() : anfang;
        *ende = anfang < 0 ? Marke() : anfang + Feld()->selectionLength();
    }
    void AuswahlSetzen(int start, int ende) override { Feld()->setSelection(start, ende - start); }
};

} // namespace

Eingabezeile::Eingabezeile(QWidget *eltern) : QLineEdit(eltern)
{
    ZugangEinrichten("Eingabezeile", [](QWidget *feld) -> QAccessibleInterface * { return new EingabezeileZugang(feld); });
}
