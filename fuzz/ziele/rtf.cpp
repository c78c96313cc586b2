// The RTF writer: the document is well formed 7-bit RTF, and read back it
// holds the text line by line (control characters other than the tab have
// no place in RTF text and are left out) in the font and colour given.

#include "start.h"
#include "rtfleser.h"

#include "util/kodierung.h"
#include "util/textspeichern.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString OhneSteuerzeichen(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() < 32 && c != u'\t'; });
    return text;
}

// The rest of the input as UTF-16 code units: any character, lone
// surrogates included.
QString Text(FuzzedDataProvider &eingabe)
{
    const std::string bytes = eingabe.ConsumeRemainingBytesAsString();
    QString text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    FuzzedDataProvider eingabe(daten, groesse);
    const bool mitSchrift = eingabe.ConsumeBool();
    QFont schrift(QString::fromUtf8(eingabe.ConsumeRandomLengthString(32)));
    schrift.setPointSizeF(eingabe.ConsumeIntegralInRange(2, 400) / 2.0);
    schrift.setBold(eingabe.ConsumeBool());
    schrift.setItalic(eingabe.ConsumeBool());
    schrift.setUnderline(eingabe.ConsumeBool());
    schrift.setStrikeOut(eingabe.ConsumeBool());
    const QColor farbe(eingabe.ConsumeIntegral<uint8_t>(), eingabe.ConsumeIntegral<uint8_t>(),
                       eingabe.ConsumeIntegral<uint8_t>());
    const RtfSchrift rtfSchrift{schrift, farbe, eingabe.ConsumeIntegral<uint8_t>()};
    const QString text = Text(eingabe);

    const QByteArray rtf = RtfDokument(text, mitSchrift ? &rtfSchrift : nullptr);
    const RtfInhalt inhalt = RtfLesen(rtf);
    PRUEFEN_GLEICH(inhalt.fehler, QString());
    PRUEFEN_GLEICH(inhalt.rest, QString());
    QStringList erwartet = TextInZeilen(text);
    for (QString &zeile : erwartet)
        zeile = OhneSteuerzeichen(zeile);
    PRUEFEN_GLEICH(inhalt.absaetze, erwartet);

    PRUEFEN_GLEICH(inhalt.hatSchrifttabelle, mitSchrift);
    if (!mitSchrift)
        return 0;
    // ";" ends a font name and is left out.
    PRUEFEN_GLEICH(inhalt.schriftname, OhneSteuerzeichen(schrift.family()).remove(u';'));
    PRUEFEN_GLEICH(inhalt.rot, farbe.red());
    PRUEFEN_GLEICH(inhalt.gruen, farbe.green());
    PRUEFEN_GLEICH(inhalt.blau, farbe.blue());
    PRUEFEN_GLEICH(inhalt.groesse, qRound(schrift.pointSizeF() * 2));
    PRUEFEN_GLEICH(inhalt.fett, schrift.bold());
    PRUEFEN_GLEICH(inhalt.kursiv, schrift.italic());
    PRUEFEN_GLEICH(inhalt.unterstrichen, schrift.underline());
    PRUEFEN_GLEICH(inhalt.durchgestrichen, schrift.strikeOut());
    return 0;
}
