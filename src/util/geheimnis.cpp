#include "geheimnis.h"

#include <QStringEncoder>

#include <sodium.h>
#include <utility>

bool NatriumBereit()
{
    static const bool bereit = sodium_init() >= 0;
    return bereit;
}

Geheimnis::Geheimnis(std::size_t groesse)
{
    if (groesse == 0 || !NatriumBereit())
        return;
    daten = static_cast<unsigned char *>(sodium_malloc(groesse));
    if (!daten)
        return;
    sodium_memzero(daten, groesse);
    this->groesse = groesse;
}

Geheimnis::~Geheimnis()
{
    if (daten)
        sodium_free(daten); // overwrites the bytes before it gives them back
}

Geheimnis::Geheimnis(Geheimnis &&anderes) noexcept
    : daten(std::exchange(anderes.daten, nullptr)), groesse(std::exchange(anderes.groesse, 0))
{
}

Geheimnis &Geheimnis::operator=(Geheimnis &&anderes) noexcept
{
    if (this != &anderes) {
        if (daten)
            sodium_free(daten);
        daten = std::exchange(anderes.daten, nullptr);
        groesse = std::exchange(anderes.groesse, 0);
    }
    return *this;
}

void Geheimnis::Kuerzen(std::size_t neu)
{
    if (neu >= groesse)
        return;
    sodium_memzero(daten + neu, groesse - neu);
    groesse = neu;
}

Geheimnis Geheimnis::AusText(QString &text)
{
    QStringEncoder utf8(QStringEncoder::Utf8);
    Geheimnis geheimnis(std::size_t(utf8.requiredSpace(text.size())) + 1);
    if (!geheimnis.Leer()) {
        char *anfang = reinterpret_cast<char *>(geheimnis.daten);
        const char *ende = utf8.appendToBuffer(anfang, text);
        geheimnis.Kuerzen(std::size_t(ende - anfang));
    }
    TextUeberschreiben(text);
    return geheimnis;
}

void TextUeberschreiben(QString &text)
{
    // data() would copy characters that another string shares: those are
    // left to their owner.
    if (!text.isDetached()) {
        text.clear();
        return;
    }
    sodium_memzero(text.data(), std::size_t(text.size()) * sizeof(QChar));
    text.clear();
}
