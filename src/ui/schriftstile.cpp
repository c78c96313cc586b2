#include "schriftstile.h"

#include <QAbstractItemModel>
#include <QFontDialog>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>

namespace {

const QHash<QString, QString> &Stilwoerter()
{
    static const QHash<QString, QString> woerter = {
        {QStringLiteral("regular"), QStringLiteral("Standard")},
        {QStringLiteral("normal"), QStringLiteral("Standard")},
        {QStringLiteral("roman"), QStringLiteral("Standard")},
        {QStringLiteral("book"), QStringLiteral("Standard")},
        {QStringLiteral("plain"), QStringLiteral("Standard")},
        {QStringLiteral("bold"), QStringLiteral("Fett")},
        {QStringLiteral("italic"), QStringLiteral("Kursiv")},
        {QStringLiteral("oblique"), QStringLiteral("Schräg")},
        {QStringLiteral("thin"), QStringLiteral("Dünn")},
        {QStringLiteral("hairline"), QStringLiteral("Dünn")},
        {QStringLiteral("extralight"), QStringLiteral("Extraleicht")},
        {QStringLiteral("ultralight"), QStringLiteral("Extraleicht")},
        {QStringLiteral("light"), QStringLiteral("Leicht")},
        {QStringLiteral("medium"), QStringLiteral("Mittel")},
        {QStringLiteral("semibold"), QStringLiteral("Halbfett")},
        {QStringLiteral("demibold"), QStringLiteral("Halbfett")},
        {QStringLiteral("demi"), QStringLiteral("Halbfett")},
        {QStringLiteral("extrabold"), QStringLiteral("Extrafett")},
        {QStringLiteral("ultrabold"), QStringLiteral("Extrafett")},
        {QStringLiteral("heavy"), QStringLiteral("Extrafett")},
        {QStringLiteral("black"), QStringLiteral("Schwarz")},
        {QStringLiteral("condensed"), QStringLiteral("Schmal")},
        {QStringLiteral("narrow"), QStringLiteral("Schmal")},
        {QStringLiteral("semicondensed"), QStringLiteral("Halbschmal")},
        {QStringLiteral("extracondensed"), QStringLiteral("Extraschmal")},
        {QStringLiteral("expanded"), QStringLiteral("Breit")},
        {QStringLiteral("extended"), QStringLiteral("Breit")},
    };
    return woerter;
}

// The style list shows German names; its model keeps the files' names.
class StilDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &wert, const QLocale &sprache) const override
    {
        return QStyledItemDelegate::displayText(StilnameDeutsch(wert.toString()), sprache);
    }
};

bool HatStilnamen(const QListView *liste)
{
    const QAbstractItemModel *modell = liste->model();
    for (int zeile = 0; modell && zeile < modell->rowCount(); ++zeile) {
        const QString text = modell->index(zeile, 0).data().toString();
        if (StilnameDeutsch(text) != text)
            return true;
    }
    return false;
}

} // namespace

QString StilnameDeutsch(const QString &stil)
{
    const QStringList woerter = stil.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList deutsch;
    for (const QString &wort : woerter) {
        const auto gefunden = Stilwoerter().constFind(wort.toLower());
        if (gefunden == Stilwoerter().constEnd())
            return stil;
        deutsch << *gefunden;
    }
    // "Standard" beside other words says nothing ("Condensed Regular" is "Schmal").
    if (deutsch.size() > 1)
        deutsch.removeAll(QStringLiteral("Standard"));
    if (deutsch.isEmpty())
        return stil;
    for (qsizetype n = 1; n < deutsch.size(); ++n)
        deutsch[n] = deutsch[n].toLower();
    return deutsch.join(QLatin1Char(' '));
}

void StilnamenEindeutschen(QFontDialog &dialog)
{
    for (QListView *liste : dialog.findChildren<QListView *>()) {
        if (HatStilnamen(liste))
            liste->setItemDelegate(new StilDelegate(liste));
    }
    // The read-only field above the list shows the chosen style.
    for (QLineEdit *feld : dialog.findChildren<QLineEdit *>()) {
        if (!feld->isReadOnly())
            continue;
        QObject::connect(feld, &QLineEdit::textChanged, feld, [feld](const QString &text) {
            const QString deutsch = StilnameDeutsch(text);
            if (deutsch != text) {
                const QSignalBlocker stumm(feld);
                feld->setText(deutsch);
            }
        });
        const QString deutsch = StilnameDeutsch(feld->text());
        if (deutsch != feld->text())
            feld->setText(deutsch);
    }
}
