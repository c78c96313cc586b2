// The reader of encrypted backups. Each input is read twice: as a backup
// file (with the seeds' password and small limits), and as the content of
// a sound encryption, so that the tar reader sees every input too.
// Properties: nothing crashes; what the reader hands out are plain
// participant files with valid names, each once, with as many bytes as
// announced; the decryption gives back exactly what was encrypted; and
// what the reader accepted, written again, reads back the same.

#include "start.h"

#include "records/sicherungsarchiv.h"

#include <QByteArray>
#include <QSet>

namespace {

// The password of the seeds in fuzz/korpus/sicherungsdatei.
const char *const Kennwort = "Fuzz-Kennwort 1";

struct Datei {
    QString name;
    QByteArray bytes;
    bool operator==(const Datei &andere) const { return name == andere.name && bytes == andere.bytes; }
};

} // namespace

// Beside the other forms of Zeigen, where the checks find it.
std::string Zeigen(const QList<Datei> &dateien)
{
    std::string aus;
    for (const Datei &datei : dateien)
        aus += Zeigen(datei.name) + " (" + std::to_string(datei.bytes.size()) + " Bytes)\n";
    return aus;
}

namespace {

// Keeps what the reader hands out, and checks it on the way.
class Sammler : public ArchivEmpfaenger
{
public:
    bool Beginn(const QString &name, qint64 groesse, QString &) override
    {
        PRUEFEN(ArchivNameGueltig(name));
        PRUEFEN(!namen.contains(name));
        namen.insert(name);
        dateien.append({name, {}});
        angekuendigt = groesse;
        return true;
    }
    bool Daten(const char *daten, qint64 anzahl, QString &) override
    {
        PRUEFEN(anzahl > 0);
        dateien.last().bytes.append(daten, anzahl);
        PRUEFEN(dateien.last().bytes.size() <= angekuendigt);
        return true;
    }
    bool Ende(QString &) override
    {
        PRUEFEN_GLEICH(qint64(dateien.last().bytes.size()), angekuendigt);
        return true;
    }

    QList<Datei> dateien;

private:
    QSet<QString> namen;
    qint64 angekuendigt = 0;
};

Quelle AusSpeicher(const QByteArray &bytes, qsizetype &stelle)
{
    return [&bytes, &stelle](char *ziel, qint64 anzahl, QString &) {
        const qint64 n = qMin<qint64>(anzahl, bytes.size() - stelle);
        std::memcpy(ziel, bytes.constData() + stelle, size_t(n));
        stelle += n;
        return n;
    };
}

// The content encrypted with `schluessel` under the head `kopf`.
QByteArray Verschluesseln(const QByteArray &inhalt, const Geheimnis &schluessel, const Sicherungskopf &kopf)
{
    QByteArray bytes;
    Verschluesseler strom(schluessel, kopf, [&bytes](const char *daten, qint64 anzahl) {
        bytes.append(daten, anzahl);
        return 0;
    });
    PRUEFEN(strom.Schreiben(inhalt.constData(), inhalt.size()) == 0);
    PRUEFEN(strom.Abschliessen() == 0);
    return bytes;
}

// Reads an encrypted file held in memory; the files when it was accepted.
std::optional<QList<Datei>> Lesen(const QByteArray &datei, const Geheimnis &schluessel)
{
    Sicherungskopf kopf;
    if (KopfLesen(datei, kopf) != KopfFehler::Keiner)
        return std::nullopt;
    qsizetype stelle = KopfBytes;
    Entschluesseler strom(schluessel, kopf, AusSpeicher(datei, stelle));
    Sammler sammler;
    const ArchivErgebnis ergebnis = ArchivLesen(strom, sammler);
    PRUEFEN(ergebnis.art != ArchivErgebnis::Fehler); // memory cannot fail to be read
    if (!ergebnis.Erfolg())
        return std::nullopt;
    PRUEFEN_GLEICH(stelle, datei.size()); // accepted only when read to its end
    return sammler.dateien;
}

// The files written as a backup of their own.
QByteArray Schreiben(const QList<Datei> &dateien, const Geheimnis &schluessel, const Sicherungskopf &kopf)
{
    QByteArray bytes;
    Verschluesseler strom(schluessel, kopf, [&bytes](const char *daten, qint64 anzahl) {
        bytes.append(daten, anzahl);
        return 0;
    });
    ArchivSchreiber tar(strom);
    QString grund;
    for (const Datei &datei : dateien) {
        PRUEFEN(tar.Beginn(datei.name, datei.bytes.size(), {}, grund));
        PRUEFEN(tar.Daten(datei.bytes.constData(), datei.bytes.size(), grund));
    }
    PRUEFEN(tar.Abschliessen(grund));
    return bytes;
}

const Geheimnis &FesterSchluessel()
{
    static const Geheimnis schluessel = [] {
        Geheimnis s(32);
        for (std::size_t i = 0; i < s.Groesse(); ++i)
            s.Daten()[i] = static_cast<unsigned char>(i * 37 + 1);
        return s;
    }();
    return schluessel;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));

    // As a backup file; only small limits are spent on its key.
    Sicherungskopf kopf;
    if (KopfLesen(bytes, kopf, Schluesselgrenzen{2, 65536}) == KopfFehler::Keiner) {
        QString text = QString::fromLatin1(Kennwort);
        const Geheimnis schluessel = SchluesselAbleiten(Geheimnis::AusText(text), kopf);
        PRUEFEN(!schluessel.Leer());
        Lesen(bytes, schluessel);
    }

    // As the content of a sound encryption.
    const Geheimnis &schluessel = FesterSchluessel();
    Sicherungskopf fest;
    fest.grenzen = {1, 8192};
    fest.blockGroesse = 512; // several blocks even for short inputs
    const QByteArray verschluesselt = Verschluesseln(bytes, schluessel, fest);
    {
        Sicherungskopf gelesen;
        PRUEFEN(KopfLesen(verschluesselt, gelesen) == KopfFehler::Keiner);
        qsizetype stelle = KopfBytes;
        Entschluesseler strom(schluessel, gelesen, AusSpeicher(verschluesselt, stelle));
        QByteArray zurueck;
        char puffer[700];
        for (qint64 n; (n = strom.Lesen(puffer, sizeof puffer)) != 0;) {
            PRUEFEN(n > 0);
            zurueck.append(puffer, n);
        }
        PRUEFEN_GLEICH(zurueck, bytes);
    }
    if (const std::optional<QList<Datei>> dateien = Lesen(verschluesselt, schluessel)) {
        const std::optional<QList<Datei>> wieder = Lesen(Schreiben(*dateien, schluessel, fest), schluessel);
        PRUEFEN(wieder.has_value());
        PRUEFEN_GLEICH(*wieder, *dateien);
    }
    return 0;
}
