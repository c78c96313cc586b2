#pragma once
// Unit Haupt: the main window. Its members are defined in several files,
// one concern each (haupt_*.cpp).

#include "util/dateistand.h"
#include "util/kodierung.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
class Rollflaeche;
class StatusLeiste;
class THintergrundForm;
class TTlForm;
class TTnCreateForm;
class TEditForm;
class TDruckenForm;
class TSichernForm;
class TZahlenForm;
class TKlassenForm;
class TUebersichtForm;
class TVerlaufForm;
class TVerwaistForm;
class TKlasseWechselnForm;
struct KlassenwechselErgebnis;
class TKlassentagForm;
class TImportForm;
struct Tag;

inline const QString InstanzText = QStringLiteral("Merkwerk V1.03");

// What the tags of the main window's menu items and fields stand for (the
// report items carry a BerichtArt, the rename and change items a
// TEditForm::Modus).
namespace Menutag {
enum Ordner { EigeneDateien = 1, Programmordner = 2 };
enum Datum { Heute = 1, Gestern = 2, Morgen = 3 };
enum Sicherung { Sichern = 1, Wiederherstellen = 2 };
} // namespace Menutag
enum Feldtag { NameFeld = 1, KlassenFeld = 2, DatumsFeld = 3, KommentarFeld = 4, AnmerkungsFeld = 5 };

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *eltern = nullptr);
    ~TForm1() override;

    // Creates the dialogs in their fixed order; they live as long as the window.
    void DialogeErstellen();

    // --- the participant document ---
    // The lines of the open file; changed only through ZeilenUebernehmen,
    // which keeps the day count with them.
    QStringList DatSl;
    Kodierung DatKodierung = Kodierung::Utf8MitMarke;

    QString DatFilename() const { return FDatFilename; }
    void setDatFilename(const QString &name);
    int AktNummer() const { return FAktNummer; }
    void setAktNummer(int nummer);
    int MaxNummer() const;
    void ZeigeNummer(int nummer);
    // Writes the shown day when it changed, or always with `unbedingtS`;
    // false only when the file could not be written.
    bool Speichern(bool unbedingtS);
    // The save at the end of a session, without any question or message:
    // an edit the file cannot take (it failed, another program changed the
    // file, a line holds the separator) goes into a conflict file beside
    // it. Returns that file's path, or nothing.
    QString ZumSchlussSpeichern();
    // Whether a shown value differs from the snapshot.
    bool Geaendert() const;

    QString Teilnehmer() const;
    void setTeilnehmer(const QString &wert);
    QString Klasse() const;
    void setKlasse(const QString &wert);
    QString Kommentar() const;
    void setKommentar(const QString &wert);
    QString Datum() const;
    void setDatum(const QString &wert);
    QString Anmerkung() const;
    void setAnmerkung(const QString &wert);
    int Hausaufgabe() const;
    void setHausaufgabe(int index);
    // The info field's text exactly as stored, block by block.
    QString InfoText() const;
    // The info field's displayed lines, as the save writes them.
    QStringList InfoZeilen() const;

    // --- view and navigation ---
    void setStatusText(const QString &text);
    QString StatusText() const;
    QString NummerText() const;
    void UpdateMenus();
    void SetActiveControl();
    QPointer<QWidget> MerkActiveControl;

    // --- data folder and settings ---
    void AktOrdner(int nr, bool meldungS);
    int GewaehlterOrdner() const;
    QString DatenOrdnerPfad() const;
    void RegistryLadenSpeichern(bool ladenS);
    int HintergrundNr() const;
    void setHintergrundNr(int nummer);

    // --- days ---
    void DatumEinfuegen(int wahl);
    void TagLoeschen(int nummer);

    // --- participants ---
    void TeilnehmerErstellen();
    void UmbenennenAendern(int modus);
    bool TeilnehmerLoeschen(const QString &name);

    // --- reports ---
    QString DruckenTextBerechnen(int art) const;
    QString KommentareTextBerechnen();

    // --- backup reminder ---
    // After a participant file was written: when the last backup is more
    // than 14 days old, or there was none, the status bar says so.
    void SicherungsErinnerung();
    // At start: the reminder again when a file was written since the last backup.
    void ErinnerungBeimStart();
    void ErinnerungZeigen();
    // After a successful backup: its date is kept, the reminder goes.
    void SicherungErfolgt();

    // --- layout ---
    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

    bool IsClosing = false;
    QString SortierKlasse;
    QString Suchdatum;

    // Controls, named as the program's other parts refer to them.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *LabelRe;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;
    QGroupBox *RadioGroup1;
    QRadioButton *RadioItems[3];
    QTextEdit *RichEdit1;
    QPushButton *Button1, *Button2, *Button3;
    StatusLeiste *StatusBar1;
    Rollflaeche *Rollbereich; // holds every control but the status bar
    QTimer *Timer1;

    QMenu *MenuDatei, *MenuDateiDrucken, *MenuBearb, *MenuAkt, *MenuSicherung, *MenuAns,
        *MenuEinst, *MenuHilfe;
    QAction *MenuDateiDruckenTag, *MenuDateiDruckenTeilnehmer, *MenuDateiDruckenAufgaben,
        *MenuDateiDruckenKommentare, *MenuDateiClose, *MenuDateiBeenden;
    QAction *MenuBearbUmbenennen, *MenuBearbAendern, *MenuBearbKommentar, *MenuBearbHeute,
        *MenuBearbGestern, *MenuBearbMorgen, *MenuAktTagLoeschen, *MenuAktTeilnehmerLoeschen,
        *MenuBearbGehe, *MenuBearbSuche;
    QAction *MenuAktVor, *MenuAktRueck, *MenuAktTeilnehmer, *MenuAktNeuenTag,
        *MenuAktNeuenTeilnehmer, *MenuAktTagAnzeigen, *MenuAktTeilnehmerAnzeigen,
        *MenuAktAufgaben, *MenuAktKommentare;
    // The next and the previous participant in the participant list's order.
    QAction *MenuAktNaechster, *MenuAktVorheriger;
    // The class day (haupt_klassentag.cpp).
    QAction *MenuAktKlassentag = nullptr;
    QMenu *MenuAusw;
    QAction *MenuAuswKlasse, *MenuAuswVerlauf;
    QAction *MenuSicherungSichern, *MenuSicherungWiederholen;
    // Erasing completely: a participant with all its copies, orphaned copies.
    QAction *MenuBearbEndgueltigLoeschen, *MenuSicherungVerwaist;
    // A whole class moved on to a new class.
    QAction *MenuBearbGanzeKlasse;
    // A class list made into participants.
    QAction *MenuAktImportieren;
    QAction *MenuAnsSchrift, *MenuAnsHintergrund;
    QAction *MenuEinstEigeneDateien, *MenuEinstProgrammordner;
    QAction *MenuHilfeInfo, *MenuHilfeHomepage, *MenuHilfeUpdate, *MenuHilfeHistory,
        *MenuHilfeMail, *MenuHilfeSpenden;

    QMenu *PuReMenu, *PuEdit3Menu, *PuEdit12Menu, *PuEdit4Menu;
    QAction *PuReKopieren, *PuReAusschneiden, *PuReEinfuegen, *PuReAllesMarkieren;
    QAction *PuEdit3Heute, *PuEdit3Gestern, *PuEdit3Morgen, *PuEdit12Aendern, *PuEdit4Kommentar;

    THintergrundForm *Hintergrund = nullptr;
    TTlForm *TlForm = nullptr;
    TTnCreateForm *TnCreateForm = nullptr;
    TEditForm *EditForm = nullptr;
    TDruckenForm *DruckenForm = nullptr;
    TSichernForm *SichernForm = nullptr;
    TZahlenForm *ZahlenForm = nullptr;
    TKlassenForm *KlassenForm = nullptr;
    TUebersichtForm *UebersichtForm = nullptr;
    TVerlaufForm *VerlaufForm = nullptr;
    TVerwaistForm *VerwaistForm = nullptr;
    TKlasseWechselnForm *KlasseWechselnForm = nullptr;
    TKlassentagForm *KlassentagForm = nullptr;
    TImportForm *ImportForm = nullptr;

public slots:
    void Timer1Timer();
    void MenuDateiClick();
    void MenuDateiCloseClick();
    void MenuDateiBeendenClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void MenuEinstOrdnerClick();
    void PuReMenuPopup(const QPoint &stelle);

    void MenuAktNeuenTagClick();
    void MenuAktKlassentagClick();
    void MenuBearbHeuteClick();
    void MenuAktTagLoeschenClick();
    void PuEdit3MenuPopup(const QPoint &stelle);
    void MenuBearbGeheClick();
    void MenuBearbSucheClick();
    void MenuAktNeuenTeilnehmerClick();
    void MenuAktImportierenClick();
    void MenuBearbUmbenennenClick();
    void MenuBearbKommentarClick();
    void PuEdit12MenuPopup(const QPoint &stelle);
    void PuEdit4MenuPopup(const QPoint &stelle);
    void MenuAktTeilnehmerLoeschenClick();
    void MenuBearbEndgueltigLoeschenClick();
    void MenuSicherungVerwaistClick();
    void MenuBearbGanzeKlasseClick();
    void MenuDateiDruckenTagClick();
    void MenuAuswKlasseClick();
    void MenuAuswVerlaufClick();
    void MenuSicherungSichernClick();
    void MenuAnsSchriftClick();
    void MenuAnsHintergrundClick();
    void MenuHilfeClick();
    void MenuHilfeInfoClick();
    void MenuHilfeHomepageClick();
    void MenuHilfeUpdateClick();
    void MenuHilfeHistoryClick();
    void MenuHilfeMailClick();
    void MenuHilfeSpendenClick();

    // The single-instance requests: bring to front, and end like "&Beenden"
    // (an open dialog is cancelled first, so that nothing waits on it).
    void NachVorneHolen();
    void AnfrageBeenden();
    // The session ends (SIGTERM, SIGHUP): closes like "&Beenden", but asks
    // nothing, for nobody may be there to answer.
    void SitzungBeenden();
    // The session manager asks for the data, before a logout or to keep
    // the session: the shown day and the settings are saved without a
    // question (SitzungBeenden does the same).
    void SitzungSichern();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void SchalterErstellen();
    void MenuErstellen();
    void AuswertungMenuErstellen();
    void KlassentagMenuErstellen();
    void KlassentagMenuAktualisieren();
    void LoeschenMenuErstellen();
    void KlassenwechselMenuErstellen();
    // The message after a class was moved on: how many, and which files failed and why.
    void KlassenwechselMelden(const KlassenwechselErgebnis &ergebnis, const QString &alte, const QString &neue,
                              int gesamt);
    void TeilnehmerwechselMenuErstellen();
    // Saves the shown day and opens the participant `schritt` places on in
    // the participant list's order; at the ends only the standard sound.
    void TeilnehmerWechseln(int schritt);
    void ImportMenuErstellen();
    // The two questions before a participant is deleted; true on Yes to both.
    bool LoeschenBestaetigt(const QString &name);
    void PopupMenusErstellen();
    QAction *MenuEintrag(QMenu *menu, const char *name, const QString &text, int menutag = 0,
                         const QKeySequence &kuerzel = {});
    void ZeilenEingabenEinrichten();
    void Edit1KeyPress(QLineEdit *feld);
    bool HauptKuerzelVorrang(QKeyEvent *taste) const;
    static bool WeicherUmbruch(QKeyEvent *taste);
    void FensterTitelSetzen(const QString &name);
    void DatenOrdnerEntfernenWennLeer();
    void SchnappschussNehmen();
    void ZeilenUebernehmen(QStringList zeilen);
    // The same when the day count is known already.
    void ZeilenUebernehmen(QStringList zeilen, int tage);
    // The file changed or vanished on disk since it was read: overwrite, or
    // keep both.
    bool FremdeAenderungBehandeln(const QStringList &neu);
    // Writes `neu` into a new conflict file beside the participant's; true
    // when the file holds it, with a message in `fehler` where the drive did
    // not confirm it.
    bool KonfliktSchreiben(const QStringList &neu, QString &konflikt, QString &fehler);
    Tag AngezeigterTag() const;
    // The document's lines with the header and the shown day from the
    // fields; `tage` is their day count.
    QStringList ZeilenMitTag(const Tag &tag, int &tage) const;
    // The document takes the lines just written, and the snapshot the fields.
    void Geschrieben(QStringList neu, int tage);
    // A conflict file left by the end of the last session is named.
    void KonfliktBeimEndeMelden();
    bool DateiLesen(const QString &pfad);
    void FelderLeeren();

    QString FDatFilename;
    // Whole and trimmed, as they are read (the fields show their start as set).
    QString FKlasse, FKommentar;
    int FAktNummer = 0;
    int tageZahl = 0; // the day count of DatSl
    DateiStand FDateiStand; // the file as it was read or last written
    int ordnerWahl = 0; // the checked folder item (a Menutag::Ordner), 0 before the settings are read
    bool ersteAnzeige = true;
    QString MerkStatusText; // the shortcut text while the backup reminder stands in its place
    bool FGespeichertSeitSicherung = false; // a participant file was written since the last backup
    bool FSitzungsende = false; // closing without questions

    QString SaveTeilnehmer, SaveKlasse, SaveKommentar, SaveDatum, SaveAnmerkung, SaveRe;
    int SaveRg = 0;
};
