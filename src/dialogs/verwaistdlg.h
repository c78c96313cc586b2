#pragma once
// The backup and conflict copies in the data folder whose participant file
// no longer exists: listed with their dates, the chosen ones deleted after
// a question.

#include "ui/mwdialog.h"

class QLabel;
class QListWidget;

class TVerwaistForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TVerwaistForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchalterEinrichten() override;
    // Lists the orphaned copies of `ordner`; false when there are none.
    bool Einlesen(const QString &ordner);

    QLabel *LabelKopien;
    QListWidget *ListeKopien;
    QPushButton *KnopfAlle, *KnopfLoeschen, *KnopfSchliessen;

public slots:
    void KnopfAlleClick();
    void KnopfLoeschenClick();

protected:
    void FormShow() override;

private:
    QStringList Gewaehlt() const;
    QString DatenOrdner;
};
