// Participants: the list, creating, renaming, class and comment, deleting.

#include "haupt.h"

#include "dialogs/editdlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "records/neuerteilnehmer.h"
#include "records/teilnehmername.h"
#include "records/teilnehmerordner.h"
#include "ui/meldungen.h"
#include "util/ordner.h"
#include "util/texte.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void TForm1::Button3Click()
{
    if (!Speichern(false))
        return;
    TlForm->setKlasse(QString());
    // Whether there is any participant at all; the list reads the files itself.
    if (TeilnehmerNamen(OrdnerTeil(FDatFilename)).isEmpty()) {
        if (Frage(QStringLiteral("Es sind keine Teilnehmer-Dateien vorhanden!\r\nMöchten Sie jetzt einen "
                                 "Teilnehmer anlegen?")))
            TeilnehmerErstellen();
        return;
    }
    TlForm->SchriftartZuweisen();
    TlForm->setKlasse(SortierKlasse);
    TlForm->DatFilename = FDatFilename;
    if (TlForm->exec() == MwDialog::Ok) {
        const QString name = TlForm->Auswahl();
        // OK before the list was filled, or with nothing selected, opens nothing.
        if (!name.isEmpty() && Speichern(false))
            setDatFilename(name);
    }
    SortierKlasse = TlForm->Klasse();
    TlForm->setKlasse(QString());
}

void TForm1::MenuAktNeuenTeilnehmerClick()
{
    TeilnehmerErstellen();
}

void TForm1::TeilnehmerErstellen()
{
    TnCreateForm->SchriftartZuweisen();
    TnCreateForm->DatFilename = FDatFilename;
    TnCreateForm->Edit2->setText(SortierKlasse);
    TnCreateForm->Edit3->clear();
    const int ergebnis = TnCreateForm->exec();
    if (ergebnis == MwDialog::Vorhandenen) {
        if (Speichern(false))
            setDatFilename(Trimmen(TnCreateForm->Edit1->text()));
        return;
    }
    if (ergebnis != MwDialog::Ok || !Speichern(false))
        return;
    const QString name = Trimmen(TnCreateForm->Edit1->text());
    // In the encoding of the open document; the new file's own is read when it opens.
    Kodierung kodierung = DatKodierung;
    QString fehler;
    if (!TeilnehmerAnlegen(OrdnerTeil(FDatFilename), name, TnCreateForm->Edit2->text(), TnCreateForm->Edit3->text(),
                           kodierung, fehler)) {
        Fehler(fehler);
        return;
    }
    if (!fehler.isEmpty())
        Fehler(fehler);
    Information(QStringLiteral("Der Teilnehmer \"%1\" wurde angelegt und aufgerufen!").arg(name));
    setDatFilename(name);
}

void TForm1::MenuBearbUmbenennenClick()
{
    if (auto *eintrag = qobject_cast<QAction *>(sender()))
        UmbenennenAendern(eintrag->data().toInt());
}

void TForm1::PuEdit12MenuPopup(const QPoint &stelle)
{
    UpdateMenus();
    // The field the menu was opened over decides: the name or the class.
    auto *feld = qobject_cast<QLineEdit *>(sender());
    const bool klasse = feld == Edit2;
    PuEdit12Aendern->setData(klasse ? TEditForm::KlasseAendern : TEditForm::Umbenennen);
    PuEdit12Aendern->setText(klasse ? QStringLiteral("Klasse ändern...") : QStringLiteral("Teilnehmer &umbenennen..."));
    PuEdit12Menu->popup((feld ? feld : Edit1)->mapToGlobal(stelle));
}

void TForm1::UmbenennenAendern(int modus)
{
    EditForm->SchriftartZuweisen();
    EditForm->NullS = false;
    EditForm->Nr = modus;
    EditForm->Edit1->setText(modus == TEditForm::Umbenennen ? Teilnehmer() : Klasse());
    forever {
        if (EditForm->exec() != MwDialog::Ok)
            return;
        const QString eingabe = Trimmen(EditForm->Edit1->text());
        if (modus != TEditForm::Umbenennen) {
            setKlasse(eingabe);
            Edit2->setFocus();
            Information(QStringLiteral("Die Klasse wurde in \"%1\" geändert!").arg(Klasse()));
            return;
        }
        if (!Speichern(false))
            return;
        if (eingabe == Teilnehmer()) {
            Information(QStringLiteral("Der Teilnehmer ist identisch mit \"%1\"!").arg(eingabe));
            continue;
        }
        if (const QString fehler = NeuerNameFehler(OrdnerTeil(FDatFilename), eingabe); !fehler.isEmpty()) {
            Information(fehler);
            continue;
        }
        QString fehler;
        if (!TeilnehmerdateiUmbenennen(FDatFilename, OrdnerTeil(FDatFilename) + eingabe + QLatin1String(".dat"),
                                       fehler)) {
            Information(QStringLiteral("Die Datei \"%1\" konnte nicht umbenannt werden!").arg(Nativ(FDatFilename)));
            continue;
        }
        if (!fehler.isEmpty())
            Fehler(fehler);
        Information(QStringLiteral("Der Teilnehmer \"%1\" wurde in \"%2\" geändert!").arg(Teilnehmer(), eingabe));
        const int nummer = FAktNummer;
        setDatFilename(eingabe);
        setAktNummer(nummer);
        return;
    }
}

void TForm1::MenuBearbKommentarClick()
{
    EditForm->SchriftartZuweisen();
    EditForm->NullS = true;
    EditForm->Nr = TEditForm::KommentarAendern;
    EditForm->Edit1->setText(Kommentar());
    if (EditForm->exec() != MwDialog::Ok)
        return;
    setKommentar(Trimmen(EditForm->Edit1->text()));
    Edit4->setFocus();
    Information(QStringLiteral("Der Kommentar wurde in \"%1\" geändert!").arg(Kommentar()));
}

void TForm1::PuEdit4MenuPopup(const QPoint &stelle)
{
    UpdateMenus();
    PuEdit4Menu->popup(Edit4->mapToGlobal(stelle));
}

void TForm1::MenuAktTeilnehmerLoeschenClick()
{
    const QString name = Teilnehmer();
    if (LoeschenBestaetigt(name))
        TeilnehmerLoeschen(name);
}

bool TForm1::LoeschenBestaetigt(const QString &name)
{
    return Frage(QStringLiteral("Soll der Teilnehmer \"%1\" gelöscht werden?").arg(name))
           && Frage(QStringLiteral("Soll der Teilnehmer \"%1\" wirklich vollständig gelöscht werden?").arg(name));
}

bool TForm1::TeilnehmerLoeschen(const QString &name)
{
    if (name == Teilnehmer()) {
        setDatFilename(QString());
        Edit1->setFocus();
    }
    if (!QFile::remove(TeilnehmerPfad(OrdnerTeil(FDatFilename), name)))
        return false;
    Information(QStringLiteral("Der Teilnehmer \"%1\" wurde gelöscht!").arg(name));
    return true;
}
