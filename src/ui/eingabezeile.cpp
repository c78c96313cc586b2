#include "eingabezeile.h"

#include "zugangstext.h"

#include <QAccessibleWidget>

namespace {

class EingabezeileZugang : public QAccessibleWidget, public ZugangsText
{
public:
    explicit EingabezeileZugang(QLineEdit *feld) : QAccessibleWidget(feld, QAccessible::EditableText) {}

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

    void *interface_cast(QAccessible::InterfaceType art) override
    {
        if (art == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(art);
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
    using ZugangsText::text;
};

QAccessibleInterface *Fabrik(const QString &klasse, QObject *objekt)
{
    if (klasse == QLatin1String("Eingabezeile") && objekt && objekt->isWidgetType())
        return new EingabezeileZugang(static_cast<QLineEdit *>(objekt));
    return nullptr;
}

} // namespace

Eingabezeile::Eingabezeile(QWidget *eltern) : QLineEdit(eltern)
{
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    Q_UNUSED(eingerichtet)
}
