// "Teilnehmer importieren..." driven by keys as a teacher drives it: the
// list from a file and from the clipboard, the meanings and the name form
// changed, the preview, the import and the participant list of the class.

#include "hauptfenster.h"

#include "dialogs/importdlg.h"
#include "dialogs/tldlg.h"
#include "records/bloecke.h"
#include "util/heute.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace {

QStringList Spalte(const QTableWidget *tabelle, int spalte)
{
    QStringList texte;
    for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile)
        texte << tabelle->item(zeile, spalte)->text();
    return texte;
}

// Acts on a dialog of the class T as soon as it opens: a mnemonic clicks
// its button a moment later, while the dialog below is still open.
template<typename T>
void BeiDialogDerArt(std::function<void(T *)> aktion)
{
    auto *uhr = new QTimer;
    DialogBeanspruchen(uhr);
    QObject::connect(uhr, &QTimer::timeout, [uhr, aktion] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            uhr->stop();
            uhr->deleteLater();
            aktion(dialog);
        }
    });
    uhr->start(10);
}

// No window manager gives the keyboard back to a dialog when the one over
// it closes.
bool Aktiv(QWidget *dialog)
{
    if (QApplication::activeWindow() != dialog)
        dialog->activateWindow();
    return Warten([dialog] { return QApplication::activeWindow() == dialog && dialog->isAncestorOf(QApplication::focusWidget()); });
}

// Alt and a letter, once the dialog has the keyboard (again).
void Alt(QWidget *dialog, Qt::Key taste)
{
    ASSERT_TRUE(Aktiv(dialog));
    QTest::keyClick(dialog, taste, Qt::AltModifier);
}

} // namespace

class ImportDialog : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        HeuteFestlegen(QDate(2019, 3, 4));
        Teilnehmerdatei("weiß, jörg", {"7c\v", "Fr., 1. März 2019", Blocktrenner});
    }
    void TearDown() override
    {
        HeuteFestlegen({});
        Hauptfenster::TearDown();
    }

    // After the import: the participant list with its class, cancelled.
    void ListeBeobachten()
    {
        BeiDialogDerArt<TTlForm>([this](TTlForm *liste) {
            listenKlasse = liste->Klasse();
            liste->reject();
        });
    }

    QString listenKlasse = "nie gezeigt";
};

TEST_F(ImportDialog, StehtNachNeuemTeilnehmer)
{
    TForm1 &f = Starten();
    const QList<QAction *> eintraege = f.MenuAkt->actions();
    EXPECT_EQ(eintraege.indexOf(f.MenuAktImportieren), eintraege.indexOf(f.MenuAktNeuenTeilnehmer) + 1);
    EXPECT_EQ(f.MenuAktImportieren->text(), "Teilnehmer &importieren...");
}

TEST_F(ImportDialog, DateiMitTastenImportiert)
{
    TForm1 &f = Starten();
    f.SortierKlasse = "";
    const QString liste = QStringLiteral(MERKWERK_FIXTURES "/import/excel-semikolon.csv");
    BeiDialog([&](QWidget *dialog) {
        auto *imp = qobject_cast<TImportForm *>(dialog);
        ASSERT_TRUE(imp);
        EXPECT_EQ(imp->windowTitle(), "Teilnehmer importieren");
        ASSERT_TRUE(Aktiv(imp));
        EXPECT_EQ(QApplication::focusWidget(), imp->KnopfDatei);
        EXPECT_FALSE(imp->KnopfImportieren->isEnabled());
        BeiDialogDerArt<QFileDialog>([&](QFileDialog *datei) {
            EXPECT_EQ(datei->nameFilters(), QStringList({"Tabellen (*.csv *.txt *.tsv)", "Alle Dateien (*)"}));
            datei->setDirectory(liste.left(liste.lastIndexOf('/')));
            datei->findChild<QLineEdit *>("fileNameEdit")->setText(liste.mid(liste.lastIndexOf('/') + 1));
            QMetaObject::invokeMethod(datei, "accept");
        });
        Alt(imp, Qt::Key_D);
        // A mnemonic clicks its button a moment later.
        ASSERT_TRUE(Warten([imp] { return imp->TabelleVorschau->rowCount() > 0; }));
        EXPECT_TRUE(imp->KastenKopfzeile->isChecked());
        EXPECT_EQ(imp->LabelQuelle->accessibleName(), "Datei \"excel-semikolon.csv\", 3 Spalten, getrennt durch Semikolon");
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 1),
                  QStringList({"Müller-Lüdenscheidt, Hans-Jürgen", "Öztürk, Ay?e", "Schmidt/Meyer, Lena", "Becker, Tim",
                               "BECKER, tim", "Weiß, Jörg", "Krüger, Anna Lena", "Ohne"}));
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 4).mid(3, 3),
                  QStringList({"neu", "existiert bereits – wird übersprungen", "existiert bereits – wird übersprungen"}));
        EXPECT_EQ(imp->LabelZusammenfassung->text(), "Zeilen: 8 – neu: 4, existieren bereits: 2, ungültig: 2");

        // The name form by keys, remembered for the next time.
        Alt(imp, Qt::Key_N);
        ASSERT_EQ(QApplication::focusWidget(), imp->AuswahlNamensform);
        QTest::keyClick(imp->AuswahlNamensform, Qt::Key_Down);
        EXPECT_EQ(imp->TabelleVorschau->item(0, 1)->text(), "Hans-Jürgen Müller-Lüdenscheidt");
        QTest::keyClick(imp->AuswahlNamensform, Qt::Key_Up);
        // Column 3 is not used: no class at all, until one is typed for all.
        Alt(imp, Qt::Key_S);
        QTest::keyClick(imp->AuswahlSpalte, Qt::Key_End);
        Alt(imp, Qt::Key_B);
        ASSERT_EQ(QApplication::focusWidget(), imp->AuswahlBedeutung);
        QTest::keyClick(imp->AuswahlBedeutung, Qt::Key_End);
        EXPECT_EQ(imp->AuswahlSpalte->currentText(), "3: nicht verwenden (Klasse)");
        EXPECT_EQ(imp->TabelleVorschau->item(0, 2)->text(), "");
        Alt(imp, Qt::Key_K);
        Tippen(QApplication::focusWidget(), "7a");
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 2).mid(0, 2), QStringList({"7a", "7a"}));
        ListeBeobachten();
        Alt(imp, Qt::Key_I);
    });
    f.MenuAktImportieren->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList({"4 Teilnehmer wurden angelegt, 4 übersprungen."}));
    EXPECT_EQ(listenKlasse, "7a");
    EXPECT_EQ(f.SortierKlasse, "7a");
    EXPECT_EQ(Lesen(Daten() + "Krüger, Anna Lena.dat"), Utf8Datei({"7a\v", "Mo., 4. März 2019", Blocktrenner}));
    EXPECT_EQ(TeilnehmerZeilen("weiß, jörg"), QStringList({"7c\v", "Fr., 1. März 2019", Blocktrenner}));
    EXPECT_EQ(TeilnehmerDateienZahl(), 5);

    // The name form chosen last and the list's class come back.
    f.SortierKlasse = "7c";
    BeiDialog([](QWidget *dialog) {
        auto *imp = qobject_cast<TImportForm *>(dialog);
        EXPECT_EQ(imp->AuswahlNamensform->currentText(), "Nachname, Vorname");
        EXPECT_EQ(imp->FeldKlasse->text(), "7c");
        EXPECT_EQ(imp->TabelleVorschau->rowCount(), 0);
        Alt(imp, Qt::Key_A);
    });
    f.MenuAktImportieren->trigger();
}

TEST_F(ImportDialog, ZwischenablageMitVornamenZuerst)
{
    TForm1 &f = Starten();
    f.SortierKlasse = "";
    QFile datei(QStringLiteral(MERKWERK_FIXTURES "/import/zwischenablage.txt"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(datei.readAll()));
    BeiDialog([&](QWidget *dialog) {
        auto *imp = qobject_cast<TImportForm *>(dialog);
        ASSERT_TRUE(imp);
        Alt(imp, Qt::Key_Z);
        ASSERT_TRUE(Warten([imp] { return imp->TabelleVorschau->rowCount() > 0; }));
        EXPECT_FALSE(imp->KastenKopfzeile->isChecked());
        EXPECT_EQ(imp->TabelleVorschau->item(0, 1)->text(), "Hans-Jürgen, Müller-Lüdenscheidt");
        // First column: first names; second: surnames.
        Alt(imp, Qt::Key_S);
        QTest::keyClick(imp->AuswahlSpalte, Qt::Key_Home);
        Alt(imp, Qt::Key_B);
        QTest::keyClick(imp->AuswahlBedeutung, Qt::Key_Down);
        Alt(imp, Qt::Key_S);
        QTest::keyClick(imp->AuswahlSpalte, Qt::Key_Down);
        Alt(imp, Qt::Key_B);
        QTest::keyClick(imp->AuswahlBedeutung, Qt::Key_Home);
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 1),
                  QStringList({"Müller-Lüdenscheidt, Hans-Jürgen", "Yılmaz, Elif", "Schmidt/Meyer, Lena"}));
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 2), QStringList({"7c", "7c", "7c"}));
        EXPECT_TRUE(Spalte(imp->TabelleVorschau, 4)[2].startsWith("ungültig: "));
        ListeBeobachten();
        Alt(imp, Qt::Key_I);
    });
    f.MenuAktImportieren->trigger();
    EXPECT_EQ(protokoll.Texte(), QStringList({"2 Teilnehmer wurden angelegt, 1 übersprungen."}));
    EXPECT_EQ(listenKlasse, "7c");
    EXPECT_EQ(Lesen(Daten() + "Yılmaz, Elif.dat"), Utf8Datei({"7c\v", "Mo., 4. März 2019", Blocktrenner}));
}

TEST_F(ImportDialog, NichtsNeuesNichtsGeschrieben)
{
    TForm1 &f = Starten();
    QGuiApplication::clipboard()->setText("Weiß, Jörg\n");
    BeiDialog([&](QWidget *dialog) {
        auto *imp = qobject_cast<TImportForm *>(dialog);
        Alt(imp, Qt::Key_Z);
        ASSERT_TRUE(Warten([imp] { return imp->TabelleVorschau->rowCount() > 0; }));
        EXPECT_EQ(Spalte(imp->TabelleVorschau, 4), QStringList({"existiert bereits – wird übersprungen"}));
        EXPECT_FALSE(imp->KnopfImportieren->isEnabled());
        QGuiApplication::clipboard()->clear();
        Alt(imp, Qt::Key_Z);
        EXPECT_TRUE(Warten([this] { return !protokoll.meldungen.isEmpty(); }));
        imp->reject();
    });
    f.MenuAktImportieren->trigger();
    EXPECT_TRUE(protokoll.Texte().value(0).startsWith("Die Zwischenablage enthält keinen Text.\r\n"));
    EXPECT_EQ(TeilnehmerDateienZahl(), 1);
}
