// The data folder choice and the settings kept between runs.

#include "haupt.h"

#include "records/teilnehmername.h"
#include "ui/hintergrunddlg.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "util/einstellungen.h"
#include "util/ordner.h"

#include <QAction>
#include <QDir>
#include <QSettings>

namespace {

// A value of another type than expected counts as absent.
bool ZahlLesen(const QSettings &s, const QString &name, qint64 &wert)
{
    const QVariant v = s.value(name);
    if (!v.isValid())
        return false;
    bool ok = false;
    wert = v.toLongLong(&ok);
    return ok;
}

// Without a stored choice the data folder lies beside the program, as on a
// portable copy; where it cannot be made there, as in the folder of an
// installed program, it goes to the documents folder instead.
int ErsteOrdnerWahl()
{
    return OrdnerAnlegbar(Programmordner() + QLatin1String("Merkwerk/")) ? Menutag::Programmordner
                                                                         : Menutag::EigeneDateien;
}

} // namespace

QString TForm1::DatenOrdnerPfad() const
{
    const QString basis = ordnerWahl == Menutag::EigeneDateien ? EigeneDokumente() : Programmordner();
    return basis + QLatin1String("Merkwerk/");
}

int TForm1::GewaehlterOrdner() const
{
    return ordnerWahl;
}

void TForm1::MenuEinstOrdnerClick()
{
    auto *eintrag = qobject_cast<QAction *>(sender());
    // The menu has checked the item already; the choice is made below.
    MenuEinstEigeneDateien->setChecked(ordnerWahl == Menutag::EigeneDateien);
    MenuEinstProgrammordner->setChecked(ordnerWahl == Menutag::Programmordner);
    if (eintrag)
        AktOrdner(eintrag->data().toInt(), true);
}

void TForm1::AktOrdner(int nr, bool meldungS)
{
    const int wahl = nr == Menutag::EigeneDateien ? Menutag::EigeneDateien : Menutag::Programmordner;
    if (ordnerWahl == wahl)
        return;
    if (meldungS) {
        if (!Teilnehmer().isEmpty()
            && !Frage(QStringLiteral("Wenn der aktuelle Datenordner gewechselt werden soll, muss der "
                                     "geöffnete Teilnehmer geschlossen werden.\r\nSoll der aktuelle "
                                     "Teilnehmer jetzt geschlossen und der Ordner gewechselt werden?")))
            return;
        // The open participant is saved into the old folder first; when
        // that fails, nothing changes.
        if (!Speichern(false))
            return;
        DatenOrdnerEntfernenWennLeer();
    }
    ordnerWahl = wahl;
    MenuEinstEigeneDateien->setChecked(wahl == Menutag::EigeneDateien);
    MenuEinstProgrammordner->setChecked(wahl == Menutag::Programmordner);
    if (meldungS) {
        MenuDateiCloseClick();
        Timer1Timer();
    }
}

void TForm1::DatenOrdnerEntfernenWennLeer()
{
    const QString ordner = OrdnerTeil(FDatFilename);
    if (!ordner.isEmpty())
        QDir().rmdir(ordner);
}

void TForm1::RegistryLadenSpeichern(bool ladenS)
{
    QSettings s = Einstellungen();
    ProgrammSchriftWerte &schrift = ProgrammSchrift();
    if (!ladenS) {
        s.setValue(QStringLiteral("AktOrdner"), ordnerWahl == Menutag::Programmordner ? Menutag::Programmordner : Menutag::EigeneDateien);
        s.setValue(QStringLiteral("Teilnehmer"), Teilnehmer());
        s.setValue(QStringLiteral("HintColor"), HintergrundNr());
        s.setValue(QStringLiteral("FontName"), schrift.schrift.family());
        s.setValue(QStringLiteral("FontSize"), qRound(schrift.schrift.pointSizeF()));
        s.setValue(QStringLiteral("FontColor"), qint32(schrift.farbe));
        s.setValue(QStringLiteral("FontCharSet"), schrift.zeichensatz);
        s.setValue(QStringLiteral("FontStyle"), StilBits(schrift.schrift));
        s.sync();
        return;
    }
    qint64 zahl = 0;
    AktOrdner(ZahlLesen(s, QStringLiteral("AktOrdner"), zahl) ? int(zahl) : ErsteOrdnerWahl(), false);
    // A name from the settings passes the check a typed one passes, so that
    // it never leads to a file outside the data folder.
    const QString teilnehmer = s.value(QStringLiteral("Teilnehmer")).toString();
    setDatFilename(NamensFehler(teilnehmer).isEmpty() ? teilnehmer : QString());

    const QString name = s.value(QStringLiteral("FontName")).toString();
    schrift.schrift.setFamily(name.isEmpty() ? QStringLiteral("Arial") : name);
    schrift.schrift.setPointSize(ZahlLesen(s, QStringLiteral("FontSize"), zahl) && zahl > 0 ? int(zahl) : 12);
    schrift.farbe = ZahlLesen(s, QStringLiteral("FontColor"), zahl) ? quint32(zahl)
                                                                     : ProgrammSchriftWerte::SystemFensterText;
    schrift.zeichensatz = ZahlLesen(s, QStringLiteral("FontCharSet"), zahl) ? int(zahl & 0xFF) : 0;
    StilBitsSetzen(schrift.schrift, ZahlLesen(s, QStringLiteral("FontStyle"), zahl) ? int(zahl) : 0);
    setHintergrundNr(ZahlLesen(s, QStringLiteral("HintColor"), zahl) ? int(zahl) : 1);
}

int TForm1::HintergrundNr() const
{
    return Hintergrund->HintergrundNr();
}

void TForm1::setHintergrundNr(int nummer)
{
    Hintergrund->setHintergrundNr(nummer);
    Hintergrundfarbe() = Hintergrund->HintergrundFarbe();
    SchriftartZuweisen();
}
