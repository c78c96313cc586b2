#include "csv.h"

#include <algorithm>

namespace {

bool WieFormel(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar erstes = text.front();
    return erstes == u'=' || erstes == u'+' || erstes == u'-' || erstes == u'@' || erstes == u'\t'
           || erstes == u'\r';
}

// Only a whole number can do without quotes: no separator a spreadsheet
// may split at can be in it.
bool BrauchtAnfuehrung(const QString &text)
{
    return !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString CsvFeld(const QString &text)
{
    QString feld = WieFormel(text) ? QLatin1Char('\'') + text : text;
    if (!BrauchtAnfuehrung(feld))
        return feld;
    feld.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + feld + QLatin1Char('"');
}

QByteArray CsvBytes(const QList<QStringList> &zeilen)
{
    QString text;
    for (const QStringList &zeile : zeilen) {
        for (qsizetype n = 0; n < zeile.size(); ++n) {
            if (n > 0)
                text += QLatin1Char(';');
            text += CsvFeld(zeile[n]);
        }
        text += QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
