// Showing a day, stepping between days, the enabled state of the commands
// and the keys of the read-only header fields.

#include "haupt.h"

#include "dialogs/editdlg.h"
#include "ui/ablage.h"
#include "ui/fokus.h"
#include "ui/zeilenfeld.h"
#include "ui/statusleiste.h"
#include "util/ordner.h"
#include "util/toene.h"
#include "util/zahlen.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

void TForm1::setAktNummer(int nummer)
{
    const int max = MaxNummer();
    FAktNummer = qBound(0, nummer, max);
    StatusBar1->PanelText(0, QStringLiteral("Nummer: %1/%2").arg(TausenderPunkte(FAktNummer),
                                                                TausenderPunkte(max)));
    ZeigeNummer(FAktNummer);
    UpdateMenus();
}

QString TForm1::NummerText() const
{
    return StatusBar1->PanelText(0);
}

void TForm1::setStatusText(const QString &text)
{
    StatusBar1->PanelText(1, text);
}

QString TForm1::StatusText() const
{
    return StatusBar1->PanelText(1);
}

void TForm1::UpdateMenus()
{
    const int max = MaxNummer();
    const bool offen = !Teilnehmer().isEmpty();
    const bool tage = max > 0;
    const bool auswahl = RichEdit1->textCursor().hasSelection();

    MenuHilfeHistory->setEnabled(QFileInfo::exists(Programmordner() + QLatin1String("History.txt")));
    MenuHilfeUpdate->setVisible(QFileInfo::exists(Programmordner() + QLatin1String("Nachlader")));
    PuReAllesMarkieren->setEnabled(!RichEdit1->document()->isEmpty());
    PuReKopieren->setEnabled(auswahl);
    PuReAusschneiden->setEnabled(auswahl);
    PuReEinfuegen->setEnabled(offen); // and text to paste: asked when the menu opens
    Button1->setEnabled(FAktNummer < max);
    MenuAktVor->setEnabled(Button1->isEnabled());
    Button2->setEnabled(FAktNummer > 1);
    MenuAktRueck->setEnabled(Button2->isEnabled());
    MenuAktNeuenTag->setEnabled(offen);
    MenuAktNaechster->setEnabled(offen);
    MenuAktVorheriger->setEnabled(offen);
    KlassentagMenuAktualisieren();
    MenuAktTagLoeschen->setEnabled(tage);
    MenuAktTeilnehmerLoeschen->setEnabled(offen);
    MenuBearbEndgueltigLoeschen->setEnabled(offen);
    MenuAuswVerlauf->setEnabled(offen);
    for (QAction *bericht : {MenuAktTagAnzeigen, MenuAktTeilnehmerAnzeigen, MenuAktAufgaben,
                             MenuDateiDruckenTag, MenuDateiDruckenTeilnehmer, MenuDateiDruckenAufgaben})
        bericht->setEnabled(tage);
    MenuAktKommentare->setEnabled(true);
    MenuDateiDruckenKommentare->setEnabled(true);
    Edit3->setReadOnly(!offen);
    Edit5->setReadOnly(!offen);
    RichEdit1->setReadOnly(!offen);
    for (QAction *eintrag : {PuEdit3Heute, PuEdit3Gestern, PuEdit3Morgen, PuEdit12Aendern, PuEdit4Kommentar,
                             MenuBearbUmbenennen, MenuBearbAendern, MenuBearbKommentar, MenuBearbHeute,
                             MenuBearbGestern, MenuBearbMorgen, MenuBearbGehe, MenuBearbSuche})
        eintrag->setEnabled(offen);
}

void TForm1::Button1Click()
{
    if (!Speichern(false))
        return; // the shown day keeps its edit
    setAktNummer(FAktNummer + 1);
    Edit3->setFocus();
}

void TForm1::Button2Click()
{
    if (!Speichern(false))
        return;
    setAktNummer(FAktNummer - 1);
    Edit3->setFocus();
}

void TForm1::Edit1KeyPress(QLineEdit *feld)
{
    const int feldtag = feld->property("Tag").toInt();
    if (feldtag == NameFeld) {
        Button3->click();
        return;
    }
    if (Teilnehmer().isEmpty()) {
        StandardTonSpielen(false);
        return;
    }
    if (feldtag == KlassenFeld)
        UmbenennenAendern(TEditForm::KlasseAendern);
    else if (feldtag == KommentarFeld)
        MenuBearbKommentarClick();
}

void TForm1::SetActiveControl()
{
    FokusZurueckgeben(MerkActiveControl);
}

void TForm1::PuReMenuPopup(const QPoint &stelle)
{
    UpdateMenus();
    PuReEinfuegen->setEnabled(PuReEinfuegen->isEnabled() && AblageHatText());
    PuReMenu->popup(RichEdit1->viewport()->mapToGlobal(stelle));
}

bool TForm1::HauptKuerzelVorrang(QKeyEvent *taste) const
{
    // Edit controls claim Ctrl+Left/Right and more for themselves; the
    // main menu's shortcuts must win, as in every program of this kind.
    const QKeySequence sequenz(taste->keyCombination());
    for (QAction *eintrag : {MenuAktVor, MenuAktRueck, MenuAktTeilnehmer, MenuAktNaechster, MenuAktVorheriger,
                             MenuAktNeuenTag, MenuAktNeuenTeilnehmer, MenuBearbGehe, MenuBearbSuche, MenuDateiClose,
                             MenuAuswKlasse, MenuAuswVerlauf, MenuAktKlassentag}) {
        if (eintrag->shortcut() == sequenz)
            return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == RichEdit1 && ereignis->type() == QEvent::KeyPress && WeicherUmbruch(static_cast<QKeyEvent *>(ereignis))) {
        // Shift+Enter breaks the line like Enter: the file knows only lines.
        RichEdit1->textCursor().insertBlock();
        return true;
    }
    if (ereignis->type() == QEvent::ShortcutOverride
        && HauptKuerzelVorrang(static_cast<QKeyEvent *>(ereignis))) {
        ereignis->ignore();
        return true;
    }
    if (objekt == centralWidget() && ereignis->type() == QEvent::Resize && !IsClosing && isVisible()) {
        SchriftartZuweisen();
        FensterEinrichten();
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

bool TForm1::WeicherUmbruch(QKeyEvent *taste)
{
    return (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
           && taste->modifiers().testFlag(Qt::ShiftModifier);
}

void TForm1::ZeilenEingabenEinrichten()
{
    for (QLineEdit *feld : {Edit1, Edit2, Edit4, Edit3, Edit5})
        ZeilenfeldEinrichten(feld, 100);
    for (QLineEdit *feld : {Edit1, Edit2, Edit4})
        connect(feld, &QLineEdit::returnPressed, this, [this, feld] { Edit1KeyPress(feld); });
}
