// The end of a session: SIGTERM or SIGHUP to the running program, with an
// edit not yet saved, ends it like "&Beenden" without a question; where the
// file cannot take the edit, it goes into a conflict file that the next
// start names. The session manager's commit request saves the same way.

#include "hauptfenster.h"

#include "app/sitzungsende.h"
#include "records/bloecke.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QSessionManager>
#include <QSettings>

#include <csignal>

namespace {
const QString T = Blocktrenner;
}

class Sitzungsende : public Hauptfenster
{
protected:
    void SetUp() override
    {
        Hauptfenster::SetUp();
        heim = Ordner() + "heim/";
        daten = heim + "Documents/Merkwerk/";
        Schreiben(heim + ".config/Merkwerk/Merkwerk.conf", "[General]\nAktOrdner=1\nTeilnehmer=Beta\n");
        Schreiben(daten + "Beta.dat", Utf8Datei({"4b\v", "Mo., 4. März 2024\valt", "2", T}));
    }

    // Starts the program with an unsaved remark, lets `vorher` act, then sends `signal`.
    void Beenden(int signal, const std::function<void()> &vorher = {})
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("QT_QPA_PLATFORM", "offscreen");
        umgebung.insert("HOME", heim);
        umgebung.insert("XDG_CONFIG_HOME", heim + ".config");
        const QString laufzeit = Ordner() + "laufzeit";
        QDir().mkpath(laufzeit);
        QFile::setPermissions(laufzeit, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        umgebung.insert("XDG_RUNTIME_DIR", laufzeit);
        QProcess programm;
        programm.setProcessEnvironment(umgebung);
        programm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programm.start(MERKWERK_ABMELDEN, {"beim Abmelden"});
        while (!programm.canReadLine() && programm.waitForReadyRead(30000)) {
        }
        ASSERT_EQ(programm.readLine(), "bereit\n");
        if (vorher)
            vorher();
        ::kill(pid_t(programm.processId()), signal);
        ASSERT_TRUE(programm.waitForFinished(30000));
        EXPECT_EQ(programm.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programm.exitCode(), 0);
    }

    QString Einstellung(const QString &name) const
    {
        return QSettings(heim + ".config/Merkwerk/Merkwerk.conf", QSettings::IniFormat).value(name).toString();
    }

    QString heim, daten;
};

TEST_F(Sitzungsende, SigtermSpeichertDenGezeigtenTag)
{
    const QByteArray vorher = Lesen(daten + "Beta.dat");
    Beenden(SIGTERM);
    EXPECT_EQ(Lesen(daten + "Beta.dat"), Utf8Datei({"4b\v", "Mo., 4. März 2024\vbeim Abmelden", "2", T}));
    EXPECT_EQ(Lesen(daten + "Beta.dat.bak"), vorher);
    // The settings are stored as at "&Beenden".
    EXPECT_EQ(Einstellung("Teilnehmer"), "Beta");
    EXPECT_EQ(Einstellung("FontName"), "Arial");
}

TEST_F(Sitzungsende, SighupLegtDieAenderungNebenEineFremdGeaenderteDatei)
{
    const QByteArray fremd = Utf8Datei({"4b\v", "Di., 5. März 2024\vvom anderen Programm", "1", T});
    Beenden(SIGHUP, [&] { Schreiben(daten + "Beta.dat", fremd); });
    EXPECT_EQ(Lesen(daten + "Beta.dat"), fremd);
    EXPECT_EQ(Lesen(daten + "Beta.dat.konflikt"), Utf8Datei({"4b\v", "Mo., 4. März 2024\vbeim Abmelden", "2", T}));
    EXPECT_EQ(Einstellung("KonfliktBeimEnde"), daten + "Beta.dat.konflikt");
}

TEST_F(Sitzungsende, NaechsterStartNenntDieKonfliktdatei)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\v", "0", T});
    Schreiben(Daten() + "Beta.dat.konflikt", Utf8Datei({"4b\v", "Mo.\vbeim Abmelden", "0", T}));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk")
        .setValue("KonfliktBeimEnde", Daten() + "Beta.dat.konflikt");
    BeiDialog([](QWidget *liste) { liste->close(); }); // the list opens after the message
    Starten(false);
    ASSERT_FALSE(protokoll.meldungen.isEmpty());
    EXPECT_EQ(protokoll.meldungen.first().text,
              QString("Beim letzten Ende des Programms (Abmelden oder Herunterfahren) ließen sich Ihre Änderungen "
                      "nicht in die Teilnehmerdatei schreiben. Sie stehen in der Datei \"%1Beta.dat.konflikt\".")
                  .arg(Daten()));
    // Named once.
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk")
                  .value("KonfliktBeimEnde")
                  .toString(),
              "");
}

TEST_F(Sitzungsende, AnfrageDesSitzungsmanagersSpeichertOhneFrage)
{
    Teilnehmerdatei("Beta", {"4b\v", "Mo.\valt", "0", T});
    TForm1 &f = Starten();
    f.setDatFilename("Beta");
    SitzungsendeVerbinden(f);
    f.Edit5->setText("vor dem Abmelden");
    auto *sitzung = qApp->findChild<QSessionManager *>();
    ASSERT_TRUE(sitzung);
    emit qGuiApp->commitDataRequest(*sitzung);
    EXPECT_EQ(TeilnehmerZeilen("Beta")[1], "Mo.\vvor dem Abmelden");
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Merkwerk", "Merkwerk").value("Teilnehmer"),
              "Beta");
    EXPECT_TRUE(protokoll.meldungen.isEmpty());
    // The end is the session manager's: a checkpoint lets the work go on.
    EXPECT_TRUE(f.isVisible());
}
