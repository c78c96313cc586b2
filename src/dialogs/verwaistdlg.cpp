#include "verwaistdlg.h"

#include "records/spuren.h"
#include "ui/dialoganordnung.h"
#include "ui/meldungen.h"
#include "ui/schalterhoehe.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

namespace {

// The file name lives in the item's data; its text adds the date.
constexpr int DateiRolle = Qt::UserRole;

} // namespace

TVerwaistForm::TVerwaistForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("VerwaistForm"));
    LabelKopien = new QLabel(this);
    ListeKopien = new QListWidget(this);
    ListeKopien->setObjectName(QStringLiteral("ListeKopien"));
    LabelKopien->setBuddy(ListeKopien);
    KnopfAlle = new QPushButton(this);
    KnopfLoeschen = new QPushButton(this);
    KnopfSchliessen = new QPushButton(this);
    connect(KnopfAlle, &QPushButton::clicked, this, &TVerwaistForm::KnopfAlleClick);
    connect(KnopfLoeschen, &QPushButton::clicked, this, &TVerwaistForm::KnopfLoeschenClick);
    connect(KnopfSchliessen, &QPushButton::clicked, this, &MwDialog::reject);
    CaptionZuweisen();
}

void TVerwaistForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Verwaiste Sicherheitskopien"));
    LabelKopien->setText(QStringLiteral("Sicherheitskopien ohne Teilnehmerdatei (Leertaste wählt):"));
    ListeKopien->setAccessibleName(QStringLiteral("Sicherheitskopien ohne Teilnehmerdatei"));
    KnopfAlle->setText(QStringLiteral("&Alle wählen"));
    KnopfLoeschen->setText(QStringLiteral("&Löschen..."));
    KnopfSchliessen->setText(QStringLiteral("S&chließen"));
}

void TVerwaistForm::SchalterEinrichten()
{
    const ListenDialogGeometrie g = TeilnehmerListeLayout(
        KnopfHoehe(KnopfAlle), Zeilenhoehe(LabelKopien->font()), LabelBreite(LabelKopien->font(), LabelKopien->text()),
        KnopfBreite({KnopfAlle, KnopfLoeschen, KnopfSchliessen}, 187));
    // The heading stands at the left above the list, as wide as it needs.
    LabelKopien->setGeometry(10, g.label.top(), qMax(g.label.width(), g.liste.width()), g.label.height());
    ListeKopien->setGeometry(g.liste);
    KnopfAlle->setGeometry(g.knoepfe[0]);
    KnopfLoeschen->setGeometry(g.knoepfe[1]);
    KnopfSchliessen->setGeometry(g.knoepfe[2]);
    setFixedSize(g.client.width(), g.client.height());
    FensterEinrichten();
}

bool TVerwaistForm::Einlesen(const QString &ordner)
{
    DatenOrdner = ordner;
    ListeKopien->clear();
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    for (const VerwaisteKopie &kopie : VerwaisteKopien(ordner)) {
        auto *eintrag = new QListWidgetItem(
            QStringLiteral("%1 – geändert am %2 um %3 Uhr")
                .arg(kopie.datei, deutsch.toString(kopie.geaendert.date(), QStringLiteral("dd.MM.yyyy")),
                     deutsch.toString(kopie.geaendert.time(), QStringLiteral("HH:mm"))),
            ListeKopien);
        eintrag->setData(DateiRolle, kopie.datei);
        eintrag->setFlags(eintrag->flags() | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
    }
    ListeKopien->setCurrentRow(0);
    return ListeKopien->count() > 0;
}

void TVerwaistForm::FormShow()
{
    SchalterEinrichten();
    ListeKopien->setFocus();
}

void TVerwaistForm::KnopfAlleClick()
{
    for (int n = 0; n < ListeKopien->count(); ++n)
        ListeKopien->item(n)->setCheckState(Qt::Checked);
    ListeKopien->setFocus();
}

QStringList TVerwaistForm::Gewaehlt() const
{
    QStringList dateien;
    for (int n = 0; n < ListeKopien->count(); ++n) {
        if (ListeKopien->item(n)->checkState() == Qt::Checked)
            dateien << ListeKopien->item(n)->data(DateiRolle).toString();
    }
    return dateien;
}

void TVerwaistForm::KnopfLoeschenClick()
{
    const QStringList dateien = Gewaehlt();
    if (dateien.isEmpty()) {
        Information(QStringLiteral("Bitte wählen Sie zuerst die Sicherheitskopien, die gelöscht werden sollen "
                                   "(Leertaste oder \"Alle wählen\")."));
        ListeKopien->setFocus();
        return;
    }
    if (!Frage(QStringLiteral("Sollen diese Sicherheitskopien endgültig gelöscht werden?\r\n%1").arg(Aufzaehlung(dateien)),
               true)) {
        ListeKopien->setFocus();
        return;
    }
    const SpurenErgebnis ergebnis = SpurenLoeschen(DatenOrdner, dateien);
    if (ergebnis.nicht.isEmpty())
        Information(SpurenBericht(ergebnis));
    else
        Fehler(SpurenBericht(ergebnis));
    if (!Einlesen(DatenOrdner)) {
        done(Ok);
        return;
    }
    ListeKopien->setFocus();
}
