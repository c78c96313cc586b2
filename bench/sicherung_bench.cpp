// Backing up 1,000 participant files of 21 KB and of 200 KB with the real
// backup dialog on screen, from the click on "&Sichern" until the success
// message (copy, compare, log), against a copy written here in one process
// doing the same work: read, write beside the target, fdatasync, rename,
// drop from the cache, then compare both files.
//
// The encrypted backup of the same files, also from the click (the password
// dialog shown and filled in) until the success message, against the plain
// backup in the dialog plus the making of the key from the password: what
// is left is the encryption itself (tar, secretstream, the one file read
// back and decrypted for the comparison).

#include "dialogs/kennwortdlg.h"
#include "dialogs/sicherndlg.h"
#include "ui/meldungen.h"
#include "util/laufwerke.h"
#include "util/verschluesselung.h"

#include "messen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool AllesLesen(const std::string &pfad, std::vector<char> &puffer)
{
    const int handle = ::open(pfad.c_str(), O_RDONLY);
    if (handle < 0)
        return false;
    puffer.resize(size_t(::lseek(handle, 0, SEEK_END)));
    const bool ok = ::pread(handle, puffer.data(), puffer.size(), 0) == ssize_t(puffer.size());
    ::close(handle);
    return ok;
}

std::vector<std::string> DatDateien(const std::string &ordner)
{
    std::vector<std::string> namen;
    DIR *verzeichnis = ::opendir(ordner.c_str());
    while (dirent *eintrag = ::readdir(verzeichnis)) {
        const size_t laenge = std::strlen(eintrag->d_name);
        if (laenge > 4 && std::strcmp(eintrag->d_name + laenge - 4, ".dat") == 0)
            namen.emplace_back(eintrag->d_name);
    }
    ::closedir(verzeichnis);
    return namen;
}

// The floor: each file copied through a temporary name, synced, dropped
// from the cache; the folder synced once; then every pair compared.
bool BodenKopie(const std::string &von, const std::string &nach)
{
    std::vector<char> a, b;
    const std::vector<std::string> namen = DatDateien(von);
    for (const std::string &name : namen) {
        if (!AllesLesen(von + name, a))
            return false;
        const std::string zwischen = nach + "." + name + ".tmp";
        const int handle = ::open(zwischen.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (handle < 0 || ::write(handle, a.data(), a.size()) != ssize_t(a.size()) || ::fdatasync(handle) != 0)
            return false;
        ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
        ::close(handle);
        if (::rename(zwischen.c_str(), (nach + name).c_str()) != 0)
            return false;
    }
    const int ordner = ::open(nach.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(ordner);
    ::close(ordner);
    for (const std::string &name : namen) {
        if (!AllesLesen(von + name, a) || !AllesLesen(nach + name, b) || a != b)
            return false;
    }
    return true;
}

// Every file of a folder goes, so that the next run copies anew; the
// deletions reach the disk before the clock starts.
void Leeren(const QString &ordner)
{
    QDir d(ordner);
    for (const QString &datei : d.entryList(QDir::Files | QDir::Hidden))
        d.remove(datei);
    ::sync();
}

void Daten(const QString &ordner, int anzahl, int groesse)
{
    QDir().mkpath(ordner);
    QByteArray inhalt(groesse, '\0');
    for (int n = 0; n < anzahl; ++n) {
        for (char &c : inhalt)
            c = char(QRandomGenerator::global()->bounded(32, 127));
        Anlegen(ordner + QString("Teilnehmer %1.dat").arg(n, 4, 10, QLatin1Char('0')), inhalt);
    }
}

const QString Kennwort = QStringLiteral("Ein Kennwort für die Messung");

// Fills in the password dialog as soon as it is shown.
void KennwortGeben()
{
    auto *uhr = new QTimer;
    uhr->setInterval(1);
    QObject::connect(uhr, &QTimer::timeout, [uhr] {
        auto *frage = qobject_cast<TKennwortForm *>(QApplication::activeModalWidget());
        if (!frage || !frage->isVisible())
            return;
        uhr->stop();
        uhr->deleteLater();
        frage->FeldKennwort->setText(Kennwort);
        frage->FeldWiederholung->setText(Kennwort);
        frage->KnopfOk->click();
    });
    uhr->start();
}

// The key of a new backup with the program's limits, as the backup makes it.
double SchluesselZeit()
{
    QString text = Kennwort;
    const Geheimnis kennwort = Geheimnis::AusText(text);
    const Sicherungskopf kopf = NeuerKopf();
    return Stoppen([&] { SchluesselAbleiten(kennwort, kopf); });
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString laufwerk = platz.Pfad() + "laufwerk/";
    const QString sicherung = laufwerk + "MwDaten/";
    const QString bodenZiel = platz.Pfad() + "boden/";
    QDir().mkpath(laufwerk);
    QDir().mkpath(bodenZiel);
    LaufwerkeFestlegen([laufwerk] { return QList<Laufwerk>{{laufwerk, Laufwerk::Wechsel, "STICK", {}}}; });
    QString letzteMeldung;
    MeldungsAntwortFestlegen([&letzteMeldung](MeldungsArt, const QString &text) {
        letzteMeldung = text;
        return true;
    });

    TSichernForm dialog(nullptr);
    dialog.SichernS = true;
    dialog.SchriftartZuweisen();
    dialog.show();
    while (!dialog.Button1->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    struct Groesse {
        const char *figur;
        const char *verschluesselt;
        const char *text;
        int bytes;
        int paare;
    };
    // One backup in the dialog, plain or encrypted, from the click on.
    auto sichern = [&](bool verschluesselt) {
        Leeren(sicherung);
        letzteMeldung.clear();
        dialog.KastenVerschluesselt->setChecked(verschluesselt);
        if (verschluesselt)
            KennwortGeben();
        const double zeit = Stoppen([&] {
            dialog.Button1->click();
            QApplication::processEvents();
        });
        return letzteMeldung.contains("erfolgreich") ? zeit : -1e9;
    };
    for (const Groesse &g : {Groesse{"backup_dialog_1000x21k", "backup_encrypted_1000x21k", "21 MB", 21 * 1024, 5},
                             Groesse{"backup_dialog_1000x200k", "backup_encrypted_1000x200k", "200 MB", 200 * 1024, 3}}) {
        if (!Gewuenscht(g.figur) && !Gewuenscht(g.verschluesselt))
            continue;
        const QString daten = platz.Pfad() + QString("daten%1/").arg(g.bytes);
        Daten(daten, 1000, g.bytes);
        dialog.DatenOrdner = daten;
        bool ok = true;
        const Vergleich v = Abwechselnd(
            g.figur, g.paare,
            [&] {
                const double zeit = sichern(false);
                ok = ok && zeit >= 0;
                return zeit;
            },
            [&] {
                Leeren(bodenZiel);
                return Stoppen([&] { ok = BodenKopie(daten.toStdString(), bodenZiel.toStdString()) && ok; });
            });
        if (Gewuenscht(g.figur))
            std::printf("Sichern mit Vergleich im Dialog (%s, 1.000 Dateien): %6.2f s %s\n", g.text,
                        v.merkwerk / 1000, ok ? "" : "FEHLER");
        // The floor: the plain backup in the same dialog, then the key.
        double schluessel = 0;
        const Vergleich w = Abwechselnd(
            g.verschluesselt, g.paare,
            [&] {
                const double zeit = sichern(true);
                ok = ok && zeit >= 0;
                return zeit;
            },
            [&] {
                const double zeit = sichern(false);
                ok = ok && zeit >= 0;
                schluessel = SchluesselZeit();
                return zeit + schluessel;
            });
        if (Gewuenscht(g.verschluesselt))
            std::printf("Verschlüsselt sichern (%s, 1.000 Dateien): %6.2f s, davon Schlüssel etwa %.2f s %s\n",
                        g.text, w.merkwerk / 1000, schluessel / 1000, ok ? "" : "FEHLER");
        QDir(daten).removeRecursively();
    }
    return 0;
}
