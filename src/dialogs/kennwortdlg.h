#pragma once
// The password of an encrypted backup: asked twice for a new backup, once
// for a restore. It leaves the dialog only in guarded memory (a Geheimnis)
// and the fields are emptied at once; nothing keeps it.

#include "ui/mwdialog.h"
#include "util/geheimnis.h"

class QLabel;
class QLineEdit;

class TKennwortForm : public MwDialog
{
    Q_OBJECT
public:
    enum Zweck { Sichern, Wiederherstellen };
    explicit TKennwortForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;
    // The password taken by OK; afterwards the dialog holds none.
    Geheimnis KennwortNehmen();

    // The shortest password for a new backup, in characters.
    static constexpr int KuerzestesKennwort = 10;

    Zweck zweck = Sichern;
    QLabel *LabelKennwort, *LabelWiederholung, *LabelHinweis;
    QLineEdit *FeldKennwort, *FeldWiederholung;
    QPushButton *KnopfOk, *KnopfAbbrechen;

public slots:
    void KnopfOkClick();
    void FeldKennwortChange();
    void done(int ergebnis) override;

protected:
    void FormShow() override;

private:
    void Abgelehnt(const QString &text, QLineEdit *feld);
    void FelderLeeren();
    Geheimnis kennwort;
};
