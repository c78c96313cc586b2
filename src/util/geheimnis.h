#pragma once
#include <QString>
#include <cstddef>

// A secret (a password or a key) in memory of its own that the system never
// swaps out and that is overwritten when it goes (libsodium's guarded
// allocation). It is moved, never copied.
class Geheimnis
{
public:
    Geheimnis() = default;
    // `groesse` bytes, zeroed; an empty secret when the memory cannot be had.
    explicit Geheimnis(std::size_t groesse);
    ~Geheimnis();
    Geheimnis(Geheimnis &&anderes) noexcept;
    Geheimnis &operator=(Geheimnis &&anderes) noexcept;
    Geheimnis(const Geheimnis &) = delete;
    Geheimnis &operator=(const Geheimnis &) = delete;

    // The text in UTF-8, encoded straight into guarded memory; the text's
    // own characters are overwritten afterwards where it holds them alone.
    static Geheimnis AusText(QString &text);

    unsigned char *Daten() { return daten; }
    const unsigned char *Daten() const { return daten; }
    const char *Zeichen() const { return reinterpret_cast<const char *>(daten); }
    std::size_t Groesse() const { return groesse; }
    bool Leer() const { return groesse == 0; }
    // Keeps the first `neu` bytes (the rest is overwritten), no more than it has.
    void Kuerzen(std::size_t neu);

private:
    unsigned char *daten = nullptr;
    std::size_t groesse = 0;
};

// Overwrites a text's characters where it holds them alone (no other copy
// shares them), then empties it.
void TextUeberschreiben(QString &text);

// Starts libsodium once; false where it cannot start (no source of random
// numbers), and then nothing can be encrypted.
bool NatriumBereit();
