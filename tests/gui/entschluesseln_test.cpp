// An encrypted backup decrypted by the program run as a process without a
// display, the password on standard input: 0 and the files; 1 and the
// German message for a wrong password or a damaged file, nothing written;
// 2 for a bad argument.

#include "records/sicherungsarchiv.h"
#include "testhilfen.h"

#include <QDir>
#include <QProcess>

namespace {

struct Lauf {
    int code = -1;
    QString ausgabe;
    QString fehler;
};

} // namespace

class Entschluesseln : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        sicherung = Ordner() + "stick/MwDaten/" + SicherungsDateiName;
        QDir().mkpath(Ordner() + "stick/MwDaten");
        Schreiben(Daten() + "Beta.dat", Utf8Datei({"4b\vliest gern", "<--------------->"}));
        Schreiben(Daten() + "Jörg Weiß.dat", QByteArray(70000, 'j'));
        QString text = QStringLiteral("Tafel und Kreide 7");
        const Geheimnis kennwort = Geheimnis::AusText(text);
        const Sicherungskopf kopf = NeuerKopf();
        ASSERT_TRUE(ArchivSchreiben(Daten(), sicherung, SchluesselAbleiten(kennwort, kopf), kopf, {}, {}).Erfolg());
        ziel = Ordner() + "wiederhergestellt/";
    }

    Lauf Starten(const QStringList &argumente, const QByteArray &eingabe = "Tafel und Kreide 7\n")
    {
        QProcess programm;
        programm.setProcessEnvironment(OhneBildschirm(Ordner() + "laufzeit"));
        programm.start(MERKWERK_PROGRAMM, argumente);
        programm.write(eingabe);
        programm.closeWriteChannel();
        EXPECT_TRUE(programm.waitForFinished(30000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        return {programm.exitCode(), QString::fromUtf8(programm.readAllStandardOutput()),
                QString::fromUtf8(programm.readAllStandardError())};
    }

    QStringList Dateien(const QString &ordner) const
    {
        return QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString sicherung, ziel;
};

TEST_F(Entschluesseln, KennwortVonDerStandardeingabeOhneErsetzen)
{
    Lauf lauf = Starten({"--entschluesseln", sicherung, "--ordner", ziel});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.ausgabe.contains("Entschlüsselt: Jörg Weiß.dat")) << lauf.ausgabe.toStdString();
    EXPECT_TRUE(lauf.ausgabe.contains("2 Dateien nach")) << lauf.ausgabe.toStdString();
    EXPECT_EQ(Dateien(ziel), Dateien(Daten()));
    for (const QString &datei : Dateien(Daten()))
        EXPECT_EQ(Lesen(ziel + datei), Lesen(Daten() + datei)) << datei.toStdString();

    // An existing file is never replaced without --ersetzen: nothing is written.
    Schreiben(ziel + "Beta.dat", "eigene Änderung");
    QFile::remove(ziel + "Jörg Weiß.dat");
    lauf = Starten({"--entschluesseln", sicherung, "--ordner", ziel}, "Tafel und Kreide 7\r\n");
    EXPECT_EQ(lauf.code, 1);
    EXPECT_TRUE(lauf.fehler.contains("Beta.dat")) << lauf.fehler.toStdString();
    EXPECT_EQ(Lesen(ziel + "Beta.dat"), "eigene Änderung");
    EXPECT_EQ(Dateien(ziel), QStringList{"Beta.dat"});
    lauf = Starten({"--entschluesseln", sicherung, "--ordner", ziel, "--ersetzen"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(Lesen(ziel + "Beta.dat"), Lesen(Daten() + "Beta.dat"));
}

TEST_F(Entschluesseln, FalschesKennwortBeschaedigtOderFalscheAngabe)
{
    const QByteArray echt = Lesen(sicherung);
    const QString abgeschnitten = Ordner() + "abgeschnitten.mwsich";
    Schreiben(abgeschnitten, echt.chopped(30));
    const QString Falsch = QStringLiteral("Das Kennwort ist falsch oder die Sicherung ist beschädigt.");
    const struct {
        QStringList argumente;
        QByteArray eingabe;
        int code;
        QString meldung;
    } faelle[] = {
        {{"--entschluesseln", sicherung, "--ordner", ziel}, "Tafel und Kreide 8\n", 1, Falsch},
        {{"--entschluesseln", sicherung, "--ordner", ziel}, "", 1, Falsch},
        {{"--entschluesseln", abgeschnitten, "--ordner", ziel}, "Tafel und Kreide 7\n", 1, Falsch},
        {{"--entschluesseln", Daten() + "Beta.dat", "--ordner", ziel}, "Tafel und Kreide 7\n", 1, Falsch},
        {{"--entschluesseln", sicherung}, "", 2, "--ordner"},
        {{"--entschluesseln", Ordner() + "fehlt.mwsich", "--ordner", ziel}, "", 2, "gibt es nicht"},
        {{"--ersetzen"}, "", 2, "Die Option --ersetzen gilt nur zusammen mit --entschluesseln."},
        {{"--entschluesseln", sicherung, "--uebersicht", "--ordner", ziel}, "", 2, "nur einzeln"},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(' ').toStdString());
        const Lauf lauf = Starten(fall.argumente, fall.eingabe);
        EXPECT_EQ(lauf.code, fall.code);
        EXPECT_TRUE(lauf.fehler.contains(fall.meldung)) << lauf.fehler.toStdString();
        EXPECT_EQ(Dateien(ziel), QStringList());
    }
}
