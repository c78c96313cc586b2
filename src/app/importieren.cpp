#include "importieren.h"
#include "konsole.h"

#include "records/teilnehmerimport.h"
#include "uebersichtexport.h"
#include "util/dateilesen.h"
#include "util/dateifehler.h"
#include "util/einstellungen.h"
#include "util/ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

int FalscheAngabe(const QString &text)
{
    FehlerZeile(text);
    return 2;
}

QString Formen()
{
    QStringList formen;
    for (Namensform form : Namensformen())
        formen << QLatin1Char('"') + NamensformText(form) + QLatin1Char('"');
    return formen.join(QLatin1String(", "));
}

} // namespace

int ImportAusfuehren(const ImportAuftrag &auftrag)
{
    std::optional<Namensform> form = NamensformGespeichert();
    if (!auftrag.namensform.isEmpty()) {
        form = NamensformAusText(auftrag.namensform);
        if (!form)
            return FalscheAngabe(QStringLiteral("Die Namensform \"%1\" bei --namensform ist unbekannt; erwartet wird eine "
                                         "von %2.")
                              .arg(auftrag.namensform, Formen()));
    }
    const bool eingestellt = auftrag.ordner.isEmpty();
    const QString ordner = eingestellt ? EingestellterDatenordner() : QDir(auftrag.ordner).absolutePath() + QLatin1Char('/');
    // The data folder of the settings is made as the program makes it at its start.
    if (eingestellt && !QFileInfo(ordner).exists())
        PrivatenOrdnerAnlegen(ordner);
    if (!QFileInfo(ordner).isDir())
        return FalscheAngabe(QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(Nativ(ordner)));
    QByteArray bytes;
    QString grund;
    if (!DateiLesen(auftrag.datei, bytes, grund))
        return FalscheAngabe(LeseFehlerText(QFileInfo(auftrag.datei).absoluteFilePath(), grund));

    const Tabelle tabelle = TabelleLesen(bytes);
    ImportWahl wahl;
    wahl.kopfzeile = !tabelle.zeilen.isEmpty() && IstKopfzeile(tabelle.zeilen.first());
    wahl.spalten = SpaltenVorschlagen(tabelle, wahl.kopfzeile);
    wahl.form = form.value_or(Namensform::NachnameKommaVorname);
    wahl.klasse = auftrag.klasse;
    const QList<ImportZeile> vorschau = ImportVorschau(tabelle, wahl, ordner);
    bool ungueltig = false;
    for (const ImportZeile &zeile : vorschau) {
        if (zeile.zustand == ImportZeile::Neu)
            continue;
        ungueltig = ungueltig || zeile.zustand == ImportZeile::Ungueltig;
        AusgabeZeile(QStringLiteral("Zeile %1: \"%2\" – %3").arg(zeile.zeile).arg(zeile.name, ZustandText(zeile)));
    }
    // Files of the program's own are made in UTF-8 with mark until one is read.
    const ImportErgebnis ergebnis = TeilnehmerImportieren(ordner, vorschau, Kodierung::Utf8MitMarke);
    AusgabeZeile(QString(ImportBericht(ergebnis)).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    return ungueltig || !ergebnis.fehler.isEmpty() || !ergebnis.unbestaetigt.isEmpty() ? 1 : 0;
}
