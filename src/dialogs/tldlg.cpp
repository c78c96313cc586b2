#include "tldlg.h"

#include "klassendlg.h"
#include "records/teilnehmerordner.h"
#include "ui/dialoganordnung.h"
#include "ui/meldungen.h"
#include "ui/schalterhoehe.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

TTlForm::TTlForm(QWidget *eltern, TKlassenForm *klassenForm) : MwDialog(eltern), klassenForm(klassenForm)
{
    setObjectName(QStringLiteral("TlForm"));
    Label1 = new QLabel(this);
    ListBox1 = new QListWidget(this);
    // All rows are one line of the same font: the list need not measure
    // thousands of names one by one.
    ListBox1->setUniformItemSizes(true);
    ListBox1->setAccessibleName(QStringLiteral("Teilnehmer"));
    Button3 = new QPushButton(this);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button1->setDefault(true);
    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TTlForm::Timer1Timer);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TTlForm::Button3Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { done(Ok); });
    CaptionZuweisen();
    setKlasse(QString());
}

void TTlForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Wählen Sie einen neuen Teilnehmer"));
    Button3->setText(QStringLiteral("Klassen..."));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TTlForm::setKlasse(const QString &klasse)
{
    FKlasse = klasse;
    Label1->setText(QStringLiteral("Aktuelle Klasse: %1").arg(klasse.isEmpty() ? QStringLiteral("(Alle)") : klasse));
    ListBox1->setAccessibleDescription(Label1->text());
    const int breite = LabelBreite(Label1->font(), Label1->text());
    Label1->setGeometry((width() - breite) / 2, Label1->y(), breite, Zeilenhoehe(Label1->font()));
}

void TTlForm::SchalterEinrichten()
{
    const ListenDialogGeometrie g = TeilnehmerListeLayout(
        KnopfHoehe(Button1), Zeilenhoehe(Label1->font()), LabelBreite(Label1->font(), Label1->text()),
        KnopfBreite({Button1, Button2, Button3}, 187));
    Label1->setGeometry(g.label);
    ListBox1->setGeometry(g.liste);
    Button3->setGeometry(g.knoepfe[0]);
    Button1->setGeometry(g.knoepfe[1]);
    Button2->setGeometry(g.knoepfe[2]);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TTlForm::FormShow()
{
    fehlerGemeldet = false;
    SchalterEinrichten();
    ListBox1->clear();
    ListBox1->setFocus();
    Timer1->start();
}

void TTlForm::Timer1Timer()
{
    Timer1->stop();
    DateienEinlesen();
}

bool TTlForm::DateienEinlesen(const QString &pfad)
{
    const TeilnehmerListe liste = TeilnehmerEinlesen(OrdnerTeil(pfad.isEmpty() ? DatFilename : pfad), FKlasse);
    // An unreadable file is reported once while the list is open, not at
    // every change of the filter.
    if (!liste.fehler.isEmpty() && !fehlerGemeldet) {
        Fehler(liste.fehler);
        fehlerGemeldet = true;
    }
    KlassenSl = liste.klassen;
    ListBox1->clear();
    ListBox1->addItems(liste.namen);
    Button1->setEnabled(ListBox1->count() > 0);
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(FindItemIndex());
    return ListBox1->count() > 0;
}

int TTlForm::FindItemIndex() const
{
    const QString name = NamensTeil(DatFilename).chopped(qMin<qsizetype>(4, NamensTeil(DatFilename).size()));
    if (!NamensTeil(DatFilename).isEmpty()) {
        for (int n = 0; n < ListBox1->count(); ++n) {
            if (GleichOhneFall(ListBox1->item(n)->text(), name))
                return n;
        }
    }
    return 0;
}

QString TTlForm::Auswahl() const
{
    const QListWidgetItem *eintrag = ListBox1->currentItem();
    return eintrag && eintrag->isSelected() ? eintrag->text() : QString();
}

void TTlForm::Button3Click()
{
    TKlassenForm *klassen = klassenForm;
    klassen->SchriftartZuweisen();
    klassen->ListBox1->clear();
    klassen->ListBox1->addItem(QStringLiteral("(Alle)"));
    klassen->ListBox1->addItems(KlassenSl);
    klassen->Klasse = FKlasse;
    if (klassen->exec() != Ok)
        return;
    const int zeile = klassen->ListBox1->currentRow();
    setKlasse(zeile <= 0 ? QString() : klassen->ListBox1->item(zeile)->text());
    ListBox1->setFocus();
    DateienEinlesen();
}
