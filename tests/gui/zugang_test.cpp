// The program for the keyboard and for a screen reader: one letter per
// command in every dialog, read-only fields that say so, a chart whose
// counts the keyboard reaches, the font dialog's styles in German.

#include "dialogrundgang.h"
#include "dialogs/verlaufdlg.h"
#include "hauptfenster.h"
#include "records/bloecke.h"
#include "ui/diagrammansicht.h"
#include "ui/drucker.h"
#include "ui/programmschrift.h"
#include "ui/schriftstile.h"
#include "util/einstellungen.h"
#include "util/laufwerke.h"
#include "util/shell.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QStyledItemDelegate>

namespace {
const QString T = Blocktrenner;

// The letter after the "&" of a caption ("&&" is an ampersand), or none.
QChar Kuerzel(const QString &text)
{
    for (qsizetype n = 0; n + 1 < text.size(); ++n) {
        if (text[n] != u'&')
            continue;
        if (text[n + 1] == u'&') {
            ++n;
            continue;
        }
        return text[n + 1].toLower();
    }
    return {};
}

// What is wrong with the mnemonics of a dialog: a letter that two of its
// buttons, group boxes or labels share, a label that shows its "&"
// because nothing takes its focus.
QStringList KuerzelFehler(QWidget *dialog)
{
    QMap<QChar, QStringList> belegt;
    QStringList fehler;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(dialog))
            continue;
        QString text;
        if (auto *knopf = qobject_cast<QAbstractButton *>(w))
            text = knopf->text();
        else if (auto *gruppe = qobject_cast<QGroupBox *>(w))
            text = gruppe->title();
        else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->textFormat() == Qt::RichText || Kuerzel(label->text()).isNull())
                continue;
            if (!label->buddy())
                fehler << QStringLiteral("%1: \"%2\" ohne Buddy").arg(dialog->windowTitle(), label->text());
            text = label->text();
        }
        const QChar buchstabe = Kuerzel(text);
        if (!buchstabe.isNull())
            belegt[buchstabe] << text;
    }
    for (auto eintrag = belegt.cbegin(); eintrag != belegt.cend(); ++eintrag) {
        if (eintrag->size() > 1)
            fehler << QStringLiteral("%1: Alt+%2 für %3").arg(dialog->windowTitle(), eintrag.key().toUpper(),
                                                             eintrag->join(QLatin1String(", ")));
    }
    return fehler;
}
} // namespace

class Zugang : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        Teilnehmerdatei("Beta", {"4b\vsitzt vorne", "Di., 5. März 2024\vSchularbeit", "2", T,
                                 "Mo., 4. März 2024\v", "1", T, "Do., 1. Februar 2024\v", "0", T,
                                 "Mi., 31. Jänner 2024\v", "2", T});
    }
    void TearDown() override
    {
        ShellFestlegen({});
        DruckerFestlegen({}, {});
        LaufwerkeFestlegen({});
        Hauptfenster::TearDown();
    }
};

TEST_F(Zugang, JederDialogHatJedenBuchstabenEinmal)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    ShellFestlegen([](const QString &, const QStringList &) { return true; });
    DruckerFestlegen([] { return false; }, {});
    QDir().mkpath(Ordner() + "stick/MwDaten");
    LaufwerkeFestlegen([this] { return QList<Laufwerk>{{Ordner() + "stick/", Laufwerk::Wechsel, "Stick", {}}}; });
    protokoll.vorgaben[""] = false; // whatever a command asks on the way
    QStringList fehler;
    const QStringList titel = DialogeBesuchen(f, [&](QWidget *dialog) { fehler << KuerzelFehler(dialog); });
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join("\n").toStdString();
    // The walk came to the dialogs, those below others too.
    for (const char *dialog : {"Wählen Sie einen neuen Teilnehmer", "Wählen Sie die anzuzeigende Klasse",
                               "Schrifthintergrund wählen", "Datendateien sichern nach", "Klassenübersicht",
                               "Verlauf des Teilnehmers \"Beta\"", "Gesamte Tage des aktuellen Teilnehmers als Text",
                               "Ganze Klasse ändern", "Klassentag erfassen", "Teilnehmer importieren"})
        EXPECT_TRUE(titel.contains(dialog)) << dialog << " fehlt in: " << titel.join(" | ").toStdString();
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(Zugang, SchreibgeschuetzteFelderSagenEs)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    for (QLineEdit *feld : {f.Edit1, f.Edit2, f.Edit4, f.Edit3, f.Edit5}) {
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(feld);
        ASSERT_TRUE(zugang);
        SCOPED_TRACE(zugang->text(QAccessible::Name).toStdString());
        const bool nurLesen = feld->isReadOnly();
        EXPECT_EQ(zugang->state().readOnly, nurLesen);
        EXPECT_EQ(zugang->state().editable, !nurLesen);
        EXPECT_EQ(zugang->text(QAccessible::Value), feld->text());
        ASSERT_TRUE(zugang->textInterface());
        EXPECT_EQ(zugang->textInterface()->text(0, zugang->textInterface()->characterCount()), feld->text());
    }
    EXPECT_TRUE(f.Edit1->isReadOnly());
    EXPECT_FALSE(f.Edit3->isReadOnly());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.Edit4)->text(QAccessible::Name), "Kommentar:");
}

TEST_F(Zugang, DiagrammMitDerTastaturGelesen)
{
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    BeiDialog([&](QWidget *dialog) {
        auto *v = qobject_cast<TVerlaufForm *>(dialog);
        ASSERT_TRUE(v);
        Diagrammansicht *diagramm = v->ChartView1;
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(diagramm);
        EXPECT_EQ(zugang->role(), QAccessible::Chart);
        EXPECT_EQ(zugang->text(QAccessible::Name), v->Titel());
        EXPECT_FALSE(zugang->text(QAccessible::Description).isEmpty());
        QAccessibleTextInterface *text = zugang->textInterface();
        ASSERT_TRUE(text);
        // The school year from August: every month with its counts.
        const QStringList zeilen = text->text(0, text->characterCount()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(zeilen.size(), 12);
        EXPECT_EQ(zeilen[0], "August 2023: Fehlt 0, Nein 0, Ja 0 – zusammen 0 Tage");
        EXPECT_EQ(zeilen[5], "Jänner 2024: Fehlt 0, Nein 0, Ja 1 – zusammen 1 Tag");
        EXPECT_EQ(zeilen[7], "März 2024: Fehlt 0, Nein 1, Ja 1 – zusammen 2 Tage");
        // The chart stands between the period and the buttons in the tab
        // order; the arrows walk the months, the caret with them.
        v->Button1->setFocus();
        QTest::keyClick(v->Button1, Qt::Key_Backtab);
        ASSERT_EQ(v->focusWidget(), diagramm);
        int anfang = 0, ende = 0;
        EXPECT_EQ(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &anfang, &ende),
                  zeilen[0] + "\n");
        QTest::keyClick(diagramm, Qt::Key_End);
        QTest::keyClick(diagramm, Qt::Key_Left);
        QTest::keyClick(diagramm, Qt::Key_Left);
        QTest::keyClick(diagramm, Qt::Key_Left);
        QTest::keyClick(diagramm, Qt::Key_Left);
        EXPECT_EQ(diagramm->AktuelleZeile(), 7);
        EXPECT_EQ(zugang->text(QAccessible::Value), zeilen[7]);
        EXPECT_EQ(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &anfang, &ende),
                  zeilen[7] + "\n");
        QTest::keyClick(diagramm, Qt::Key_Home);
        EXPECT_EQ(text->cursorPosition(), 0);
        QTest::keyClick(diagramm, Qt::Key_Tab);
        EXPECT_EQ(v->focusWidget(), v->Button1);
        v->Button3->click();
    });
    f.MenuAuswVerlauf->trigger();
}

TEST(Schriftstile, DeutscheNamen)
{
    const struct {
        const char *datei;
        const char *deutsch;
    } faelle[] = {
        {"Regular", "Standard"},       {"Bold", "Fett"},          {"Italic", "Kursiv"},
        {"Bold Italic", "Fett kursiv"}, {"Oblique", "Schräg"},     {"Bold Oblique", "Fett schräg"},
        {"Book", "Standard"},          {"Light", "Leicht"},       {"SemiBold", "Halbfett"},
        {"Condensed Bold", "Schmal fett"}, {"Condensed", "Schmal"}, {"ExtraLight Italic", "Extraleicht kursiv"},
        {"Black", "Schwarz"},          {"Medium", "Mittel"},
        // No style words: as they are.
        {"DejaVu Sans", "DejaVu Sans"}, {"Bold Stencil", "Bold Stencil"}, {"", ""},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(StilnameDeutsch(QString::fromUtf8(fall.datei)), QString::fromUtf8(fall.deutsch)) << fall.datei;
}

TEST_F(Zugang, SchriftdialogZeigtDeutscheStileUndSpeichertWieBisher)
{
    TForm1 &f = Starten();
    ProgrammSchrift().schrift = QFont("Liberation Sans", 14);
    BeiDialog([](QWidget *dialog) {
        auto *schrift = qobject_cast<QFontDialog *>(dialog);
        ASSERT_TRUE(schrift);
        QListView *stile = nullptr;
        QStringList gezeigt;
        for (QListView *liste : schrift->findChildren<QListView *>()) {
            auto *delegat = qobject_cast<QStyledItemDelegate *>(liste->itemDelegate());
            QStringList texte;
            for (int zeile = 0; zeile < liste->model()->rowCount(); ++zeile)
                texte << delegat->displayText(liste->model()->index(zeile, 0).data(), QLocale());
            if (texte.contains("Fett")) {
                stile = liste;
                gezeigt = texte;
            }
        }
        ASSERT_TRUE(stile);
        for (const char *stil : {"Standard", "Fett", "Kursiv", "Fett kursiv"})
            EXPECT_TRUE(gezeigt.contains(stil)) << stil << ": " << gezeigt.join(", ").toStdString();
        EXPECT_FALSE(gezeigt.contains("Bold"));
        for (int zeile = 0; zeile < stile->model()->rowCount(); ++zeile) {
            if (stile->model()->index(zeile, 0).data() == "Bold Italic")
                stile->setCurrentIndex(stile->model()->index(zeile, 0));
        }
        bool feldDeutsch = false;
        for (QLineEdit *feld : schrift->findChildren<QLineEdit *>())
            feldDeutsch = feldDeutsch || feld->text() == "Fett kursiv";
        EXPECT_TRUE(feldDeutsch);
        schrift->accept();
    });
    f.MenuAnsSchrift->trigger();
    EXPECT_TRUE(ProgrammSchrift().schrift.bold());
    EXPECT_TRUE(ProgrammSchrift().schrift.italic());
    EXPECT_EQ(ProgrammSchrift().schrift.family(), "Liberation Sans");
    // Stored as before: the style bits, 1 italic + 2 bold.
    EXPECT_EQ(Einstellungen().value("FontStyle").toInt(), 3);
    EXPECT_EQ(Einstellungen().value("FontName").toString(), "Liberation Sans");
}
