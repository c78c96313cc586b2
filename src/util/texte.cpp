#include "texte.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <vector>

QString Trimmen(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).unicode() <= 32)
        ++anfang;
    while (ende > anfang && text.at(ende - 1).unicode() <= 32)
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString Gekuerzt(const QString &text, qsizetype grenze)
{
    if (text.size() <= grenze)
        return text;
    qsizetype laenge = qMax<qsizetype>(grenze - 1, 0);
    if (laenge > 0 && text.at(laenge - 1).isHighSurrogate())
        --laenge;
    return text.first(laenge) + QChar(0x2026);
}

QString Einzeilig(const QString &text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar zeichen = text.at(i);
        const bool steuer = zeichen.category() == QChar::Other_Control || zeichen == QChar::LineSeparator
                            || zeichen == QChar::ParagraphSeparator;
        if (!steuer) {
            ergebnis += zeichen;
            continue;
        }
        ergebnis += QLatin1Char(' ');
        if (zeichen == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
    }
    return ergebnis;
}

QString KuerzelEntfernen(const QString &text)
{
    QString ergebnis = text;
    ergebnis.remove(QLatin1Char('&'));
    return ergebnis;
}

QString Gross(const QString &text)
{
    return QLocale().toUpper(text);
}

bool GleichOhneFall(const QString &a, const QString &b)
{
    return Gross(a) == Gross(b);
}

void OhneFallSortieren(QStringList &liste)
{
    // Each name's sort key is made once; comparing keys is cheap.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, qsizetype>> schluessel;
    schluessel.reserve(size_t(liste.size()));
    for (qsizetype n = 0; n < liste.size(); ++n)
        schluessel.emplace_back(collator.sortKey(liste.at(n)), n);
    std::stable_sort(schluessel.begin(), schluessel.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QStringList sortiert;
    sortiert.reserve(liste.size());
    for (const auto &eintrag : schluessel)
        sortiert << liste.at(eintrag.second);
    liste = std::move(sortiert);
}
