#include "testhilfen.h"
#include "util/verschluesselung.h"

#include <QtEndian>

#include <sodium.h>

namespace {

Geheimnis Kennwort(QString text)
{
    return Geheimnis::AusText(text);
}

// The content encrypted with a new head, in uneven pieces as libarchive
// hands them over.
QByteArray Verschluesseln(const QByteArray &inhalt, const Geheimnis &kennwort)
{
    const Sicherungskopf kopf = NeuerKopf();
    const Geheimnis schluessel = SchluesselAbleiten(kennwort, kopf);
    QByteArray bytes;
    Verschluesseler strom(schluessel, kopf, [&bytes](const char *daten, qint64 anzahl) {
        bytes.append(daten, anzahl);
        return 0;
    });
    for (qsizetype stelle = 0; stelle < inhalt.size(); stelle += 7777)
        EXPECT_EQ(strom.Schreiben(inhalt.constData() + stelle, qMin<qsizetype>(7777, inhalt.size() - stelle)), 0);
    EXPECT_EQ(strom.Abschliessen(), 0);
    return bytes;
}

struct Entschluesselt {
    QByteArray inhalt;
    bool ok = false;
    bool beschaedigt = false;
};

Entschluesselt Entschluesseln(const QByteArray &datei, const Geheimnis &kennwort)
{
    Entschluesselt e;
    Sicherungskopf kopf;
    if (KopfLesen(datei, kopf) != KopfFehler::Keiner) {
        e.beschaedigt = true;
        return e;
    }
    const Geheimnis schluessel = SchluesselAbleiten(kennwort, kopf);
    qsizetype stelle = KopfBytes;
    Entschluesseler strom(schluessel, kopf, [&](char *ziel, qint64 anzahl, QString &) {
        const qint64 n = qMin<qint64>(anzahl, datei.size() - stelle);
        memcpy(ziel, datei.constData() + stelle, size_t(n));
        stelle += n;
        return n;
    });
    char puffer[5000];
    for (qint64 n; (n = strom.Lesen(puffer, sizeof puffer)) != 0;) {
        if (n < 0) {
            e.beschaedigt = strom.Beschaedigt();
            return e;
        }
        e.inhalt.append(puffer, n);
    }
    e.ok = true;
    return e;
}

QByteArray Muster(qsizetype groesse)
{
    QByteArray bytes(groesse, Qt::Uninitialized);
    for (qsizetype i = 0; i < groesse; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

} // namespace

class Verschluesselung : public Umgebung
{
protected:
    Geheimnis kennwort = Kennwort("Apfelbaum im Schulhof");
};

TEST_F(Verschluesselung, InhaltKommtJeBlockgrenzeUnveraendertZurueck)
{
    for (qsizetype groesse : {0, 1, 65535, 65536, 65537, 3 * 65536 + 5}) {
        const QByteArray bytes = Verschluesseln(Muster(groesse), kennwort);
        // Full blocks, then the rest (never an empty last block, unless
        // there is no content at all), each with its 17 bytes of tag.
        const qsizetype bloecke = groesse == 0 ? 1 : (groesse + 65535) / 65536;
        EXPECT_EQ(bytes.size(), KopfBytes + groesse + 17 * bloecke) << groesse;
        const Entschluesselt e = Entschluesseln(bytes, kennwort);
        EXPECT_TRUE(e.ok) << groesse;
        EXPECT_EQ(e.inhalt, Muster(groesse)) << groesse;
    }
}

TEST_F(Verschluesselung, FalschesKennwortUndJedeVeraenderungWerdenAbgelehnt)
{
    const QByteArray inhalt = Muster(4 * 65536 + 100);
    const QByteArray echt = Verschluesseln(inhalt, kennwort);
    ASSERT_TRUE(Entschluesseln(echt, kennwort).ok);
    const qsizetype block = 65536 + 17;
    auto blockTauschen = [&](int a, int b) {
        QByteArray bytes = echt;
        bytes.replace(KopfBytes + a * block, block, echt.mid(KopfBytes + b * block, block));
        bytes.replace(KopfBytes + b * block, block, echt.mid(KopfBytes + a * block, block));
        return bytes;
    };
    auto byteAendern = [&](qsizetype stelle) {
        QByteArray bytes = echt;
        bytes[stelle] = char(bytes[stelle] ^ 0x01);
        return bytes;
    };
    const struct {
        const char *fall;
        QByteArray bytes;
        const char *kennwort;
    } faelle[] = {
        {"falsches Kennwort", echt, "Apfelbaum im Schulhof!"},
        {"ein Byte in der Mitte", byteAendern(echt.size() / 2), nullptr},
        {"ein Byte der Grenzen im Kopf", byteAendern(12), nullptr},
        {"ein Byte der Blockgröße im Kopf", byteAendern(43), nullptr},
        {"das letzte Byte", byteAendern(echt.size() - 1), nullptr},
        {"zwei Blöcke vertauscht", blockTauschen(1, 2), nullptr},
        {"abgeschnitten im letzten Block", echt.chopped(1), nullptr},
        {"ohne den letzten Block", echt.first(KopfBytes + 4 * block), nullptr},
        {"ohne die letzten beiden Blöcke", echt.first(KopfBytes + 3 * block), nullptr},
        {"ein Byte angehängt", echt + "x", nullptr},
        {"ein Block doppelt", echt.first(KopfBytes + 2 * block) + echt.mid(KopfBytes + block), nullptr},
        {"nur der Kopf", echt.first(KopfBytes), nullptr},
    };
    for (const auto &fall : faelle) {
        const Entschluesselt e = Entschluesseln(fall.bytes, Kennwort(fall.kennwort ? fall.kennwort : "Apfelbaum im Schulhof"));
        EXPECT_FALSE(e.ok) << fall.fall;
        EXPECT_TRUE(e.beschaedigt) << fall.fall;
        // What came out before the failure is the true beginning.
        EXPECT_TRUE(inhalt.startsWith(e.inhalt)) << fall.fall;
    }
}

TEST_F(Verschluesselung, KopfMitMagieVersionUndGrenzen)
{
    const QByteArray echt = NeuerKopf().Bytes();
    ASSERT_EQ(echt.size(), KopfBytes);
    EXPECT_TRUE(echt.startsWith("MWSICHER\x01\x02"));
    auto mit = [&echt](qsizetype stelle, QByteArray neu) {
        QByteArray bytes = echt;
        bytes.replace(stelle, neu.size(), neu);
        return bytes;
    };
    auto zahl64 = [](quint64 wert) {
        QByteArray bytes(8, Qt::Uninitialized);
        qToLittleEndian(wert, bytes.data());
        return bytes;
    };
    auto zahl32 = [](quint32 wert) {
        QByteArray bytes(4, Qt::Uninitialized);
        qToLittleEndian(wert, bytes.data());
        return bytes;
    };
    const struct {
        const char *fall;
        QByteArray bytes;
        KopfFehler fehler;
    } faelle[] = {
        {"echt", echt, KopfFehler::Keiner},
        {"zu kurz", echt.chopped(1), KopfFehler::Fremd},
        {"leer", {}, KopfFehler::Fremd},
        {"andere Magie", mit(0, "MWSICHEX"), KopfFehler::Fremd},
        {"Version 2", mit(8, "\x02"), KopfFehler::Version},
        {"Argon2i", mit(9, "\x01"), KopfFehler::Version},
        {"keine Rechenschritte", mit(10, zahl64(0)), KopfFehler::Grenzen},
        {"zu viele Rechenschritte", mit(10, zahl64(1000)), KopfFehler::Grenzen},
        {"zu wenig Speicher", mit(18, zahl64(4096)), KopfFehler::Grenzen},
        {"zu viel Speicher", mit(18, zahl64(quint64(1) << 40)), KopfFehler::Grenzen},
        {"Block 0", mit(42, zahl32(0)), KopfFehler::Grenzen},
        {"Block 1 GB", mit(42, zahl32(1u << 30)), KopfFehler::Grenzen},
    };
    for (const auto &fall : faelle) {
        Sicherungskopf kopf;
        EXPECT_EQ(KopfLesen(fall.bytes, kopf), fall.fehler) << fall.fall;
    }
    Sicherungskopf gelesen;
    ASSERT_EQ(KopfLesen(echt, gelesen), KopfFehler::Keiner);
    EXPECT_EQ(gelesen.Bytes(), echt);
}

TEST_F(Verschluesselung, NeueSicherungenNutzenMindestensDieMittlerenGrenzen)
{
    StandardgrenzenFestlegen({});
    const Sicherungskopf kopf = NeuerKopf();
    EXPECT_GE(kopf.grenzen.rechenschritte, quint64(crypto_pwhash_argon2id_OPSLIMIT_MODERATE));
    EXPECT_GE(kopf.grenzen.speicher, quint64(crypto_pwhash_argon2id_MEMLIMIT_MODERATE));
    // A reader takes them, and the salt is new for every backup.
    Sicherungskopf gelesen;
    EXPECT_EQ(KopfLesen(kopf.Bytes(), gelesen), KopfFehler::Keiner);
    EXPECT_NE(NeuerKopf().salz, kopf.salz);
}

TEST_F(Verschluesselung, SchluesselHaengtAnKennwortUndSalz)
{
    const Sicherungskopf kopf = NeuerKopf();
    Sicherungskopf andererSalz = kopf;
    andererSalz.salz[0] ^= 1;
    const Geheimnis a = SchluesselAbleiten(kennwort, kopf);
    const Geheimnis b = SchluesselAbleiten(Kennwort("Apfelbaum im Schulhof"), kopf);
    const Geheimnis c = SchluesselAbleiten(kennwort, andererSalz);
    ASSERT_EQ(a.Groesse(), 32u);
    EXPECT_EQ(QByteArray(a.Zeichen(), 32), QByteArray(b.Zeichen(), 32));
    EXPECT_NE(QByteArray(a.Zeichen(), 32), QByteArray(c.Zeichen(), 32));
    // Umlauts count as their UTF-8 bytes, the same on every system.
    QString text = QStringLiteral("Äpfel über Öfen");
    const Geheimnis umlaute = Geheimnis::AusText(text);
    EXPECT_EQ(QByteArray(umlaute.Zeichen(), qsizetype(umlaute.Groesse())), QStringLiteral("Äpfel über Öfen").toUtf8());
    EXPECT_TRUE(text.isEmpty());
}
