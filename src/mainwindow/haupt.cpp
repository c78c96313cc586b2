#include "haupt.h"

#include "dialogs/druckendlg.h"
#include "dialogs/editdlg.h"
#include "dialogs/klassendlg.h"
#include "dialogs/sicherndlg.h"
#include "dialogs/tldlg.h"
#include "dialogs/tncreatedlg.h"
#include "dialogs/zahlendlg.h"
#include "reports/berichte.h"
#include "ui/eingabezeile.h"
#include "ui/hintergrunddlg.h"
#include "ui/programmschrift.h"
#include "ui/rollflaeche.h"
#include "ui/statusleiste.h"

#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

TForm1::TForm1(QWidget *eltern) : QMainWindow(eltern)
{
    setObjectName(QStringLiteral("Form1"));
    IsClosing = false;
    Hintergrund = new THintergrundForm(this, 125, 10);
    Hintergrund->setHintergrundNr(1);
    Hintergrundfarbe() = Hintergrund->HintergrundFarbe();

    SchalterErstellen();
    MenuErstellen();
    PopupMenusErstellen();

    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    CaptionZuweisen();
    setDatFilename(QString());
    setStatusText(QStringLiteral("Vorw.: %1; Rückw.: %2; Teilnehmerliste: %3")
                      .arg(MenuAktVor->shortcut().toString(QKeySequence::NativeText),
                           MenuAktRueck->shortcut().toString(QKeySequence::NativeText),
                           MenuAktTeilnehmer->shortcut().toString(QKeySequence::NativeText)));
}

void TForm1::DialogeErstellen()
{
    // The participant list needs the class chooser it opens.
    KlassenForm = new TKlassenForm(this);
    TlForm = new TTlForm(this, KlassenForm);
    TnCreateForm = new TTnCreateForm(this);
    EditForm = new TEditForm(this);
    DruckenForm = new TDruckenForm(this);
    SichernForm = new TSichernForm(this);
    ZahlenForm = new TZahlenForm(this);
    // The evaluations are made when first asked for (haupt_auswertung.cpp):
    // a start does not wait for a chart.
    connect(SichernForm, &TSichernForm::Gesichert, this, &TForm1::SicherungErfolgt);
}

void TForm1::SchalterErstellen()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    client->installEventFilter(this);
    // The controls lie on a surface that scrolls above the status bar when
    // large print does not fit the screen (the arrangement decides).
    Rollbereich = new Rollflaeche(client);
    auto *flaeche = new QWidget;
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    Rollbereich->setWidget(flaeche);

    auto zeile = [flaeche](QLabel *&label, QLineEdit *&edit, const char *name, Feldtag feldtag) {
        label = new QLabel(flaeche);
        edit = new Eingabezeile(flaeche);
        edit->setObjectName(QLatin1String(name));
        edit->setProperty("Tag", feldtag);
        label->setBuddy(edit);
    };
    // Created in tab order: name, class, comment, date, remark.
    zeile(Label1, Edit1, "Edit1", NameFeld);
    zeile(Label2, Edit2, "Edit2", KlassenFeld);
    zeile(Label4, Edit4, "Edit4", KommentarFeld);
    zeile(Label3, Edit3, "Edit3", DatumsFeld);
    zeile(Label5, Edit5, "Edit5", AnmerkungsFeld);
    for (QLineEdit *feld : {Edit1, Edit2, Edit4})
        feld->setReadOnly(true);

    RadioGroup1 = new QGroupBox(flaeche);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto *radioLayout = new QVBoxLayout(RadioGroup1);
    radioLayout->setContentsMargins(6, 0, 6, 0);
    radioLayout->setSpacing(0);
    for (QRadioButton *&item : RadioItems) {
        item = new QRadioButton(RadioGroup1);
        radioLayout->addWidget(item);
    }

    LabelRe = new QLabel(flaeche);
    RichEdit1 = new QTextEdit(flaeche);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    LabelRe->setBuddy(RichEdit1);

    Button1 = new QPushButton(flaeche);
    Button2 = new QPushButton(flaeche);
    Button3 = new QPushButton(flaeche);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

    StatusBar1 = new StatusLeiste(client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

    for (QWidget *w : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2),
                       static_cast<QWidget *>(Edit4), static_cast<QWidget *>(Edit3),
                       static_cast<QWidget *>(Edit5), static_cast<QWidget *>(RichEdit1)})
        w->installEventFilter(this);
    ZeilenEingabenEinrichten();
}

QAction *TForm1::MenuEintrag(QMenu *menu, const char *name, const QString &text, int menutag,
                             const QKeySequence &kuerzel)
{
    QAction *eintrag = menu->addAction(text);
    eintrag->setObjectName(QLatin1String(name));
    eintrag->setData(menutag);
    eintrag->setShortcut(kuerzel);
    return eintrag;
}

void TForm1::MenuErstellen()
{
    QMenuBar *leiste = menuBar();
    MenuDatei = leiste->addMenu(QStringLiteral("&Datei"));
    MenuDateiDrucken = MenuDatei->addMenu(QStringLiteral("Drucken"));
    MenuDateiDruckenTag = MenuEintrag(MenuDateiDrucken, "MenuDateiDruckenTag",
                                      QStringLiteral("&Aktuellen Tag als Text drucken..."), TagBericht);
    MenuDateiDruckenTeilnehmer = MenuEintrag(
        MenuDateiDrucken, "MenuDateiDruckenTeilnehmer",
        QStringLiteral("Gesamte Tage des aktuellen Teilnehmers als Text drucken..."), TageBericht);
    MenuDateiDruckenAufgaben = MenuEintrag(
        MenuDateiDrucken, "MenuDateiDruckenAufgaben",
        QStringLiteral("Hausaufgabenauswertung des aktuellen Teilnehmers drucken..."), HausaufgabenBericht);
    MenuDateiDruckenKommentare =
        MenuEintrag(MenuDateiDrucken, "MenuDateiDruckenKommentare",
                    QStringLiteral("Kommentarauswertung aller Teilnehmer drucken..."), KommentarBericht);
    MenuDateiClose = MenuEintrag(MenuDatei, "MenuDateiClose", QStringLiteral("S&chließen"), 0,
                                 QKeySequence(Qt::CTRL | Qt::Key_F4));
    MenuDateiBeenden = MenuEintrag(MenuDatei, "MenuDateiBeenden", QStringLiteral("&Beenden"), 0,
                                   QKeySequence(Qt::ALT | Qt::Key_F4));

    MenuBearb = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    MenuBearbUmbenennen = MenuEintrag(MenuBearb, "MenuBearbUmbenennen",
                                      QStringLiteral("Teilnehmer &umbenennen..."), TEditForm::Umbenennen);
    MenuBearbAendern = MenuEintrag(MenuBearb, "MenuBearbAendern", QStringLiteral("Klasse ändern..."), TEditForm::KlasseAendern);
    MenuBearbKommentar = MenuEintrag(MenuBearb, "MenuBearbKommentar",
                                     QStringLiteral("Kommentar ändern..."), TEditForm::KommentarAendern);
    MenuBearb->addSeparator();
    MenuBearbHeute = MenuEintrag(MenuBearb, "MenuBearbHeute", QStringLiteral("Heutiges Datum einfügen"), Menutag::Heute);
    MenuBearbGestern = MenuEintrag(MenuBearb, "MenuBearbGestern",
                                   QStringLiteral("Gestriges Datum einfügen"), Menutag::Gestern);
    MenuBearbMorgen = MenuEintrag(MenuBearb, "MenuBearbMorgen", QStringLiteral("Morgiges Datum einfügen"), Menutag::Morgen);
    MenuBearb->addSeparator();
    MenuAktTagLoeschen = MenuEintrag(MenuBearb, "MenuAktTagLoeschen",
                                     QStringLiteral("Aktuellen Tag &löschen"), 0, QKeySequence(Qt::Key_F9));
    MenuAktTeilnehmerLoeschen = MenuEintrag(MenuBearb, "MenuAktTeilnehmerLoeschen",
                                            QStringLiteral("Aktuellen Teilnehmer löschen"));
    MenuBearb->addSeparator();
    MenuBearbGehe = MenuEintrag(MenuBearb, "MenuBearbGehe", QStringLiteral("&Gehe zu Tag..."), 0,
                                QKeySequence(Qt::CTRL | Qt::Key_G));
    MenuBearbSuche = MenuEintrag(MenuBearb, "MenuBearbSuche", QStringLiteral("&Suche Tag..."), TEditForm::Suchen,
                                 QKeySequence(Qt::CTRL | Qt::Key_F));

    MenuAkt = leiste->addMenu(QStringLiteral("A&ktionen"));
    MenuAktVor = MenuEintrag(MenuAkt, "MenuAktVor", QStringLiteral("&Vorwärts"), 0,
                             QKeySequence(Qt::CTRL | Qt::Key_Right));
    MenuAktRueck = MenuEintrag(MenuAkt, "MenuAktRueck", QStringLiteral("&Rückwärts"), 0,
                               QKeySequence(Qt::CTRL | Qt::Key_Left));
    MenuAktTeilnehmer = MenuEintrag(MenuAkt, "MenuAktTeilnehmer", QStringLiteral("&Teilnehmerliste..."),
                                    0, QKeySequence(Qt::CTRL | Qt::Key_T));
    MenuAkt->addSeparator();
    MenuAktNeuenTag = MenuEintrag(MenuAkt, "MenuAktNeuenTag", QStringLiteral("&Neuen Tag erstellen"), 0,
                                  QKeySequence(Qt::CTRL | Qt::Key_N));
    KlassentagMenuErstellen();
    MenuAktNeuenTeilnehmer = MenuEintrag(MenuAkt, "MenuAktNeuenTeilnehmer",
                                         QStringLiteral("Neuen Teilnehmer &erstellen..."), 0,
                                         QKeySequence(Qt::CTRL | Qt::Key_E));
    MenuAkt->addSeparator();
    MenuAktTagAnzeigen = MenuEintrag(MenuAkt, "MenuAktTagAnzeigen",
                                     QStringLiteral("Aktuellen Tag als Text anzeigen..."), TagBericht);
    MenuAktTeilnehmerAnzeigen = MenuEintrag(
        MenuAkt, "MenuAktTeilnehmerAnzeigen",
        QStringLiteral("Gesamte Tage des aktuellen Teilnehmers als Text anzeigen..."), TageBericht);
    MenuAktAufgaben = MenuEintrag(MenuAkt, "MenuAktAufgaben",
                                  QStringLiteral("Hausaufgabenauswertung des aktuellen Teilnehmers anzeigen..."),
                                  HausaufgabenBericht, QKeySequence(Qt::Key_F4));
    MenuAktKommentare = MenuEintrag(MenuAkt, "MenuAktKommentare",
                                    QStringLiteral("Kommentarauswertung aller Teilnehmer anzeigen..."), KommentarBericht);
    // The comment evaluation of all participants stays hidden.
    MenuDateiDruckenKommentare->setVisible(false);
    MenuAktKommentare->setVisible(false);

    AuswertungMenuErstellen();

    MenuSicherung = leiste->addMenu(QStringLiteral("Daten&sicherung"));
    MenuSicherungSichern = MenuEintrag(MenuSicherung, "MenuSicherungSichern",
                                       QStringLiteral("Datendateien &sichern nach..."), Menutag::Sichern,
                                       QKeySequence(Qt::Key_F8));
    MenuSicherungWiederholen = MenuEintrag(MenuSicherung, "MenuSicherungWiederholen",
                                           QStringLiteral("Datendateien &wiederherstellen von..."), Menutag::Wiederherstellen,
                                           QKeySequence(Qt::Key_F5));

    LoeschenMenuErstellen();
    KlassenwechselMenuErstellen();
    TeilnehmerwechselMenuErstellen();
    ImportMenuErstellen();

    MenuAns = leiste->addMenu(QStringLiteral("&Ansicht"));
    MenuAnsSchrift = MenuEintrag(MenuAns, "MenuAnsSchrift", QStringLiteral("Schriftart..."));
    MenuAnsHintergrund = MenuEintrag(MenuAns, "MenuAnsHintergrund", QStringLiteral("Schrift&hintergrund..."));

    MenuEinst = leiste->addMenu(QStringLiteral("Einstellungen"));
    MenuEinstEigeneDateien = MenuEintrag(MenuEinst, "MenuEinstEigeneDateien",
                                         QStringLiteral("Datenspeicherung: &Eigene Dateien/Eigene Dokumente"), Menutag::EigeneDateien);
    MenuEinstProgrammordner = MenuEintrag(MenuEinst, "MenuEinstProgrammordner",
                                          QStringLiteral("Datenspeicherung: &Programmordner"), Menutag::Programmordner);
    auto *ordnerGruppe = new QActionGroup(this);
    for (QAction *eintrag : {MenuEinstEigeneDateien, MenuEinstProgrammordner}) {
        eintrag->setCheckable(true);
        ordnerGruppe->addAction(eintrag);
    }

    MenuHilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
    MenuHilfeInfo = MenuEintrag(MenuHilfe, "MenuHilfeInfo", QStringLiteral("Programm-&Info"));
    MenuHilfeHomepage = MenuEintrag(MenuHilfe, "MenuHilfeHomepage", QStringLiteral("Programm-Home&page..."));
    MenuHilfeUpdate = MenuEintrag(MenuHilfe, "MenuHilfeUpdate", QStringLiteral("Programm-&Aktualisierung..."));
    MenuHilfeHistory = MenuEintrag(MenuHilfe, "MenuHilfeHistory", QStringLiteral("Programm-&Änderungen..."));
    MenuHilfeMail = MenuEintrag(MenuHilfe, "MenuHilfeMail", QStringLiteral("&Mail an den Programmierer..."));
    MenuHilfeSpenden = MenuEintrag(MenuHilfe, "MenuHilfeSpenden", QStringLiteral("&Spenden..."));

    connect(MenuDatei, &QMenu::aboutToShow, this, &TForm1::MenuDateiClick);
    connect(MenuHilfe, &QMenu::aboutToShow, this, &TForm1::MenuHilfeClick);
    connect(MenuDateiClose, &QAction::triggered, this, &TForm1::MenuDateiCloseClick);
    connect(MenuDateiBeenden, &QAction::triggered, this, &TForm1::MenuDateiBeendenClick);
    for (QAction *bericht : {MenuDateiDruckenTag, MenuDateiDruckenTeilnehmer, MenuDateiDruckenAufgaben,
                             MenuDateiDruckenKommentare, MenuAktTagAnzeigen, MenuAktTeilnehmerAnzeigen,
                             MenuAktAufgaben, MenuAktKommentare})
        connect(bericht, &QAction::triggered, this, &TForm1::MenuDateiDruckenTagClick);
    connect(MenuBearbUmbenennen, &QAction::triggered, this, &TForm1::MenuBearbUmbenennenClick);
    connect(MenuBearbAendern, &QAction::triggered, this, &TForm1::MenuBearbUmbenennenClick);
    connect(MenuBearbKommentar, &QAction::triggered, this, &TForm1::MenuBearbKommentarClick);
    for (QAction *datum : {MenuBearbHeute, MenuBearbGestern, MenuBearbMorgen})
        connect(datum, &QAction::triggered, this, &TForm1::MenuBearbHeuteClick);
    connect(MenuAktTagLoeschen, &QAction::triggered, this, &TForm1::MenuAktTagLoeschenClick);
    connect(MenuAktTeilnehmerLoeschen, &QAction::triggered, this, &TForm1::MenuAktTeilnehmerLoeschenClick);
    connect(MenuBearbGehe, &QAction::triggered, this, &TForm1::MenuBearbGeheClick);
    connect(MenuBearbSuche, &QAction::triggered, this, &TForm1::MenuBearbSucheClick);
    connect(MenuAktVor, &QAction::triggered, Button1, &QPushButton::click);
    connect(MenuAktRueck, &QAction::triggered, Button2, &QPushButton::click);
    connect(MenuAktTeilnehmer, &QAction::triggered, Button3, &QPushButton::click);
    connect(MenuAktNeuenTag, &QAction::triggered, this, &TForm1::MenuAktNeuenTagClick);
    connect(MenuAktNeuenTeilnehmer, &QAction::triggered, this, &TForm1::MenuAktNeuenTeilnehmerClick);
    connect(MenuSicherungSichern, &QAction::triggered, this, &TForm1::MenuSicherungSichernClick);
    connect(MenuSicherungWiederholen, &QAction::triggered, this, &TForm1::MenuSicherungSichernClick);
    connect(MenuAnsSchrift, &QAction::triggered, this, &TForm1::MenuAnsSchriftClick);
    connect(MenuAnsHintergrund, &QAction::triggered, this, &TForm1::MenuAnsHintergrundClick);
    connect(MenuEinstEigeneDateien, &QAction::triggered, this, &TForm1::MenuEinstOrdnerClick);
    connect(MenuEinstProgrammordner, &QAction::triggered, this, &TForm1::MenuEinstOrdnerClick);
    connect(MenuHilfeInfo, &QAction::triggered, this, &TForm1::MenuHilfeInfoClick);
    connect(MenuHilfeHomepage, &QAction::triggered, this, &TForm1::MenuHilfeHomepageClick);
    connect(MenuHilfeUpdate, &QAction::triggered, this, &TForm1::MenuHilfeUpdateClick);
    connect(MenuHilfeHistory, &QAction::triggered, this, &TForm1::MenuHilfeHistoryClick);
    connect(MenuHilfeMail, &QAction::triggered, this, &TForm1::MenuHilfeMailClick);
    connect(MenuHilfeSpenden, &QAction::triggered, this, &TForm1::MenuHilfeSpendenClick);
}

void TForm1::PopupMenusErstellen()
{
    PuReMenu = new QMenu(this);
    PuReKopieren = MenuEintrag(PuReMenu, "PuReKopieren", QStringLiteral("Kopieren"), 0, QKeySequence::Copy);
    PuReAusschneiden = MenuEintrag(PuReMenu, "PuReAusschneiden", QStringLiteral("Ausschneiden"), 0,
                                   QKeySequence::Cut);
    PuReEinfuegen = MenuEintrag(PuReMenu, "PuReEinfuegen", QStringLiteral("Einfügen"), 0, QKeySequence::Paste);
    PuReAllesMarkieren = MenuEintrag(PuReMenu, "PuReAllesMarkieren", QStringLiteral("Alles &markieren"), 0,
                                     QKeySequence::SelectAll);
    connect(PuReKopieren, &QAction::triggered, RichEdit1, &QTextEdit::copy);
    connect(PuReAusschneiden, &QAction::triggered, RichEdit1, &QTextEdit::cut);
    connect(PuReEinfuegen, &QAction::triggered, RichEdit1, &QTextEdit::paste);
    connect(PuReAllesMarkieren, &QAction::triggered, RichEdit1, &QTextEdit::selectAll);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, &TForm1::PuReMenuPopup);

    PuEdit3Menu = new QMenu(this);
    PuEdit3Heute = MenuEintrag(PuEdit3Menu, "PuEdit3Heute", QStringLiteral("Heutiges Datum einfügen"), Menutag::Heute);
    PuEdit3Gestern = MenuEintrag(PuEdit3Menu, "PuEdit3Gestern", QStringLiteral("Gestriges Datum einfügen"), Menutag::Gestern);
    PuEdit3Morgen = MenuEintrag(PuEdit3Menu, "PuEdit3Morgen", QStringLiteral("Morgiges Datum einfügen"), Menutag::Morgen);
    for (QAction *datum : {PuEdit3Heute, PuEdit3Gestern, PuEdit3Morgen})
        connect(datum, &QAction::triggered, this, &TForm1::MenuBearbHeuteClick);
    Edit3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit3, &QWidget::customContextMenuRequested, this, &TForm1::PuEdit3MenuPopup);

    PuEdit12Menu = new QMenu(this);
    PuEdit12Aendern = MenuEintrag(PuEdit12Menu, "PuEdit12Aendern", QStringLiteral("Ändern..."), TEditForm::Umbenennen);
    connect(PuEdit12Aendern, &QAction::triggered, this, &TForm1::MenuBearbUmbenennenClick);
    for (QLineEdit *feld : {Edit1, Edit2}) {
        feld->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(feld, &QWidget::customContextMenuRequested, this, &TForm1::PuEdit12MenuPopup);
    }

    PuEdit4Menu = new QMenu(this);
    PuEdit4Kommentar = MenuEintrag(PuEdit4Menu, "PuEdit4Kommentar", QStringLiteral("Kommentar ändern..."), TEditForm::KommentarAendern);
    connect(PuEdit4Kommentar, &QAction::triggered, this, &TForm1::MenuBearbKommentarClick);
    Edit4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit4, &QWidget::customContextMenuRequested, this, &TForm1::PuEdit4MenuPopup);
}
