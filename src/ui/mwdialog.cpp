#include "mwdialog.h"

#include "platzierung.h"
#include "programmschrift.h"
#include "schalterhoehe.h"

#include <QPushButton>

MwDialog::MwDialog(QWidget *eltern, bool immerZentrieren)
    : QDialog(eltern), immerZentrieren(immerZentrieren)
{
}

void MwDialog::SchriftartZuweisen()
{
    SchriftUndFarbeAnwenden(this);
    SchalterEinrichten();
}

void MwDialog::FensterEinrichten()
{
    AufBildschirmZentrieren(this);
}

void MwDialog::reject()
{
    done(Abbrechen);
}

void MwDialog::showEvent(QShowEvent *ereignis)
{
    FormShow();
    QDialog::showEvent(ereignis);
    if (zentrieren)
        UeberHauptfensterZentrieren(this);
    zentrieren = immerZentrieren;
}

int MwDialog::KnopfHoehe(QPushButton *knopf) const
{
    return SchalterHoehe(knopf->font(), SchalterArt::Knopf);
}
