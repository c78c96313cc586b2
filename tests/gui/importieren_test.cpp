// The class list imported from the command line, run as a real process
// without a display: the files of "Neuen Teilnehmer erstellen", a line per
// skipped or invalid row and the summary on standard output; exit 0 when
// every row was made or existed, 1 for an invalid row, 2 with a German
// message for a bad argument or an unreadable file.

#include "testhilfen.h"

#include "records/bloecke.h"
#include "util/datumsnamen.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

struct Lauf {
    int code = -1;
    QString ausgabe, fehler;
};

QString Liste(const char *name)
{
    return QStringLiteral(MERKWERK_FIXTURES "/import/") + name;
}

} // namespace

class Importieren : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        heim = Ordner() + "heim/";
        klasse = Ordner() + "klasse/";
        QDir().mkpath(heim + ".config/Merkwerk");
        Schreiben(klasse + "weiß, jörg.dat", Utf8Datei({"7c\v", "Fr., 1. März 2019", Blocktrenner}));
    }

    Lauf Starten(const QStringList &argumente)
    {
        QProcessEnvironment umgebung = OhneBildschirm(Ordner() + "laufzeit");
        umgebung.insert("HOME", heim);
        umgebung.insert("XDG_CONFIG_HOME", heim + ".config");
        // The month of the day text is the locale's, as for a German teacher.
        umgebung.insert("LC_ALL", "de_DE.UTF-8");
        umgebung.insert("LANG", "de_DE.UTF-8");
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(Ordner());
        programm.start(MERKWERK_PROGRAMM, argumente);
        EXPECT_TRUE(programm.waitForFinished(30000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        return {programm.exitCode(), QString::fromUtf8(programm.readAllStandardOutput()),
                QString::fromUtf8(programm.readAllStandardError())};
    }

    // The file of a new participant of class 7c, made today.
    static QByteArray NeueDatei(const QString &kommentar = {})
    {
        return Utf8Datei({"7c\v" + kommentar, TagStr(QDate::currentDate()), Blocktrenner});
    }

    QStringList Dateien(const QString &ordner) const
    {
        return QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString heim, klasse;
};

TEST_F(Importieren, AlleAngelegtEndeNull)
{
    const Lauf lauf = Starten({"--importieren", Liste("verwaltung-utf8.csv"), "--ordner", klasse});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.ausgabe, "3 Teilnehmer wurden angelegt, 0 übersprungen.\n");
    EXPECT_EQ(lauf.fehler, "");
    EXPECT_EQ(Lesen(klasse + "Müller-Lüdenscheidt, Hans-Jürgen.dat"), NeueDatei("Allergie; Nüsse bitte beachten"));
    EXPECT_EQ(Lesen(klasse + "Nguyen, Thi, Lan.dat"), NeueDatei("sagt \"Lanny\""));
    EXPECT_EQ(Lesen(klasse + "Yılmaz, Elif.dat"), NeueDatei());

    // Again: everything exists, nothing is written, and that is no failure.
    const QByteArray vorher = Lesen(klasse + "Yılmaz, Elif.dat");
    const Lauf wieder = Starten({"--importieren", Liste("verwaltung-utf8.csv"), "--ordner", klasse});
    EXPECT_EQ(wieder.code, 0);
    EXPECT_EQ(wieder.ausgabe.split('\n').last(2).first(), "0 Teilnehmer wurden angelegt, 3 übersprungen.");
    EXPECT_TRUE(wieder.ausgabe.startsWith("Zeile 2: \"Müller-Lüdenscheidt, Hans-Jürgen\" – existiert bereits – wird "
                                          "übersprungen\n"));
    EXPECT_EQ(Lesen(klasse + "Yılmaz, Elif.dat"), vorher);
    EXPECT_EQ(Dateien(klasse).size(), 4);
}

TEST_F(Importieren, UngueltigeZeilenEndeEins)
{
    const Lauf lauf = Starten({"--importieren", Liste("excel-semikolon.csv"), "--ordner", klasse, "--klasse", "7C",
                               "--namensform", "Vorname Nachname"});
    EXPECT_EQ(lauf.code, 1);
    EXPECT_EQ(lauf.ausgabe.split('\n'),
              QStringList({"Zeile 3: \"Ay?e Öztürk\" – ungültig: Der Name \"Ay?e Öztürk\" enthält das Zeichen \"?\", "
                           "das in Dateinamen nicht erlaubt ist",
                           "Zeile 4: \"Lena Schmidt/Meyer\" – ungültig: Der Name \"Lena Schmidt/Meyer\" enthält das "
                           "Zeichen \"/\", das in Dateinamen nicht erlaubt ist",
                           "Zeile 8: \"tim BECKER\" – existiert bereits – wird übersprungen",
                           "5 Teilnehmer wurden angelegt, 3 übersprungen.", ""}));
    EXPECT_EQ(Lesen(klasse + "Jörg Weiß.dat"), Utf8Datei({"7C\v", TagStr(QDate::currentDate()), Blocktrenner}));
    EXPECT_EQ(Dateien(klasse),
              QStringList({"Anna Lena Krüger.dat", "Hans-Jürgen Müller-Lüdenscheidt.dat", "Jörg Weiß.dat", "Ohne.dat",
                           "Tim Becker.dat", "weiß, jörg.dat"}));
}

TEST_F(Importieren, GemerkteNamensformUndDatenordner)
{
    Schreiben(heim + ".config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\nImportNamensform=Nachname Vorname\n");
    const Lauf lauf = Starten({"--importieren", Liste("zwischenablage.txt")});
    EXPECT_EQ(lauf.code, 1) << lauf.fehler.toStdString();
    const QString daten = heim + "Documents/Merkwerk/";
    EXPECT_EQ(Dateien(daten), QStringList({"Elif Yılmaz.dat", "Hans-Jürgen Müller-Lüdenscheidt.dat"}));
    EXPECT_EQ(Rechte(daten), 0700);
}

TEST_F(Importieren, FalscheAngabenEndeZwei)
{
    const struct {
        QStringList argumente;
        const char *meldung;
    } faelle[] = {
        {{"--importieren", Ordner() + "fehlt.csv", "--ordner", klasse}, "kann nicht geöffnet werden."},
        {{"--importieren", klasse, "--ordner", klasse}, "kann nicht geöffnet werden."},
        {{"--importieren", Liste("zwischenablage.txt"), "--ordner", Ordner() + "fehlt"}, "existiert nicht."},
        {{"--importieren", Liste("zwischenablage.txt"), "--ordner", klasse, "--namensform", "Vorname, Nachname"},
         "Die Namensform \"Vorname, Nachname\" bei --namensform ist unbekannt"},
        {{"--namensform", "Vorname Nachname"}, "Die Option --namensform gilt nur zusammen mit --importieren."},
        {{"--importieren", Liste("zwischenablage.txt"), "--uebersicht"}, "nur einzeln"},
        {{"--importieren"}, "--importieren"},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(' ').toStdString());
        const Lauf lauf = Starten(fall.argumente);
        EXPECT_EQ(lauf.code, 2);
        EXPECT_TRUE(lauf.fehler.contains(QString::fromUtf8(fall.meldung))) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("--help")) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.ausgabe, "");
    }
    EXPECT_EQ(Dateien(klasse), QStringList({"weiß, jörg.dat"}));
}
