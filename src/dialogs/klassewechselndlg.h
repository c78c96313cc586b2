#pragma once
// Moving a class on as a whole: the class to change, chosen from the
// classes of the data folder, and the new class typed for it.

#include "ui/mwdialog.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

class TKlasseWechselnForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TKlasseWechselnForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    // Offers `klassen` (sorted, none empty) and chooses the one equal to
    // `vorgabe` without regard to case, else the first; the new class is
    // emptied.
    void KlassenSetzen(const QStringList &klassen, const QString &vorgabe);
    QString BisherigeKlasse() const;
    // The new class, trimmed.
    QString NeueKlasse() const;

    QLabel *LabelBisherigeKlasse, *LabelNeueKlasse;
    QComboBox *AuswahlBisherigeKlasse;
    QLineEdit *FeldNeueKlasse;
    QPushButton *KnopfOk, *KnopfAbbrechen;

public slots:
    void FeldNeueKlasseChange();

protected:
    void FormShow() override;
};
