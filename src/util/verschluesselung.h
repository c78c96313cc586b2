#pragma once
// The encrypted file of a backup: a head that tells how the key is made
// from the password (Argon2id, libsodium's crypto_pwhash), then the content
// in blocks of libsodium's secretstream (XChaCha20-Poly1305), each block
// authenticated, the last one marked as the end. doc/sicherungsformat.md
// describes every byte.

#include "geheimnis.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>

// How much work and memory (bytes) the key costs.
struct Schluesselgrenzen {
    quint64 rechenschritte = 0; // opslimit
    quint64 speicher = 0;       // memlimit
};

// What a new file is made with: libsodium's "moderate" limits. Tests that
// are not about the limits make keys quickly with small ones; an empty
// value restores the standard.
Schluesselgrenzen Standardgrenzen();
void StandardgrenzenFestlegen(std::optional<Schluesselgrenzen> grenzen);
// The most a reader spends on the key of a file; a file that asks for more
// is refused (a damaged head must not take all the memory).
Schluesselgrenzen Hoechstgrenzen();

inline constexpr qsizetype KopfBytes = 70;
inline constexpr quint32 Standardblock = 65536;

struct Sicherungskopf {
    Schluesselgrenzen grenzen;
    std::array<unsigned char, 16> salz{};
    quint32 blockGroesse = Standardblock; // content bytes per block
    std::array<unsigned char, 24> stromkopf{}; // the secretstream header

    // The head's 70 bytes; the first 46 are the additional data of every block.
    QByteArray Bytes() const;
};

// A head for a new file: a random salt and the standard limits (the
// stream header is made when the encryption starts).
Sicherungskopf NeuerKopf();

enum class KopfFehler {
    Keiner,
    Fremd,   // too short, or not the magic text: no backup of this program
    Version, // a later version of the format
    Grenzen, // limits or block size outside what a reader accepts
};
KopfFehler KopfLesen(QByteArrayView bytes, Sicherungskopf &kopf, const Schluesselgrenzen &hoechst = Hoechstgrenzen());

// The key of a file from its password; empty when the memory for it
// cannot be had.
Geheimnis SchluesselAbleiten(const Geheimnis &kennwort, const Sicherungskopf &kopf);

// Where the encrypted bytes go: 0, or the system's error number.
using Senke = std::function<int(const char *daten, qint64 anzahl)>;

// Encrypts content as it comes: the head, then full blocks, and at the end
// the rest as the last block. Every step gives 0 or an error number.
class Verschluesseler
{
public:
    Verschluesseler(const Geheimnis &schluessel, Sicherungskopf kopf, Senke senke);
    int Schreiben(const char *daten, qint64 anzahl);
    int Abschliessen();

private:
    int Beginnen();
    int BlockSchreiben(bool letzter);

    const Geheimnis &schluessel;
    Sicherungskopf kopf;
    Senke senke;
    QByteArray zusatz; // the head's first bytes, authenticated with every block
    Geheimnis zustand; // the stream's state holds key material
    QByteArray klartext; // one block of content waiting for its encryption
    std::size_t gefuellt = 0;
    QByteArray chiffrat;
    bool begonnen = false;
};

// Reads raw bytes: the number read, 0 at the end, -1 on an error (with the
// German reason).
using Quelle = std::function<qint64(char *ziel, qint64 anzahl, QString &grund)>;

// Reads from `quelle` until `anzahl` bytes are there or it ends: the number
// read, or -1 on an error.
qint64 VollLesen(const Quelle &quelle, char *ziel, qint64 anzahl, QString &grund);

// Decrypts a file's content block by block from `quelle`, which stands
// right after the head. Only authenticated bytes come out: a wrong key, a
// changed, missing, swapped or added byte end the reading as damaged.
class Entschluesseler
{
public:
    Entschluesseler(const Geheimnis &schluessel, const Sicherungskopf &kopf, Quelle quelle);
    // Up to `anzahl` bytes of content; 0 at the authenticated end; -1 when
    // the file is damaged (Beschaedigt()) or cannot be read (Grund()).
    qint64 Lesen(char *ziel, qint64 anzahl);
    bool Beschaedigt() const { return beschaedigt; }
    QString Grund() const { return grund; }

private:
    bool BlockHolen();
    bool Beschaedigen();

    Sicherungskopf kopf;
    Quelle quelle;
    QByteArray zusatz;
    Geheimnis zustand;
    QByteArray klartext;
    std::size_t vorrat = 0; // decrypted bytes of the current block
    std::size_t gelesen = 0; // of those, already given out
    QByteArray chiffrat;
    bool ende = false;
    bool beschaedigt = false;
    QString grund;
};
