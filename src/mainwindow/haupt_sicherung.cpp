// Backing up and restoring the participant files.

#include "haupt.h"

#include "dialogs/sicherndlg.h"
#include "util/ordner.h"

#include <QAction>
#include <QPushButton>

void TForm1::MenuSicherungSichernClick()
{
    auto *eintrag = qobject_cast<QAction *>(sender());
    const bool sichern = !eintrag || eintrag->data().toInt() == Menutag::Sichern;
    if (!Speichern(false))
        return;
    // No participant file is open while files are restored.
    const QString name = Teilnehmer();
    const int nummer = FAktNummer;
    if (!sichern)
        setDatFilename(QString());
    SichernForm->SchriftartZuweisen();
    SichernForm->DatenOrdner = OrdnerTeil(FDatFilename);
    SichernForm->SichernS = sichern;
    SichernForm->setWindowTitle(sichern ? QStringLiteral("Datendateien sichern nach")
                                        : QStringLiteral("Datendateien wiederherstellen von"));
    SichernForm->Button1->setText(sichern ? QStringLiteral("&Sichern") : QStringLiteral("&Wiederherstellen"));
    SichernForm->exec();
    if (!sichern) {
        setDatFilename(name);
        setAktNummer(nummer);
    }
}
