#include "verschluesselung.h"

#include <QtEndian>

#include <sodium.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr char Magie[8] = {'M', 'W', 'S', 'I', 'C', 'H', 'E', 'R'};
constexpr unsigned char Version = 1;
constexpr qsizetype ZusatzBytes = 46; // the head before the stream header
constexpr quint32 KleinsterBlock = 512;
constexpr quint32 GroessterBlock = 1u << 24;

using Strom = crypto_secretstream_xchacha20poly1305_state;
constexpr std::size_t Pruefbytes = crypto_secretstream_xchacha20poly1305_ABYTES;

static_assert(sizeof(Sicherungskopf::salz) == crypto_pwhash_SALTBYTES);
static_assert(sizeof(Sicherungskopf::stromkopf) == crypto_secretstream_xchacha20poly1305_HEADERBYTES);
static_assert(ZusatzBytes + crypto_secretstream_xchacha20poly1305_HEADERBYTES == KopfBytes);

std::optional<Schluesselgrenzen> &FesteGrenzen()
{
    static std::optional<Schluesselgrenzen> grenzen;
    return grenzen;
}

Strom *StromVon(Geheimnis &zustand)
{
    return reinterpret_cast<Strom *>(zustand.Daten());
}

} // namespace

Schluesselgrenzen Standardgrenzen()
{
    if (FesteGrenzen())
        return *FesteGrenzen();
    return {crypto_pwhash_argon2id_OPSLIMIT_MODERATE, crypto_pwhash_argon2id_MEMLIMIT_MODERATE};
}

void StandardgrenzenFestlegen(std::optional<Schluesselgrenzen> grenzen)
{
    FesteGrenzen() = grenzen;
}

Schluesselgrenzen Hoechstgrenzen()
{
    return {16, crypto_pwhash_argon2id_MEMLIMIT_SENSITIVE};
}

QByteArray Sicherungskopf::Bytes() const
{
    QByteArray bytes(KopfBytes, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    std::memcpy(p, Magie, sizeof Magie);
    p[8] = Version;
    p[9] = crypto_pwhash_ALG_ARGON2ID13;
    qToLittleEndian<quint64>(grenzen.rechenschritte, p + 10);
    qToLittleEndian<quint64>(grenzen.speicher, p + 18);
    std::memcpy(p + 26, salz.data(), salz.size());
    qToLittleEndian<quint32>(blockGroesse, p + 42);
    std::memcpy(p + ZusatzBytes, stromkopf.data(), stromkopf.size());
    return bytes;
}

Sicherungskopf NeuerKopf()
{
    Sicherungskopf kopf;
    kopf.grenzen = Standardgrenzen();
    if (NatriumBereit())
        randombytes_buf(kopf.salz.data(), kopf.salz.size());
    return kopf;
}

KopfFehler KopfLesen(QByteArrayView bytes, Sicherungskopf &kopf, const Schluesselgrenzen &hoechst)
{
    if (bytes.size() < KopfBytes || std::memcmp(bytes.data(), Magie, sizeof Magie) != 0)
        return KopfFehler::Fremd;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    if (p[8] != Version || p[9] != crypto_pwhash_ALG_ARGON2ID13)
        return KopfFehler::Version;
    kopf.grenzen.rechenschritte = qFromLittleEndian<quint64>(p + 10);
    kopf.grenzen.speicher = qFromLittleEndian<quint64>(p + 18);
    std::memcpy(kopf.salz.data(), p + 26, kopf.salz.size());
    kopf.blockGroesse = qFromLittleEndian<quint32>(p + 42);
    std::memcpy(kopf.stromkopf.data(), p + ZusatzBytes, kopf.stromkopf.size());
    const Schluesselgrenzen &g = kopf.grenzen;
    if (g.rechenschritte < crypto_pwhash_argon2id_OPSLIMIT_MIN || g.rechenschritte > hoechst.rechenschritte
        || g.speicher < crypto_pwhash_argon2id_MEMLIMIT_MIN || g.speicher > hoechst.speicher
        || kopf.blockGroesse < KleinsterBlock || kopf.blockGroesse > GroessterBlock)
        return KopfFehler::Grenzen;
    return KopfFehler::Keiner;
}

Geheimnis SchluesselAbleiten(const Geheimnis &kennwort, const Sicherungskopf &kopf)
{
    Geheimnis schluessel(crypto_secretstream_xchacha20poly1305_KEYBYTES);
    if (schluessel.Leer())
        return {};
    const char *text = kennwort.Leer() ? "" : kennwort.Zeichen();
    if (crypto_pwhash(schluessel.Daten(), schluessel.Groesse(), text, kennwort.Groesse(), kopf.salz.data(),
                      kopf.grenzen.rechenschritte, std::size_t(kopf.grenzen.speicher),
                      crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return {};
    return schluessel;
}

Verschluesseler::Verschluesseler(const Geheimnis &schluessel, Sicherungskopf kopf, Senke senke)
    : schluessel(schluessel), kopf(kopf), senke(std::move(senke)), zustand(sizeof(Strom))
{
}

int Verschluesseler::Beginnen()
{
    begonnen = true;
    if (zustand.Leer() || schluessel.Groesse() != crypto_secretstream_xchacha20poly1305_KEYBYTES)
        return ENOMEM;
    crypto_secretstream_xchacha20poly1305_init_push(StromVon(zustand), kopf.stromkopf.data(), schluessel.Daten());
    const QByteArray kopfBytes = kopf.Bytes();
    zusatz = kopfBytes.first(ZusatzBytes);
    klartext.resize(kopf.blockGroesse);
    chiffrat.resize(qsizetype(kopf.blockGroesse + Pruefbytes));
    return senke(kopfBytes.constData(), kopfBytes.size());
}

int Verschluesseler::BlockSchreiben(bool letzter)
{
    unsigned long long laenge = 0;
    const unsigned char marke = letzter ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                                        : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE;
    crypto_secretstream_xchacha20poly1305_push(
        StromVon(zustand), reinterpret_cast<unsigned char *>(chiffrat.data()), &laenge,
        reinterpret_cast<const unsigned char *>(klartext.constData()), gefuellt,
        reinterpret_cast<const unsigned char *>(zusatz.constData()), std::size_t(zusatz.size()), marke);
    gefuellt = 0;
    return senke(chiffrat.constData(), qint64(laenge));
}

int Verschluesseler::Schreiben(const char *daten, qint64 anzahl)
{
    if (!begonnen) {
        if (const int fehler = Beginnen())
            return fehler;
    }
    while (anzahl > 0) {
        // A full block is written only when more follows: the last block,
        // marked as the end, is never empty unless the content is.
        if (gefuellt == kopf.blockGroesse) {
            if (const int fehler = BlockSchreiben(false))
                return fehler;
        }
        const std::size_t stueck = std::min<std::size_t>(std::size_t(anzahl), kopf.blockGroesse - gefuellt);
        std::memcpy(klartext.data() + gefuellt, daten, stueck);
        gefuellt += stueck;
        daten += stueck;
        anzahl -= qint64(stueck);
    }
    return 0;
}

int Verschluesseler::Abschliessen()
{
    if (!begonnen) {
        if (const int fehler = Beginnen())
            return fehler;
    }
    return BlockSchreiben(true);
}

Entschluesseler::Entschluesseler(const Geheimnis &schluessel, const Sicherungskopf &kopf, Quelle quelle)
    : kopf(kopf), quelle(std::move(quelle)), zusatz(kopf.Bytes().first(ZusatzBytes)), zustand(sizeof(Strom))
{
    if (zustand.Leer() || schluessel.Groesse() != crypto_secretstream_xchacha20poly1305_KEYBYTES
        || crypto_secretstream_xchacha20poly1305_init_pull(StromVon(zustand), kopf.stromkopf.data(),
                                                           schluessel.Daten())
               != 0) {
        beschaedigt = true;
        return;
    }
    klartext.resize(kopf.blockGroesse);
    chiffrat.resize(qsizetype(kopf.blockGroesse + Pruefbytes));
}

bool Entschluesseler::Beschaedigen()
{
    beschaedigt = true;
    return false;
}

qint64 VollLesen(const Quelle &quelle, char *ziel, qint64 anzahl, QString &grund)
{
    qint64 zusammen = 0;
    while (zusammen < anzahl) {
        const qint64 n = quelle(ziel + zusammen, anzahl - zusammen, grund);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        zusammen += n;
    }
    return zusammen;
}

bool Entschluesseler::BlockHolen()
{
    const qint64 n = VollLesen(quelle, chiffrat.data(), chiffrat.size(), grund);
    if (n < 0)
        return false;
    if (n < qint64(Pruefbytes))
        return Beschaedigen(); // cut off
    unsigned long long laenge = 0;
    unsigned char marke = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(
            StromVon(zustand), reinterpret_cast<unsigned char *>(klartext.data()), &laenge, &marke,
            reinterpret_cast<const unsigned char *>(chiffrat.constData()), std::size_t(n),
            reinterpret_cast<const unsigned char *>(zusatz.constData()), std::size_t(zusatz.size()))
        != 0)
        return Beschaedigen(); // a wrong key, a changed or a swapped block
    // Every block but the last is full; the last carries the end mark and
    // nothing may follow it.
    if (marke == crypto_secretstream_xchacha20poly1305_TAG_FINAL) {
        char rest;
        const qint64 danach = VollLesen(quelle, &rest, 1, grund);
        if (danach < 0)
            return false;
        if (danach > 0)
            return Beschaedigen();
        ende = true;
    } else if (marke != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE || n < chiffrat.size()) {
        return Beschaedigen();
    }
    vorrat = std::size_t(laenge);
    gelesen = 0;
    return true;
}

qint64 Entschluesseler::Lesen(char *ziel, qint64 anzahl)
{
    if (beschaedigt || !grund.isEmpty())
        return -1;
    while (gelesen == vorrat) {
        if (ende)
            return 0;
        if (!BlockHolen())
            return -1;
    }
    const std::size_t stueck = std::min<std::size_t>(std::size_t(anzahl), vorrat - gelesen);
    std::memcpy(ziel, klartext.constData() + gelesen, stueck);
    gelesen += stueck;
    return qint64(stueck);
}
