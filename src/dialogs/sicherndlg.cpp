#include "sicherndlg.h"

#include "records/sicherung.h"
#include "records/sicherungsarchiv.h"
#include "ui/dialoganordnung.h"
#include "ui/platzierung.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "util/einstellungen.h"
#include "util/laufwerke.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {

// Whether the next backup is encrypted: the last choice, off at first.
const QString VerschluesseltSchluessel = QStringLiteral("VerschluesseltSichern");

} // namespace

TSichernForm::TSichernForm(QWidget *eltern) : MwDialog(eltern, false)
{
    setObjectName(QStringLiteral("SichernForm"));
    ListBox1 = new QListWidget(this);
    RichEdit1 = new QTextEdit(this);
    ListBox1->setAccessibleName(QStringLiteral("Laufwerke"));
    RichEdit1->setAccessibleName(QStringLiteral("Kopierverlauf"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button3 = new QPushButton(this);
    KastenVerschluesselt = new QCheckBox(this);
    KastenVerschluesselt->setObjectName(QStringLiteral("KastenVerschluesselt"));
    setTabOrder(RichEdit1, KastenVerschluesselt);
    setTabOrder(KastenVerschluesselt, Button1);
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Timer1 = new QTimer(this);
    Timer1->setInterval(5);
    Timer1->setSingleShot(true);
    PopupMenu1 = new QMenu(this);
    PuAktualisieren = PopupMenu1->addAction(QStringLiteral("Aktualisieren"));
    PuAktualisieren->setShortcut(QKeySequence(Qt::Key_F5));
    PuAktualisieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(PuAktualisieren);
    for (QWidget *control : {static_cast<QWidget *>(ListBox1), static_cast<QWidget *>(RichEdit1)}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint &stelle) { PopupMenu1->popup(control->mapToGlobal(stelle)); });
    }
    connect(Timer1, &QTimer::timeout, this, &TSichernForm::Timer1Timer);
    connect(Button1, &QPushButton::clicked, this, &TSichernForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSichernForm::Button2Click);
    connect(PuAktualisieren, &QAction::triggered, this, &TSichernForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &MwDialog::reject);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TSichernForm::KastenFuerLaufwerk);
    connect(KastenVerschluesselt, &QCheckBox::toggled, this, [this](bool an) {
        if (SichernS)
            Einstellungen().setValue(VerschluesseltSchluessel, an);
    });
    CaptionZuweisen();
}

void TSichernForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Datendateien sichern nach"));
    Button1->setText(QStringLiteral("&Sichern"));
    Button2->setText(QStringLiteral("&Aktualisieren"));
    Button3->setText(QStringLiteral("S&chließen"));
}

void TSichernForm::SchriftartZuweisen()
{
    // The arrangement follows when the dialog is shown.
    SchriftUndFarbeAnwenden(this);
}

void TSichernForm::SchalterEinrichten()
{
    const int rahmen = frameGeometry().height() - height();
    // Buttons widened for a large font take their gaps from the screen width.
    const int breite = KnopfBreite({Button1, Button2, Button3}, 125);
    const int abstand = breite == 125 ? 125 : qBound(10, (Bildschirm().width() - 3 * breite) / 4, 125);
    const SicherungsGeometrie g = SicherungsLayout(KnopfHoehe(Button1), Bildschirm().height() - rahmen, breite,
                                                   abstand, KastenVerschluesselt->sizeHint().height());
    ListBox1->setGeometry(g.liste);
    RichEdit1->setGeometry(g.log);
    KastenVerschluesselt->setGeometry(g.zeile);
    Button1->setGeometry(g.knoepfe[0]);
    Button2->setGeometry(g.knoepfe[1]);
    Button3->setGeometry(g.knoepfe[2]);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TSichernForm::FormShow()
{
    KastenEinrichten();
    SchalterEinrichten();
    ReText(QStringLiteral("Kopierverlauf:"), true);
    ListBox1->setFocus();
    Timer1->start();
}

void TSichernForm::KastenEinrichten()
{
    const QSignalBlocker still(KastenVerschluesselt);
    if (SichernS) {
        KastenVerschluesselt->setText(QStringLiteral("&Verschlüsselt sichern"));
        KastenVerschluesselt->setEnabled(true);
        KastenVerschluesselt->setChecked(Einstellungen().value(VerschluesseltSchluessel, false).toBool());
    } else {
        KastenVerschluesselt->setText(QStringLiteral("&Verschlüsselte Sicherung wiederherstellen"));
        KastenFuerLaufwerk();
    }
    KastenVerschluesselt->setAccessibleName(KuerzelEntfernen(KastenVerschluesselt->text()));
}

void TSichernForm::KastenFuerLaufwerk()
{
    if (SichernS)
        return;
    // Offered, and chosen, where the drive holds an encrypted backup.
    const QListWidgetItem *eintrag = ListBox1->currentItem();
    const bool vorhanden = eintrag
                           && QFileInfo(SicherungsOrdner(eintrag->data(Qt::UserRole).toString()) + SicherungsDateiName)
                                  .isFile();
    KastenVerschluesselt->setEnabled(vorhanden);
    KastenVerschluesselt->setChecked(vorhanden);
}

void TSichernForm::Timer1Timer()
{
    Timer1->stop();
    Button2Click();
}

void TSichernForm::Button2Click()
{
    Button1->setEnabled(false);
    ListBox1->clear();
    for (const Laufwerk &laufwerk : Laufwerke()) {
        if (!LaufwerkBereit(laufwerk.wurzel) || !LaufwerkGeeignet(laufwerk.wurzel, SichernS))
            continue;
        auto *eintrag = new QListWidgetItem(LaufwerkEintrag(laufwerk), ListBox1);
        eintrag->setData(Qt::UserRole, laufwerk.wurzel);
        eintrag->setData(GeraetRolle, GeraetVon(laufwerk.wurzel));
    }
    if (ListBox1->count() == 0) {
        const QString keine = SichernS
                                  ? QStringLiteral("Keine betriebsbereiten Laufwerke zum Sichern vorhanden!")
                                  : QStringLiteral("Keine betriebsbereiten Laufwerke mit Daten zum Wiederherstellen vorhanden!");
        Information(keine + QStringLiteral("\r\nKlicken Sie auf \"%1\" um die Laufwerke erneut zu prüfen.")
                                .arg(KuerzelEntfernen(Button2->text())));
        Button2->setFocus();
    } else {
        ListBox1->setCurrentRow(0);
        ListBox1->setFocus();
    }
    Button1->setEnabled(ListBox1->count() > 0);
}

bool TSichernForm::Vorbereiten(const QString &wurzel)
{
    const Vorbereitung vorbereitung =
        SicherungVorbereiten(DatenOrdner, wurzel, SichernS, KastenVerschluesselt->isChecked());
    VorbereitungMelden(vorbereitung, SicherungsOrdner(wurzel));
    return vorbereitung.art == Vorbereitung::Bereit;
}

void TSichernForm::VorbereitungMelden(const Vorbereitung &vorbereitung, const QString &sicherung)
{
    switch (vorbereitung.art) {
    case Vorbereitung::Bereit:
        break;
    case Vorbereitung::DatenOrdnerFehlt:
        Fehler(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(DatenOrdner)));
        break;
    case Vorbereitung::SicherungsOrdnerFehlt:
        Fehler(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(sicherung)));
        break;
    case Vorbereitung::KeineDateien:
        Information(SichernS ? QStringLiteral("Es sind keine Datendateien zum Sichern vorhanden!")
                             : QStringLiteral("Es sind keine Datendateien zum Wiederherstellen vorhanden!"));
        break;
    case Vorbereitung::OrdnerVerlaesstLaufwerk:
        Fehler(QStringLiteral("Der Ordner \"%1\" ist eine Verknüpfung, die aus dem Laufwerk hinausführt, und wird "
                              "nicht verwendet.")
                   .arg(Nativ(sicherung)));
        break;
    case Vorbereitung::Verknuepfung:
        Fehler(QStringLiteral("Die Datei \"%1\" ist eine Verknüpfung und wird nicht kopiert.\r\nDer Kopiervorgang "
                              "wird abgebrochen.")
                   .arg(Nativ(sicherung + vorbereitung.datei)));
        break;
    case Vorbereitung::ZuWenigPlatz: {
        const QLocale deutsch(QLocale::German, QLocale::Germany);
        Fehler(QStringLiteral("Im Ordner \"%1\" ist nicht genug Platz frei.\r\nBenötigt werden %2, frei sind %3.")
                   .arg(Nativ(SichernS ? sicherung : DatenOrdner),
                        deutsch.formattedDataSize(vorbereitung.benoetigt, 1, QLocale::DataSizeTraditionalFormat),
                        deutsch.formattedDataSize(vorbereitung.frei, 1, QLocale::DataSizeTraditionalFormat)));
        break;
    }
    }
}

void TSichernForm::Button1Click()
{
    const QListWidgetItem *eintrag = ListBox1->currentItem();
    if (!eintrag || laeuft)
        return;
    Button1->setEnabled(false);
    RichEdit1->setFocus();
    ReText(QStringLiteral("Kopierverlauf:"), true);
    const QString wurzel = eintrag->data(Qt::UserRole).toString();
    // A stick pulled out or unmounted since the scan takes no backup.
    if (!LaufwerkNochDa(wurzel, eintrag->data(GeraetRolle).toULongLong())) {
        Fehler(QStringLiteral("Das Laufwerk \"%1\" ist nicht mehr bereit.").arg(Nativ(wurzel)));
        Button2Click();
        return;
    }
    const QString sicherung = SicherungsOrdner(wurzel);
    if (!Vorbereiten(wurzel)) {
        Button2->setFocus();
        return;
    }
    laeuft = true;
    const QString von = SichernS ? DatenOrdner : sicherung;
    const QString nach = SichernS ? sicherung : DatenOrdner;
    const bool ok = !KastenVerschluesselt->isChecked()
                        ? CopyDateienOk(von, nach) && CheckDateienOk(von, nach)
                        : SichernS ? VerschluesseltSichern(sicherung) : VerschluesseltWiederherstellen(sicherung);
    if (ok) {
        const QString erfolg = SichernS ? QStringLiteral("Die Datendateien wurden erfolgreich in \"%1\" gesichert!")
                                        : QStringLiteral("Die Datendateien wurden erfolgreich von \"%1\" wiederhergestellt!");
        Information(erfolg.arg(Nativ(sicherung)));
        if (SichernS)
            emit Gesichert();
    }
    laeuft = false;
    Button1->setEnabled(ListBox1->count() > 0);
    ListBox1->setFocus();
    if (schliessenNachLauf) {
        schliessenNachLauf = false;
        done(schliessenErgebnis);
    }
}

bool TSichernForm::CopyDateienOk(const QString &o1, const QString &o2)
{
    const QString sicherung = SichernS ? o2 : o1;
    const auto laufwerk = [sicherung](const QString &datei) { return sicherung + datei; };
    const PassErgebnis ergebnis =
        KopierPass(o1, o2, Protokollierer(laufwerk, QStringLiteral("Kopiere: \"%1\" --> \"%2\" ...")), EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Ok()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\nDer Kopiervorgang wird abgebrochen.")
                   .arg(Nativ(o1 + ergebnis.datei), Nativ(o2)));
    }
    return ergebnis.Ok();
}

bool TSichernForm::CheckDateienOk(const QString &o1, const QString &o2)
{
    const QString sicherung = SichernS ? o2 : o1;
    const auto laufwerk = [sicherung](const QString &datei) { return sicherung + datei; };
    const PassErgebnis ergebnis = VergleichsPass(
        o1, o2, Protokollierer(laufwerk, QStringLiteral("Vergleiche: \"%1\" --> \"%2\" ...")), EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Ok()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\nDer Vergleichvorgang wird abgebrochen.")
                   .arg(Nativ(o1 + ergebnis.datei), Nativ(o2 + ergebnis.datei)));
    }
    return ergebnis.Ok();
}

JeDatei TSichernForm::Protokollierer(const std::function<QString(const QString &)> &laufwerk, const QString &logZeile)
{
    return [this, laufwerk, logZeile](const QString &datei) {
        // The data-folder side by the bare file name, the drive side in full.
        if (SichernS)
            ReText(logZeile.arg(datei, Nativ(laufwerk(datei))), false);
        else
            ReText(logZeile.arg(Nativ(laufwerk(datei)), datei), false);
    };
}

void TSichernForm::EingabenZulassen()
{
    // Pending input is handled between blocks, so the window stays
    // responsive; often enough for the hand, not at every block.
    static QElapsedTimer zuletzt;
    if (zuletzt.isValid() && zuletzt.elapsed() < 20)
        return;
    QApplication::processEvents();
    zuletzt.start();
}

void TSichernForm::GrundMelden(const QString &datei, const QString &grund)
{
    if (!grund.isEmpty())
        ReText(datei.isEmpty() ? grund : QStringLiteral("%1: %2").arg(datei, grund), false);
    ProtokollAusgeben();
}

void TSichernForm::ReText(const QString &s, bool clearS)
{
    if (clearS) {
        RichEdit1->clear();
        offeneZeilen.clear();
    }
    offeneZeilen << s;
    // Every line is shown, but the log is drawn anew only every 75 ms: a
    // backup of thousands of small files is not slowed by its own log.
    if (clearS || !seitAusgabe.isValid() || seitAusgabe.elapsed() >= 75)
        ProtokollAusgeben();
}

void TSichernForm::ProtokollAusgeben()
{
    seitAusgabe.start();
    if (offeneZeilen.isEmpty())
        return;
    // As plain text: a file name is never taken for markup.
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    if (!RichEdit1->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(offeneZeilen.join(QLatin1Char('\n')));
    offeneZeilen.clear();
    cursor.movePosition(QTextCursor::StartOfBlock);
    RichEdit1->setTextCursor(cursor);
    RichEdit1->ensureCursorVisible();
}

void TSichernForm::done(int ergebnis)
{
    // A request to close during a run takes effect when the run has ended.
    if (laeuft) {
        schliessenNachLauf = true;
        schliessenErgebnis = ergebnis;
        return;
    }
    MwDialog::done(ergebnis);
}
