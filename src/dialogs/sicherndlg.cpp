#include "sicherndlg.h"

#include "records/teilnehmerordner.h"
#include "ui/dialoggeometrie.h"
#include "ui/dialoglayout.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "util/dateikopie.h"
#include "util/laufwerke.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

TSichernForm::TSichernForm(QWidget *eltern) : MwDialog(eltern, false)
{
    setObjectName(QStringLiteral("SichernForm"));
    ListBox1 = new QListWidget(this);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    Button1 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button3 = new QPushButton(this);
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
    const SicherungsGeometrie g =
        SicherungsLayout(KnopfHoehe(Button1), Bildschirm().height() - rahmen, breite, abstand);
    ListBox1->setGeometry(g.liste);
    RichEdit1->setGeometry(g.log);
    Button1->setGeometry(g.knoepfe[0]);
    Button2->setGeometry(g.knoepfe[1]);
    Button3->setGeometry(g.knoepfe[2]);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TSichernForm::FormShow()
{
    SchalterEinrichten();
    ReText(QStringLiteral("Kopierverlauf:"), true);
    ListBox1->setFocus();
    Timer1->start();
}

void TSichernForm::Timer1Timer()
{
    Timer1->stop();
    Button2Click();
}

QString TSichernForm::SicherungsOrdner(const QString &wurzel)
{
    return wurzel + QLatin1String("MwDaten/");
}

void TSichernForm::Button2Click()
{
    Button1->setEnabled(false);
    ListBox1->clear();
    for (const Laufwerk &laufwerk : Laufwerke()) {
        if (!LaufwerkBereit(laufwerk.wurzel))
            continue;
        const QString ordner = SicherungsOrdner(laufwerk.wurzel);
        bool geeignet = false;
        if (SichernS) {
            // Only a drive that takes the folder qualifies; an empty folder
            // made for the test goes again.
            geeignet = QDir().mkpath(ordner);
            QThread::msleep(10);
            if (geeignet)
                QDir().rmdir(ordner);
        } else {
            geeignet = QDir(ordner).exists();
        }
        if (!geeignet)
            continue;
        auto *eintrag = new QListWidgetItem(LaufwerkEintrag(laufwerk), ListBox1);
        eintrag->setData(Qt::UserRole, laufwerk.wurzel);
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

bool TSichernForm::Vorbereiten(const QString &sicherung)
{
    auto anlegen = [](const QString &ordner) {
        if (QDir(ordner).exists() || QDir().mkpath(ordner))
            return true;
        Fehler(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(ordner)));
        return false;
    };
    if (!anlegen(DatenOrdner))
        return false;
    if (SichernS && !anlegen(sicherung))
        return false;
    if (TeilnehmerDateien(SichernS ? DatenOrdner : sicherung).isEmpty()) {
        Information(SichernS ? QStringLiteral("Es sind keine Datendateien zum Sichern vorhanden!")
                             : QStringLiteral("Es sind keine Datendateien zum Wiederherstellen vorhanden!"));
        return false;
    }
    return true;
}

void TSichernForm::Button1Click()
{
    const QListWidgetItem *eintrag = ListBox1->currentItem();
    if (!eintrag || laeuft)
        return;
    Button1->setEnabled(false);
    RichEdit1->setFocus();
    ReText(QStringLiteral("Kopierverlauf:"), true);
    const QString sicherung = SicherungsOrdner(eintrag->data(Qt::UserRole).toString());
    if (!Vorbereiten(sicherung)) {
        Button2->setFocus();
        return;
    }
    laeuft = true;
    const QString von = SichernS ? DatenOrdner : sicherung;
    const QString nach = SichernS ? sicherung : DatenOrdner;
    if (CopyDateienOk(von, nach) && CheckDateienOk(von, nach)) {
        const QString erfolg = SichernS ? QStringLiteral("Die Datendateien wurden erfolgreich in \"%1\" gesichert!")
                                        : QStringLiteral("Die Datendateien wurden erfolgreich von \"%1\" wiederhergestellt!");
        Information(erfolg.arg(Nativ(sicherung)));
    }
    laeuft = false;
    Button1->setEnabled(ListBox1->count() > 0);
    ListBox1->setFocus();
    if (schliessenNachLauf) {
        schliessenNachLauf = false;
        done(schliessenErgebnis);
    }
}

QStringList TSichernForm::Namen(const QString &o1, const QString &o2, const QString &datei) const
{
    if (SichernS)
        return {datei, Nativ(o2 + datei)};
    return {Nativ(o1 + datei), datei};
}

bool TSichernForm::CopyDateienOk(const QString &o1, const QString &o2)
{
    return JedeDatei(o1, o2, QStringLiteral("Kopiere: \"%1\" --> \"%2\" ..."), DateiKopieren, [&](const QString &datei) {
        return QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\nDer Kopiervorgang wird abgebrochen.")
            .arg(Nativ(o1 + datei), Nativ(o2));
    });
}

bool TSichernForm::CheckDateienOk(const QString &o1, const QString &o2)
{
    return JedeDatei(o1, o2, QStringLiteral("Vergleiche: \"%1\" --> \"%2\" ..."), DateienGleich, [&](const QString &datei) {
        return QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\nDer Vergleichvorgang wird abgebrochen.")
            .arg(Nativ(o1 + datei), Nativ(o2 + datei));
    });
}

bool TSichernForm::JedeDatei(const QString &o1, const QString &o2, const QString &logZeile,
                             const std::function<bool(const QString &, const QString &, const std::function<void()> &)> &aktion,
                             const std::function<QString(const QString &)> &fehlerText)
{
    // Pending input is handled once per block, so the window stays responsive.
    const auto eingaben = [] { QApplication::processEvents(); };
    for (const QString &datei : TeilnehmerDateien(o1)) {
        const QStringList namen = Namen(o1, o2, datei);
        ReText(logZeile.arg(namen[0], namen[1]), false);
        if (!aktion(o1 + datei, o2 + datei, eingaben)) {
            Fehler(fehlerText(datei));
            return false;
        }
    }
    return true;
}

void TSichernForm::ReText(const QString &s, bool clearS)
{
    if (clearS)
        RichEdit1->clear();
    // As plain text: a file name is never taken for markup.
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    if (!RichEdit1->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(s);
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
