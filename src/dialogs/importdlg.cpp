#include "importdlg.h"

#include "ui/dateiwahl.h"
#include "zeitraumwahl.h"
#include "ui/meldungen.h"
#include "ui/platzierung.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "ui/zeilenfeld.h"
#include "util/dateifehler.h"
#include "util/dateilesen.h"
#include "util/ordner.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int Aussenrand = 10;
enum Vorschauspalte { VorschauZeile, VorschauName, VorschauKlasse, VorschauKommentar, VorschauZustand, Vorschauspalten };
// Enough of a cell to tell a column by it in the column chooser.
constexpr int ProbeLaenge = 30;

QStringList VorschauKopf()
{
    return {QStringLiteral("Zeile"), QStringLiteral("Name"), QStringLiteral("Klasse"), QStringLiteral("Kommentar"),
            QStringLiteral("Zustand")};
}

QTableWidgetItem *VorschauZelle(const QString &text)
{
    auto *zelle = new QTableWidgetItem(text);
    zelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return zelle;
}

} // namespace

TImportForm::TImportForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("ImportForm"));
    KnopfDatei = new QPushButton(this);
    KnopfZwischenablage = new QPushButton(this);
    LabelQuelle = new QLabel(this);
    KastenKopfzeile = new QCheckBox(this);
    LabelSpalte = new QLabel(this);
    AuswahlSpalte = new QComboBox(this);
    LabelBedeutung = new QLabel(this);
    AuswahlBedeutung = new QComboBox(this);
    LabelNamensform = new QLabel(this);
    AuswahlNamensform = new QComboBox(this);
    LabelKlasse = new QLabel(this);
    FeldKlasse = new QLineEdit(this);
    LabelVorschau = new QLabel(this);
    TabelleVorschau = new QTableWidget(0, Vorschauspalten, this);
    LabelZusammenfassung = new QLabel(this);
    KnopfImportieren = new QPushButton(this);
    KnopfAbbrechen = new QPushButton(this);

    AuswahlSpalte->setObjectName(QStringLiteral("AuswahlSpalte"));
    AuswahlBedeutung->setObjectName(QStringLiteral("AuswahlBedeutung"));
    AuswahlNamensform->setObjectName(QStringLiteral("AuswahlNamensform"));
    FeldKlasse->setObjectName(QStringLiteral("FeldKlasse"));
    TabelleVorschau->setObjectName(QStringLiteral("TabelleVorschau"));
    LabelSpalte->setBuddy(AuswahlSpalte);
    LabelBedeutung->setBuddy(AuswahlBedeutung);
    LabelNamensform->setBuddy(AuswahlNamensform);
    LabelKlasse->setBuddy(FeldKlasse);
    LabelVorschau->setBuddy(TabelleVorschau);
    ZeilenfeldEinrichten(FeldKlasse, 100);
    for (Spaltenbedeutung bedeutung : Spaltenbedeutungen())
        AuswahlBedeutung->addItem(BedeutungText(bedeutung), int(bedeutung));
    for (Namensform form : Namensformen())
        AuswahlNamensform->addItem(NamensformText(form), int(form));
    AuswahlSpalte->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    TabelleVorschau->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelleVorschau->setSelectionMode(QAbstractItemView::SingleSelection);
    TabelleVorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelleVorschau->setTabKeyNavigation(false);
    TabelleVorschau->setWordWrap(false);
    TabelleVorschau->verticalHeader()->hide();
    TabelleVorschau->horizontalHeader()->setStretchLastSection(true);
    // A heading over a wide column stays in sight.
    TabelleVorschau->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabelZusammenfassung->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    LabelZusammenfassung->setFocusPolicy(Qt::NoFocus);

    // Enter in a field must not import a whole list.
    for (QPushButton *knopf : {KnopfDatei, KnopfZwischenablage, KnopfImportieren, KnopfAbbrechen})
        knopf->setAutoDefault(false);
    connect(KnopfDatei, &QPushButton::clicked, this, &TImportForm::KnopfDateiClick);
    connect(KnopfZwischenablage, &QPushButton::clicked, this, &TImportForm::KnopfZwischenablageClick);
    connect(KastenKopfzeile, &QCheckBox::clicked, this, &TImportForm::KastenKopfzeileClick);
    connect(AuswahlSpalte, &QComboBox::currentIndexChanged, this, &TImportForm::AuswahlSpalteChange);
    connect(AuswahlBedeutung, &QComboBox::activated, this, &TImportForm::AuswahlBedeutungChange);
    connect(AuswahlNamensform, &QComboBox::activated, this, &TImportForm::AuswahlNamensformChange);
    connect(FeldKlasse, &QLineEdit::textChanged, this, &TImportForm::VorschauAktualisieren);
    connect(KnopfImportieren, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(KnopfAbbrechen, &QPushButton::clicked, this, &MwDialog::reject);

    setTabOrder(KnopfDatei, KnopfZwischenablage);
    setTabOrder(KnopfZwischenablage, KastenKopfzeile);
    setTabOrder(KastenKopfzeile, AuswahlSpalte);
    setTabOrder(AuswahlSpalte, AuswahlBedeutung);
    setTabOrder(AuswahlBedeutung, AuswahlNamensform);
    setTabOrder(AuswahlNamensform, FeldKlasse);
    setTabOrder(FeldKlasse, TabelleVorschau);
    setTabOrder(TabelleVorschau, KnopfImportieren);
    setTabOrder(KnopfImportieren, KnopfAbbrechen);
    CaptionZuweisen();
}

void TImportForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Teilnehmer importieren"));
    KnopfDatei->setText(QStringLiteral("Aus &Datei..."));
    KnopfZwischenablage->setText(QStringLiteral("Aus der &Zwischenablage"));
    KastenKopfzeile->setText(QStringLiteral("&Erste Zeile ist Überschrift"));
    LabelSpalte->setText(QStringLiteral("&Spalte:"));
    LabelBedeutung->setText(QStringLiteral("&Bedeutung:"));
    LabelNamensform->setText(QStringLiteral("&Namensform:"));
    LabelKlasse->setText(QStringLiteral("&Klasse für alle:"));
    LabelVorschau->setText(QStringLiteral("&Vorschau:"));
    KnopfImportieren->setText(QStringLiteral("&Importieren"));
    KnopfAbbrechen->setText(QStringLiteral("&Abbrechen"));
    AuswahlSpalte->setAccessibleName(QStringLiteral("Spalte"));
    AuswahlBedeutung->setAccessibleName(QStringLiteral("Bedeutung der Spalte"));
    AuswahlNamensform->setAccessibleName(QStringLiteral("Namensform"));
    FeldKlasse->setAccessibleName(QStringLiteral("Klasse für alle"));
    FeldKlasse->setAccessibleDescription(QStringLiteral("Leer: die Klasse aus der Spalte Klasse."));
    TabelleVorschau->setAccessibleName(QStringLiteral("Vorschau"));
    TabelleVorschau->setAccessibleDescription(
        QStringLiteral("Je Zeile der Liste: Zeile, Name, Klasse, Kommentar und ob der Teilnehmer neu angelegt, "
                       "übersprungen oder nicht angelegt wird."));
    TabelleVorschau->setHorizontalHeaderLabels(VorschauKopf());
}

void TImportForm::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(this);
    for (QWidget *feld : std::initializer_list<QWidget *>{AuswahlSpalte, AuswahlBedeutung, AuswahlNamensform,
                                                          TabelleVorschau})
        FeldEinfaerben(feld);
    TabelleVorschau->horizontalHeader()->setFont(ProgrammSchrift().schrift);
    SchalterEinrichten();
}

void TImportForm::SchalterEinrichten()
{
    const int h = KnopfHoehe(KnopfDatei);
    const int b = KnopfBreite({KnopfDatei, KnopfImportieren, KnopfAbbrechen}, 187);
    const int zwischenablage = KnopfBreite({KnopfZwischenablage}, b);
    const int e = qMax(SchalterHoehe(FeldKlasse->font(), SchalterArt::Edit), AuswahlBedeutung->sizeHint().height());
    const int labelHoehe = Zeilenhoehe(LabelSpalte->font());
    const auto breite = [](QLabel *label) { return LabelBreite(label->font(), label->text()); };
    // Two columns of labelled fields; the fields take the longest text they offer.
    const int label1 = qMax(breite(LabelSpalte), breite(LabelNamensform));
    const int label2 = qMax(breite(LabelBedeutung), breite(LabelKlasse));
    const int feld = std::max({b * 3 / 2, AuswahlBedeutung->sizeHint().width(), AuswahlNamensform->sizeHint().width(),
                               LabelBreite(FeldKlasse->font(), QString(ProbeLaenge / 2, QLatin1Char('M')))});
    const int spalte2 = Aussenrand + label1 + 5 + feld + 2 * Aussenrand;
    const QSize schirm = Bildschirm();
    const int innen = std::max({spalte2 + label2 + 5 + feld, Aussenrand + b + Aussenrand + zwischenablage,
                                schirm.width() * 3 / 5 - Aussenrand})
                      - Aussenrand;
    const int ganz = qMin(innen + 2 * Aussenrand, qMax(schirm.width() - 40, spalte2 + label2 + 5 + feld + Aussenrand));

    int y = Aussenrand;
    KnopfDatei->setGeometry(Aussenrand, y, b, h);
    KnopfZwischenablage->setGeometry(Aussenrand + b + Aussenrand, y, zwischenablage, h);
    y += h + Aussenrand;
    // The source in a row of its own, as wide as the dialog.
    LabelQuelle->setGeometry(Aussenrand, y, ganz - 2 * Aussenrand, labelHoehe);
    QuelleZeigen();
    y += labelHoehe + Aussenrand;
    KastenKopfzeile->setGeometry(Aussenrand, y, qMax(KastenKopfzeile->sizeHint().width(), breite(LabelSpalte)), e);
    y += e + Aussenrand;
    const auto reihe = [&](QLabel *links, QWidget *feldLinks, QLabel *rechts, QWidget *feldRechts) {
        links->setGeometry(Aussenrand, y + (e - labelHoehe) / 2, breite(links), labelHoehe);
        feldLinks->setGeometry(Aussenrand + label1 + 5, y, feld, e);
        rechts->setGeometry(spalte2, y + (e - labelHoehe) / 2, breite(rechts), labelHoehe);
        feldRechts->setGeometry(spalte2 + label2 + 5, y, feld, e);
        y += e + Aussenrand;
    };
    reihe(LabelSpalte, AuswahlSpalte, LabelBedeutung, AuswahlBedeutung);
    reihe(LabelNamensform, AuswahlNamensform, LabelKlasse, FeldKlasse);

    LabelVorschau->setGeometry(Aussenrand, y, breite(LabelVorschau), labelHoehe);
    y += labelHoehe + 5;
    const int zeile = Zeilenhoehe(TabelleVorschau->font()) + 8;
    TabelleVorschau->verticalHeader()->setDefaultSectionSize(zeile);
    TabelleVorschau->verticalHeader()->setMinimumSectionSize(zeile);
    // Up to a dozen rows, and the title bar and a panel keep their room.
    const int rest = y + 5 + labelHoehe + Aussenrand + h + Aussenrand;
    const int kopf = TabelleVorschau->horizontalHeader()->sizeHint().height();
    const int rahmen = 2 * TabelleVorschau->frameWidth() + TabelleVorschau->horizontalScrollBar()->sizeHint().height();
    const int hoehe =
        qMax(kopf + 3 * zeile + rahmen, qMin(kopf + 12 * zeile + rahmen, schirm.height() - 100 - rest));
    TabelleVorschau->setGeometry(Aussenrand, y, ganz - 2 * Aussenrand, hoehe);
    y += hoehe + 5;
    LabelZusammenfassung->setGeometry(Aussenrand, y, ganz - 2 * Aussenrand, labelHoehe);
    y += labelHoehe + Aussenrand;
    KnopfImportieren->setGeometry(Aussenrand, y, b, h);
    KnopfAbbrechen->setGeometry(ganz - Aussenrand - b, y, b, h);
    setFixedSize(ganz, y + h + Aussenrand);
    TabelleVorschau->resizeColumnsToContents();
    FensterEinrichten();
}

void TImportForm::FormShow()
{
    CaptionZuweisen();
    tabelle = {};
    quelle.clear();
    spalten.clear();
    {
        const QSignalBlocker still(FeldKlasse);
        FeldKlasse->setText(Trimmen(VorgabeKlasse));
    }
    const int form = AuswahlNamensform->findData(int(NamensformGespeichert().value_or(Namensform::NachnameKommaVorname)));
    AuswahlNamensform->setCurrentIndex(qMax(0, form));
    KastenKopfzeile->setChecked(false);
    SpaltenFuellen();
    VorschauAktualisieren();
    SchalterEinrichten();
    KnopfDatei->setFocus();
}

QString TImportForm::KlasseFuerAlle() const
{
    return Vereinfacht(FeldKlasse->text());
}

ImportWahl TImportForm::Wahl() const
{
    ImportWahl wahl;
    wahl.spalten = spalten;
    wahl.kopfzeile = KastenKopfzeile->isChecked();
    wahl.form = Namensform(AuswahlNamensform->currentData().toInt());
    wahl.klasse = KlasseFuerAlle();
    return wahl;
}

void TImportForm::KnopfDateiClick()
{
    const QString pfad = DateiZumOeffnenWaehlen(this, QStringLiteral("Klassenliste öffnen"),
                                                QStringLiteral("Tabellen (*.csv *.txt *.tsv);;Alle Dateien (*)"));
    if (!pfad.isEmpty())
        DateiLaden(pfad);
}

bool TImportForm::DateiLaden(const QString &pfad)
{
    QByteArray bytes;
    QString grund;
    if (!DateiLesen(pfad, bytes, grund)) {
        Fehler(LeseFehlerText(pfad, grund));
        return false;
    }
    TabelleUebernehmen(TabelleLesen(bytes), QStringLiteral("Datei \"%1\"").arg(NamensTeil(pfad)));
    return true;
}

void TImportForm::KnopfZwischenablageClick()
{
    TextLaden(QGuiApplication::clipboard()->text());
}

bool TImportForm::TextLaden(const QString &text)
{
    if (Trimmen(text).isEmpty()) {
        Information(QStringLiteral("Die Zwischenablage enthält keinen Text.\r\nKopieren Sie die Spalten der "
                                   "Klassenliste in der Tabellenkalkulation und versuchen Sie es noch einmal."));
        return false;
    }
    TabelleUebernehmen(TabelleAusText(text), QStringLiteral("Zwischenablage"));
    return true;
}

void TImportForm::TabelleUebernehmen(const Tabelle &neu, const QString &herkunft)
{
    tabelle = neu;
    quelle = herkunft;
    const bool kopf = !tabelle.zeilen.isEmpty() && IstKopfzeile(tabelle.zeilen.first());
    KastenKopfzeile->setChecked(kopf);
    spalten = SpaltenVorschlagen(tabelle, kopf);
    SpaltenFuellen();
    VorschauAktualisieren();
    (tabelle.zeilen.isEmpty() ? static_cast<QWidget *>(KnopfDatei) : TabelleVorschau)->setFocus();
}

void TImportForm::QuelleZeigen()
{
    const QString text = quelle.isEmpty() ? QStringLiteral("Noch keine Liste gewählt.")
                                          : QStringLiteral("%1, %2 Spalten, getrennt durch %3")
                                                .arg(quelle, TausenderPunkte(spalten.size()),
                                                     TrennzeichenName(tabelle.trenner));
    // A long file name is shortened in the middle; a screen reader hears it whole.
    LabelQuelle->setText(LabelQuelle->fontMetrics().elidedText(text, Qt::ElideMiddle, LabelQuelle->width()));
    LabelQuelle->setAccessibleName(text);
}

void TImportForm::SpaltenFuellen()
{
    const int vorher = qMax(0, AuswahlSpalte->currentIndex());
    {
        const QSignalBlocker still(AuswahlSpalte);
        AuswahlSpalte->clear();
        const QStringList erste = tabelle.zeilen.value(0);
        for (qsizetype n = 0; n < spalten.size(); ++n)
            AuswahlSpalte->addItem(QStringLiteral("%1: %2 (%3)")
                                       .arg(n + 1)
                                       .arg(BedeutungText(spalten[n]),
                                            Gekuerzt(Vereinfacht(erste.value(n)), ProbeLaenge)));
        AuswahlSpalte->setCurrentIndex(qMin(vorher, int(spalten.size()) - 1));
    }
    AuswahlSpalte->setEnabled(!spalten.isEmpty());
    AuswahlBedeutung->setEnabled(!spalten.isEmpty());
    AuswahlSpalteChange();
}

void TImportForm::KastenKopfzeileClick()
{
    spalten = SpaltenVorschlagen(tabelle, KastenKopfzeile->isChecked());
    SpaltenFuellen();
    VorschauAktualisieren();
}

void TImportForm::AuswahlSpalteChange()
{
    const int spalte = AuswahlSpalte->currentIndex();
    if (spalte < 0 || spalte >= spalten.size())
        return;
    AuswahlBedeutung->setCurrentIndex(AuswahlBedeutung->findData(int(spalten[spalte])));
}

void TImportForm::AuswahlBedeutungChange()
{
    const int spalte = AuswahlSpalte->currentIndex();
    if (spalte < 0 || spalte >= spalten.size())
        return;
    spalten[spalte] = Spaltenbedeutung(AuswahlBedeutung->currentData().toInt());
    SpaltenFuellen();
    VorschauAktualisieren();
}

void TImportForm::AuswahlNamensformChange()
{
    NamensformMerken(Namensform(AuswahlNamensform->currentData().toInt()));
    VorschauAktualisieren();
}

void TImportForm::VorschauAktualisieren()
{
    vorschau = tabelle.zeilen.isEmpty() ? QList<ImportZeile>() : ImportVorschau(tabelle, Wahl(), DatenOrdner);
    TabelleVorschau->setRowCount(int(vorschau.size()));
    int neu = 0, vorhanden = 0, ungueltig = 0;
    for (int n = 0; n < vorschau.size(); ++n) {
        const ImportZeile &zeile = vorschau[n];
        TabelleVorschau->setItem(n, VorschauZeile, VorschauZelle(QString::number(zeile.zeile)));
        TabelleVorschau->setItem(n, VorschauName, VorschauZelle(zeile.name));
        TabelleVorschau->setItem(n, VorschauKlasse, VorschauZelle(zeile.klasse));
        TabelleVorschau->setItem(n, VorschauKommentar, VorschauZelle(zeile.kommentar));
        TabelleVorschau->setItem(n, VorschauZustand, VorschauZelle(ZustandText(zeile)));
        neu += zeile.zustand == ImportZeile::Neu ? 1 : 0;
        vorhanden += zeile.zustand == ImportZeile::Vorhanden ? 1 : 0;
        ungueltig += zeile.zustand == ImportZeile::Ungueltig ? 1 : 0;
    }
    if (!vorschau.isEmpty() && TabelleVorschau->currentRow() < 0)
        TabelleVorschau->setCurrentCell(0, VorschauName);
    TabelleVorschau->resizeColumnsToContents();
    QuelleZeigen();
    LabelZusammenfassung->setText(
        QStringLiteral("Zeilen: %1 – neu: %2, existieren bereits: %3, ungültig: %4")
            .arg(TausenderPunkte(vorschau.size()), TausenderPunkte(neu), TausenderPunkte(vorhanden),
                 TausenderPunkte(ungueltig)));
    KnopfImportieren->setEnabled(neu > 0);
}
