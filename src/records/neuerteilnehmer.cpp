#include "neuerteilnehmer.h"

#include "bloecke.h"
#include "teilnehmername.h"
#include "teilnehmerordner.h"
#include "util/datumsnamen.h"
#include "util/heute.h"
#include "util/dateifehler.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"

QStringList NeueTeilnehmerZeilen(const QString &klasse, const QString &kommentar, const QString &heute)
{
    return {FelderVerbinden(Trimmen(klasse), Trimmen(kommentar)), heute, Blocktrenner};
}

bool TeilnehmerAnlegen(const QString &ordner, const QString &eingabe, const QString &klasse,
                       const QString &kommentar, Kodierung &kodierung, QString &fehler)
{
    return Teilnehmeranlage(ordner).Anlegen(eingabe, klasse, kommentar, kodierung, fehler, true);
}

Teilnehmeranlage::Teilnehmeranlage(const QString &ordner) : ordner(ordner)
{
    for (const QString &name : TeilnehmerNamen(ordner))
        namen.insert(Gross(name));
}

bool Teilnehmeranlage::Vorhanden(const QString &name) const
{
    return namen.contains(Gross(Trimmen(name)));
}

bool Teilnehmeranlage::Anlegen(const QString &eingabe, const QString &klasse, const QString &kommentar,
                               Kodierung &kodierung, QString &fehler, bool ordnerSyncen)
{
    const QString name = Trimmen(eingabe);
    if (fehler = NeuerNameFehler(ordner, name); !fehler.isEmpty())
        return false;
    if (Vorhanden(name)) {
        fehler = QStringLiteral("Der Teilnehmer \"%1\" existiert bereits!").arg(name);
        return false;
    }
    Kodierung neueKodierung = kodierung;
    const QByteArray bytes = ZeilenInBytes(NeueTeilnehmerZeilen(klasse, kommentar, TagStr(Heute())), neueKodierung);
    bool angelegt = false;
    if (BytesSchreiben(ordner + name + QLatin1String(".dat"), bytes, fehler, true, &angelegt, ordnerSyncen))
        fehler.clear();
    if (!angelegt)
        return false;
    kodierung = neueKodierung;
    namen.insert(Gross(name));
    ungesynct = ungesynct || !ordnerSyncen;
    return true;
}

QString Teilnehmeranlage::Abschliessen()
{
    if (!ungesynct)
        return {};
    ungesynct = false;
    const int fehlernummer = OrdnerSyncen(ordner);
    return fehlernummer ? UnbestaetigtText(ordner, SystemFehlerText(fehlernummer)) : QString();
}
