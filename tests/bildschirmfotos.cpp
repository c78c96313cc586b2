// Takes a picture of the main window and of every dialog, in the font and
// background colour given on the command line:
//   bildschirmfotos <ziel> <schrift> <punkte> <fett 0|1> <hintergrund 0..18>
// scripts/screenshots runs it under Xvfb.

#include "app/programmstart.h"
#include "dialogs/editdlg.h"
#include "dialogs/importdlg.h"
#include "dialogs/kennwortdlg.h"
#include "dialogs/klassentagdlg.h"
#include "dialogs/klassentagtabelle.h"
#include "dialogs/sicherndlg.h"
#include "dialogs/klassendlg.h"
#include "dialogs/klassewechselndlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "dialogs/zahlendlg.h"
#include "mainwindow/haupt.h"
#include "records/bloecke.h"
#include "records/datumlesen.h"
#include "ui/hintergrunddlg.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "ui/statusleiste.h"
#include "util/heute.h"
#include "util/laufwerke.h"
#include "util/ordner.h"

#include <QApplication>
#include <QCheckBox>
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

// Photographs the next modal dialog (of the class `klasse`, where given),
// lets `vorher` prepare it, then closes it.
void DialogFoto(const QString &name, std::function<void(QWidget *)> vorher = {}, const char *klasse = nullptr)
{
    auto *uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, name, vorher, klasse] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || (klasse && !dialog->inherits(klasse)))
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

// A participant of 4b with every school day from September to December
// 2025, newest first, and one day whose date text is no date.
QStringList EinTrimester()
{
    QStringList zeilen = {"4b\vliest gern"};
    int n = 0;
    for (QDate tag(2025, 12, 10); tag >= QDate(2025, 9, 1); tag = tag.addDays(-1)) {
        if (tag.dayOfWeek() > 5)
            continue;
        const int status = ++n % 13 == 0 ? 0 : n % 5 == 0 ? 1 : 2;
        static const char *const wochentage[] = {"Mo", "Di", "Mi", "Do", "Fr"};
        const QString text = QString("%1., %2. %3 2025")
                                 .arg(wochentage[tag.dayOfWeek() - 1])
                                 .arg(tag.day())
                                 .arg(MonatsName(tag.month()));
        zeilen << text + "\v" << QString::number(status) << Blocktrenner;
        if (n == 40)
            zeilen << "Wandertag\v" << "0" << Blocktrenner;
    }
    return zeilen;
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
    // The restore offers an encrypted backup where the drive holds one.
    QFile::copy(daten + "Beta.dat", welt.path() + "/USB Stick/MwDaten/Merkwerk-Sicherung.mwsich");
    Datei(daten + "Kurt Alt.dat.bak", {"3c\v", t});
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
    // The status bar with the backup reminder (none made yet).
    haupt.ErinnerungZeigen();
    Foto(haupt.StatusBar1, "statusleiste_erinnerung");
    haupt.SicherungErfolgt();

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
    DialogFoto("ganze_klasse", [](QWidget *dialog) {
        auto *wechseln = qobject_cast<TKlasseWechselnForm *>(dialog);
        wechseln->FeldNeueKlasse->setText("5b");
    });
    haupt.MenuBearbGanzeKlasse->trigger();
    // A class list from the school office, with a row that exists and one
    // that cannot be a file name.
    const QString liste = welt.path() + "/Klasse 4b.csv";
    Datei(liste, {"Nachname;Vorname;Klasse;Bemerkung", "Müller-Lüdenscheidt;Hans-Jürgen;4b;Allergie: Nüsse",
                  "Beta;;4b;", "Schmidt/Meyer;Lena;4b;", "Yılmaz;Elif;4b;sitzt vorne", "Weiß;Jörg;4b;"});
    DialogFoto("importieren", [liste](QWidget *dialog) {
        auto *import = qobject_cast<TImportForm *>(dialog);
        import->DateiLaden(liste);
    });
    haupt.MenuAktImportieren->trigger();
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
    DialogFoto("sichern");
    haupt.MenuSicherungSichern->trigger();
    DialogFoto("sicherung");
    haupt.MenuSicherungWiederholen->trigger();
    // The encrypted backup: the check box, then the password question,
    // asked over the dialog when "Sichern" is pressed.
    DialogFoto("sichern_verschluesselt", [](QWidget *dialog) {
        auto *sichern = qobject_cast<TSichernForm *>(dialog);
        sichern->KastenVerschluesselt->setChecked(true);
        QTimer::singleShot(30, sichern, [sichern] {
            DialogFoto(
                "kennwort",
                [](QWidget *frage) {
                    auto *kennwort = qobject_cast<TKennwortForm *>(frage);
                    kennwort->FeldKennwort->setText("Apfelbaum 2025");
                    kennwort->FeldWiederholung->setText("Apfel");
                    kennwort->FeldWiederholung->setFocus();
                },
                "TKennwortForm");
            sichern->Button1->click();
        });
    });
    haupt.MenuSicherungSichern->trigger();
    DialogFoto("verwaiste_kopien");
    haupt.MenuSicherungVerwaist->trigger();
    DialogFoto("schriftart");
    haupt.MenuAnsSchrift->trigger();
    // The evaluations, over a class with a term of days.
    HeuteFestlegen(QDate(2025, 12, 11));
    Datei(daten + "Carla Weiß.dat", EinTrimester());
    haupt.setDatFilename("Carla Weiß");
    DialogFoto("klassenuebersicht");
    haupt.MenuAuswKlasse->trigger();
    DialogFoto("verlauf");
    haupt.MenuAuswVerlauf->trigger();
    // The class day of 4b: a few rows recorded, not yet saved.
    for (const char *name : {"Anton Berger", "Jonas Gruber", "Lena Huber", "Mia Novak", "Sophie Wagner"})
        Datei(daten + QString::fromUtf8(name) + ".dat", {"4b\v", "Mi., 10. Dezember 2025\v", "2", t});
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &text) { return text.endsWith("Verwerfen?"); });
    DialogFoto("klassentag", [](QWidget *dialog) {
        auto *k = qobject_cast<TKlassentagForm *>(dialog);
        const KlassenEintrag eintraege[] = {{2, {}, {}}, {0, "krank", "Attest folgt"}, {1, "Heft vergessen", {}}};
        for (int zeile = 0; zeile < 3; ++zeile)
            k->Modell->ZeileAendern(zeile, [&](KlassenZeile &z) { z.eintrag = eintraege[zeile]; });
        k->TabelleKlasse->ZeileWaehlen(3);
    });
    haupt.MenuAktKlassentag->trigger();
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &) { return false; });
    HeuteFestlegen({});

    // A message box as the user sees it.
    MeldungsAntwortFestlegen({});
    DialogFoto("info");
    haupt.MenuHilfeInfo->trigger();
    haupt.close();
    return 0;
}
