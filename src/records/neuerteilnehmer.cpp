#include "neuerteilnehmer.h"

#include "bloecke.h"
#include "teilnehmername.h"
#include "teilnehmerordner.h"
#include "util/datumsnamen.h"
#include "util/heute.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"

#include <algorithm>

QStringList NeueTeilnehmerZeilen(const QString &klasse, const QString &kommentar, const QString &heute)
{
    return {FelderVerbinden(Trimmen(klasse), Trimmen(kommentar)), heute, Blocktrenner};
}

bool TeilnehmerAnlegen(const QString &ordner, const QString &eingabe, const QString &klasse,
                       const QString &kommentar, Kodierung &kodierung, QString &fehler)
{
    const QString name = Trimmen(eingabe);
    if (fehler = NeuerNameFehler(ordner, name); !fehler.isEmpty())
        return false;
    const QStringList namen = TeilnehmerNamen(ordner);
    if (std::any_of(namen.cbegin(), namen.cend(), [&name](const QString &n) { return GleichOhneFall(n, name); })) {
        fehler = QStringLiteral("Der Teilnehmer \"%1\" existiert bereits!").arg(name);
        return false;
    }
    Kodierung neueKodierung = kodierung;
    const QByteArray bytes = ZeilenInBytes(NeueTeilnehmerZeilen(klasse, kommentar, TagStr(Heute())), neueKodierung);
    bool angelegt = false;
    if (BytesSchreiben(ordner + name + QLatin1String(".dat"), bytes, fehler, true, &angelegt))
        fehler.clear();
    if (angelegt)
        kodierung = neueKodierung;
    return angelegt;
}
