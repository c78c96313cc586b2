// The help menu: About, the maker's pages, the updater and the history.

#include "haupt.h"

#include "util/kodierung.h"
#include "util/sicherschreiben.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "util/ordner.h"
#include "util/shell.h"

#include <QCoreApplication>
#include <QUrl>

namespace {
// The maker's addresses (an invented example maker).
const QString Homepage = QStringLiteral("https://www.merkwerk.example/");
const QString Mailadresse = QStringLiteral("info@merkwerk.example");
} // namespace

void TForm1::MenuHilfeClick()
{
    UpdateMenus();
}

void TForm1::MenuHilfeInfoClick()
{
    const QStringList zeilen = {
        InstanzText,
        QStringLiteral("Dieses Programm verwaltet Schülerinformationen und kann sie auswerten."),
        QStringLiteral("Beispiel: Wurde die Hausaufgabe gebracht. An welchen Tagen nicht. An welchen Tagen "
                       "fehlte der Schüler."),
        QStringLiteral("Rechteinhaber: Merkwerk-Entwicklergruppe"),
        QStringLiteral("Alle Rechte vorbehalten."),
        QStringLiteral("Merkwerk-Projekt, entwickelt 2024–2026"),
        QStringLiteral("Musterschule Beispielstadt"),
        QStringLiteral("Musterstraße 1"),
        QStringLiteral("12345 Beispielstadt"),
        QStringLiteral("Telefon: 01234 567890"),
        QStringLiteral("Fax: 01234 567891"),
        QStringLiteral("E-Mail: %1").arg(Mailadresse),
        QStringLiteral("Internet: %1").arg(Homepage),
        QStringLiteral("Erstellt mit Qt %1 und C++20").arg(QLatin1String(qVersion())),
    };
    Information(zeilen.join(QLatin1String("\r\n")));
}

void TForm1::MenuHilfeHomepageClick()
{
    ShellOeffnen(Homepage);
}

void TForm1::MenuHilfeSpendenClick()
{
    ShellOeffnen(Homepage + QLatin1String("spenden.htm"));
}

void TForm1::MenuHilfeMailClick()
{
    ShellOeffnen(QLatin1String("mailto:") + Mailadresse + QLatin1String("?subject=") + InstanzText);
}

void TForm1::MenuHilfeUpdateClick()
{
    const QString pfad = TempOrdner() + QLatin1String("Merkwerk.cfg");
    const QStringList zeilen = {
        InstanzText,
        windowTitle(),
        QCoreApplication::applicationFilePath(),
        QStringLiteral("Merkwerk"),
        QStringLiteral("%1 %2").arg(qRound(ProgrammSchrift().schrift.pointSizeF())).arg(ProgrammSchrift().schrift.family()),
    };
    AttributeZuruecksetzen(pfad);
    Kodierung ansi = Kodierung::Utf8OhneMarke;
    QString fehler;
    if (!BytesSchreiben(pfad, ZeilenInBytes(zeilen, ansi), fehler)) {
        Fehler(QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei \"%1\" konnte nicht "
                              "gespeichert werden.")
                   .arg(Nativ(pfad)));
        return;
    }
    ProgrammStarten(Programmordner() + QLatin1String("Nachlader"), {QStringLiteral("Merkwerk.cfg")});
}

void TForm1::MenuHilfeHistoryClick()
{
    ShellOeffnen(QUrl::fromLocalFile(Programmordner() + QLatin1String("History.txt")).toString());
}
