// Whole days: a new day, deleting the shown day, inserting a date.

#include "haupt.h"

#include "records/bloecke.h"
#include "ui/meldungen.h"
#include "util/datumsnamen.h"
#include "util/heute.h"
#include "util/ordner.h"

#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

void TForm1::MenuAktNeuenTagClick()
{
    if (!Frage(QStringLiteral("Soll ein neuer Tag erstellt werden?")))
        return;
    if (!Speichern(true))
        return;
    const QStringList vorher = DatSl;
    const int vorherNummer = FAktNummer;
    setDatum(TagStr(Heute()));
    setAnmerkung(QString());
    setHausaufgabe(0);
    RichEdit1->clear();
    Tag tag;
    tag.datum = Datum();
    tag.anmerkung = Anmerkung();
    tag.hausaufgabe = Hausaufgabe();
    QStringList mitNeuemTag = DatSl;
    const QStringList block = TagBlock(tag);
    for (qsizetype n = 0; n < block.size(); ++n)
        mitNeuemTag.insert(1 + n, block.at(n));
    ZeilenUebernehmen(std::move(mitNeuemTag));
    setAktNummer(1);
    if (!Speichern(true)) {
        // Not in the file, so not shown: the day before comes back.
        ZeilenUebernehmen(vorher);
        setAktNummer(vorherNummer);
        return;
    }
    Edit3->setFocus();
}

void TForm1::MenuBearbHeuteClick()
{
    if (auto *eintrag = qobject_cast<QAction *>(sender()))
        DatumEinfuegen(eintrag->data().toInt());
}

void TForm1::DatumEinfuegen(int wahl)
{
    QDate datum = Heute();
    if (wahl == Menutag::Gestern)
        datum = datum.addDays(-1);
    else if (wahl == Menutag::Morgen)
        datum = datum.addDays(1);
    const QString text = TagStr(datum);
    if (!Frage(QStringLiteral("Soll der Text \"%1\" in das Datum-Eingabefeld eingefügt werden?").arg(text)))
        return;
    Edit3->setFocus();
    setDatum(text);
}

void TForm1::PuEdit3MenuPopup(const QPoint &stelle)
{
    UpdateMenus();
    PuEdit3Menu->popup(Edit3->mapToGlobal(stelle));
}

void TForm1::MenuAktTagLoeschenClick()
{
    if (Frage(QStringLiteral("Soll der Tag \"%1\" vom Teilnehmer \"%2\" gelöscht werden?").arg(Datum(), Teilnehmer())))
        TagLoeschen(FAktNummer);
}

void TForm1::TagLoeschen(int nummer)
{
    if (nummer > MaxNummer())
        return;
    if (!Speichern(false))
        return;
    const QStringList vorher = DatSl;
    ZeilenUebernehmen(TagEntfernen(DatSl, nummer));
    if (MaxNummer() > 0) {
        setAktNummer(qMin(FAktNummer, MaxNummer()));
        if (!Speichern(true)) {
            // The file still holds the day: so does the window.
            ZeilenUebernehmen(vorher);
            setAktNummer(nummer);
            return;
        }
        Edit3->setFocus();
        return;
    }
    const QString name = Teilnehmer();
    QString grund;
    if (!DateiEntfernen(FDatFilename, grund)) {
        ZeilenUebernehmen(vorher);
        setAktNummer(nummer);
        Fehler(QStringLiteral("Datei \"%1\" kann nicht gelöscht werden. %2").arg(Nativ(FDatFilename), grund));
        return;
    }
    Information(QStringLiteral("Keine weiteren Tage mehr vorhanden!\r\nDer Teilnehmer \"%1\" wurde gelöscht.").arg(name));
    setDatFilename(QString());
    Edit1->setFocus();
}
