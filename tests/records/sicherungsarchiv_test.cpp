#include "records/sicherungsarchiv.h"
#include "testhilfen.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

Geheimnis Kennwort(QString text)
{
    return Geheimnis::AusText(text);
}

QByteArray Muster(qsizetype groesse, char salz)
{
    QByteArray bytes(groesse, Qt::Uninitialized);
    for (qsizetype i = 0; i < groesse; ++i)
        bytes[i] = char(i * 13 + salz + i / 509);
    return bytes;
}

} // namespace

class Sicherungsarchiv : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        datei = Ordner() + "stick/MwDaten/" + SicherungsDateiName;
        QDir().mkpath(Ordner() + "stick/MwDaten");
        Schreiben(Daten() + "Ägidius Müller.dat", Muster(1000, 'a'));
        Schreiben(Daten() + "Leer.dat", "");
        Schreiben(Daten() + "Block.dat", Muster(65536, 'b'));
        Schreiben(Daten() + "Gross.DAT", Muster(200 * 1024, 'c'));
        Schreiben(Daten() + "Gross.dat.bak", "keine Teilnehmerdatei");
    }

    // A backup of the data folder with `text` as its password; its head.
    Sicherungskopf Sichern(const QString &text = QStringLiteral("Kreide und Tafel"))
    {
        const Sicherungskopf kopf = NeuerKopf();
        const ArchivErgebnis ergebnis =
            ArchivSchreiben(Daten(), datei, SchluesselAbleiten(Kennwort(text), kopf), kopf, {}, {});
        EXPECT_TRUE(ergebnis.Erfolg()) << ergebnis.grund.toStdString();
        return kopf;
    }

    // What a reader finds in the backup file with the password `text`.
    ArchivErgebnis Pruefen(const QString &text, QList<DateiGroesse> &eintraege)
    {
        Sicherungskopf kopf;
        if (ArchivErgebnis ergebnis = SicherungsKopfLesen(datei, kopf); !ergebnis.Erfolg())
            return ergebnis;
        return ArchivPruefen(datei, kopf, SchluesselAbleiten(Kennwort(text), kopf), eintraege);
    }

    ZielFuer In(const QString &ordner) const
    {
        return [ordner](const QString &name) { return ordner + name; };
    }

    QString datei;
    const QStringList namen = {"Block.dat", "Gross.DAT", "Leer.dat", "Ägidius Müller.dat"}; // sorted by code
};

TEST_F(Sicherungsarchiv, SichernPruefenUndAuspackenByteFuerByte)
{
    const Sicherungskopf kopf = Sichern();
    const Geheimnis schluessel = SchluesselAbleiten(Kennwort("Kreide und Tafel"), kopf);
    // One file, only its owner may read it, and no pupil's name in it.
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(datei).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const QByteArray roh = Lesen(datei);
    EXPECT_FALSE(roh.contains("gidius"));
    EXPECT_FALSE(roh.contains(".dat"));
    EXPECT_EQ(QDir(Ordner() + "stick/MwDaten").entryList(QDir::Files | QDir::Hidden), QStringList{SicherungsDateiName});

    QList<DateiGroesse> eintraege;
    ASSERT_TRUE(ArchivPruefen(datei, kopf, schluessel, eintraege).Erfolg());
    QStringList gefunden;
    for (const DateiGroesse &eintrag : eintraege) {
        gefunden << eintrag.name;
        EXPECT_EQ(eintrag.groesse, QFileInfo(Daten() + eintrag.name).size()) << eintrag.name.toStdString();
    }
    gefunden.sort();
    EXPECT_EQ(gefunden, namen);
    EXPECT_TRUE(ArchivVergleichen(datei, kopf, schluessel, In(Daten()), &namen, true, {}, {}).Erfolg());

    const QString ziel = Ordner() + "zurueck/";
    QDir().mkpath(ziel);
    QStringList gemeldet;
    ASSERT_TRUE(ArchivAuspacken(datei, kopf, schluessel, In(ziel), true,
                                [&gemeldet](const QString &name) { gemeldet << name; }, {})
                    .Erfolg());
    gemeldet.sort();
    EXPECT_EQ(gemeldet, namen);
    for (const QString &name : namen)
        EXPECT_EQ(Lesen(ziel + name), Lesen(Daten() + name)) << name.toStdString();
    EXPECT_FALSE(QFile::exists(ziel + "Gross.dat.bak"));
    EXPECT_TRUE(ArchivVergleichen(datei, kopf, schluessel, In(ziel), &namen, true, {}, {}).Erfolg());

    // Without replacing, an existing file stays as it is.
    Schreiben(ziel + "Leer.dat", "schon da");
    const ArchivErgebnis ohne = ArchivAuspacken(datei, kopf, schluessel, In(ziel), false, {}, {});
    EXPECT_FALSE(ohne.Erfolg());
    EXPECT_EQ(Lesen(ziel + "Leer.dat"), "schon da");
}

TEST_F(Sicherungsarchiv, FalschesKennwortUndBeschaedigteDateiWerdenAbgelehnt)
{
    Sichern();
    const QByteArray echt = Lesen(datei);
    const qsizetype block = 65536 + 17;
    ASSERT_GT(echt.size(), KopfBytes + 3 * block);
    auto geaendert = [&echt](qsizetype stelle) {
        QByteArray bytes = echt;
        bytes[stelle] = char(bytes[stelle] ^ 0x40);
        return bytes;
    };
    QByteArray getauscht = echt;
    getauscht.replace(KopfBytes, block, echt.mid(KopfBytes + block, block));
    getauscht.replace(KopfBytes + block, block, echt.mid(KopfBytes, block));
    const struct {
        const char *fall;
        QByteArray bytes;
        const char *kennwort;
    } faelle[] = {
        {"falsches Kennwort", echt, "Kreide und Tafeln"},
        {"abgeschnitten", echt.first(echt.size() - 100), nullptr},
        {"ein Byte in der Mitte", geaendert(echt.size() / 2), nullptr},
        {"zwei Blöcke vertauscht", getauscht, nullptr},
        {"keine Sicherung", QByteArray("Teilnehmer\r\n"), nullptr},
    };
    for (const auto &fall : faelle) {
        Schreiben(datei, fall.bytes);
        QList<DateiGroesse> eintraege;
        const ArchivErgebnis ergebnis = Pruefen(fall.kennwort ? fall.kennwort : "Kreide und Tafel", eintraege);
        EXPECT_EQ(ergebnis.art, ArchivErgebnis::Beschaedigt) << fall.fall;
        EXPECT_EQ(ergebnis.grund, KennwortFalschText()) << fall.fall;
    }
}

TEST_F(Sicherungsarchiv, VergleichFindetAbweichungUndFehlendeDatei)
{
    const Sicherungskopf kopf = Sichern();
    const Geheimnis schluessel = SchluesselAbleiten(Kennwort("Kreide und Tafel"), kopf);
    QByteArray anders = Lesen(Daten() + "Block.dat");
    anders[40000] = 'x';
    Schreiben(Daten() + "Block.dat", anders);
    ArchivErgebnis ergebnis = ArchivVergleichen(datei, kopf, schluessel, In(Daten()), &namen, true, {}, {});
    EXPECT_EQ(ergebnis.art, ArchivErgebnis::Fehler);
    EXPECT_EQ(ergebnis.datei, "Block.dat");
    EXPECT_EQ(ergebnis.grund, "Die Kopie weicht vom Original ab.");

    const QStringList mehr = namen + QStringList{"Neu.dat"};
    Sichern();
    const Sicherungskopf neu = [this] {
        Sicherungskopf k;
        SicherungsKopfLesen(datei, k);
        return k;
    }();
    ergebnis = ArchivVergleichen(datei, neu, SchluesselAbleiten(Kennwort("Kreide und Tafel"), neu), In(Daten()),
                                 &mehr, true, {}, {});
    EXPECT_EQ(ergebnis.datei, "Neu.dat");
    EXPECT_EQ(ergebnis.grund, "Die Datei fehlt in der Sicherung.");
    // A key made for another head reads nothing.
    EXPECT_EQ(ArchivVergleichen(datei, kopf, schluessel, In(Daten()), &namen, true, {}, {}).art,
              ArchivErgebnis::Beschaedigt);
}

TEST_F(Sicherungsarchiv, NurTeilnehmerdateienMitEinfachemNamenWerdenGelesen)
{
    // Archives that this program never writes, made with the key: each is
    // refused as a whole.
    const Sicherungskopf kopf = NeuerKopf();
    const Geheimnis schluessel = SchluesselAbleiten(Kennwort("Kreide und Tafel"), kopf);
    const QList<QStringList> faelle = {
        {"../Fremd.dat"}, {"Unterordner/A.dat"}, {"A.dat", "A.dat"}, {"Notiz.txt"}, {".dat"}, {"a\\b.dat"}};
    for (const QStringList &dateien : faelle) {
        QByteArray bytes;
        Verschluesseler strom(schluessel, kopf, [&bytes](const char *daten, qint64 anzahl) {
            bytes.append(daten, anzahl);
            return 0;
        });
        ArchivSchreiber tar(strom);
        QString grund;
        for (const QString &name : dateien)
            ASSERT_TRUE(tar.Beginn(name, 2, {}, grund) && tar.Daten("ab", 2, grund)) << grund.toStdString();
        ASSERT_TRUE(tar.Abschliessen(grund));
        Sicherungskopf gelesen;
        ASSERT_EQ(KopfLesen(bytes, gelesen), KopfFehler::Keiner);
        qsizetype stelle = KopfBytes;
        Entschluesseler lesen(schluessel, gelesen, [&](char *ziel, qint64 anzahl, QString &) {
            const qint64 n = qMin<qint64>(anzahl, bytes.size() - stelle);
            memcpy(ziel, bytes.constData() + stelle, size_t(n));
            stelle += n;
            return n;
        });
        struct : ArchivEmpfaenger {
            int beginne = 0;
            bool Beginn(const QString &, qint64, QString &) override { return ++beginne, true; }
            bool Daten(const char *, qint64, QString &) override { return true; }
            bool Ende(QString &) override { return true; }
        } empfaenger;
        const ArchivErgebnis e = ArchivLesen(lesen, empfaenger);
        EXPECT_EQ(e.art, ArchivErgebnis::Beschaedigt) << dateien.join(", ").toStdString();
        EXPECT_EQ(empfaenger.beginne, dateien.size() - 1) << dateien.join(", ").toStdString();
    }
}
