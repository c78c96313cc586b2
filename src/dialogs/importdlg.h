#pragma once
// A class list from a file or the clipboard made into participants: the
// meaning of each column, the form of the name and the class are chosen
// while a preview shows every row as it will be made. The dialog writes
// nothing; its opener creates the "neu" rows.

#include "records/tabellenleser.h"
#include "records/teilnehmerimport.h"
#include "ui/mwdialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TImportForm : public MwDialog
{
    Q_OBJECT
public:
    explicit TImportForm(QWidget *eltern);

    void CaptionZuweisen();
    void SchriftartZuweisen() override;
    void SchalterEinrichten() override;

    // Set by the opener before each showing: the data folder and the class
    // preset for all rows (the participant list's filter).
    QString DatenOrdner;
    QString VorgabeKlasse;

    // A table read from a file or the clipboard; false with a message when
    // there is nothing to read.
    bool DateiLaden(const QString &pfad);
    bool TextLaden(const QString &text);
    // The rows as the preview shows them.
    const QList<ImportZeile> &Vorschau() const { return vorschau; }
    // The class typed for all rows, trimmed.
    QString KlasseFuerAlle() const;

    QPushButton *KnopfDatei, *KnopfZwischenablage;
    QLabel *LabelQuelle;
    QCheckBox *KastenKopfzeile;
    QLabel *LabelSpalte, *LabelBedeutung, *LabelNamensform, *LabelKlasse, *LabelVorschau, *LabelZusammenfassung;
    QComboBox *AuswahlSpalte, *AuswahlBedeutung, *AuswahlNamensform;
    QLineEdit *FeldKlasse;
    QTableWidget *TabelleVorschau;
    QPushButton *KnopfImportieren, *KnopfAbbrechen;

public slots:
    void KnopfDateiClick();
    void KnopfZwischenablageClick();
    void KastenKopfzeileClick();
    void AuswahlSpalteChange();
    void AuswahlBedeutungChange();
    void AuswahlNamensformChange();
    void VorschauAktualisieren();

protected:
    void FormShow() override;

private:
    void TabelleUebernehmen(const Tabelle &neu, const QString &quelle);
    void SpaltenFuellen();
    void QuelleZeigen();
    ImportWahl Wahl() const;

    Tabelle tabelle;
    QString quelle;
    QList<Spaltenbedeutung> spalten;
    QList<ImportZeile> vorschau;
};
