// The table reader and the import rules on any bytes: no crash; the rows
// hold no more characters than the text; every row has content; a table
// written again with every field in quotes reads back as the same rows;
// every preview row has a state, and a "neu" row a name that can be used.

#include "start.h"

#include "records/tabellenleser.h"
#include "records/teilnehmerimport.h"
#include "records/teilnehmername.h"
#include "util/texte.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QString Angefuehrt(const QString &feld)
{
    QString text = feld;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString WiederGeschrieben(const Tabelle &tabelle)
{
    QString text;
    for (const QStringList &zeile : tabelle.zeilen) {
        QStringList felder;
        for (const QString &feld : zeile)
            felder << Angefuehrt(feld);
        text += felder.join(tabelle.trenner) + QLatin1String("\r\n");
    }
    return text;
}

const QString &LeererOrdner()
{
    static QTemporaryDir ordner;
    static const QString pfad = ordner.path() + QLatin1Char('/');
    return pfad;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const Tabelle tabelle = TabelleLesen(bytes);
    PRUEFEN_GLEICH(tabelle.zeilen.size(), tabelle.zeilennummern.size());
    qsizetype zeichen = 0;
    int vorige = 0;
    for (qsizetype n = 0; n < tabelle.zeilen.size(); ++n) {
        const QStringList &zeile = tabelle.zeilen[n];
        PRUEFEN(!zeile.isEmpty());
        PRUEFEN(tabelle.zeilennummern[n] > vorige);
        vorige = tabelle.zeilennummern[n];
        bool inhalt = false;
        for (const QString &feld : zeile) {
            zeichen += feld.size();
            inhalt = inhalt || !Trimmen(feld).isEmpty();
        }
        PRUEFEN(inhalt);
    }
    PRUEFEN(zeichen <= bytes.size());
    PRUEFEN(vorige <= bytes.count('\n') + bytes.count('\r') + 1);

    const Tabelle wieder = TabelleZerlegen(WiederGeschrieben(tabelle), tabelle.trenner);
    PRUEFEN(wieder.zeilen == tabelle.zeilen);

    const bool kopf = !tabelle.zeilen.isEmpty() && IstKopfzeile(tabelle.zeilen.first());
    ImportWahl wahl;
    wahl.kopfzeile = kopf;
    wahl.spalten = SpaltenVorschlagen(tabelle, kopf);
    PRUEFEN_GLEICH(wahl.spalten.size(), qsizetype(Spaltenzahl(tabelle)));
    const QList<ImportZeile> vorschau = ImportVorschau(tabelle, wahl, LeererOrdner());
    PRUEFEN_GLEICH(vorschau.size(), tabelle.zeilen.size() - (kopf ? 1 : 0));
    for (const ImportZeile &zeile : vorschau) {
        PRUEFEN(!ZustandText(zeile).isEmpty());
        PRUEFEN(zeile.zustand == ImportZeile::Ungueltig || NeuerNameFehler(LeererOrdner(), zeile.name).isEmpty());
        PRUEFEN(zeile.zustand != ImportZeile::Ungueltig || !zeile.grund.isEmpty());
    }
    return 0;
}
