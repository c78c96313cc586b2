// The encrypted backup and its restore in the backup dialog: the password,
// the key made beside the window, then the same passes as the plain backup
// (copy, then compare what the drive holds), with the same messages.

#include "sicherndlg.h"

#include "records/sicherungsarchiv.h"
#include "records/teilnehmerordner.h"
#include "ui/meldungen.h"
#include "util/ordner.h"

#include <QApplication>
#include <QTextEdit>

#include <chrono>
#include <future>

namespace {

void UnlesbarMelden(const QString &datei, const QString &grund)
{
    Fehler(QStringLiteral("Die Sicherung \"%1\" kann nicht gelesen werden.\r\n%2").arg(Nativ(datei), grund));
}

} // namespace

bool TSichernForm::KennwortFragen(TKennwortForm::Zweck zweck, Geheimnis &kennwort)
{
    if (!KennwortForm)
        KennwortForm = new TKennwortForm(this);
    KennwortForm->zweck = zweck;
    KennwortForm->SchriftartZuweisen();
    const bool ok = KennwortForm->exec() == Ok;
    kennwort = KennwortForm->KennwortNehmen();
    RichEdit1->setFocus();
    return ok;
}

Geheimnis TSichernForm::SchluesselBerechnen(const Geheimnis &kennwort, const Sicherungskopf &kopf)
{
    ReText(QStringLiteral("Der Schlüssel wird aus dem Kennwort berechnet ..."), false);
    ProtokollAusgeben();
    std::future<Geheimnis> schluessel =
        std::async(std::launch::async, [&kennwort, &kopf] { return SchluesselAbleiten(kennwort, kopf); });
    while (schluessel.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QApplication::processEvents();
    Geheimnis ergebnis = schluessel.get();
    if (ergebnis.Leer())
        Fehler(QStringLiteral("Für die Verschlüsselung fehlt der Arbeitsspeicher.\r\nBitte schließen Sie andere "
                              "Programme und versuchen Sie es erneut."));
    return ergebnis;
}

bool TSichernForm::VerschluesseltSichern(const QString &sicherung)
{
    Geheimnis kennwort;
    if (!KennwortFragen(TKennwortForm::Sichern, kennwort))
        return false;
    const Sicherungskopf kopf = NeuerKopf();
    const Geheimnis schluessel = SchluesselBerechnen(kennwort, kopf);
    kennwort = {}; // the password is not needed once the key is made
    if (schluessel.Leer())
        return false;
    const QString datei = sicherung + SicherungsDateiName;
    const auto laufwerk = [datei](const QString &) { return datei; };
    QStringList geschrieben;
    const JeDatei kopiere = Protokollierer(laufwerk, QStringLiteral("Kopiere: \"%1\" --> \"%2\" ..."));
    ArchivErgebnis ergebnis = ArchivSchreiben(
        DatenOrdner, datei, schluessel, kopf,
        [&](const QString &name) {
            geschrieben << name;
            kopiere(name);
        },
        EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Erfolg()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\nDer Kopiervorgang wird abgebrochen.")
                   .arg(Nativ(ergebnis.datei.isEmpty() ? datei : DatenOrdner + ergebnis.datei), Nativ(sicherung)));
        return false;
    }
    ergebnis = ArchivVergleichen(
        datei, kopf, schluessel, [this](const QString &name) { return DatenOrdner + name; }, &geschrieben, false,
        Protokollierer(laufwerk, QStringLiteral("Vergleiche: \"%1\" --> \"%2\" ...")), EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Erfolg()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\nDer Vergleichvorgang wird "
                              "abgebrochen.")
                   .arg(Nativ(DatenOrdner + ergebnis.datei), Nativ(datei)));
        return false;
    }
    if (!TeilnehmerDateien(sicherung).isEmpty())
        ReText(QStringLiteral("Hinweis: Im Ordner \"%1\" liegen noch unverschlüsselte Teilnehmerdateien einer "
                              "früheren Sicherung.")
                   .arg(Nativ(sicherung)),
               false);
    return true;
}

bool TSichernForm::VerschluesseltWiederherstellen(const QString &sicherung)
{
    const QString datei = sicherung + SicherungsDateiName;
    Sicherungskopf kopf;
    ArchivErgebnis ergebnis = SicherungsKopfLesen(datei, kopf);
    if (ergebnis.art == ArchivErgebnis::Fehler) {
        UnlesbarMelden(datei, ergebnis.grund);
        return false;
    }
    Geheimnis kennwort;
    if (!KennwortFragen(TKennwortForm::Wiederherstellen, kennwort))
        return false;
    // A head that is no backup's is refused only after the question: a
    // damaged file and a wrong password look alike to the user.
    if (ergebnis.Erfolg()) {
        const Geheimnis schluessel = SchluesselBerechnen(kennwort, kopf);
        kennwort = {};
        if (schluessel.Leer())
            return false;
        return VerschluesseltAuspacken(datei, kopf, schluessel, sicherung);
    }
    Fehler(KennwortFalschText());
    return false;
}

bool TSichernForm::VerschluesseltAuspacken(const QString &datei, const Sicherungskopf &kopf,
                                           const Geheimnis &schluessel, const QString &sicherung)
{
    // The whole file first: nothing is written unless every block is whole.
    ReText(QStringLiteral("Die Sicherung wird geprüft ..."), false);
    QList<DateiGroesse> eintraege;
    ArchivErgebnis ergebnis = ArchivPruefen(datei, kopf, schluessel, eintraege, EingabenZulassen);
    ProtokollAusgeben();
    if (ergebnis.art == ArchivErgebnis::Beschaedigt) {
        Fehler(KennwortFalschText());
        return false;
    }
    if (!ergebnis.Erfolg()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        UnlesbarMelden(datei, ergebnis.grund);
        return false;
    }
    if (eintraege.isEmpty()) {
        Information(QStringLiteral("Es sind keine Datendateien zum Wiederherstellen vorhanden!"));
        return false;
    }
    const Zielnamen ziele(DatenOrdner);
    QList<DateiGroesse> dateien;
    for (const DateiGroesse &eintrag : std::as_const(eintraege))
        dateien.append({ziele.Fuer(eintrag.name), eintrag.groesse});
    const Vorbereitung platz = PlatzPruefen(DatenOrdner, BenoetigterPlatz(dateien, DatenOrdner));
    if (platz.art != Vorbereitung::Bereit) {
        VorbereitungMelden(platz, sicherung);
        return false;
    }
    const auto ziel = [this, &ziele](const QString &name) { return DatenOrdner + ziele.Fuer(name); };
    const auto laufwerk = [datei](const QString &) { return datei; };
    ergebnis = ArchivAuspacken(datei, kopf, schluessel, ziel, true,
                               Protokollierer(laufwerk, QStringLiteral("Kopiere: \"%1\" --> \"%2\" ...")),
                               EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Erfolg()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\nDer Kopiervorgang wird abgebrochen.")
                   .arg(Nativ(datei), Nativ(DatenOrdner)));
        return false;
    }
    ergebnis = ArchivVergleichen(datei, kopf, schluessel, ziel, nullptr, true,
                                 Protokollierer(laufwerk, QStringLiteral("Vergleiche: \"%1\" --> \"%2\" ...")),
                                 EingabenZulassen);
    ProtokollAusgeben();
    if (!ergebnis.Erfolg()) {
        GrundMelden(ergebnis.datei, ergebnis.grund);
        Fehler(QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\nDer Vergleichvorgang wird "
                              "abgebrochen.")
                   .arg(Nativ(datei), Nativ(ziel(ergebnis.datei))));
        return false;
    }
    return true;
}
