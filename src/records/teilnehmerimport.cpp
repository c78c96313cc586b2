#include "teilnehmerimport.h"

#include "bloecke.h"
#include "neuerteilnehmer.h"
#include "teilnehmername.h"
#include "util/einstellungen.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <QHash>
#include <QSettings>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

// The longest name, class and comment "Neuen Teilnehmer erstellen" takes.
constexpr int LaengsteEingabe = 100;
const QString NamensformSchluessel = QStringLiteral("ImportNamensform");

// A header word as compared: lower case, without blanks, umlauts spelled
// out.
QString Kopfform(const QString &zelle)
{
    QString wort;
    for (QChar zeichen : zelle.toLower()) {
        if (zeichen.isSpace() || zeichen == u'-' || zeichen == u'_' || zeichen == u'.' || zeichen == u':')
            continue;
        switch (zeichen.unicode()) {
        case u'ä': wort += QLatin1String("ae"); break;
        case u'ö': wort += QLatin1String("oe"); break;
        case u'ü': wort += QLatin1String("ue"); break;
        case u'ß': wort += QLatin1String("ss"); break;
        default: wort += zeichen;
        }
    }
    return wort;
}

// The cells of a row with one meaning, joined by a blank.
QString Zusammen(const QStringList &zeile, const QList<Spaltenbedeutung> &spalten, Spaltenbedeutung bedeutung)
{
    QStringList teile;
    for (qsizetype n = 0; n < spalten.size() && n < zeile.size(); ++n) {
        if (spalten[n] == bedeutung && !Vereinfacht(zeile[n]).isEmpty())
            teile << Vereinfacht(zeile[n]);
    }
    return teile.join(QLatin1Char(' '));
}

QString NameBilden(const QStringList &zeile, const ImportWahl &wahl)
{
    if (wahl.spalten.contains(Spaltenbedeutung::Name)) {
        if (QString name = Zusammen(zeile, wahl.spalten, Spaltenbedeutung::Name); !name.isEmpty())
            return name;
    }
    const QString nachname = Zusammen(zeile, wahl.spalten, Spaltenbedeutung::Nachname);
    const QString vorname = Zusammen(zeile, wahl.spalten, Spaltenbedeutung::Vorname);
    if (nachname.isEmpty() || vorname.isEmpty())
        return nachname + vorname;
    switch (wahl.form) {
    case Namensform::NachnameKommaVorname:
        return nachname + QLatin1String(", ") + vorname;
    case Namensform::VornameNachname:
        return vorname + QLatin1Char(' ') + nachname;
    case Namensform::NachnameVorname:
        break;
    }
    return nachname + QLatin1Char(' ') + vorname;
}

// Why a class or comment cannot go into the header line; empty when it can.
QString FeldGrund(const QString &text, const QString &was)
{
    if (text.size() > LaengsteEingabe)
        return QStringLiteral("%1 ist länger als %2 Zeichen").arg(was).arg(LaengsteEingabe);
    for (QChar zeichen : text) {
        if (zeichen.unicode() < 32 || zeichen.category() == QChar::Other_Control)
            return QStringLiteral("%1 enthält ein Steuerzeichen (Code %2)").arg(was).arg(zeichen.unicode());
    }
    if (IstTrenner(text))
        return QStringLiteral("%1 enthält den Trenntext \"%2\"").arg(was, Blocktrenner);
    return {};
}

// Why a row cannot become a participant; empty when it can.
QString UngueltigGrund(const ImportZeile &zeile, const QString &ordner)
{
    if (zeile.name.isEmpty())
        return QStringLiteral("kein Name");
    if (zeile.name.size() > LaengsteEingabe)
        return QStringLiteral("der Name ist länger als %1 Zeichen").arg(LaengsteEingabe);
    if (IstTrenner(zeile.name))
        return QStringLiteral("der Name enthält den Trenntext \"%1\"").arg(Blocktrenner);
    if (const QString fehler = NeuerNameFehler(ordner, zeile.name); !fehler.isEmpty()) {
        // The first sentence of the message "Neuen Teilnehmer erstellen" shows.
        QString satz = fehler.section(QLatin1String("\r\n"), 0, 0);
        if (satz.endsWith(u'!'))
            satz.chop(1);
        return satz;
    }
    if (QString grund = FeldGrund(zeile.klasse, QStringLiteral("die Klasse")); !grund.isEmpty())
        return grund;
    return FeldGrund(zeile.kommentar, QStringLiteral("der Kommentar"));
}

} // namespace

QList<Spaltenbedeutung> Spaltenbedeutungen()
{
    return {Spaltenbedeutung::Nachname, Spaltenbedeutung::Vorname, Spaltenbedeutung::Name,
            Spaltenbedeutung::Klasse,   Spaltenbedeutung::Kommentar, Spaltenbedeutung::NichtVerwenden};
}

QString BedeutungText(Spaltenbedeutung bedeutung)
{
    switch (bedeutung) {
    case Spaltenbedeutung::Nachname: return QStringLiteral("Nachname");
    case Spaltenbedeutung::Vorname: return QStringLiteral("Vorname");
    case Spaltenbedeutung::Name: return QStringLiteral("Name");
    case Spaltenbedeutung::Klasse: return QStringLiteral("Klasse");
    case Spaltenbedeutung::Kommentar: return QStringLiteral("Kommentar");
    case Spaltenbedeutung::NichtVerwenden: break;
    }
    return QStringLiteral("nicht verwenden");
}

QList<Namensform> Namensformen()
{
    return {Namensform::NachnameKommaVorname, Namensform::VornameNachname, Namensform::NachnameVorname};
}

QString NamensformText(Namensform form)
{
    switch (form) {
    case Namensform::NachnameKommaVorname: return QStringLiteral("Nachname, Vorname");
    case Namensform::VornameNachname: return QStringLiteral("Vorname Nachname");
    case Namensform::NachnameVorname: break;
    }
    return QStringLiteral("Nachname Vorname");
}

std::optional<Namensform> NamensformAusText(const QString &text)
{
    for (Namensform form : Namensformen()) {
        if (NamensformText(form) == text)
            return form;
    }
    return std::nullopt;
}

std::optional<Namensform> NamensformGespeichert()
{
    return NamensformAusText(Einstellungen().value(NamensformSchluessel).toString());
}

void NamensformMerken(Namensform form)
{
    Einstellungen().setValue(NamensformSchluessel, NamensformText(form));
}

std::optional<Spaltenbedeutung> KopfwortBedeutung(const QString &zelle)
{
    static const QHash<QString, Spaltenbedeutung> woerter = {
        {QStringLiteral("name"), Spaltenbedeutung::Name},
        {QStringLiteral("nachname"), Spaltenbedeutung::Nachname},
        {QStringLiteral("familienname"), Spaltenbedeutung::Nachname},
        {QStringLiteral("vorname"), Spaltenbedeutung::Vorname},
        {QStringLiteral("rufname"), Spaltenbedeutung::Vorname},
        {QStringLiteral("klasse"), Spaltenbedeutung::Klasse},
        {QStringLiteral("lerngruppe"), Spaltenbedeutung::Klasse},
        {QStringLiteral("kurs"), Spaltenbedeutung::Klasse},
        {QStringLiteral("kommentar"), Spaltenbedeutung::Kommentar},
        {QStringLiteral("bemerkung"), Spaltenbedeutung::Kommentar},
    };
    const auto gefunden = woerter.constFind(Kopfform(zelle));
    if (gefunden == woerter.constEnd())
        return std::nullopt;
    return *gefunden;
}

bool IstKopfzeile(const QStringList &zeile)
{
    return std::any_of(zeile.cbegin(), zeile.cend(),
                       [](const QString &zelle) { return KopfwortBedeutung(zelle).has_value(); });
}

int Spaltenzahl(const Tabelle &tabelle)
{
    qsizetype spalten = 0;
    for (const QStringList &zeile : tabelle.zeilen)
        spalten = qMax(spalten, zeile.size());
    return int(spalten);
}

QList<Spaltenbedeutung> SpaltenVorschlagen(const Tabelle &tabelle, bool kopfzeile)
{
    const int anzahl = Spaltenzahl(tabelle);
    QList<Spaltenbedeutung> spalten(anzahl, Spaltenbedeutung::NichtVerwenden);
    if (kopfzeile && !tabelle.zeilen.isEmpty()) {
        const QStringList &kopf = tabelle.zeilen.first();
        for (qsizetype n = 0; n < kopf.size(); ++n)
            spalten[n] = KopfwortBedeutung(kopf[n]).value_or(Spaltenbedeutung::NichtVerwenden);
        return spalten;
    }
    if (anzahl == 1)
        return {Spaltenbedeutung::Name};
    const Spaltenbedeutung reihe[] = {Spaltenbedeutung::Nachname, Spaltenbedeutung::Vorname, Spaltenbedeutung::Klasse,
                                      Spaltenbedeutung::Kommentar};
    for (int n = 0; n < anzahl && n < int(std::size(reihe)); ++n)
        spalten[n] = reihe[n];
    return spalten;
}

QString Vereinfacht(const QString &text)
{
    return Trimmen(text.simplified());
}

QString ZustandText(const ImportZeile &zeile)
{
    switch (zeile.zustand) {
    case ImportZeile::Neu: return QStringLiteral("neu");
    case ImportZeile::Vorhanden: return QStringLiteral("existiert bereits – wird übersprungen");
    case ImportZeile::Ungueltig: break;
    }
    return QStringLiteral("ungültig: %1").arg(zeile.grund);
}

QList<ImportZeile> ImportVorschau(const Tabelle &tabelle, const ImportWahl &wahl, const QString &ordner)
{
    const Teilnehmeranlage ordnerNamen(ordner);
    const QString klasseFuerAlle = Vereinfacht(wahl.klasse);
    QSet<QString> oben; // upper case
    QList<ImportZeile> vorschau;
    for (qsizetype n = wahl.kopfzeile ? 1 : 0; n < tabelle.zeilen.size(); ++n) {
        const QStringList &zellen = tabelle.zeilen[n];
        ImportZeile zeile;
        zeile.zeile = tabelle.zeilennummern.value(n);
        zeile.name = NameBilden(zellen, wahl);
        zeile.klasse = klasseFuerAlle.isEmpty() ? Zusammen(zellen, wahl.spalten, Spaltenbedeutung::Klasse) : klasseFuerAlle;
        zeile.kommentar = Zusammen(zellen, wahl.spalten, Spaltenbedeutung::Kommentar);
        zeile.grund = UngueltigGrund(zeile, ordner);
        const QString gross = Gross(zeile.name);
        if (!zeile.grund.isEmpty())
            zeile.zustand = ImportZeile::Ungueltig;
        else if (ordnerNamen.Vorhanden(zeile.name) || oben.contains(gross))
            zeile.zustand = ImportZeile::Vorhanden;
        else
            oben.insert(gross);
        vorschau << zeile;
    }
    return vorschau;
}

ImportErgebnis TeilnehmerImportieren(const QString &ordner, const QList<ImportZeile> &zeilen, Kodierung kodierung,
                                     const std::function<bool(int, int)> &weiter)
{
    ImportErgebnis ergebnis;
    Teilnehmeranlage anlage(ordner);
    const int gesamt = int(zeilen.size());
    for (int n = 0; n < gesamt; ++n) {
        if (weiter && !weiter(n, gesamt)) {
            ergebnis.abgebrochen = true;
            ergebnis.uebersprungen += gesamt - n;
            break;
        }
        const ImportZeile &zeile = zeilen[n];
        // A name taken meanwhile is skipped like one taken before.
        if (zeile.zustand != ImportZeile::Neu || anlage.Vorhanden(zeile.name)) {
            ++ergebnis.uebersprungen;
            continue;
        }
        // Each file in the encoding of the rule, not in the one the last took.
        Kodierung dieseKodierung = kodierung;
        QString fehler;
        if (anlage.Anlegen(zeile.name, zeile.klasse, zeile.kommentar, dieseKodierung, fehler)) {
            ++ergebnis.angelegt;
        } else {
            ++ergebnis.uebersprungen;
            ergebnis.fehler << QStringLiteral("%1: %2").arg(zeile.name, Einzeilig(fehler));
        }
    }
    ergebnis.unbestaetigt = anlage.Abschliessen();
    return ergebnis;
}

QString ImportBericht(const ImportErgebnis &ergebnis)
{
    QString text = QStringLiteral("%1 Teilnehmer wurden angelegt, %2 übersprungen.")
                       .arg(TausenderPunkte(ergebnis.angelegt), TausenderPunkte(ergebnis.uebersprungen));
    if (ergebnis.abgebrochen)
        text += QStringLiteral("\r\nDer Import wurde abgebrochen.");
    if (!ergebnis.fehler.isEmpty())
        text += QStringLiteral("\r\nNicht angelegt:\r\n") + ergebnis.fehler.join(QLatin1String("\r\n"));
    if (!ergebnis.unbestaetigt.isEmpty())
        text += QStringLiteral("\r\n") + ergebnis.unbestaetigt;
    return text;
}
