#include "klassentagdlg.h"

#include "klassentagtabelle.h"
#include "records/bloecke.h"
#include "records/teilnehmerordner.h"
#include "ui/dialoganordnung.h"
#include "ui/fortschritt.h"
#include "ui/meldungen.h"
#include "ui/platzierung.h"
#include "ui/programmschrift.h"
#include "ui/rollflaeche.h"
#include "ui/schalterhoehe.h"
#include "util/heute.h"
#include "util/texte.h"
#include "util/zahlen.h"
#include "zeitraumwahl.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int Randbreite = 10;
const QString OhneKlasseText = QStringLiteral("(ohne Klasse)");

// Controls laid out left to right, a new row where the next would pass `breite`.
struct Fluss {
    int breite;
    int x = Randbreite, y = Randbreite, zeilenHoehe = 0, rechts = 0;

    // Places a group of controls `hoehe` high, each with its width, side by
    // side with 5 between them; labels are centred on the row.
    void Setzen(const QList<std::pair<QWidget *, int>> &gruppe, int hoehe)
    {
        int gesamt = -5;
        for (const auto &[w, b] : gruppe)
            gesamt += b + 5;
        if (x > Randbreite && x + gesamt > breite - Randbreite)
            Umbruch();
        for (const auto &[w, b] : gruppe) {
            const int h = qobject_cast<QLabel *>(w) ? qMin(hoehe, w->sizeHint().height()) : hoehe;
            w->setGeometry(x, y + (hoehe - h) / 2, b, h);
            x += b + 5;
        }
        rechts = qMax(rechts, x - 5);
        x += 2 * Randbreite - 5;
        zeilenHoehe = qMax(zeilenHoehe, hoehe);
    }
    void Umbruch()
    {
        y += zeilenHoehe + Randbreite;
        x = Randbreite;
        zeilenHoehe = 0;
    }
    int Unten() const { return y + zeilenHoehe; }
};

// A button's width: what the style asks, and room for its caption in the
// program font whatever its style (bold captions were cut off otherwise).
int Knopfbreite(const QList<QPushButton *> &knoepfe, int standard)
{
    int breite = KnopfBreite(knoepfe, standard);
    for (QPushButton *knopf : knoepfe)
        breite = qMax(breite, LabelBreite(ProgrammSchrift().schrift, knopf->text()) + 2 * Zeilenhoehe(knopf->font()) / 3);
    return breite;
}

int Textbreite(QLabel *label)
{
    return qMax(LabelBreite(label->font(), label->text()), label->sizeHint().width());
}

} // namespace

TKlassentagForm::TKlassentagForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("KlassentagForm"));
    setWindowTitle(QStringLiteral("Klassentag erfassen"));
    // At large print the controls scroll inside the dialog.
    Rollbereich = new Rollflaeche(this);
    flaeche = new QWidget;
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    Rollbereich->setWidget(flaeche);

    LabelKlasse = new QLabel(flaeche);
    AuswahlKlasse = new QComboBox(flaeche);
    AuswahlKlasse->setObjectName(QStringLiteral("AuswahlKlasse"));
    AuswahlKlasse->setAccessibleName(QStringLiteral("Klasse"));
    LabelKlasse->setBuddy(AuswahlKlasse);

    LabelDatum = new QLabel(flaeche);
    FeldDatum = new QDateEdit(flaeche);
    FeldDatum->setObjectName(QStringLiteral("FeldDatum"));
    FeldDatum->setAccessibleName(QStringLiteral("Datum"));
    FeldDatum->setLocale(QLocale(QLocale::German, QLocale::Germany));
    FeldDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    FeldDatum->setCalendarPopup(true);
    LabelDatum->setBuddy(FeldDatum);
    KnopfVortag = new QPushButton(flaeche);
    KnopfVortag->setObjectName(QStringLiteral("KnopfVortag"));
    KnopfFolgetag = new QPushButton(flaeche);
    KnopfFolgetag->setObjectName(QStringLiteral("KnopfFolgetag"));

    LabelSuche = new QLabel(flaeche);
    FeldSuche = new QLineEdit(flaeche);
    FeldSuche->setObjectName(QStringLiteral("FeldSuche"));
    FeldSuche->setAccessibleName(QStringLiteral("Name suchen"));
    LabelSuche->setBuddy(FeldSuche);

    LabelTabelle = new QLabel(flaeche);
    Modell = new KlassentagModell(this);
    TabelleKlasse = new KlassentagTabelle(flaeche);
    TabelleKlasse->setObjectName(QStringLiteral("TabelleKlasse"));
    TabelleKlasse->setAccessibleName(QStringLiteral("Teilnehmer der Klasse"));
    TabelleKlasse->setAccessibleDescription(
        QStringLiteral("Je Teilnehmer eine Zeile: Name, Hausaufgabe, Anmerkung, Infos und Stand. F, N und J setzen "
                       "Fehlt, Nein oder Ja, Entf nimmt den Eintrag zurück, Eingabe oder F2 bearbeitet die Anmerkung."));
    TabelleKlasse->setModel(Modell);
    auto *editor = new KlassentagEditor(TabelleKlasse);
    TabelleKlasse->setItemDelegate(editor);
    LabelTabelle->setBuddy(TabelleKlasse);
    LabelHinweis = new QLabel(flaeche);
    LabelHinweis->setObjectName(QStringLiteral("LabelHinweis"));
    LabelHinweis->setWordWrap(true);

    KnopfAlleJa = new QPushButton(flaeche);
    KnopfAlleJa->setObjectName(QStringLiteral("KnopfAlleJa"));
    KnopfSpeichern = new QPushButton(flaeche);
    KnopfSpeichern->setObjectName(QStringLiteral("KnopfSpeichern"));
    KnopfSchliessen = new QPushButton(flaeche);
    KnopfSchliessen->setObjectName(QStringLiteral("KnopfSchliessen"));
    // Enter belongs to the table (the remark), never to a button.
    for (QPushButton *knopf : {KnopfVortag, KnopfFolgetag, KnopfAlleJa, KnopfSpeichern, KnopfSchliessen})
        knopf->setAutoDefault(false);

    connect(KnopfAlleJa, &QPushButton::clicked, this, &TKlassentagForm::KnopfAlleJaClick);
    connect(KnopfSpeichern, &QPushButton::clicked, this, &TKlassentagForm::KnopfSpeichernClick);
    connect(KnopfSchliessen, &QPushButton::clicked, this, &TKlassentagForm::reject);
    connect(KnopfVortag, &QPushButton::clicked, this, [this] { FeldDatum->setDate(FeldDatum->date().addDays(-1)); });
    connect(KnopfFolgetag, &QPushButton::clicked, this, [this] { FeldDatum->setDate(FeldDatum->date().addDays(1)); });
    connect(FeldDatum, &QDateEdit::dateChanged, this, &TKlassentagForm::DatumGeaendert);
    connect(AuswahlKlasse, &QComboBox::activated, this, &TKlassentagForm::KlasseGewaehlt);
    connect(FeldSuche, &QLineEdit::textEdited, this, &TKlassentagForm::NameSuchen);
    connect(FeldSuche, &QLineEdit::returnPressed, TabelleKlasse, qOverload<>(&QWidget::setFocus));
    connect(TabelleKlasse, &KlassentagTabelle::StatusGewaehlt, this, &TKlassentagForm::StatusSetzen);
    connect(TabelleKlasse, &KlassentagTabelle::Zuruecksetzen, this, &TKlassentagForm::Zuruecksetzen);
    connect(TabelleKlasse, &KlassentagTabelle::NameGetippt, this, [this](const QString &text) {
        FeldSuche->setFocus();
        FeldSuche->setText(text);
        NameSuchen(text);
    });
    connect(Modell, &KlassentagModell::TrennerAbgelehnt, this, &TKlassentagForm::TrennerMelden);
    connect(editor, &KlassentagEditor::TrennerAbgelehnt, this, &TKlassentagForm::TrennerMelden);
    connect(Modell, &QAbstractItemModel::dataChanged, this, &TKlassentagForm::HinweisZeigen);

    setTabOrder(AuswahlKlasse, FeldDatum);
    setTabOrder(FeldDatum, KnopfVortag);
    setTabOrder(KnopfVortag, KnopfFolgetag);
    setTabOrder(KnopfFolgetag, FeldSuche);
    setTabOrder(FeldSuche, TabelleKlasse);
    setTabOrder(TabelleKlasse, KnopfAlleJa);
    setTabOrder(KnopfAlleJa, KnopfSpeichern);
    setTabOrder(KnopfSpeichern, KnopfSchliessen);
    CaptionZuweisen();
}

void TKlassentagForm::CaptionZuweisen()
{
    // Set anew before each arrangement: a button measures its caption in
    // the font it has then.
    LabelKlasse->setText(QStringLiteral("&Klasse:"));
    LabelDatum->setText(QStringLiteral("&Datum:"));
    KnopfVortag->setText(QStringLiteral("&Vortag"));
    KnopfFolgetag->setText(QStringLiteral("&Folgetag"));
    LabelSuche->setText(QStringLiteral("&Name suchen:"));
    LabelTabelle->setText(QStringLiteral("&Teilnehmer:"));
    KnopfAlleJa->setText(QStringLiteral("Alle übrigen: &Ja"));
    KnopfSpeichern->setText(QStringLiteral("&Speichern"));
    KnopfSchliessen->setText(QStringLiteral("S&chließen"));
}

void TKlassentagForm::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(this);
    FeldEinfaerben(AuswahlKlasse);
    FeldEinfaerben(TabelleKlasse);
    TabelleKlasse->horizontalHeader()->setFont(ProgrammSchrift().schrift);
    CaptionZuweisen();
    SchalterEinrichten();
}

void TKlassentagForm::SchalterEinrichten()
{
    const QSize schirm = Bildschirm();
    const int h = KnopfHoehe(KnopfSpeichern);
    const int e = qMax(SchalterHoehe(FeldSuche->font(), SchalterArt::Edit),
                       qMax(AuswahlKlasse->sizeHint().height(), FeldDatum->sizeHint().height()));
    const int b = Knopfbreite({KnopfAlleJa, KnopfSpeichern, KnopfSchliessen}, 187);
    const int datumKnopf = Knopfbreite({KnopfVortag, KnopfFolgetag}, 125);
    const int breite = qMin(schirm.width() - 4 * Randbreite, qMax(schirm.width() * 8 / 10, 3 * b + 4 * Randbreite));

    Fluss fluss{breite};
    fluss.Setzen({{LabelKlasse, Textbreite(LabelKlasse)}, {AuswahlKlasse, qMax(AuswahlKlasse->sizeHint().width(), b)}}, e);
    fluss.Setzen({{LabelDatum, Textbreite(LabelDatum)}, {FeldDatum, qMax(FeldDatum->sizeHint().width(), b)}}, e);
    fluss.Setzen({{KnopfVortag, datumKnopf}, {KnopfFolgetag, datumKnopf}}, h);
    fluss.Umbruch();
    fluss.Setzen({{LabelSuche, Textbreite(LabelSuche)}, {FeldSuche, b}}, e);
    fluss.Umbruch();
    const int labelHoehe = Zeilenhoehe(LabelTabelle->font());
    LabelTabelle->setGeometry(Randbreite, fluss.y, breite - 2 * Randbreite, labelHoehe);
    const int tabelleTop = fluss.y + labelHoehe + 5;

    const int zeile = Zeilenhoehe(TabelleKlasse->font()) + 8;
    TabelleKlasse->verticalHeader()->setDefaultSectionSize(zeile);
    TabelleKlasse->verticalHeader()->setMinimumSectionSize(zeile);
    const QList<QPushButton *> knoepfe = {KnopfAlleJa, KnopfSpeichern, KnopfSchliessen};
    const KnopfReihen reihen = KnopfReihenLayout(int(knoepfe.size()), h, b, breite - 2 * Randbreite, breite);
    const int hinweisHoehe = qMax(labelHoehe, LabelHinweis->heightForWidth(breite - 2 * Randbreite));
    // The table takes the screen's rest, up to fifteen rows, at least three;
    // the title bar and a panel keep their room.
    const int rest = tabelleTop + 5 + hinweisHoehe + Randbreite + reihen.hoehe + Randbreite;
    const int kopf = TabelleKlasse->horizontalHeader()->sizeHint().height();
    const int rahmen = 2 * TabelleKlasse->frameWidth() + TabelleKlasse->horizontalScrollBar()->sizeHint().height();
    const int hoehe = qMax(kopf + 3 * zeile + rahmen, qMin(kopf + 15 * zeile + rahmen, schirm.height() - 100 - rest));
    TabelleKlasse->setGeometry(Randbreite, tabelleTop, breite - 2 * Randbreite, hoehe);
    LabelHinweis->setGeometry(Randbreite, tabelleTop + hoehe + 5, breite - 2 * Randbreite, hinweisHoehe);
    const int knopfTop = LabelHinweis->geometry().bottom() + 1 + Randbreite;
    for (qsizetype n = 0; n < knoepfe.size(); ++n)
        knoepfe[n]->setGeometry(reihen.knoepfe[n].translated(0, knopfTop));
    const QSize inhalt(breite, knopfTop + reihen.hoehe + Randbreite);
    flaeche->setFixedSize(inhalt);

    // Beyond the screen the surface scrolls: a scroll bar's width more.
    const int hoechstens = schirm.height() - 100;
    const int leiste = Rollbereich->verticalScrollBar()->sizeHint().width();
    const QSize client(inhalt.width() + (inhalt.height() > hoechstens ? leiste : 0), qMin(inhalt.height(), hoechstens));
    Rollbereich->setGeometry(QRect(QPoint(0, 0), client));
    setFixedSize(client);
    SpaltenAnpassen();
    FensterEinrichten();
}

void TKlassentagForm::SpaltenAnpassen()
{
    // Name, status and state as wide as their texts; remark and infos share
    // the rest, each at least as wide as its heading (else the table scrolls).
    for (int spalte : {KtName, KtHausaufgabe, KtZustand})
        TabelleKlasse->resizeColumnToContents(spalte);
    const int frei = TabelleKlasse->viewport()->width() - TabelleKlasse->columnWidth(KtName)
                     - TabelleKlasse->columnWidth(KtHausaufgabe) - TabelleKlasse->columnWidth(KtZustand);
    QHeaderView *kopf = TabelleKlasse->horizontalHeader();
    TabelleKlasse->setColumnWidth(KtAnmerkung, qMax(frei * 6 / 10, kopf->sectionSizeHint(KtAnmerkung)));
    TabelleKlasse->setColumnWidth(KtInfos, qMax(frei - frei * 6 / 10, kopf->sectionSizeHint(KtInfos)));
}

void TKlassentagForm::KlasseVorgeben(const QString &klasse)
{
    vorgabeKlasse = Klassenname(Trimmen(klasse));
}

QString TKlassentagForm::GewaehlteKlasse() const
{
    return AuswahlKlasse->currentData().toString();
}

QDate TKlassentagForm::GewaehltesDatum() const
{
    return FeldDatum->date();
}

void TKlassentagForm::KlassenFuellen()
{
    const QStringList klassen = TeilnehmerEinlesen(DatenOrdner, QString()).klassen;
    AuswahlKlasse->clear();
    int gewaehlt = 0;
    for (const QString &klasse : klassen) {
        if (GleichOhneFall(klasse, vorgabeKlasse))
            gewaehlt = AuswahlKlasse->count();
        AuswahlKlasse->addItem(klasse.isEmpty() ? OhneKlasseText : klasse, klasse);
    }
    if (!vorgabeKlasse.isEmpty() && gewaehlt == 0 && !GleichOhneFall(AuswahlKlasse->itemData(0).toString(), vorgabeKlasse)) {
        // A class no file has any more still shows what it holds: nobody.
        AuswahlKlasse->insertItem(0, vorgabeKlasse, vorgabeKlasse);
    }
    AuswahlKlasse->setCurrentIndex(AuswahlKlasse->count() > 0 ? gewaehlt : -1);
}

void TKlassentagForm::FormShow()
{
    gespeichert = false;
    CaptionZuweisen();
    FeldSuche->clear();
    KlassenFuellen();
    {
        const QSignalBlocker still(FeldDatum);
        FeldDatum->setDate(Heute());
    }
    datum = Heute();
    Lesen();
    SchalterEinrichten();
    TabelleKlasse->setFocus();
    TabelleKlasse->ZeileWaehlen(0);
}

void TKlassentagForm::Lesen()
{
    klassenIndex = AuswahlKlasse->currentIndex();
    gelesen.clear();
    QList<KlassenZeile> zeilen;
    abgebrochen = false;
    if (klassenIndex >= 0) {
        Fortschrittsanzeige fortschritt(this, windowTitle(), QStringLiteral("Die Teilnehmerdateien werden gelesen ..."));
        KlassenLesung lesung = KlasseLesen(DatenOrdner, GewaehlteKlasse(), [&fortschritt](int erledigt, int gesamt) {
            return fortschritt.Weiter(erledigt, gesamt);
        });
        // Part of a class would look like all of it.
        abgebrochen = lesung.abgebrochen;
        if (!abgebrochen) {
            zeilen.reserve(lesung.dateien.size());
            for (KlassenDatei &datei : lesung.dateien)
                zeilen << KlassenZeileAus(std::move(datei), datum, gelesen);
        }
    }
    Modell->ZeilenSetzen(std::move(zeilen));
    SpaltenAnpassen();
    HinweisZeigen();
    TabelleKlasse->ZeileWaehlen(0);
}

void TKlassentagForm::HinweisZeigen()
{
    if (abgebrochen) {
        LabelHinweis->setText(QStringLiteral("Das Lesen wurde abgebrochen."));
        return;
    }
    LabelHinweis->setText(QStringLiteral("Teilnehmer: %1, ungespeichert: %2. F, N, J (oder 0, 1, 2): Fehlt, Nein, Ja "
                                         "und weiter; Entf: nicht erfasst; Eingabe oder F2: Anmerkung, Tab: Infos.")
                              .arg(TausenderPunkte(Modell->rowCount()), TausenderPunkte(UngespeicherteZahl())));
}

int TKlassentagForm::UngespeicherteZahl() const
{
    return int(std::count_if(Modell->Zeilen().cbegin(), Modell->Zeilen().cend(), [](const KlassenZeile &zeile) {
        return ZeileSchreibt(zeile) || StatusFehlt(zeile);
    }));
}

bool TKlassentagForm::VerwerfenBestaetigt()
{
    const int offen = UngespeicherteZahl();
    return offen == 0
           || Frage(QStringLiteral("Die Einträge für %1 Teilnehmer wurden noch nicht gespeichert. Verwerfen?")
                        .arg(TausenderPunkte(offen)),
                    true);
}

void TKlassentagForm::KlasseGewaehlt()
{
    if (AuswahlKlasse->currentIndex() == klassenIndex)
        return;
    TabelleKlasse->EingabeUebernehmen();
    if (!VerwerfenBestaetigt()) {
        AuswahlKlasse->setCurrentIndex(klassenIndex);
        return;
    }
    Lesen();
}

void TKlassentagForm::DatumGeaendert()
{
    TabelleKlasse->EingabeUebernehmen();
    datum = FeldDatum->date();
    // What the teacher entered stays, now for the new date; the other rows
    // show what their files hold for it.
    Modell->AlleAendern([this](KlassenZeile &zeile) {
        DatumAnwenden(zeile, datum, gelesen, zeile.eintrag != zeile.gelesen);
    });
}

void TKlassentagForm::StatusSetzen(int hausaufgabe)
{
    const int zeile = TabelleKlasse->AktuelleZeile();
    Modell->ZeileAendern(zeile, [hausaufgabe](KlassenZeile &z) {
        if (z.datei.fehler.isEmpty())
            z.eintrag.hausaufgabe = hausaufgabe;
    });
    TabelleKlasse->Weiter();
}

void TKlassentagForm::Zuruecksetzen()
{
    Modell->ZeileAendern(TabelleKlasse->AktuelleZeile(), EintragZuruecksetzen);
}

void TKlassentagForm::KnopfAlleJaClick()
{
    TabelleKlasse->EingabeUebernehmen();
    Modell->AlleAendern([](KlassenZeile &zeile) {
        if (zeile.datei.fehler.isEmpty() && zeile.tag == 0 && zeile.eintrag.hausaufgabe < 0)
            zeile.eintrag.hausaufgabe = 2;
    });
    TabelleKlasse->setFocus();
}

void TKlassentagForm::NameSuchen(const QString &anfang)
{
    const QString gesucht = Gross(anfang.trimmed());
    if (gesucht.isEmpty())
        return;
    const QList<KlassenZeile> &zeilen = Modell->Zeilen();
    for (int n = 0; n < zeilen.size(); ++n) {
        if (Gross(zeilen.at(n).datei.name).startsWith(gesucht)) {
            TabelleKlasse->ZeileWaehlen(n);
            return;
        }
    }
}

void TKlassentagForm::TrennerMelden(int spalte)
{
    Fehler(QStringLiteral("%1 darf den Text \"%2\" nicht enthalten, denn er trennt in der Datei die Tage.")
               .arg(spalte == KtAnmerkung ? QStringLiteral("Die Anmerkung") : QStringLiteral("Die Infos"), Blocktrenner));
}

void TKlassentagForm::KnopfSpeichernClick()
{
    TabelleKlasse->EingabeUebernehmen();
    // A remark without a status is never saved: no status is invented.
    int ersteOhneStatus = -1;
    Modell->AlleAendern([&, n = 0](KlassenZeile &zeile) mutable {
        zeile.fehltNoch = StatusFehlt(zeile);
        if (zeile.fehltNoch && ersteOhneStatus < 0)
            ersteOhneStatus = n;
        ++n;
    });
    if (ersteOhneStatus >= 0) {
        TabelleKlasse->setFocus();
        TabelleKlasse->ZeileWaehlen(ersteOhneStatus);
        return;
    }
    QList<int> zuSchreiben;
    for (int n = 0; n < Modell->rowCount(); ++n) {
        if (ZeileSchreibt(Modell->Zeilen().at(n)))
            zuSchreiben << n;
    }
    if (zuSchreiben.isEmpty()) {
        Information(QStringLiteral("Es gibt keine ungespeicherten Einträge."));
        TabelleKlasse->setFocus();
        return;
    }
    int geschrieben = 0;
    int ersterFehler = -1;
    QStringList warnungen;
    {
        Fortschrittsanzeige fortschritt(this, windowTitle(), QStringLiteral("Die Teilnehmerdateien werden gespeichert ..."));
        for (qsizetype n = 0; n < zuSchreiben.size(); ++n) {
            if (!fortschritt.Weiter(int(n), int(zuSchreiben.size())))
                break;
            const int zeile = zuSchreiben.at(n);
            Modell->ZeileAendern(zeile, [&](KlassenZeile &z) {
                QString warnung;
                if (ZeileSpeichern(z, datum, gelesen, warnung) == Speicherausgang::Gespeichert)
                    ++geschrieben;
                else if (ersterFehler < 0)
                    ersterFehler = zeile;
                if (!warnung.isEmpty())
                    warnungen << warnung;
            });
        }
    }
    gespeichert = gespeichert || geschrieben > 0;
    for (const QString &warnung : std::as_const(warnungen))
        Fehler(warnung);
    const int gesamt = int(zuSchreiben.size());
    if (geschrieben == gesamt) {
        Information(QStringLiteral("Die Einträge für %1 Teilnehmer wurden gespeichert.").arg(TausenderPunkte(gesamt)));
    } else {
        Fehler(QStringLiteral("%1 von %2 Teilnehmern gespeichert; %3 konnten nicht gespeichert werden.")
                   .arg(TausenderPunkte(geschrieben), TausenderPunkte(gesamt), TausenderPunkte(gesamt - geschrieben)));
    }
    TabelleKlasse->setFocus();
    if (ersterFehler >= 0)
        TabelleKlasse->ZeileWaehlen(ersterFehler);
}

void TKlassentagForm::reject()
{
    TabelleKlasse->EingabeUebernehmen();
    if (!VerwerfenBestaetigt())
        return;
    MwDialog::reject();
}
