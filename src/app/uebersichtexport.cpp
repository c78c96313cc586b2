#include "uebersichtexport.h"
#include "konsole.h"

#include "records/datumlesen.h"
#include "records/klassenuebersicht.h"
#include "util/einstellungen.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"
#include "util/speicherziel.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>

namespace {

// A date argument; `ok` is false for a text that is no date.
QDate DatumArgument(const QString &text, const char *option, bool &ok)
{
    if (text.isEmpty())
        return {};
    const QDate datum = DatumLesen(text);
    if (!datum.isValid()) {
        FehlerZeile(QStringLiteral("Das Datum \"%1\" bei --%2 ist ungültig; erwartet wird TT.MM.JJJJ.")
                   .arg(text, QLatin1String(option)));
        ok = false;
    }
    return datum;
}

} // namespace

QString EingestellterDatenordner()
{
    // The rule of the main window's settings: 1 is the documents folder,
    // any other number the program folder; without a stored number the
    // program folder when a folder can be made there.
    const QSettings einstellungen = Einstellungen();
    bool gespeichert = false;
    const qlonglong wahl = einstellungen.value(QStringLiteral("AktOrdner")).toLongLong(&gespeichert);
    const QString programm = Programmordner() + QLatin1String("Merkwerk/");
    if (gespeichert)
        return wahl == 1 ? EigeneDokumente() + QLatin1String("Merkwerk/") : programm;
    return OrdnerAnlegbar(programm) ? programm : EigeneDokumente() + QLatin1String("Merkwerk/");
}

int UebersichtExportieren(const UebersichtAuftrag &auftrag)
{
    if (auftrag.csv.isEmpty()) {
        FehlerZeile(QStringLiteral("Für --uebersicht fehlt die Angabe --csv DATEI."));
        return 2;
    }
    bool ok = true;
    const Zeitraum zeitraum{DatumArgument(auftrag.von, "von", ok), DatumArgument(auftrag.bis, "bis", ok)};
    if (!ok)
        return 2;
    if (zeitraum.von.isValid() && zeitraum.bis.isValid() && zeitraum.von > zeitraum.bis) {
        FehlerZeile(QStringLiteral("Der Zeitraum ist leer: --von liegt nach --bis."));
        return 2;
    }
    const QString ordner =
        auftrag.ordner.isEmpty() ? EingestellterDatenordner() : QDir(auftrag.ordner).absolutePath() + QLatin1Char('/');
    if (!QFileInfo(ordner).isDir()) {
        FehlerZeile(QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(Nativ(ordner)));
        return 2;
    }
    // Never a participant's file, nor a pipe or device under the name.
    const QString ziel = QFileInfo(auftrag.csv).absoluteFilePath();
    if (const QString fehler = SpeicherzielFehler(ziel, {ordner}); !fehler.isEmpty()) {
        FehlerZeile(fehler);
        return 2;
    }
    const Klassenuebersicht uebersicht = KlasseZaehlen(ordner, auftrag.klasse, zeitraum);
    for (const UebersichtZeile &zeile : uebersicht.zeilen) {
        if (!zeile.Lesbar())
            FehlerZeile(zeile.fehler); // the row in the file says so too
    }
    QString fehler;
    if (!BytesSchreiben(ziel, UebersichtCsv(uebersicht.zeilen), fehler)) {
        FehlerZeile(fehler);
        return 1;
    }
    return 0;
}
