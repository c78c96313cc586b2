// The class overview exported from the command line, run as a real process
// without a display: the CSV of the dialog, exit 0; a bad argument or a
// target it never writes into, a German message and exit 2; a file that
// cannot be written, exit 1.

#include "testhilfen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>

namespace {

struct Lauf {
    int code = -1;
    QString fehler;
};

} // namespace

class UebersichtExport : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        heim = Ordner() + "heim/";
        klasse = Ordner() + "klasse/";
        QDir().mkpath(heim + ".config/Merkwerk");
        QDir().mkpath(klasse);
        const QDir fixtures(MERKWERK_FIXTURES "/klasse");
        for (const QString &datei : fixtures.entryList(QDir::Files | QDir::Hidden))
            ASSERT_TRUE(QFile::copy(fixtures.filePath(datei), klasse + datei));
    }

    Lauf Starten(const QStringList &argumente, const QString &arbeitsordner = {})
    {
        const QString laufzeit = Ordner() + "laufzeit";
        QProcessEnvironment umgebung = OhneBildschirm(laufzeit);
        umgebung.insert("HOME", heim);
        umgebung.insert("XDG_CONFIG_HOME", heim + ".config");
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(arbeitsordner.isEmpty() ? Ordner() : arbeitsordner);
        programm.start(MERKWERK_PROGRAMM, argumente);
        EXPECT_TRUE(programm.waitForFinished(30000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        // No lock file or socket of the single instance either.
        EXPECT_TRUE(QDir(laufzeit).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System));
        return {programm.exitCode(), QString::fromUtf8(programm.readAllStandardError())};
    }

    QStringList CsvZeilen(const QString &pfad)
    {
        const QByteArray bytes = Lesen(pfad);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        return QString::fromUtf8(bytes.mid(3)).split("\r\n");
    }

    QString heim, klasse;
};

TEST_F(UebersichtExport, KlasseUndZeitraum)
{
    const Lauf lauf = Starten({"--uebersicht", "--ordner", klasse, "--klasse", "4b", "--von", "01.08.2023", "--bis",
                               "31.01.2024", "--csv", "halbjahr.csv"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.fehler, "");
    EXPECT_EQ(CsvZeilen(Ordner() + "halbjahr.csv"),
              QStringList({"\"Name\";\"Klasse\";\"Tage\";\"Fehlt\";\"Nein\";\"Ja\";\"Quote\";\"ohne Datum\";\"Letzter Tag\";\"Kommentar\"",
                           "\"Anna\";\"4b\";2;0;0;2;\"100,0\";1;\"Di., 5. März 2024\";\"sitzt vorne\"",
                           "\"bernd\";\"4B\";1;1;0;0;;0;\"Do., 1. Februar 2024\";\"Brille\"", "\"Kopf\";\"4b\";0;0;0;0;;1;;\"nur Kopf\"",
                           "\"Leer\";;0;0;0;0;;1;;", "\"Summe / Durchschnitt\";;3;1;0;2;\"100,0\";3;;", ""}));

    // Without a period every day counts; the forms teachers type are read too.
    EXPECT_EQ(Starten({"--uebersicht", "--ordner", klasse, "--csv", Ordner() + "alles.csv"}).code, 0);
    EXPECT_EQ(CsvZeilen(Ordner() + "alles.csv").value(6), "\"Summe / Durchschnitt\";;12;5;3;4;\"57,1\";3;;");
    EXPECT_EQ(Starten({"--uebersicht", "--ordner", klasse, "--von", "1.2.24", "--csv", "ab.csv"}).code, 0);
    EXPECT_EQ(CsvZeilen(Ordner() + "ab.csv").value(6), "\"Summe / Durchschnitt\";;5;1;2;2;\"50,0\";3;;");
}

TEST_F(UebersichtExport, DatenordnerDerEinstellungen)
{
    Schreiben(heim + ".config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\n");
    const QString dokumente = heim + "Documents/Merkwerk/";
    Schreiben(dokumente + "Jörg.dat", Utf8Datei({"7c\v", "Mo., 4. März 2024\v", "2", "<--------------->"}));
    const Lauf lauf = Starten({"--uebersicht", "--csv", "7c.csv"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(CsvZeilen(Ordner() + "7c.csv").value(1), "\"Jörg\";\"7c\";1;0;0;1;\"100,0\";0;\"Mo., 4. März 2024\";");
}

TEST_F(UebersichtExport, FalscheAngabenUndUnschreibbareDatei)
{
    const struct {
        QStringList argumente;
        int code;
        const char *meldung;
    } faelle[] = {
        {{"--uebersicht", "--ordner", klasse}, 2, "Für --uebersicht fehlt die Angabe --csv DATEI."},
        {{"--uebersicht", "--von", "31.02.2024", "--csv", "x.csv"}, 2,
         "Das Datum \"31.02.2024\" bei --von ist ungültig; erwartet wird TT.MM.JJJJ."},
        {{"--uebersicht", "--von", "1.3.2024", "--bis", "29.2.2024", "--csv", "x.csv"}, 2,
         "Der Zeitraum ist leer: --von liegt nach --bis."},
        {{"--uebersicht", "--ordner", Ordner() + "fehlt", "--csv", "x.csv"}, 2, "existiert nicht."},
        {{"--csv", "x.csv"}, 2, "Die Option --csv gilt nur zusammen mit --uebersicht."},
        {{"--uebersicht", "--ordner", klasse, "--csv", Ordner() + "fehlt/x.csv"}, 1, "kann nicht erstellt werden."},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(' ').toStdString());
        const Lauf lauf = Starten(fall.argumente);
        EXPECT_EQ(lauf.code, fall.code);
        EXPECT_TRUE(lauf.fehler.contains(QString::fromUtf8(fall.meldung))) << lauf.fehler.toStdString();
        if (fall.code == 2) {
            EXPECT_TRUE(lauf.fehler.contains("--help")) << lauf.fehler.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(Ordner() + "x.csv"));
}

TEST_F(UebersichtExport, SchreibtNieInTeilnehmerdateienOderSonderdateien)
{
    const QString dokumente = heim + "Documents/Merkwerk/";
    Schreiben(dokumente + "Jörg.dat.bak", "Sicherung");
    QDir().mkpath(Ordner() + "ordner.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Ordner() + "rohr.csv").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(klasse + "Anna.dat", Ordner() + "verweis.csv"));
    const QByteArray anna = Lesen(klasse + "Anna.dat");
    // The exported folder and the data folder, in any letter case, also
    // where no such file exists yet; whatever is no plain file.
    const QString ziele[] = {klasse + "Anna.dat", klasse + "Neu.DAT", klasse + "Anna.dat.Bak",
                             klasse + "Anna.dat.KONFLIKT", klasse + "Anna.dat.konflikt2", dokumente + "Jörg.dat.bak",
                             dokumente + "Neu.dat", Ordner() + "ordner.csv", Ordner() + "rohr.csv",
                             Ordner() + "verweis.csv"};
    for (const QString &ziel : ziele) {
        SCOPED_TRACE(ziel.toStdString());
        const Lauf lauf = Starten({"--uebersicht", "--ordner", klasse, "--csv", ziel});
        EXPECT_EQ(lauf.code, 2);
        EXPECT_TRUE(lauf.fehler.startsWith(QString("In die Datei \"%1\" wird nicht gespeichert.").arg(ziel)))
            << lauf.fehler.toStdString();
    }
    // Run in the exported folder with a relative name, too.
    EXPECT_EQ(Starten({"--uebersicht", "--ordner", ".", "--csv", "Anna.dat"}, klasse).code, 2);

    EXPECT_EQ(Lesen(klasse + "Anna.dat"), anna);
    EXPECT_EQ(Lesen(dokumente + "Jörg.dat.bak"), "Sicherung");
    EXPECT_TRUE(QFileInfo(Ordner() + "ordner.csv").isDir());
    EXPECT_FALSE(QFileInfo(Ordner() + "rohr.csv").isFile());
    EXPECT_TRUE(QFileInfo(Ordner() + "verweis.csv").isSymLink());
    for (const char *neu : {"Neu.DAT", "Anna.dat.Bak", "Anna.dat.KONFLIKT", "Anna.dat.konflikt2"})
        EXPECT_FALSE(QFile::exists(klasse + neu)) << neu;
    EXPECT_FALSE(QFile::exists(dokumente + "Neu.dat"));
    // A CSV beside them is written as before.
    EXPECT_EQ(Starten({"--uebersicht", "--ordner", klasse, "--csv", klasse + "Klasse.csv"}).code, 0);
}
