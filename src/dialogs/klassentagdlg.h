#pragma once
// The class day: every participant of a class for one date in one table,
// recorded by keys and written into each participant's own file.

#include "records/klassentag.h"
#include "ui/mwdialog.h"

class KlassentagModell;
class KlassentagTabelle;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class Rollflaeche;

class TKlassentagForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TKlassentagForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    // Set by the opener before each showing: the data folder and the class
    // to begin with.
    QString DatenOrdner;
    void KlasseVorgeben(const QString &klasse);
    QString GewaehlteKlasse() const;
    QDate GewaehltesDatum() const;
    // Whether a file was written since the dialog was shown.
    bool Gespeichert() const { return gespeichert; }
    // The rows a save would write, and those it would stop at.
    int UngespeicherteZahl() const;

    void reject() override;

    QLabel *LabelKlasse, *LabelDatum, *LabelSuche, *LabelTabelle, *LabelHinweis;
    QComboBox *AuswahlKlasse;
    QDateEdit *FeldDatum;
    QPushButton *KnopfVortag, *KnopfFolgetag;
    QLineEdit *FeldSuche;
    KlassentagTabelle *TabelleKlasse;
    KlassentagModell *Modell;
    QPushButton *KnopfAlleJa, *KnopfSpeichern, *KnopfSchliessen;
    Rollflaeche *Rollbereich;

public slots:
    void KnopfSpeichernClick();
    void KnopfAlleJaClick();

protected:
    void FormShow() override;

private:
    void KlassenFuellen();
    // Reads the chosen class anew, with the progress dialog for a large one.
    void Lesen();
    void KlasseGewaehlt();
    void DatumGeaendert();
    void StatusSetzen(int hausaufgabe);
    void Zuruecksetzen();
    void NameSuchen(const QString &anfang);
    void HinweisZeigen();
    void SpaltenAnpassen();
    bool VerwerfenBestaetigt();
    void TrennerMelden(int spalte);

    QWidget *flaeche;
    QString vorgabeKlasse;
    int klassenIndex = -1; // the class the rows belong to
    QDate datum;           // the date the rows belong to
    Datumsspeicher gelesen;
    bool gespeichert = false;
    bool abgebrochen = false;
};
