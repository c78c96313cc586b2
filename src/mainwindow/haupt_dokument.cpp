// The participant document: loading and closing, showing a day, the change
// test and the save.

#include "haupt.h"

#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "ui/meldungen.h"
#include "records/teilnehmerordner.h"
#include "util/dateistand.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cstdio>

namespace {

// Class and comment are shown up to this length: a field lays out its
// whole text at every change, and a header line of megabytes would take
// seconds and gigabytes each time. The values themselves stay whole.
constexpr qsizetype Feldgrenze = 10000;

void FeldSetzen(QLineEdit *feld, const QString &text)
{
    feld->setText(text);
    feld->setCursorPosition(0);
}

} // namespace

void TForm1::FensterTitelSetzen(const QString &name)
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(name, InstanzText));
}

void TForm1::setDatFilename(const QString &name)
{
    // A name never leads out of the data folder.
    const bool gueltig = !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String("..");
    const QString ordner = DatenOrdnerPfad();
    FDatFilename = gueltig ? TeilnehmerPfad(ordner, name) : ordner + name + QLatin1String(".dat");
    ZeilenUebernehmen({});
    setKlasse(QString());
    setTeilnehmer(QString());
    setKommentar(QString());
    if (!gueltig || !QFileInfo(FDatFilename).isFile()) {
        FDatFilename = ordner;
        FensterTitelSetzen(QStringLiteral("KeinName"));
        setAktNummer(FAktNummer);
        return;
    }
    AttributeZuruecksetzen(FDatFilename);
    if (!DateiLesen(FDatFilename))
        return;
    FensterTitelSetzen(name);
    setTeilnehmer(name);
    const Felder kopf = FelderTeilen(DatSl.first());
    setKlasse(kopf.erstes);
    setKommentar(kopf.zweites);
    FAktNummer = 1;
    setAktNummer(FAktNummer);
    Edit1->setFocus();
}

bool TForm1::DateiLesen(const QString &pfad)
{
    QString fehler;
    QStringList zeilen;
    Kodierung kodierung = DatKodierung;
    const DateiStand stand = StandVon(pfad);
    if (!ZeilenLesen(pfad, zeilen, kodierung, fehler)) {
        Fehler(fehler);
        return false;
    }
    ZeilenVorbereiten(zeilen);
    ZeilenUebernehmen(std::move(zeilen));
    DatKodierung = kodierung;
    FDateiStand = stand;
    return true;
}

void TForm1::ZeilenUebernehmen(QStringList zeilen)
{
    const int tage = TageZaehlen(zeilen);
    ZeilenUebernehmen(std::move(zeilen), tage);
}

void TForm1::ZeilenUebernehmen(QStringList zeilen, int tage)
{
    DatSl = std::move(zeilen);
    tageZahl = tage;
}

int TForm1::MaxNummer() const
{
    return tageZahl;
}

void TForm1::FelderLeeren()
{
    setDatum(QString());
    setAnmerkung(QString());
    setHausaufgabe(0);
    RichEdit1->clear();
}

void TForm1::ZeigeNummer(int nummer)
{
    SaveTeilnehmer.clear();
    SaveKlasse.clear();
    SaveKommentar.clear();
    SaveDatum.clear();
    SaveAnmerkung.clear();
    SaveRe.clear();
    SaveRg = 0;
    setKommentar(Kommentar());
    FelderLeeren();
    if (nummer == 0)
        return;
    const Tag tag = TagLesen(DatSl, nummer);
    setDatum(tag.datum);
    setAnmerkung(tag.anmerkung);
    setHausaufgabe(tag.hausaufgabe);
    if (!tag.infos.isEmpty())
        RichEdit1->setPlainText(tag.infos.join(QLatin1Char('\n')));
    SchnappschussNehmen();
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TForm1::SchnappschussNehmen()
{
    SaveTeilnehmer = Teilnehmer();
    SaveKlasse = Klasse();
    SaveKommentar = Kommentar();
    SaveDatum = Datum();
    SaveAnmerkung = Anmerkung();
    SaveRg = Hausaufgabe();
    SaveRe = InfoText();
}

bool TForm1::Geaendert() const
{
    return Teilnehmer() != SaveTeilnehmer || Klasse() != SaveKlasse || Kommentar() != SaveKommentar
           || Datum() != SaveDatum || Anmerkung() != SaveAnmerkung || Hausaufgabe() != SaveRg
           || InfoText() != SaveRe;
}

namespace {

// The separator text in an info line would end the day there, and the
// lines after it would be read as another day's date and homework.
bool InfosMitTrenner(const QStringList &infos)
{
    return std::any_of(infos.cbegin(), infos.cend(), [](const QString &zeile) { return zeile.contains(Blocktrenner); });
}

} // namespace

Tag TForm1::AngezeigterTag() const
{
    Tag tag;
    tag.datum = Datum();
    tag.anmerkung = Anmerkung();
    tag.hausaufgabe = Hausaufgabe();
    tag.infos = InfoZeilen();
    return tag;
}

QStringList TForm1::ZeilenMitTag(const Tag &tag, int &tage) const
{
    const QStringList block = TagBlock(tag);
    QStringList neu = TagErsetzen(DatSl, FelderVerbinden(Klasse(), Kommentar()), FAktNummer, block);
    // The shown day's block replaced the one day it was; no other line changed.
    const bool ersetzt = FAktNummer >= 1 && FAktNummer <= tageZahl;
    tage = ersetzt ? tageZahl - 1 + TrennerZeilen(block) : tageZahl;
    Q_ASSERT(tage == TageZaehlen(neu));
    return neu;
}

bool TForm1::Speichern(bool unbedingtS)
{
    if (Teilnehmer().isEmpty() || (!unbedingtS && !Geaendert()))
        return true;
    const Tag tag = AngezeigterTag();
    if (InfosMitTrenner(tag.infos)) {
        Fehler(QStringLiteral("Die Infos dürfen den Text \"%1\" nicht enthalten, denn er trennt in der Datei "
                              "die Tage. Bitte ändern Sie diese Zeile.")
                   .arg(Blocktrenner));
        return false;
    }
    int tage = 0;
    QStringList neu = ZeilenMitTag(tag, tage);
    if (FremdGeaendert(FDateiStand, StandVon(FDatFilename)))
        return FremdeAenderungBehandeln(neu);
    // The document and the snapshot take the new state only once it is on
    // disk: after a failure the edit stays in the fields, and the next save
    // tries again. A failure past the rename (the folder's sync) leaves the
    // file written: its new state is this program's own, never another's.
    QString fehler;
    bool geschrieben = false;
    const bool ok = ZeilenMitSicherungSchreiben(FDatFilename, neu, DatKodierung, fehler, &geschrieben);
    if (!geschrieben) {
        Fehler(fehler);
        return false;
    }
    Geschrieben(std::move(neu), tage);
    if (!ok)
        Fehler(fehler);
    return true;
}

void TForm1::Geschrieben(QStringList neu, int tage)
{
    FDateiStand = StandVon(FDatFilename);
    ZeilenUebernehmen(std::move(neu), tage);
    SchnappschussNehmen();
    SicherungsErinnerung();
}

QString TForm1::ZumSchlussSpeichern()
{
    if (Teilnehmer().isEmpty() || !Geaendert())
        return {};
    const Tag tag = AngezeigterTag();
    int tage = 0;
    QStringList neu = ZeilenMitTag(tag, tage);
    QString fehler, konflikt;
    // Nobody may be there to answer: what the file cannot take as it is
    // goes beside it. A message that the drive did not confirm a write goes
    // to the error output.
    bool geschrieben = false;
    if (!InfosMitTrenner(tag.infos) && !FremdGeaendert(FDateiStand, StandVon(FDatFilename)))
        ZeilenMitSicherungSchreiben(FDatFilename, neu, DatKodierung, fehler, &geschrieben);
    if (geschrieben) {
        Geschrieben(std::move(neu), tage);
    } else if (!KonfliktSchreiben(neu, konflikt, fehler)) {
        konflikt.clear();
    }
    if (!fehler.isEmpty())
        std::fputs((fehler + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    // Whatever follows finds nothing more to save.
    SchnappschussNehmen();
    return konflikt;
}

bool TForm1::KonfliktSchreiben(const QStringList &neu, QString &konflikt, QString &fehler)
{
    // An earlier conflict's file is kept: the next one takes a number, and
    // none replaces another file.
    konflikt = FDatFilename + QLatin1String(".konflikt");
    for (int nummer = 2; QFileInfo::exists(konflikt); ++nummer)
        konflikt = FDatFilename + QLatin1String(".konflikt") + QString::number(nummer);
    Kodierung kodierung = DatKodierung;
    fehler.clear();
    bool geschrieben = false;
    ZeilenSchreiben(konflikt, neu, kodierung, fehler, &geschrieben, true);
    return geschrieben;
}

bool TForm1::FremdeAenderungBehandeln(const QStringList &neu)
{
    const bool geloescht = StandVon(FDatFilename).Fehlt();
    const QString frage = geloescht ? QStringLiteral("Die Datei \"%1\" wurde inzwischen von einem anderen Programm "
                                                     "gelöscht. Trotzdem speichern?")
                                    : QStringLiteral("Die Datei \"%1\" wurde inzwischen von einem anderen Programm "
                                                     "geändert. Trotzdem überschreiben?");
    if (Frage(frage.arg(Nativ(FDatFilename)))) {
        FDateiStand = StandVon(FDatFilename);
        return Speichern(true);
    }
    // Nothing is lost either way: this copy's lines go beside the file, and
    // the file as the other program left it is shown.
    QString konflikt, fehler;
    if (!KonfliktSchreiben(neu, konflikt, fehler)) {
        Fehler(fehler);
        return false;
    }
    if (!fehler.isEmpty())
        Fehler(fehler);
    const QString name = Teilnehmer();
    const QString datei = FDatFilename;
    const int nummer = FAktNummer;
    setDatFilename(name);
    setAktNummer(nummer);
    if (geloescht) {
        Information(QStringLiteral("Ihre Änderungen wurden in der Datei \"%1\" gespeichert.\r\nDie Datei \"%2\" gibt "
                                   "es nicht mehr; der Teilnehmer \"%3\" wurde geschlossen.")
                        .arg(Nativ(konflikt), Nativ(datei), name));
        return true;
    }
    Information(QStringLiteral("Ihre Änderungen wurden in der Datei \"%1\" gespeichert.\r\nDer Teilnehmer \"%2\" "
                               "wurde so, wie ihn das andere Programm gespeichert hat, neu geladen.")
                    .arg(Nativ(konflikt), name));
    return true;
}

QString TForm1::InfoText() const
{
    // Block by block, so that no character is replaced on the way; a soft
    // line break is a line break like any other.
    QStringList bloecke;
    for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next())
        bloecke << block.text().replace(QChar::LineSeparator, QLatin1Char('\n'));
    return bloecke.join(QLatin1Char('\n'));
}

QStringList TForm1::InfoZeilen() const
{
    QTextDocument *dokument = RichEdit1->document();
    QAbstractTextDocumentLayout *layout = dokument->documentLayout();
    QStringList zeilen;
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out if it is not yet
        const QTextLayout *textLayout = block.layout();
        const QString text = block.text();
        if (!textLayout || textLayout->lineCount() == 0) {
            zeilen << text;
            continue;
        }
        for (int n = 0; n < textLayout->lineCount(); ++n) {
            const QTextLine zeile = textLayout->lineAt(n);
            // A soft line break (pasted, or from an old file) ends its line.
            QString teil = text.mid(zeile.textStart(), zeile.textLength());
            if (teil.endsWith(QChar::LineSeparator))
                teil.chop(1);
            zeilen << teil.split(QChar::LineSeparator);
        }
    }
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QString TForm1::Teilnehmer() const
{
    return Trimmen(Edit1->text());
}

void TForm1::setTeilnehmer(const QString &wert)
{
    FeldSetzen(Edit1, wert);
    UpdateMenus();
}

QString TForm1::Klasse() const
{
    return FKlasse;
}

void TForm1::setKlasse(const QString &wert)
{
    FKlasse = Trimmen(wert);
    FeldSetzen(Edit2, Gekuerzt(wert, Feldgrenze));
}

QString TForm1::Kommentar() const
{
    return FKommentar;
}

void TForm1::setKommentar(const QString &wert)
{
    FKommentar = Trimmen(wert);
    FeldSetzen(Edit4, Gekuerzt(wert, Feldgrenze));
}

QString TForm1::Datum() const
{
    return Trimmen(Edit3->text());
}

void TForm1::setDatum(const QString &wert)
{
    FeldSetzen(Edit3, Trimmen(wert));
}

QString TForm1::Anmerkung() const
{
    return Trimmen(Edit5->text());
}

void TForm1::setAnmerkung(const QString &wert)
{
    FeldSetzen(Edit5, wert);
}

int TForm1::Hausaufgabe() const
{
    for (int index = 0; index < 3; ++index) {
        if (RadioItems[index]->isChecked())
            return index;
    }
    return 0;
}

void TForm1::setHausaufgabe(int index)
{
    RadioItems[qBound(0, index, 2)]->setChecked(true);
}
