// The program font and the background colour of the text controls.

#include "haupt.h"

#include "ui/hintergrunddlg.h"
#include "ui/programmschrift.h"
#include "ui/schriftstile.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>

void TForm1::MenuAnsSchriftClick()
{
    MerkActiveControl = focusWidget();
    // The dialog lists real families: "Arial" shows as the font that stands in for it.
    QFont aktuell = ProgrammSchrift().schrift;
    const QFontInfo echt(aktuell);
    aktuell.setFamily(echt.family());
    aktuell.setStyleName(echt.styleName());
    QFontDialog dialog(aktuell, this);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("Schriftart"));
    StilnamenEindeutschen(dialog);
    // The text colour belongs to the font, as underline and strike-out do.
    QColor farbe = SchriftFarbe();
    bool farbeGewaehlt = false;
    if (auto *knoepfe = dialog.findChild<QDialogButtonBox *>()) {
        QPushButton *farbKnopf = knoepfe->addButton(QStringLiteral("&Farbe..."), QDialogButtonBox::ActionRole);
        farbKnopf->setObjectName(QStringLiteral("Farbe"));
        connect(farbKnopf, &QPushButton::clicked, &dialog, [&] {
            const QColor neu = QColorDialog::getColor(farbe, &dialog, QStringLiteral("Schriftfarbe"));
            if (neu.isValid()) {
                farbe = neu;
                farbeGewaehlt = true;
            }
        });
    }
    if (dialog.exec() == QDialog::Accepted) {
        ProgrammSchrift().schrift = dialog.selectedFont();
        if (farbeGewaehlt)
            ProgrammSchrift().farbe = WertAusFarbe(farbe);
        setHintergrundNr(HintergrundNr());
        RegistryLadenSpeichern(false);
    }
    SetActiveControl();
}

void TForm1::MenuAnsHintergrundClick()
{
    Hintergrund->SchriftartZuweisen(ProgrammSchrift().schrift, HintergrundTabelle(HintergrundNr()).farbe);
    Hintergrund->setHintergrundNr(HintergrundNr());
    if (Hintergrund->exec() != QDialog::Accepted)
        return;
    setHintergrundNr(Hintergrund->HintergrundNr());
    RegistryLadenSpeichern(false);
}
