#include "start.h"

#include "util/datumsnamen.h"

#include <QGuiApplication>
#include <QLocale>

void FuzzStarten()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication anwendung(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DatumsnamenLaden(QLocale());
    TagesnamenOhnePunkt();
    MonatsnamenKorrigieren();
}

void Verletzt(const char *bedingung, const char *datei, int zeile, const std::string &werte)
{
    std::fprintf(stderr, "\nEigenschaft verletzt: %s (%s:%d)\n%s\n", bedingung, datei, zeile, werte.c_str());
    std::abort();
}

std::string Zeigen(const QString &text)
{
    std::string aus = "\"";
    for (QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127 && c != QLatin1Char('\\')) {
            aus += char(c.unicode());
        } else {
            char puffer[8];
            std::snprintf(puffer, sizeof puffer, "\\u%04X", c.unicode());
            aus += puffer;
        }
    }
    return aus + "\"";
}

std::string Zeigen(const QStringList &zeilen)
{
    std::string aus = "[";
    for (const QString &zeile : zeilen)
        aus += "\n    " + Zeigen(zeile);
    return aus + "]";
}

std::string Zeigen(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}
