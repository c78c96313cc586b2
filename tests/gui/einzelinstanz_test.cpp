#include "hauptfenster.h"

#include "app/einzelinstanz.h"
#include "records/bloecke.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>

class Einzel : public Hauptfenster
{
};

TEST_F(Einzel, ZweiteInstanzUebergibtUnd1124Beendet)
{
    Einzelinstanz erste("Merkwerk Test");
    ASSERT_TRUE(erste.Uebernehmen());
    Einzelinstanz zweite("Merkwerk Test");
    EXPECT_FALSE(zweite.Uebernehmen());

    TForm1 &f = Starten();
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", Blocktrenner});
    f.setDatFilename("Beta");
    f.Edit5->setText("neu");
    QObject::connect(&erste, &Einzelinstanz::Schliessen, &f, &TForm1::AnfrageBeenden);
    QSignalSpy vorne(&erste, &Einzelinstanz::NachVorne);
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk Test", "1224"));
    EXPECT_TRUE(Warten([&] { return vorne.count() == 1; }));
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk Test", "1124"));
    EXPECT_TRUE(Warten([&] { return !f.isVisible(); }));
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Mo.\vneu");
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk")
                  .value("Teilnehmer")
                  .toString(),
              "Beta");
}

TEST_F(Einzel, ProgrammLaeuftNurEinmal)
{
    // Two real processes in a world of their own.
    const QString heim = Ordner() + "heim";
    const QString laufzeit = Ordner() + "laufzeit";
    QDir().mkpath(heim + "/.config/Merkwerk");
    QDir().mkpath(laufzeit);
    QFile::setPermissions(laufzeit, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Schreiben(heim + "/.config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\n");
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", heim);
    umgebung.insert("XDG_CONFIG_HOME", heim + "/.config");
    umgebung.insert("XDG_RUNTIME_DIR", laufzeit);
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess erste;
    erste.setProcessEnvironment(umgebung);
    erste.start(MERKWERK_PROGRAMM, {});
    ASSERT_TRUE(erste.waitForStarted());
    const QByteArray alt = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", laufzeit.toUtf8());
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk V1.03", "1224", 20000));

    QProcess zweite;
    zweite.setProcessEnvironment(umgebung);
    zweite.start(MERKWERK_PROGRAMM, {});
    EXPECT_TRUE(zweite.waitForFinished(20000));
    EXPECT_EQ(zweite.exitCode(), 0);
    EXPECT_EQ(erste.state(), QProcess::Running);

    QTest::qWait(300);
    EXPECT_TRUE(Einzelinstanz::Senden("Merkwerk V1.03", "1124"));
    qputenv("XDG_RUNTIME_DIR", alt);
    EXPECT_TRUE(erste.waitForFinished(20000));
    EXPECT_EQ(erste.exitCode(), 0);
    const QString einstellungen = QString::fromUtf8(Lesen(heim + "/.config/Merkwerk/Merkwerk.conf"));
    EXPECT_TRUE(einstellungen.contains("FontName=Arial")) << einstellungen.toStdString();
    // The empty data folder was removed at the end.
    EXPECT_FALSE(QDir(heim + "/Documents/Merkwerk").exists());
}
