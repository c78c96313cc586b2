#include "rtfleser.h"

#include <QList>
#include <QStringDecoder>

namespace {

enum class Ziel { Text, Schrifttabelle, Farbtabelle, Uebersprungen };

bool IstBuchstabe(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

class Leser
{
public:
    explicit Leser(const QByteArray &rtf) : rtf(rtf) {}

    RtfInhalt Lesen()
    {
        while (i < rtf.size() && inhalt.fehler.isEmpty()) {
            const char c = rtf[i];
            if (static_cast<unsigned char>(c) >= 0x80)
                Fehler(QStringLiteral("Byte über 127"));
            else if (fertig)
                Nachspann(c);
            else if (c == '{')
                Oeffnen();
            else if (c == '}')
                Schliessen();
            else if (c == '\\')
                Steuerung();
            else if (c == '\r' || c == '\n')
                ++i;
            else
                Roh(c);
        }
        if (inhalt.fehler.isEmpty() && !fertig)
            Fehler(QStringLiteral("Gruppe nicht geschlossen"));
        inhalt.rest = absatz;
        return inhalt;
    }

private:
    void Fehler(const QString &text)
    {
        if (inhalt.fehler.isEmpty())
            inhalt.fehler = text + QStringLiteral(" bei Byte %1").arg(i);
    }

    void Nachspann(char c)
    {
        if (c != '\r' && c != '\n')
            Fehler(QStringLiteral("Text nach dem Dokument"));
        ++i;
    }

    void Oeffnen()
    {
        stapel << (stapel.isEmpty() ? Ziel::Text : stapel.last());
        ++i;
    }

    void Schliessen()
    {
        if (stapel.isEmpty()) {
            Fehler(QStringLiteral("} ohne {"));
            return;
        }
        stapel.removeLast();
        fertig = stapel.isEmpty();
        ++i;
    }

    void Roh(char c)
    {
        Zeichen(QLatin1Char(c));
        ++i;
    }

    void ZielSetzen(Ziel ziel)
    {
        if (stapel.isEmpty())
            Fehler(QStringLiteral("Tabelle außerhalb einer Gruppe"));
        else
            stapel.last() = ziel;
    }

    Ziel Aktuell() const { return stapel.isEmpty() ? Ziel::Text : stapel.last(); }

    void Zeichen(QChar zeichen)
    {
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        if (Aktuell() == Ziel::Text) {
            absatz += zeichen;
        } else if (Aktuell() == Ziel::Schrifttabelle && !schriftnameFertig) {
            if (zeichen == u';')
                schriftnameFertig = true;
            else
                inhalt.schriftname += zeichen;
        }
    }

    void Steuerung()
    {
        ++i;
        if (i >= rtf.size()) {
            Fehler(QStringLiteral("\\ am Ende"));
            return;
        }
        const char c = rtf[i];
        if (IstBuchstabe(c)) {
            Steuerwort();
        } else if (c == '\'') {
            if (i + 2 >= rtf.size()) {
                Fehler(QStringLiteral("\\' am Ende"));
                return;
            }
            bool ok = false;
            const int byte = rtf.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok)
                Fehler(QStringLiteral("\\' ohne Hexziffern"));
            const char roh = char(byte);
            const QString text = QStringDecoder("windows-1252")(QByteArrayView(&roh, 1));
            Zeichen(text.isEmpty() ? QChar(u'?') : text[0]);
            i += 3;
        } else if (c == '*') {
            ZielSetzen(Ziel::Uebersprungen);
            ++i;
        } else if (c == '\\' || c == '{' || c == '}') {
            Zeichen(QLatin1Char(c));
            ++i;
        } else if (c == '~') {
            Zeichen(QChar(0xA0));
            ++i;
        } else {
            Fehler(QStringLiteral("unbekanntes Steuerzeichen"));
        }
    }

    void Steuerwort()
    {
        const qsizetype anfang = i;
        while (i < rtf.size() && IstBuchstabe(rtf[i]))
            ++i;
        const QByteArray wort = rtf.mid(anfang, i - anfang);
        const qsizetype zahlAnfang = i;
        if (i < rtf.size() && rtf[i] == '-')
            ++i;
        while (i < rtf.size() && IstZiffer(rtf[i]))
            ++i;
        const QByteArray zahlText = rtf.mid(zahlAnfang, i - zahlAnfang);
        const bool hatZahl = !zahlText.isEmpty() && zahlText != "-";
        if (zahlText == "-")
            Fehler(QStringLiteral("- ohne Ziffern"));
        const int zahl = hatZahl ? zahlText.toInt() : 0;
        if (i < rtf.size() && rtf[i] == ' ')
            ++i;
        Anwenden(wort, hatZahl, zahl);
    }

    void Anwenden(const QByteArray &wort, bool hatZahl, int zahl)
    {
        const bool an = !hatZahl || zahl != 0;
        if (wort == "u") {
            if (!hatZahl || zahl < -32768 || zahl > 65535)
                Fehler(QStringLiteral("\\u ohne 16-Bit-Zahl"));
            Zeichen(QChar(char16_t(zahl < 0 ? zahl + 65536 : zahl)));
            ueberspringen = uc;
        } else if (wort == "uc") {
            uc = zahl;
        } else if (wort == "par") {
            if (Aktuell() == Ziel::Text) {
                inhalt.absaetze << absatz;
                absatz.clear();
            }
        } else if (wort == "tab") {
            Zeichen(QLatin1Char('\t'));
        } else if (wort == "fonttbl") {
            ZielSetzen(Ziel::Schrifttabelle);
            inhalt.hatSchrifttabelle = true;
        } else if (wort == "colortbl") {
            ZielSetzen(Ziel::Farbtabelle);
            inhalt.hatFarbtabelle = true;
        } else if (wort == "red") {
            inhalt.rot = zahl;
        } else if (wort == "green") {
            inhalt.gruen = zahl;
        } else if (wort == "blue") {
            inhalt.blau = zahl;
        } else if (wort == "fs") {
            inhalt.groesse = zahl;
        } else if (wort == "b") {
            inhalt.fett = an;
        } else if (wort == "i") {
            inhalt.kursiv = an;
        } else if (wort == "ul") {
            inhalt.unterstrichen = an;
        } else if (wort == "strike") {
            inhalt.durchgestrichen = an;
        }
    }

    const QByteArray &rtf;
    qsizetype i = 0;
    RtfInhalt inhalt;
    QList<Ziel> stapel;
    QString absatz;
    int uc = 1;
    int ueberspringen = 0;
    bool schriftnameFertig = false;
    bool fertig = false;
};

} // namespace

RtfInhalt RtfLesen(const QByteArray &rtf)
{
    return Leser(rtf).Lesen();
}
