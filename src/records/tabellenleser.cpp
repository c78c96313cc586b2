#include "tabellenleser.h"

#include "util/texte.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<char16_t, 3> Kandidaten = {u'\t', u';', u','};
// Enough lines to tell the separator, however long the list is.
constexpr int Probezeilen = 50;

bool OhneInhalt(const QStringList &zeile)
{
    return std::all_of(zeile.cbegin(), zeile.cend(), [](const QString &feld) { return Trimmen(feld).isEmpty(); });
}

// Collects fields and rows while the text is walked once.
class Zerleger
{
public:
    explicit Zerleger(Tabelle &tabelle) : tabelle(tabelle) {}

    void Zeichen(QChar zeichen) { feld.append(zeichen); }
    void FeldEnde()
    {
        zeile.append(feld);
        feld.clear();
    }
    void ZeileEnde(int naechsteZeile)
    {
        FeldEnde();
        if (!OhneInhalt(zeile)) {
            tabelle.zeilen.append(zeile);
            tabelle.zeilennummern.append(beginn);
        }
        zeile.clear();
        beginn = naechsteZeile;
    }
    bool Leer() const { return feld.isEmpty() && zeile.isEmpty(); }

private:
    Tabelle &tabelle;
    QString feld;
    QStringList zeile;
    int beginn = 1;
};

} // namespace

QChar TrennzeichenErkennen(QStringView text)
{
    std::array<int, Kandidaten.size()> zeilenMit{}, anzahl{}, inDieserZeile{};
    bool inAnfuehrung = false;
    int zeilen = 0;
    auto zeileZaehlen = [&] {
        bool inhalt = false;
        for (size_t k = 0; k < Kandidaten.size(); ++k) {
            zeilenMit[k] += inDieserZeile[k] > 0 ? 1 : 0;
            anzahl[k] += inDieserZeile[k];
            inhalt = inhalt || inDieserZeile[k] > 0;
            inDieserZeile[k] = 0;
        }
        zeilen += inhalt ? 1 : 0;
    };
    for (qsizetype i = 0; i < text.size() && zeilen < Probezeilen; ++i) {
        const QChar zeichen = text[i];
        if (zeichen == u'"') {
            inAnfuehrung = !inAnfuehrung; // a doubled quote turns it twice
        } else if (!inAnfuehrung && (zeichen == u'\n' || zeichen == u'\r')) {
            zeileZaehlen();
        } else if (!inAnfuehrung) {
            for (size_t k = 0; k < Kandidaten.size(); ++k)
                inDieserZeile[k] += zeichen == Kandidaten[k] ? 1 : 0;
        }
    }
    zeileZaehlen();
    size_t beste = 1; // the semicolon, where nothing is found
    for (size_t k = 0; k < Kandidaten.size(); ++k) {
        const bool mehrZeilen = zeilenMit[k] > zeilenMit[beste];
        const bool gleichVieleOefter = zeilenMit[k] == zeilenMit[beste] && anzahl[k] > anzahl[beste];
        if (mehrZeilen || gleichVieleOefter)
            beste = k;
    }
    return QChar(Kandidaten[beste]);
}

Tabelle TabelleZerlegen(QStringView text, QChar trenner)
{
    Tabelle tabelle;
    tabelle.trenner = trenner;
    Zerleger zerleger(tabelle);
    int zeile = 1;
    bool feldAnfang = true;
    bool inAnfuehrung = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar zeichen = text[i];
        const bool zeilenende = zeichen == u'\r' || zeichen == u'\n';
        if (zeilenende && zeichen == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i; // CR LF is one line end
        if (zeilenende)
            ++zeile;
        if (inAnfuehrung) {
            if (zeilenende)
                zerleger.Zeichen(u'\n');
            else if (zeichen != u'"')
                zerleger.Zeichen(zeichen);
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                zerleger.Zeichen(text[++i]);
            else
                inAnfuehrung = false; // what follows up to the separator still belongs to the field
            continue;
        }
        if (feldAnfang && zeichen == u'"') {
            inAnfuehrung = true;
            feldAnfang = false;
        } else if (zeilenende) {
            zerleger.ZeileEnde(zeile);
            feldAnfang = true;
        } else if (zeichen == trenner) {
            zerleger.FeldEnde();
            feldAnfang = true;
        } else {
            zerleger.Zeichen(zeichen);
            feldAnfang = false;
        }
    }
    if (!zerleger.Leer() || inAnfuehrung)
        zerleger.ZeileEnde(zeile);
    return tabelle;
}

Tabelle TabelleAusText(const QString &text)
{
    return TabelleZerlegen(text, TrennzeichenErkennen(text));
}

Tabelle TabelleLesen(const QByteArray &bytes)
{
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
    const qsizetype marke = KodierungErkennen(bytes, kodierung);
    Tabelle tabelle = TabelleAusText(AlsText(QByteArrayView(bytes).sliced(marke), kodierung));
    tabelle.kodierung = kodierung;
    return tabelle;
}

QString TrennzeichenName(QChar trenner)
{
    if (trenner == u'\t')
        return QStringLiteral("Tabulator");
    return trenner == u',' ? QStringLiteral("Komma") : QStringLiteral("Semikolon");
}
