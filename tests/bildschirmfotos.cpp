// Takes a picture of the main window and of every dialog, in the font and
// background colour given on the command line:
//   bildschirmfotos <ziel> <schrift> <punkte> <fett 0|1> <hintergrund 0..18>
// scripts/screenshots runs it under Xvfb.

#include "app/programmstart.h"
#include "dialogs/editdlg.h"
#include "dialogs/klassendlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "dialogs/zahlendlg.h"
#include "mainwindow/haupt.h"
#include "records/bloecke.h"
#include "ui/hintergrunddlg.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "util/laufwerke.h"
#include "util/ordner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

QString ziel;
QStringList aufgenommen;

void Foto(QWidget *fenster, const QString &name)
{
    QApplication::processEvents();
    fenster->grab().save(ziel + "/" + name + ".png");
    aufgenommen << name;
}

// Photographs the next modal dialog, lets `vorher` prepare it, then closes it.
void DialogFoto(const QString &name, std::function<void(QWidget *)> vorher = {})
{
    auto *uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, name, vorher] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        uhr->stop();
        uhr->deleteLater();
        if (vorher)
            vorher(dialog);
        QTimer::singleShot(100, [dialog, name] {
            Foto(dialog, name);
            dialog->close();
        });
    });
    uhr->start(20);
}

void Datei(const QString &pfad, const QStringList &zeilen)
{
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write("\xEF\xBB\xBF");
    for (const QString &zeile : zeilen)
        datei.write(zeile.toUtf8() + "\r\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    ProgrammVorbereiten(anwendung);
    const QStringList args = anwendung.arguments();
    if (args.size() < 6)
        return 2;
    ziel = args[1];
    QDir().mkpath(ziel);

    QTemporaryDir welt;
    ProgrammordnerFestlegen(welt.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, welt.path() + "/config");
    const QString daten = welt.path() + "/Merkwerk/";
    QDir().mkpath(daten);
    const QString t = Blocktrenner;
    Datei(daten + "Beta.dat", {"4b\vsitzt vorne", "Mi., 10. Dezember 2025\vSchularbeit", "2", "Rechnen S. 14",
                               "Lesen S. 20", t, "Di., 9. Dezember 2025\v", "1", t});
    Datei(daten + "Ägidius Müller.dat", {"5a\v", "Mo., 8. Dezember 2025", t});
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &) { return false; });
    QDir().mkpath(welt.path() + "/USB Stick/MwDaten");
    QFile::copy(daten + "Beta.dat", welt.path() + "/USB Stick/MwDaten/Beta.dat");
    LaufwerkeFestlegen([&welt] {
        return QList<Laufwerk>{{welt.path() + "/USB Stick/", Laufwerk::Wechsel, "Stick", {}}};
    });

    TForm1 haupt;
    haupt.DialogeErstellen();
    haupt.show();
    QTimer::singleShot(0, [] {}); // let the start-up step run
    DialogFoto("teilnehmerliste");
    while (haupt.Timer1->isActive() || !aufgenommen.contains("teilnehmerliste"))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    ProgrammSchrift().schrift.setFamily(args[2]);
    ProgrammSchrift().schrift.setPointSize(args[3].toInt());
    ProgrammSchrift().schrift.setBold(args[4] == "1");
    haupt.setHintergrundNr(args[5].toInt());
    haupt.setDatFilename("Beta");
    Foto(&haupt, "hauptfenster");

    DialogFoto("teilnehmerliste_gross", [](QWidget *dialog) {
        auto *liste = qobject_cast<TTlForm *>(dialog);
        QTimer::singleShot(60, liste, [liste] {
            DialogFoto("klassen");
            liste->Button3->click();
        });
    });
    haupt.Button3->click();

    DialogFoto("neuer_teilnehmer", [](QWidget *dialog) {
        auto *neu = qobject_cast<TTnCreateForm *>(dialog);
        neu->Edit1->setText("Gamma");
        neu->Edit3->setText("braucht Brille");
    });
    haupt.MenuAktNeuenTeilnehmer->trigger();
    DialogFoto("umbenennen");
    haupt.MenuBearbUmbenennen->trigger();
    DialogFoto("suche");
    haupt.MenuBearbSuche->trigger();
    DialogFoto("gehe_zu_tag");
    haupt.MenuBearbGehe->trigger();
    DialogFoto("hintergrund");
    haupt.MenuAnsHintergrund->trigger();
    DialogFoto("bericht");
    haupt.MenuAktTeilnehmerAnzeigen->trigger();
    DialogFoto("sicherung");
    haupt.MenuSicherungWiederholen->trigger();
    DialogFoto("schriftart");
    haupt.MenuAnsSchrift->trigger();
    // A message box as the user sees it.
    MeldungsAntwortFestlegen({});
    DialogFoto("info");
    haupt.MenuHilfeInfo->trigger();
    haupt.close();
    return 0;
}
