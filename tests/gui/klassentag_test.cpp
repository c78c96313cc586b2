// The class day as the teacher uses it: by keys only, from the main window
// back to the main window, every file compared byte for byte; the states
// of the rows, saving twice, the lost update and the failed writes, a
// class without pupils, the discard question and the one-line rules.

#include "hauptfenster.h"

#include "dialogs/klassentagdlg.h"
#include "dialogs/klassentagtabelle.h"
#include "records/bloecke.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString T = Blocktrenner;
const QString Heute = QStringLiteral("Di., 5. März 2024");

QStringList Datei(const QString &klasse, const QStringList &tage = {"Mo., 4. März 2024\v", "2", T})
{
    return QStringList{klasse + "\v"} + tage;
}

QStringList MitTag(const QString &klasse, const QString &anmerkung, int status, const QStringList &infos = {})
{
    return QStringList{klasse + "\v", Heute + "\v" + anmerkung, QString::number(status)} + infos
           + QStringList{T, "Mo., 4. März 2024\v", "2", T};
}

qint64 Zeitpunkt(const QString &pfad)
{
    return QFileInfo(pfad).lastModified().toMSecsSinceEpoch();
}
} // namespace

class Klassentag : public Hauptfenster
{
protected:
    // Sends one key to what has the focus, counted as the teacher's.
    void Taste(int taste, Qt::KeyboardModifiers mit = Qt::NoModifier)
    {
        ++tasten;
        // The dialog's window is the active one, as for the teacher.
        QWidget *ziel = QApplication::focusWidget();
        if (QWidget *dialog = QApplication::activeModalWidget(); dialog && (!ziel || ziel->window() != dialog)) {
            AktivWarten(dialog);
            ziel = QApplication::focusWidget();
        }
        ASSERT_TRUE(ziel);
        QTest::keyClick(ziel, Qt::Key(taste), mit);
        // What a key starts runs before the next key comes, as for the
        // teacher; a button's mnemonic clicks it after its animation.
        if (mit & Qt::AltModifier)
            QTest::qWait(150);
        QApplication::processEvents();
    }
    // A dialog shown is active once the window system says so (the
    // transient main window counts as active before).
    static void AktivWarten(QWidget *dialog)
    {
        if (!Warten([dialog] { return QApplication::activeWindow() == dialog; }, 500)) {
            dialog->activateWindow();
            EXPECT_TRUE(Warten([dialog] { return QApplication::activeWindow() == dialog; }));
        }
    }
    void Text(const QString &text)
    {
        Tippen(QApplication::focusWidget(), text);
        QApplication::processEvents();
    }

    QStringList Spalte(TKlassentagForm *k, int spalte) const
    {
        QStringList texte;
        for (int zeile = 0; zeile < k->Modell->rowCount(); ++zeile)
            texte << k->Modell->index(zeile, spalte).data().toString();
        return texte;
    }

    // Opens the class day from the main window's shortcut and runs `aktion` in it.
    void Klassentag_(TForm1 &f, std::function<void(TKlassentagForm *)> aktion)
    {
        bool gesehen = false;
        BeiDialog([&](QWidget *dialog) {
            auto *k = qobject_cast<TKlassentagForm *>(dialog);
            ASSERT_TRUE(k);
            gesehen = true;
            AktivWarten(k);
            aktion(k);
            if (k->isVisible()) {
                protokoll.vorgaben["Die Einträge"] = true;
                k->reject();
            }
        });
        Aktivieren();
        Taste(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Warten([] { return !QApplication::activeModalWidget(); }));
        EXPECT_TRUE(gesehen);
        (void)f;
    }

    int tasten = 0;
};

TEST_F(Klassentag, EineStundeMitDerTastatur)
{
    // 28 pupils of 4b, two of another class; three get a remark.
    QStringList namen;
    for (int n = 1; n <= 28; ++n)
        namen << QStringLiteral("Kind %1").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString &name : namen)
        Teilnehmerdatei(name, Datei("4b"));
    Teilnehmerdatei("Fremd", Datei("5a"));
    Teilnehmerdatei("Auch fremd", Datei("4c"));
    const QByteArray fremd = Lesen(Daten() + "Fremd.dat");
    TForm1 &f = Starten();
    f.setDatFilename("Kind 01");
    f.Edit5->setFocus();
    tasten = 0;
    Klassentag_(f, [&](TKlassentagForm *k) {
        EXPECT_EQ(k->GewaehlteKlasse(), "4b");
        EXPECT_EQ(Spalte(k, KtName), namen);
        EXPECT_EQ(QApplication::focusWidget(), k->TabelleKlasse);
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 0);
        EXPECT_EQ(Spalte(k, KtZustand), QStringList(28, "nicht erfasst"));
        // Kind 03 is absent: Fehlt, back to it, the remark, Enter goes on.
        Taste(Qt::Key_Down);
        Taste(Qt::Key_Down);
        Taste(Qt::Key_F);
        Taste(Qt::Key_Up);
        Taste(Qt::Key_F2);
        Text("krank");
        Taste(Qt::Key_Return);
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 3);
        // Kind 10: Nein, with a remark and an info line (Tab).
        for (int n = 0; n < 6; ++n)
            Taste(Qt::Key_Down);
        Taste(Qt::Key_N);
        Taste(Qt::Key_Up);
        Taste(Qt::Key_Return);
        Text("Heft vergessen");
        Taste(Qt::Key_Tab);
        Text("Eltern anrufen");
        Taste(Qt::Key_Return);
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 10);
        // Kind 20: Ja with a remark.
        for (int n = 0; n < 9; ++n)
            Taste(Qt::Key_Down);
        Taste(Qt::Key_J);
        Taste(Qt::Key_Up);
        Taste(Qt::Key_F2);
        Text("sehr ordentlich");
        Taste(Qt::Key_Return);
        // Everyone else brought it.
        Taste(Qt::Key_J, Qt::AltModifier);
        EXPECT_EQ(Spalte(k, KtZustand), QStringList(28, "neu"));
        Taste(Qt::Key_S, Qt::AltModifier);
        ++tasten; // the information's "OK"
        EXPECT_EQ(protokoll.Texte(), QStringList{"Die Einträge für 28 Teilnehmer wurden gespeichert."});
        EXPECT_EQ(Spalte(k, KtZustand), QStringList(28, "vorhanden (Tag 1)"));
        EXPECT_TRUE(k->isVisible()); // open for corrections
        Taste(Qt::Key_Escape);
        EXPECT_FALSE(k->isVisible());
    });
    for (int n = 0; n < 28; ++n) {
        SCOPED_TRACE(namen[n].toStdString());
        QStringList soll = MitTag("4b", "", 2);
        if (n == 2)
            soll = MitTag("4b", "krank", 0);
        else if (n == 9)
            soll = MitTag("4b", "Heft vergessen", 1, {"Eltern anrufen"});
        else if (n == 19)
            soll = MitTag("4b", "sehr ordentlich", 2);
        EXPECT_EQ(Lesen(Daten() + namen[n] + ".dat"), Utf8Datei(soll));
        EXPECT_EQ(Lesen(Daten() + namen[n] + ".dat.bak"), Utf8Datei(Datei("4b")));
    }
    EXPECT_EQ(Lesen(Daten() + "Fremd.dat"), fremd);
    EXPECT_FALSE(QFileInfo::exists(Daten() + "Fremd.dat.bak"));
    // The main window shows what the file of its participant holds now.
    EXPECT_EQ(f.Datum(), Heute);
    EXPECT_EQ(f.Hausaufgabe(), 2);
    EXPECT_EQ(f.NummerText(), "Nummer: 1/2");
    // Keys from the main window back to it, remark texts not counted.
    std::printf("FIGURE klassentag_tasten_28 %d Tasten (%.2f je Teilnehmer) plus die Anmerkungstexte\n", tasten,
                tasten / 28.0);
    EXPECT_LE(tasten, 2 * 28);
}

TEST_F(Klassentag, ZustaendeUndZweimalSpeichern)
{
    Teilnehmerdatei("Anna", Datei("4b"));
    Teilnehmerdatei("Bernd", Datei("4b", {Heute + "\vschon da", "1", "alt", T}));
    Teilnehmerdatei("Cäsar", Datei("4B"));
    Teilnehmerdatei("Dora", Datei("4b"));
    const QByteArray dora = Lesen(Daten() + "Dora.dat");
    {
        QFile alt(Daten() + "Dora.dat");
        ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
        ASSERT_TRUE(alt.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    }
    const qint64 doraZeit = Zeitpunkt(Daten() + "Dora.dat");
    TForm1 &f = Starten();
    f.setDatFilename("Anna");
    Klassentag_(f, [&](TKlassentagForm *k) {
        EXPECT_EQ(Spalte(k, KtName), QStringList({"Anna", "Bernd", "Cäsar", "Dora"}));
        EXPECT_EQ(Spalte(k, KtZustand),
                  QStringList({"nicht erfasst", "vorhanden (Tag 1)", "nicht erfasst", "nicht erfasst"}));
        EXPECT_EQ(Spalte(k, KtHausaufgabe), QStringList({"", "Nein", "", ""}));
        EXPECT_EQ(Spalte(k, KtAnmerkung), QStringList({"", "schon da", "", ""}));
        Taste(Qt::Key_0);        // Anna Fehlt
        Taste(Qt::Key_2);        // Bernd Ja now
        Taste(Qt::Key_1);        // Cäsar Nein
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 3);
        Taste(Qt::Key_J);        // Dora Ja, the last row stays
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 3);
        Taste(Qt::Key_Delete);   // and back: "nicht erfasst"
        Taste(Qt::Key_Up);
        Taste(Qt::Key_Up);
        Taste(Qt::Key_F2);
        Text("spät");
        Taste(Qt::Key_Tab);
        Text("Mappe");
        Taste(Qt::Key_Return);
        EXPECT_EQ(Spalte(k, KtZustand), QStringList({"neu", "vorhanden (Tag 1)", "neu", "nicht erfasst"}));
        EXPECT_EQ(Spalte(k, KtHausaufgabe), QStringList({"Fehlt", "Ja", "Nein", ""}));
        EXPECT_EQ(k->UngespeicherteZahl(), 3);
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Die Einträge für 3 Teilnehmer wurden gespeichert."});
        // Saving again writes nothing.
        const qint64 annaZeit = Zeitpunkt(Daten() + "Anna.dat");
        QFile::remove(Daten() + "Anna.dat.bak");
        protokoll.Leeren();
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Es gibt keine ungespeicherten Einträge."});
        EXPECT_EQ(Zeitpunkt(Daten() + "Anna.dat"), annaZeit);
        EXPECT_FALSE(QFileInfo::exists(Daten() + "Anna.dat.bak"));
        Taste(Qt::Key_C, Qt::AltModifier);
    });
    EXPECT_EQ(Lesen(Daten() + "Anna.dat"), Utf8Datei(MitTag("4b", "", 0)));
    EXPECT_EQ(Lesen(Daten() + "Bernd.dat"), Utf8Datei(Datei("4b", {Heute + "\vspät", "2", "alt", "Mappe", T})));
    EXPECT_EQ(Lesen(Daten() + "Cäsar.dat"), Utf8Datei(MitTag("4B", "", 1)));
    // Untouched: not even its time changed.
    EXPECT_EQ(Lesen(Daten() + "Dora.dat"), dora);
    EXPECT_EQ(Zeitpunkt(Daten() + "Dora.dat"), doraZeit);
    EXPECT_FALSE(QFileInfo::exists(Daten() + "Dora.dat.bak"));
    // Anna, open in the main window, shows the new day 1.
    EXPECT_EQ(f.Datum(), Heute);
    EXPECT_EQ(f.Hausaufgabe(), 0);
}

TEST_F(Klassentag, AnmerkungOhneStatusWirdNichtGespeichert)
{
    Teilnehmerdatei("Anna", Datei("4b"));
    Teilnehmerdatei("Bernd", Datei("4b"));
    const QByteArray bernd = Lesen(Daten() + "Bernd.dat");
    TForm1 &f = Starten();
    f.setDatFilename("Anna");
    Klassentag_(f, [&](TKlassentagForm *k) {
        Taste(Qt::Key_J);
        Taste(Qt::Key_F2);
        Text("fragen");
        Taste(Qt::Key_Return);
        k->TabelleKlasse->ZeileWaehlen(0);
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(protokoll.Texte().isEmpty()) << protokoll.Texte().join("|").toStdString();
        EXPECT_EQ(Spalte(k, KtZustand), QStringList({"neu", "Hausaufgabe fehlt noch"}));
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 1);
        EXPECT_EQ(QApplication::focusWidget(), k->TabelleKlasse);
        EXPECT_EQ(Lesen(Daten() + "Anna.dat"), Utf8Datei(Datei("4b"))); // nothing written at all
        // Esc asks; "Nein" keeps the dialog open.
        protokoll.antworten << false;
        Taste(Qt::Key_Escape);
        EXPECT_EQ(protokoll.Texte().value(0), "Die Einträge für 2 Teilnehmer wurden noch nicht gespeichert. Verwerfen?");
        EXPECT_TRUE(k->isVisible());
        Taste(Qt::Key_N);
        protokoll.Leeren();
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Die Einträge für 2 Teilnehmer wurden gespeichert."});
        Taste(Qt::Key_Escape);
    });
    EXPECT_EQ(Lesen(Daten() + "Bernd.dat"), Utf8Datei(MitTag("4b", "fragen", 1)));
    EXPECT_NE(Lesen(Daten() + "Bernd.dat"), bernd);
}

TEST_F(Klassentag, FremdeAenderungUndSchreibfehler)
{
    for (const char *name : {"Anna", "Bernd", "Cäsar"})
        Teilnehmerdatei(name, Datei("4b"));
    TForm1 &f = Starten();
    f.setDatFilename("Anna");
    Klassentag_(f, [&](TKlassentagForm *k) {
        Taste(Qt::Key_J, Qt::AltModifier);
        // Meanwhile another program writes Bernd, and Cäsar is renamed.
        const QByteArray andere = Utf8Datei(Datei("4b", {Heute + "\vvon dort", "0", T}));
        Schreiben(Daten() + "Bernd.dat", andere);
        QFile::rename(Daten() + "Cäsar.dat", Daten() + "Caesar.dat");
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"1 von 3 Teilnehmern gespeichert; 2 konnten nicht gespeichert werden."});
        EXPECT_EQ(protokoll.meldungen.value(0).art, MeldungsArt::Fehler);
        EXPECT_TRUE(k->isVisible());
        EXPECT_EQ(Spalte(k, KtZustand), QStringList({"vorhanden (Tag 1)", "geändert von anderem Programm – neu geladen",
                                                     "nicht gespeichert: Die Datei gibt es nicht mehr."}));
        EXPECT_EQ(Spalte(k, KtHausaufgabe), QStringList({"Ja", "Ja", "Ja"})); // the entries stay
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 1);
        EXPECT_EQ(Lesen(Daten() + "Bernd.dat"), andere);
        EXPECT_FALSE(QFileInfo::exists(Daten() + "Cäsar.dat"));
        // Bernd saved again on purpose, over the other program's day.
        protokoll.Leeren();
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"1 von 2 Teilnehmern gespeichert; 1 konnten nicht gespeichert werden."});
        EXPECT_EQ(Lesen(Daten() + "Bernd.dat"), Utf8Datei(Datei("4b", {Heute + "\vvon dort", "2", T})));

        // A folder that cannot be written: the reason in the row.
        Taste(Qt::Key_Up);
        Taste(Qt::Key_Up);
        Taste(Qt::Key_F2);
        Text("nachher");
        Taste(Qt::Key_Return);
        protokoll.Leeren();
        OhneSchreibrecht(Daten(), [&] { Taste(Qt::Key_S, Qt::AltModifier); });
        EXPECT_EQ(protokoll.Texte(), QStringList{"0 von 2 Teilnehmern gespeichert; 2 konnten nicht gespeichert werden."});
        EXPECT_TRUE(Spalte(k, KtZustand).at(0).startsWith("nicht gespeichert: Datei")) << Spalte(k, KtZustand).at(0).toStdString();
        EXPECT_EQ(Spalte(k, KtAnmerkung).at(0), "nachher");
        protokoll.vorgaben["Die Einträge für 2 Teilnehmer"] = true;
        Taste(Qt::Key_Escape);
    });
    EXPECT_EQ(Lesen(Daten() + "Anna.dat"), Utf8Datei(MitTag("4b", "", 2)));
    EXPECT_EQ(Lesen(Daten() + "Caesar.dat"), Utf8Datei(Datei("4b")));
}

TEST_F(Klassentag, KlasseOhneTeilnehmerUndEinzeiligeFelder)
{
    Teilnehmerdatei("Anna", Datei("4b"));
    TForm1 &f = Starten();
    f.setDatFilename("Anna");
    // The participant list's filter names a class no file has any more.
    f.SortierKlasse = "4c";
    Klassentag_(f, [&](TKlassentagForm *k) {
        EXPECT_EQ(k->GewaehlteKlasse(), "4c");
        EXPECT_EQ(k->Modell->rowCount(), 0);
        Taste(Qt::Key_J);
        Taste(Qt::Key_J, Qt::AltModifier);
        Taste(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Es gibt keine ungespeicherten Einträge."});
        // Choosing 4b reads its pupils.
        k->AuswahlKlasse->setFocus();
        Taste(Qt::Key_Down);
        EXPECT_EQ(k->GewaehlteKlasse(), "4b");
        ASSERT_EQ(k->Modell->rowCount(), 1);
        k->TabelleKlasse->setFocus();
        Taste(Qt::Key_F2);
        Einfuegen(QApplication::focusWidget(), "zwei\r\nZeilen");
        protokoll.Leeren();
        Einfuegen(QApplication::focusWidget(), T);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Die Anmerkung darf den Text \"<--------------->\" nicht enthalten, "
                                                 "denn er trennt in der Datei die Tage."});
        if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            Taste(Qt::Key_Return);
        EXPECT_EQ(Spalte(k, KtAnmerkung), QStringList{"zwei Zeilen"});
        // Another class with an entry left asks first.
        Taste(Qt::Key_Up);
        Taste(Qt::Key_J);
        protokoll.Leeren();
        protokoll.antworten << false;
        k->AuswahlKlasse->setFocus();
        Taste(Qt::Key_Up);
        EXPECT_EQ(protokoll.Texte(), QStringList{"Die Einträge für 1 Teilnehmer wurden noch nicht gespeichert. Verwerfen?"});
        EXPECT_EQ(k->GewaehlteKlasse(), "4b");
        EXPECT_EQ(Spalte(k, KtHausaufgabe), QStringList{"Ja"});
        protokoll.antworten << true;
        Taste(Qt::Key_C, Qt::AltModifier);
    });
    EXPECT_EQ(Lesen(Daten() + "Anna.dat"), Utf8Datei(Datei("4b")));
}

TEST_F(Klassentag, DatumUndNamenssuche)
{
    Teilnehmerdatei("Anna", Datei("4b"));
    Teilnehmerdatei("Fritz", Datei("4b"));
    Teilnehmerdatei("Jana", Datei("4b"));
    TForm1 &f = Starten();
    f.setDatFilename("Anna");
    Klassentag_(f, [&](TKlassentagForm *k) {
        EXPECT_EQ(k->GewaehltesDatum(), QDate(2024, 3, 5));
        // The day before holds Monday's day of every pupil.
        Taste(Qt::Key_V, Qt::AltModifier);
        EXPECT_EQ(k->GewaehltesDatum(), QDate(2024, 3, 4));
        EXPECT_EQ(Spalte(k, KtZustand), QStringList(3, "vorhanden (Tag 1)"));
        Taste(Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(Spalte(k, KtZustand), QStringList(3, "nicht erfasst"));
        // Letters that are no status key search; F and J need the field.
        k->TabelleKlasse->setFocus();
        Taste(Qt::Key_A);
        EXPECT_EQ(QApplication::focusWidget(), k->FeldSuche);
        Text("n");
        EXPECT_EQ(k->FeldSuche->text(), "an");
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 0);
        Taste(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), k->TabelleKlasse);
        Taste(Qt::Key_N, Qt::AltModifier);
        Text("ja");
        Taste(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), k->TabelleKlasse);
        EXPECT_EQ(k->TabelleKlasse->AktuelleZeile(), 2);
        Taste(Qt::Key_N);
        EXPECT_EQ(Spalte(k, KtHausaufgabe), QStringList({"", "", "Nein"}));
        protokoll.antworten << true;
        Taste(Qt::Key_Escape);
    });
}
