// The evaluations as the teacher uses them: the class overview (class and
// period, sorting, CSV, printing and PDF, the progress dialog) and a
// participant's year as a chart.

#include "hauptfenster.h"

#include "dialogs/uebersichtdlg.h"
#include "dialogs/uebersichtmodell.h"
#include "dialogs/verlaufdlg.h"
#include "ui/diagrammansicht.h"
#include "dialogs/zeitraumwahl.h"
#include "records/bloecke.h"
#include "records/klassenuebersicht.h"
#include "ui/drucker.h"
#include "ui/platzierung.h"
#include "ui/programmschrift.h"
#include "util/texte.h"

#include <QBarCategoryAxis>
#include <QValueAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableView>

namespace {
const QString T = Blocktrenner;

QString PdfText(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The names of the table's rows, top to bottom, as the view shows them.
QStringList Spalte(const TUebersichtForm *u, int spalte = SpalteName)
{
    QStringList texte;
    for (int zeile = 0; zeile < u->Sortierer->rowCount(); ++zeile)
        texte << u->Sortierer->index(zeile, spalte).data().toString();
    return texte;
}

void KopfKlicken(TUebersichtForm *u, int spalte)
{
    QHeaderView *kopf = u->TableView1->horizontalHeader();
    const QPoint mitte(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2, kopf->height() / 2);
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, mitte);
}

bool Gezaehlt(const TUebersichtForm *u)
{
    return !u->Timer1->isActive() && u->Modell->rowCount() > 0;
}

// Saves through the program's save dialog into `pfad`.
void SpeichernUnter(const QString &pfad)
{
    BeiDialog([pfad](QWidget *dialog) {
        auto *datei = qobject_cast<QFileDialog *>(dialog);
        ASSERT_TRUE(datei);
        datei->setDirectory(pfad.left(pfad.lastIndexOf('/')));
        datei->findChild<QLineEdit *>("fileNameEdit")->setText(pfad.mid(pfad.lastIndexOf('/') + 1));
        QMetaObject::invokeMethod(datei, "accept");
    });
}

// Runs `aktion` on the first visible top-level widget of that name, as soon
// as it shows; the dialog below it stays claimed meanwhile.
void BeiFenster(const QString &name, std::function<void(QWidget *)> aktion, int frist = 60000)
{
    auto *uhr = new QTimer;
    DialogBeanspruchen(uhr);
    auto ende = std::make_shared<QDeadlineTimer>(frist);
    QObject::connect(uhr, &QTimer::timeout, [uhr, name, aktion, ende] {
        for (QWidget *fenster : QApplication::topLevelWidgets()) {
            if (fenster->objectName() == name && fenster->isVisible()) {
                uhr->stop();
                uhr->deleteLater();
                aktion(fenster);
                return;
            }
        }
        if (ende->hasExpired()) {
            uhr->stop();
            uhr->deleteLater();
            ADD_FAILURE() << "kein Fenster " << name.toStdString();
        }
    });
    uhr->start(10);
}

} // namespace

class Auswertung : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        // Today is Tuesday, 5 March 2024: the school year 2023/24.
        Teilnehmerdatei("Adam", {"4b\vvorne", "Di., 5. März 2024\v", "2", T, "Mo., 4. März 2024\v", "1", T,
                                 "Mi., 14. Juni 2023\v", "2", T});
        Teilnehmerdatei("Ägidius", {"4b\v", "Di., 5. März 2024\v", "2", T, "Mo., 4. März 2024\v", "2", T,
                                    "Fr., 1. März 2024\v", "0", T, "Wandertag\v", "0", T});
        Teilnehmerdatei("bernd", {"4B\v-kommt später", "Di., 5. März 2024\v", "0", T});
        Teilnehmerdatei("Zora", {"5a\v", "Di., 5. März 2024\v", "2", T});
    }
    void TearDown() override
    {
        DruckerFestlegen({}, {});
        ProgrammSchrift().schrift = QFont("Arial", 12);
        Hauptfenster::TearDown();
    }

    // Opens the class overview, waits for its count, lets `aktion` act and closes it.
    void Uebersicht(std::function<void(TUebersichtForm *)> aktion)
    {
        BeiDialog([aktion](QWidget *dialog) {
            auto *u = qobject_cast<TUebersichtForm *>(dialog);
            ASSERT_TRUE(u);
            ASSERT_TRUE(Warten([u] { return Gezaehlt(u); }));
            aktion(u);
            u->Button4->click();
        });
        Aktivieren();
        QTest::keyClick(haupt->Edit3, Qt::Key_K, Qt::ControlModifier);
        EXPECT_FALSE(QApplication::activeModalWidget());
    }

    void DruckerAlsPdf(const QString &pdf)
    {
        DruckerFestlegen([] { return true; }, [pdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
    }
};

TEST_F(Auswertung, MenueNachAktionenMitKuerzeln)
{
    TForm1 &f = Starten();
    QStringList menues;
    for (QAction *eintrag : f.menuBar()->actions())
        menues << eintrag->text();
    EXPECT_EQ(menues, QStringList({"&Datei", "&Bearbeiten", "A&ktionen", "A&uswertung", "Daten&sicherung", "&Ansicht",
                                   "Einstellungen", "&Hilfe"}));
    EXPECT_EQ(f.MenuAuswKlasse->text(), "&Klassenübersicht...");
    EXPECT_EQ(f.MenuAuswKlasse->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(f.MenuAuswVerlauf->text(), "&Verlauf des Teilnehmers...");
    EXPECT_EQ(f.MenuAuswVerlauf->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    // The chart needs an open participant; the overview does not.
    EXPECT_FALSE(f.MenuAuswVerlauf->isEnabled());
    EXPECT_TRUE(f.MenuAuswKlasse->isEnabled());
    f.setDatFilename("Adam");
    EXPECT_TRUE(f.MenuAuswVerlauf->isEnabled());
    f.MenuDateiCloseClick();
    EXPECT_FALSE(f.MenuAuswVerlauf->isEnabled());
}

TEST_F(Auswertung, UebersichtSpeichertVorherUndSchreibtSonstNichts)
{
    TForm1 &f = Starten();
    f.setDatFilename("Adam");
    f.Edit5->setText("vor der Übersicht");
    QMap<QString, QByteArray> vorher;
    for (const char *name : {"Ägidius", "bernd", "Zora"})
        vorher[name] = Lesen(Daten() + name + ".dat");
    Uebersicht([](TUebersichtForm *u) {
        EXPECT_EQ(u->windowTitle(), "Klassenübersicht");
        // The open participant's class, with the spelling met first in the folder.
        EXPECT_EQ(Gross(u->ComboBox1->currentText()), "4B");
        EXPECT_EQ(u->ComboBox1->itemText(0), "(Alle)");
        EXPECT_EQ(u->ComboBox1->count(), 3);
        EXPECT_EQ(u->Zeitraum1->Auswahl(), Vorgabe::Schuljahr);
        EXPECT_EQ(u->Zeitraum1->DateEdit1->date(), QDate(2023, 8, 1));
        EXPECT_EQ(u->Zeitraum1->DateEdit2->date(), QDate(2024, 7, 31));
        // German collation: Ä with the A, small letters among the capitals.
        EXPECT_EQ(Spalte(u), QStringList({"Adam", "Ägidius", "bernd", "Summe / Durchschnitt"}));
        EXPECT_EQ(Spalte(u, SpalteTage), QStringList({"2", "3", "1", "6"}));
        EXPECT_EQ(Spalte(u, SpalteQuote), QStringList({"50,0 %", "100,0 %", "", "75,0 %"}));
        EXPECT_EQ(Spalte(u, SpalteOhneDatum), QStringList({"0", "1", "0", "1"}));
        EXPECT_EQ(u->Label2->text(), "Teilnehmer: 3");
        EXPECT_TRUE(u->Button1->isEnabled());
    });
    EXPECT_EQ(TeilnehmerZeilen("Adam")[1], "Di., 5. März 2024\vvor der Übersicht");
    for (auto datei = vorher.cbegin(); datei != vorher.cend(); ++datei)
        EXPECT_EQ(Lesen(Daten() + datei.key() + ".dat"), datei.value()) << datei.key().toStdString();
    EXPECT_FALSE(QFile::exists(Daten() + "Ägidius.dat.bak"));
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
}

TEST_F(Auswertung, KlasseUndZeitraumWaehlen)
{
    TForm1 &f = Starten();
    f.SortierKlasse = "5A"; // the participant list's filter comes first
    f.setDatFilename("Adam");
    Uebersicht([](TUebersichtForm *u) {
        EXPECT_EQ(u->ComboBox1->currentText(), "5a");
        EXPECT_EQ(Spalte(u), QStringList({"Zora", "Summe / Durchschnitt"}));

        u->ComboBox1->setFocus();
        QTest::keyClick(u->ComboBox1, Qt::Key_Home); // "(Alle)"
        EXPECT_TRUE(Warten([u] { return Gezaehlt(u) && u->Sortierer->rowCount() == 5; }));
        EXPECT_EQ(u->GewaehlteKlasse(), "");

        // "Alles" counts every day, also the one without a date.
        u->Zeitraum1->ComboBox1->setCurrentIndex(0);
        EXPECT_FALSE(u->Zeitraum1->DateEdit1->isEnabled());
        EXPECT_EQ(u->Zeitraum1->DateEdit1->text(), "–");
        EXPECT_TRUE(Warten([u] { return Gezaehlt(u) && Spalte(u, SpalteTage).last() == "9"; }));
        EXPECT_EQ(Spalte(u, SpalteTage), QStringList({"3", "4", "1", "1", "9"}));

        // A date typed by hand: the preset follows what the dates are.
        u->Zeitraum1->VorgabeSetzen(Vorgabe::ZweitesHalbjahr);
        EXPECT_TRUE(Warten([u] { return Gezaehlt(u) && Spalte(u, SpalteTage).last() == "7"; }));
        u->Zeitraum1->DateEdit1->setDate(QDate(2024, 3, 5));
        EXPECT_EQ(u->Zeitraum1->Auswahl(), Vorgabe::Eigener);
        EXPECT_TRUE(Warten([u] { return Gezaehlt(u) && Spalte(u, SpalteTage).last() == "4"; }));
        EXPECT_EQ(Spalte(u, SpalteTage), QStringList({"1", "1", "1", "1", "4"}));
        EXPECT_EQ(u->Titel(), "Klassenübersicht – Klasse: (Alle) – Zeitraum: 5. März 2024 bis 31. Juli 2024");
        u->Zeitraum1->DateEdit1->setDate(QDate(2024, 2, 1));
        EXPECT_EQ(u->Zeitraum1->Auswahl(), Vorgabe::ZweitesHalbjahr);
    });
}

TEST_F(Auswertung, SortierenUndCsvInDieserOrdnung)
{
    Starten();
    const QString csv = Ordner() + "klasse.csv";
    Uebersicht([&](TUebersichtForm *u) {
        u->ComboBox1->setCurrentIndex(u->ComboBox1->findText("4b", Qt::MatchFixedString));
        u->Timer1Timer();
        KopfKlicken(u, SpalteJa);
        EXPECT_EQ(Spalte(u), QStringList({"bernd", "Adam", "Ägidius", "Summe / Durchschnitt"}));
        KopfKlicken(u, SpalteJa);
        EXPECT_EQ(Spalte(u), QStringList({"Ägidius", "Adam", "bernd", "Summe / Durchschnitt"}));
        KopfKlicken(u, SpalteQuote);
        EXPECT_EQ(Spalte(u), QStringList({"bernd", "Adam", "Ägidius", "Summe / Durchschnitt"}));
        // From the keyboard: the popup menu of the table sorts by the current column.
        u->TableView1->setCurrentIndex(u->Sortierer->index(0, SpalteName));
        u->TableView1->setFocus();
        QTest::keyClick(u->TableView1, Qt::Key_F10, Qt::ShiftModifier); // keyboards without a menu key
        EXPECT_TRUE(u->PuTabelle->isVisible());
        EXPECT_EQ(u->PuAbsteigend->text(), "Nach \"Name\" ab&steigend sortieren");
        u->PuTabelle->close();
        u->PuAbsteigend->trigger();
        EXPECT_EQ(Spalte(u), QStringList({"bernd", "Ägidius", "Adam", "Summe / Durchschnitt"}));

        SpeichernUnter(csv);
        u->Button1->click();
    });
    const QByteArray bytes = Lesen(csv);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(bytes.mid(3)).split("\r\n"),
              QStringList({"\"Name\";\"Klasse\";\"Tage\";\"Fehlt\";\"Nein\";\"Ja\";\"Quote\";\"ohne Datum\";\"Letzter Tag\";\"Kommentar\"",
                           "\"bernd\";\"4B\";1;1;0;0;;0;\"Di., 5. März 2024\";\"'-kommt später\"",
                           "\"Ägidius\";\"4b\";3;1;0;2;\"100,0\";1;\"Di., 5. März 2024\";",
                           "\"Adam\";\"4b\";2;0;1;1;\"50,0\";0;\"Di., 5. März 2024\";\"vorne\"",
                           "\"Summe / Durchschnitt\";;6;2;1;3;\"75,0\";1;;", ""}));
}

TEST_F(Auswertung, DruckenUndPdfMitKopfzeileAufJederSeite)
{
    for (int n = 1; n <= 60; ++n)
        Teilnehmerdatei(QString("Schüler %1").arg(n), {"4b\v", "Di., 5. März 2024\v", QString::number(n % 3), T});
    Starten();
    const QString druck = Ordner() + "druck.pdf";
    const QString pdf = Ordner() + "Übersicht.pdf";
    DruckerAlsPdf(druck);
    Uebersicht([&](TUebersichtForm *u) {
        EXPECT_EQ(u->Modell->rowCount(), 65);
        u->Button2->click();
        SpeichernUnter(pdf);
        u->Button3->click();
    });
    for (const QString &datei : {druck, pdf}) {
        const QString text = PdfText(datei);
        const QStringList seiten = text.split('\f', Qt::SkipEmptyParts);
        ASSERT_GE(seiten.size(), 2) << datei.toStdString();
        for (int n = 0; n < seiten.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_TRUE(seiten[n].contains("Klassenübersicht – Klasse: (Alle) – Zeitraum: Schuljahr (1. August "
                                           "2023 bis 31. Juli 2024)"));
            EXPECT_TRUE(seiten[n].contains(QRegularExpression("Name +Klasse +Tage +Fehlt +Nein +Ja +Quote")));
            EXPECT_TRUE(seiten[n].contains(QString("Seite %1 von %2").arg(n + 1).arg(seiten.size())));
        }
        EXPECT_TRUE(text.contains(QRegularExpression("Ägidius +4b +3 +1 +0 +2 +100,0 %")));
        EXPECT_TRUE(seiten.last().contains("Summe / Durchschnitt"));
    }
    EXPECT_TRUE(Lesen(pdf).startsWith("%PDF"));
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
}

TEST_F(Auswertung, FortschrittMitAbbrechen)
{
    // Enough days (60 MB) that counting takes longer than half a second,
    // also on a fast machine; the count is cancelled long before its end.
    QStringList viele = {"4b\v"};
    for (int tag = 0; tag < 4000; ++tag)
        viele << "Di., 5. März 2024\vAnmerkung" << QString::number(tag % 3) << "Infos zum Tag" << T;
    const QByteArray bytes = Utf8Datei(viele);
    for (int n = 0; n < 300; ++n)
        Schreiben(Daten() + QString("Gross %1.dat").arg(n, 3, 10, QChar('0')), bytes);
    Starten();
    QString abbrechen;
    bool abgebrochen = false;
    BeiDialog([&](QWidget *dialog) {
        auto *u = qobject_cast<TUebersichtForm *>(dialog);
        ASSERT_TRUE(u);
        BeiFenster("Fortschritt", [&](QWidget *fenster) {
            auto *fortschritt = qobject_cast<QProgressDialog *>(fenster);
            ASSERT_TRUE(fortschritt);
            EXPECT_EQ(fortschritt->windowTitle(), "Klassenübersicht");
            auto *knopf = fortschritt->findChild<QPushButton *>();
            abbrechen = knopf->text();
            knopf->click();
        });
        EXPECT_TRUE(Warten([u] { return !u->Label2->text().isEmpty(); }, 60000));
        abgebrochen = u->Label2->text() == "Die Zählung wurde abgebrochen.";
        EXPECT_EQ(u->Modell->rowCount(), 0);
        EXPECT_FALSE(u->Button1->isEnabled());
        EXPECT_FALSE(u->Button3->isEnabled());
        u->Button4->click();
    }, 10000);
    haupt->MenuAuswKlasse->trigger();
    EXPECT_EQ(abbrechen, "Abbrechen");
    EXPECT_TRUE(abgebrochen);
}

TEST_F(Auswertung, EnterImDatumOeffnetNichtsEscSchliesst)
{
    Starten();
    bool offen = false;
    BeiDialog([&](QWidget *dialog) {
        auto *u = qobject_cast<TUebersichtForm *>(dialog);
        ASSERT_TRUE(Warten([u] { return Gezaehlt(u); }));
        u->Zeitraum1->DateEdit1->setFocus();
        QTest::keyClick(u->Zeitraum1->DateEdit1, Qt::Key_Return);
        QTest::qWait(50);
        offen = u->isVisible() && QApplication::activeModalWidget() == u;
        QTest::keyClick(u->Zeitraum1->DateEdit1, Qt::Key_Escape);
    });
    haupt->MenuAuswKlasse->trigger();
    EXPECT_TRUE(offen);
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(Auswertung, VerlaufNachMonaten)
{
    TForm1 &f = Starten();
    f.setDatFilename("Ägidius");
    f.RadioItems[1]->setChecked(true); // day 1 becomes "Nein", saved before the chart
    const QString png = Ordner() + "verlauf.png";
    const QString druck = Ordner() + "verlauf.pdf";
    DruckerAlsPdf(druck);
    BeiDialog([&](QWidget *dialog) {
        auto *v = qobject_cast<TVerlaufForm *>(dialog);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->windowTitle(), "Verlauf des Teilnehmers \"Ägidius\"");
        auto *achse = qobject_cast<QBarCategoryAxis *>(v->ChartView1->chart()->axes(Qt::Horizontal).first());
        ASSERT_TRUE(achse);
        EXPECT_EQ(achse->count(), 12);
        // Under their bars, or upright on one line where the months do not fit side by side.
        EXPECT_EQ(achse->at(0).replace("<br>", " "), "Aug 2023");
        EXPECT_EQ(achse->at(7).replace("<br>", " "), "Mär 2024");
        // March: one day absent, one without and one with homework, each
        // on its bar or, where the bar is too short, in its twin.
        const QList<QBarSet *> saetze =
            static_cast<QStackedBarSeries *>(v->ChartView1->chart()->series().first())->barSets();
        ASSERT_EQ(saetze.size(), 6);
        QStringList legende;
        for (int n = 0; n < 6; n += 2) {
            legende << saetze[n]->label();
            EXPECT_EQ(saetze[n]->at(7) + saetze[n + 1]->at(7), 1) << saetze[n]->label().toStdString();
            EXPECT_EQ(saetze[n]->at(6) + saetze[n + 1]->at(6), 0);
        }
        EXPECT_EQ(legende, QStringList({"Fehlt", "Nein", "Ja"}));
        EXPECT_EQ(v->Label1->text(), "Ohne lesbares Datum, daher nicht im Diagramm: Tag 4 \"Wandertag\".");

        v->Zeitraum1->ComboBox1->setCurrentIndex(0); // "Alles"
        auto *alles = qobject_cast<QBarCategoryAxis *>(v->ChartView1->chart()->axes(Qt::Horizontal).first());
        EXPECT_EQ(alles->categories(), QStringList({"Mär<br>2024"}));

        SpeichernUnter(png);
        v->Button1->click();
        const QImage bild(png);
        EXPECT_EQ(bild.size(), v->ChartView1->size() * 2);
        EXPECT_EQ(bild.pixelColor(2, 2), QColor(Qt::white)); // on white, whatever the screen shows
        v->Button2->click();
        v->Button3->click();
    });
    Aktivieren();
    QTest::keyClick(f.Edit3, Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(TeilnehmerZeilen("Ägidius")[2], "1");
    const QString text = PdfText(druck);
    EXPECT_TRUE(text.contains("Verlauf von \"Ägidius\" – Klasse: 4b – Zeitraum: Alles")) << text.toStdString();
    EXPECT_TRUE(text.contains("Tag 4 \"Wandertag\""));
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
}

TEST_F(Auswertung, VerlaufZahlenMitTausenderpunkt)
{
    // 1,300 days; day 1,234 has no readable date.
    QStringList zeilen = {"4b\v"};
    for (int tag = 1; tag <= 1300; ++tag)
        zeilen << (tag == 1234 ? "Wandertag\v" : "Mo., 4. März 2024\v") << "2" << T;
    Teilnehmerdatei("Viele", zeilen);
    TForm1 &f = Starten();
    f.setDatFilename("Viele");
    BeiDialog([&](QWidget *dialog) {
        auto *v = qobject_cast<TVerlaufForm *>(dialog);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->Label1->text(), "Ohne lesbares Datum, daher nicht im Diagramm: Tag 1.234 \"Wandertag\".");
        const QChart *diagramm = v->ChartView1->chart();
        EXPECT_TRUE(diagramm->localizeNumbers());
        EXPECT_EQ(diagramm->locale().toString(1299.0, 'f', 0), "1.299"); // axis and bars
        v->Button3->click();
    });
    f.MenuAuswVerlauf->trigger();
}

TEST_F(Auswertung, LeererZeitraumWirdGenannt)
{
    Starten();
    Uebersicht([](TUebersichtForm *u) {
        u->Zeitraum1->DateEdit1->setDate(QDate(2024, 3, 1));
        u->Zeitraum1->DateEdit2->setDate(QDate(2024, 2, 1));
        u->Timer1Timer();
        EXPECT_TRUE(u->Label2->text().endsWith(" – der Zeitraum ist leer: \"Von\" liegt nach \"Bis\"."))
            << u->Label2->text().toStdString();
    });
}

TEST_F(Auswertung, DatumMitPunktenGetippt)
{
    // As a teacher types a date: with its dots, or with digits only.
    Starten();
    for (const auto &[getippt, datum] : {std::pair{"15.09.2022", QDate(2022, 9, 15)}, std::pair{"15.9.2022", QDate(2022, 9, 15)},
                                         std::pair{"15092022", QDate(2022, 9, 15)}, std::pair{"5.9.2022", QDate(2022, 9, 5)},
                                         std::pair{"1.10.2022", QDate(2022, 10, 1)}}) {
        SCOPED_TRACE(getippt);
        Uebersicht([&, getippt = getippt, datum = datum](TUebersichtForm *u) {
            ZeitraumWahl *wahl = u->Zeitraum1;
            wahl->VorgabeSetzen(Vorgabe::Schuljahr);
            QTest::keyClick(u, Qt::Key_V, Qt::AltModifier);
            ASSERT_EQ(QApplication::focusWidget(), wahl->DateEdit1);
            // Key by key, the events between them handled, as typing comes.
            for (const char *zeichen = getippt; *zeichen; ++zeichen) {
                QTest::keyClick(QApplication::focusWidget(), *zeichen);
                QTest::qWait(20);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(wahl->DateEdit1->date(), datum);
        });
    }
}

TEST_F(Auswertung, NichtsAbgeschnittenInGrosserSchrift)
{
    TForm1 &f = Starten();
    f.setDatFilename("Ägidius");
    for (const auto &[punkte, fett] : {std::pair{12, false}, std::pair{24, true}, std::pair{40, false}}) {
        ProgrammSchrift().schrift = QFont("Arial", punkte);
        ProgrammSchrift().schrift.setBold(fett);
        SCOPED_TRACE(punkte);
        const auto pruefen = [](QWidget *dialog) {
            EXPECT_LE(dialog->width(), Bildschirm().width());
            const QRect innen = dialog->rect();
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                if (!w->isVisible() || (w->parentWidget() != dialog && w->parentWidget()->objectName() != "Zeitraum"))
                    continue;
                const QRect ort(w->mapTo(dialog, QPoint(0, 0)), w->size());
                EXPECT_TRUE(innen.contains(ort)) << w->metaObject()->className() << " " << w->objectName().toStdString();
                const auto *label = qobject_cast<QLabel *>(w);
                if (qobject_cast<QPushButton *>(w) || (label && !label->wordWrap()) || qobject_cast<QComboBox *>(w)
                    || qobject_cast<QDateEdit *>(w)) {
                    EXPECT_GE(w->width(), w->sizeHint().width())
                        << w->metaObject()->className() << " " << w->objectName().toStdString();
                    EXPECT_GE(w->height(), label ? w->fontMetrics().height() : w->sizeHint().height())
                        << w->metaObject()->className();
                }
            }
        };
        BeiDialog([&](QWidget *dialog) {
            auto *u = qobject_cast<TUebersichtForm *>(dialog);
            ASSERT_TRUE(Warten([u] { return Gezaehlt(u); }));
            EXPECT_EQ(u->TableView1->font(), ProgrammSchrift().schrift);
            pruefen(u);
            u->Button4->click();
        });
        f.MenuAuswKlasse->trigger();
        BeiDialog([&](QWidget *dialog) {
            pruefen(dialog);
            auto *v = qobject_cast<TVerlaufForm *>(dialog);
            // The chart in the program font: each month's label within its
            // column, room for every number of the day axis.
            const QChart *diagramm = v->ChartView1->chart();
            QAbstractAxis *x = diagramm->axes(Qt::Horizontal).first();
            auto *y = static_cast<QValueAxis *>(diagramm->axes(Qt::Vertical).first());
            EXPECT_EQ(x->labelsFont(), ProgrammSchrift().schrift);
            const QFontMetrics masse(x->labelsFont());
            const QStringList monate = static_cast<QBarCategoryAxis *>(x)->categories();
            const qreal spalte = diagramm->plotArea().width() / monate.size();
            for (QString monat : monate) {
                for (const QString &zeile : monat.remove(QChar(0x200B)).split("<br>"))
                    EXPECT_LE(masse.horizontalAdvance(zeile), spalte) << zeile.toStdString();
            }
            EXPECT_EQ(static_cast<QBarCategoryAxis *>(x)->labelsAngle(), 0);
            const qreal ticks = y->max() / y->tickInterval();
            EXPECT_GE(diagramm->plotArea().height() / ticks, masse.height()) << ticks;
            v->Button3->click();
        });
        f.MenuAuswVerlauf->trigger();
    }
}

TEST_F(Auswertung, PdfSchliesstDieTabelleAufJederSeite)
{
    for (int n = 1; n <= 60; ++n)
        Teilnehmerdatei(QString("Schüler %1").arg(n), {"4b\v", "Di., 5. März 2024\v", QString::number(n % 3), T});
    Starten();
    const QString pdf = Ordner() + "Übersicht.pdf";
    Uebersicht([&](TUebersichtForm *u) { EXPECT_TRUE(u->PdfSchreiben(pdf)); });
    QProcess bilder;
    bilder.start("pdftoppm", {"-gray", "-r", "60", "-png", pdf, Ordner() + "seite"});
    ASSERT_TRUE(bilder.waitForFinished(30000));
    // Every page but the last: the table's left line ends where a line
    // under its last row closes it; nothing of it runs on below.
    for (const QString &datei : {Ordner() + "seite-1.png", Ordner() + "seite-2.png"}) {
        SCOPED_TRACE(datei.toStdString());
        const QImage seite(datei);
        ASSERT_FALSE(seite.isNull());
        const auto dunkel = [&](int x, int y) { return qGray(seite.pixel(x, y)) < 160; };
        const int mitte = seite.height() / 2;
        int links = 0;
        while (links < seite.width() / 4 && !dunkel(links, mitte))
            ++links;
        ASSERT_LT(links, seite.width() / 4);
        int unten = mitte;
        while (unten + 1 < seite.height() && dunkel(links, unten + 1))
            ++unten;
        int strich = 0;
        for (int x = links; x < seite.width() - links; ++x)
            strich += dunkel(x, unten) || dunkel(x, unten - 1) ? 1 : 0;
        EXPECT_GT(strich, (seite.width() - 2 * links) * 9 / 10) << "unten " << unten << " von " << seite.height();
        for (int y = unten + 2; y < seite.height(); ++y)
            EXPECT_FALSE(dunkel(links, y)) << y;
    }
}
