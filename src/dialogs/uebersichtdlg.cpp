#include "uebersichtdlg.h"

#include "records/bloecke.h"
#include "records/klassenuebersicht.h"
#include "records/teilnehmerordner.h"
#include "uebersichtmodell.h"
#include "ui/dateiwahl.h"
#include "ui/dialoganordnung.h"
#include "ui/drucker.h"
#include "ui/fortschritt.h"
#include "ui/meldungen.h"
#include "ui/platzierung.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "ui/tabellendruck.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"
#include "util/zahlen.h"
#include "zeitraumwahl.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int R = 10;
const QString AlleText = QStringLiteral("(Alle)");
// The period changes with every digit typed into a date: count once typing pauses.
constexpr int Nachlauf = 300;

QList<int> Zahlenspalten()
{
    return {SpalteTage, SpalteFehlt, SpalteNein, SpalteJa, SpalteQuote, SpalteOhneDatum};
}

} // namespace

TUebersichtForm::TUebersichtForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("UebersichtForm"));
    Label1 = new QLabel(this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("Klasse"));
    Label1->setBuddy(ComboBox1);
    Zeitraum1 = new ZeitraumWahl(this);
    Zeitraum1->VorgabeSetzen(Vorgabe::Schuljahr);

    Modell = new UebersichtModell(this);
    Sortierer = new UebersichtSortierer(this);
    Sortierer->setSourceModel(Modell);
    TableView1 = new QTableView(this);
    TableView1->setObjectName(QStringLiteral("Tabelle"));
    TableView1->setAccessibleName(QStringLiteral("Klassenübersicht"));
    TableView1->setAccessibleDescription(
        QStringLiteral("Je Teilnehmer eine Zeile: Tage, Fehlt, Nein, Ja, Quote, Tage ohne Datum, letzter Tag und "
                       "Kommentar; die letzte Zeile ist die Summe."));
    TableView1->setModel(Sortierer);
    TableView1->setSortingEnabled(true);
    TableView1->sortByColumn(SpalteName, Qt::AscendingOrder);
    TableView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TableView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableView1->setTabKeyNavigation(false);
    TableView1->setWordWrap(false);
    TableView1->verticalHeader()->hide();
    TableView1->horizontalHeader()->setStretchLastSection(true);
    TableView1->horizontalHeader()->setSortIndicatorShown(true);

    Label2 = new QLabel(this);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button3 = new QPushButton(this);
    Button4 = new QPushButton(this);
    // Enter in a field must not start a save dialog.
    for (QPushButton *knopf : {Button1, Button2, Button3, Button4})
        knopf->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TUebersichtForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TUebersichtForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TUebersichtForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &MwDialog::reject);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TUebersichtForm::Timer1Timer);
    connect(ComboBox1, &QComboBox::activated, this, [this] { Timer1->start(Nachlauf); });
    connect(Zeitraum1, &ZeitraumWahl::Geaendert, this, [this] {
        if (isVisible())
            Timer1->start(Nachlauf);
    });

    // Sorting from the keyboard: the table's popup menu (menu key or Shift+F10).
    PuTabelle = new QMenu(this);
    PuAufsteigend = PuTabelle->addAction(QString());
    PuAbsteigend = PuTabelle->addAction(QString());
    connect(PuAufsteigend, &QAction::triggered, this,
            [this] { TableView1->sortByColumn(TableView1->currentIndex().column(), Qt::AscendingOrder); });
    connect(PuAbsteigend, &QAction::triggered, this,
            [this] { TableView1->sortByColumn(TableView1->currentIndex().column(), Qt::DescendingOrder); });
    TableView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TableView1, &QWidget::customContextMenuRequested, this, &TUebersichtForm::PuTabellePopup);
    // The menu key sends a context menu request; Shift+F10, which keyboards
    // without that key use, does not by itself on every platform.
    auto *menueTaste = new QAction(TableView1);
    menueTaste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menueTaste->setShortcutContext(Qt::WidgetShortcut);
    TableView1->addAction(menueTaste);
    connect(menueTaste, &QAction::triggered, this, [this] { PuTabellePopup(QPoint(-1, -1)); });

    setTabOrder(ComboBox1, Zeitraum1->ComboBox1);
    setTabOrder(Zeitraum1->ComboBox1, Zeitraum1->DateEdit1);
    setTabOrder(Zeitraum1->DateEdit1, Zeitraum1->DateEdit2);
    setTabOrder(Zeitraum1->DateEdit2, TableView1);
    setTabOrder(TableView1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
    CaptionZuweisen();
}

void TUebersichtForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Klassenübersicht"));
    Label1->setText(QStringLiteral("&Klasse:"));
    Button1->setText(QStringLiteral("Als C&SV speichern..."));
    Button2->setText(QStringLiteral("&Drucken..."));
    Button3->setText(QStringLiteral("Als &PDF speichern..."));
    Button4->setText(QStringLiteral("S&chließen"));
}

void TUebersichtForm::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(this);
    Zeitraum1->SchriftartZuweisen();
    FeldEinfaerben(ComboBox1);
    FeldEinfaerben(TableView1);
    TableView1->horizontalHeader()->setFont(ProgrammSchrift().schrift);
    SchalterEinrichten();
}

void TUebersichtForm::SchalterEinrichten()
{
    const int h = KnopfHoehe(Button1);
    const int b = KnopfBreite({Button1, Button2, Button3, Button4}, 187);
    const int labelHoehe = Zeilenhoehe(Label1->font());
    const int labelBreite = qMax(LabelBreite(Label1->font(), Label1->text()), Label1->sizeHint().width());
    // The class field lines up with the period choice below it.
    const int feldLinks = R + qMax(labelBreite, LabelBreite(Zeitraum1->Label1->font(), Zeitraum1->Label1->text())) + 5;
    const QSize schirm = Bildschirm();
    Zeitraum1->SchalterEinrichten(feldLinks - R - 5, schirm.width() - 4 * R);
    const int feldHoehe = qMax(Zeitraum1->FeldHoehe(), ComboBox1->sizeHint().height());
    Label1->setGeometry(R, R + (feldHoehe - labelHoehe) / 2, labelBreite, labelHoehe);
    ComboBox1->setGeometry(feldLinks, R, qMax(ComboBox1->sizeHint().width(), b), feldHoehe);
    Zeitraum1->move(R, R + feldHoehe + R);

    // The table takes nine tenths of the screen's width; the buttons stand
    // side by side as far as the screen allows.
    const QList<QPushButton *> knoepfe = {Button1, Button2, Button3, Button4};
    const KnopfReihen reihen =
        KnopfReihenLayout(int(knoepfe.size()), h, b, schirm.width() - 2 * R,
                          std::max({Zeitraum1->width() + 2 * R, ComboBox1->geometry().right() + 1 + R,
                                    schirm.width() * 9 / 10}));
    const int breite = reihen.breite;
    const int zeile = Zeilenhoehe(TableView1->font()) + 8;
    TableView1->verticalHeader()->setDefaultSectionSize(zeile);
    TableView1->verticalHeader()->setMinimumSectionSize(zeile);
    const int tabelleTop = Zeitraum1->geometry().bottom() + 1 + R;
    // Everything but the table; the rest of the screen is the table's, up
    // to a dozen rows, and the title bar and a panel keep their room.
    const int rest = tabelleTop + 5 + labelHoehe + R + reihen.hoehe + R;
    const int kopf = TableView1->horizontalHeader()->sizeHint().height();
    const int rahmen = 2 * TableView1->frameWidth() + TableView1->horizontalScrollBar()->sizeHint().height();
    const int hoehe = qMax(kopf + 3 * zeile + rahmen, qMin(kopf + 12 * zeile + rahmen, schirm.height() - 100 - rest));
    TableView1->setGeometry(R, tabelleTop, breite - 2 * R, hoehe);
    Label2->setGeometry(R, tabelleTop + hoehe + 5, breite - 2 * R, labelHoehe);
    const int knopfTop = Label2->geometry().bottom() + 1 + R;
    for (qsizetype n = 0; n < knoepfe.size(); ++n)
        knoepfe[n]->setGeometry(reihen.knoepfe[n].translated(0, knopfTop));
    setFixedSize(breite, knopfTop + reihen.hoehe + R);
    SpaltenAnpassen();
    FensterEinrichten();
}

void TUebersichtForm::KlasseVorgeben(const QString &klasse)
{
    vorgabeKlasse = Klassenname(klasse);
}

QString TUebersichtForm::GewaehlteKlasse() const
{
    return ComboBox1->currentIndex() <= 0 ? QString() : ComboBox1->currentText();
}

void TUebersichtForm::KlassenFuellen()
{
    QStringList klassen = TeilnehmerEinlesen(DatenOrdner, QString()).klassen;
    klassen.removeAll(QString()); // an empty class is no filter: that is "(Alle)"
    int gewaehlt = 0;
    for (int n = 0; n < klassen.size() && !vorgabeKlasse.isEmpty(); ++n) {
        if (GleichOhneFall(klassen[n], vorgabeKlasse))
            gewaehlt = n + 1;
    }
    if (gewaehlt == 0 && !vorgabeKlasse.isEmpty()) {
        // A class no file has any more still shows what it holds: nobody.
        klassen.prepend(vorgabeKlasse);
        gewaehlt = 1;
    }
    ComboBox1->clear();
    ComboBox1->addItem(AlleText);
    ComboBox1->addItems(klassen);
    ComboBox1->setCurrentIndex(gewaehlt);
}

void TUebersichtForm::FormShow()
{
    CaptionZuweisen();
    KlassenFuellen();
    if (Zeitraum1->Auswahl() != Vorgabe::Eigener)
        Zeitraum1->VorgabeSetzen(Zeitraum1->Auswahl()); // today may be in another school year now
    Modell->Leeren();
    Label2->clear();
    KnoepfeAktualisieren();
    SchalterEinrichten();
    ComboBox1->setFocus();
    Timer1->start(25);
}

void TUebersichtForm::Timer1Timer()
{
    Timer1->stop();
    Zaehlen();
}

void TUebersichtForm::Zaehlen()
{
    if (zaehlt)
        return;
    zaehlt = true;
    Fortschrittsanzeige fortschritt(this, windowTitle(), QStringLiteral("Die Teilnehmerdateien werden gelesen ..."));
    const Klassenuebersicht uebersicht =
        KlasseZaehlen(DatenOrdner, GewaehlteKlasse(), Zeitraum1->Wert(),
                      [&fortschritt](int erledigt, int gesamt) { return fortschritt.Weiter(erledigt, gesamt); });
    zaehlt = false;
    if (uebersicht.abgebrochen) {
        Modell->Leeren();
        Label2->setText(QStringLiteral("Die Zählung wurde abgebrochen."));
    } else {
        Modell->ZeilenSetzen(uebersicht.zeilen);
        qsizetype unlesbar = 0;
        for (const UebersichtZeile &zeile : uebersicht.zeilen)
            unlesbar += zeile.Lesbar() ? 0 : 1;
        QString text = QStringLiteral("Teilnehmer: %1").arg(TausenderPunkte(uebersicht.zeilen.size() - unlesbar));
        if (unlesbar > 0)
            text += QStringLiteral(", nicht lesbare Dateien: %1").arg(TausenderPunkte(unlesbar));
        const Zeitraum zeitraum = Zeitraum1->Wert();
        if (zeitraum.von.isValid() && zeitraum.bis.isValid() && zeitraum.von > zeitraum.bis)
            text += QStringLiteral(" – der Zeitraum ist leer: \"Von\" liegt nach \"Bis\".");
        Label2->setText(text);
    }
    SpaltenAnpassen();
    KnoepfeAktualisieren();
}

void TUebersichtForm::SpaltenAnpassen()
{
    // Every column as wide as its widest text; the comment takes the rest.
    for (int spalte = 0; spalte < SpalteKommentar; ++spalte)
        TableView1->resizeColumnToContents(spalte);
}

void TUebersichtForm::KnoepfeAktualisieren()
{
    const bool tabelle = Modell->rowCount() > 0;
    Button1->setEnabled(tabelle);
    Button2->setEnabled(tabelle);
    Button3->setEnabled(tabelle);
}

void TUebersichtForm::PuTabellePopup(const QPoint &stelle)
{
    const QModelIndex aktuell = TableView1->currentIndex();
    if (!aktuell.isValid())
        return;
    const QString spalte = UebersichtKopf().value(aktuell.column());
    PuAufsteigend->setText(QStringLiteral("Nach \"%1\" &aufsteigend sortieren").arg(spalte));
    PuAbsteigend->setText(QStringLiteral("Nach \"%1\" ab&steigend sortieren").arg(spalte));
    // From the keyboard the menu opens at the current cell.
    const QRect zelle = TableView1->visualRect(aktuell);
    const QPoint ort = TableView1->viewport()->rect().contains(stelle) && !zelle.contains(stelle) ? stelle : zelle.center();
    PuTabelle->popup(TableView1->viewport()->mapToGlobal(ort));
}

QList<UebersichtZeile> TUebersichtForm::AngezeigteZeilen() const
{
    QList<UebersichtZeile> zeilen;
    for (int zeile = 0; zeile < Sortierer->rowCount(); ++zeile) {
        const QModelIndex quelle = Sortierer->mapToSource(Sortierer->index(zeile, 0));
        if (quelle.row() < Modell->Zeilen().size())
            zeilen << Modell->Zeilen().at(quelle.row());
    }
    return zeilen;
}

QString TUebersichtForm::Titel() const
{
    const Zeitraum zeitraum = Zeitraum1->Wert();
    QString periode = ZeitraumText(zeitraum);
    const Vorgabe vorgabe = Zeitraum1->Auswahl();
    if (vorgabe != Vorgabe::Alles && vorgabe != Vorgabe::Eigener)
        periode = QStringLiteral("%1 (%2)").arg(VorgabeText(vorgabe), periode);
    const QString klasse = GewaehlteKlasse();
    return QStringLiteral("Klassenübersicht – Klasse: %1 – Zeitraum: %2")
        .arg(klasse.isEmpty() ? AlleText : klasse, periode);
}

QString TUebersichtForm::Dateiname(const QString &endung) const
{
    // A class such as "7/8" must not turn into a folder.
    const QString klasse = FuerDateinamen(GewaehlteKlasse());
    return (klasse.isEmpty() ? QStringLiteral("Klassenübersicht") : QStringLiteral("Klassenübersicht %1").arg(klasse))
           + QLatin1Char('.') + endung;
}

bool TUebersichtForm::CsvSchreiben(const QString &pfad)
{
    QString fehler;
    if (BytesSchreiben(pfad, UebersichtCsv(AngezeigteZeilen()), fehler))
        return true;
    Fehler(fehler);
    return false;
}

void TUebersichtForm::TabelleDrucken(QPagedPaintDevice &geraet)
{
    const QFont &schrift = ProgrammSchrift().schrift;
    // Paper is white whatever colours the screen uses.
    const QColor schwarz(Qt::black);
    const std::unique_ptr<QTextDocument> dokument = TabellenDokument(
        UebersichtTabelle(AngezeigteZeilen(), Zellform::Anzeige), Zahlenspalten(), true, schrift, schwarz, geraet);
    SeitenDrucken(geraet, *dokument, Titel(), schrift, schwarz);
}

bool TUebersichtForm::PdfSchreiben(const QString &pfad)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(Titel());
        pdf.setCreator(QStringLiteral("Merkwerk"));
        TabelleDrucken(pdf);
    }
    QString fehler;
    if (BytesSchreiben(pfad, puffer.data(), fehler))
        return true;
    Fehler(fehler);
    return false;
}

void TUebersichtForm::Button1Click()
{
    const QString pfad = SpeicherortWaehlen(this, QStringLiteral("Als CSV speichern"),
                                            QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"), Dateiname("csv"));
    if (!pfad.isEmpty())
        CsvSchreiben(pfad);
}

void TUebersichtForm::Button2Click()
{
    QPrinter drucker;
    if (QuerDruckWaehlen(drucker, windowTitle(), this))
        TabelleDrucken(drucker);
}

void TUebersichtForm::Button3Click()
{
    const QString pfad = SpeicherortWaehlen(this, QStringLiteral("Als PDF speichern"),
                                            QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf"), Dateiname("pdf"));
    if (!pfad.isEmpty())
        PdfSchreiben(pfad);
}
