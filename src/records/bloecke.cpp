#include "bloecke.h"

#include "util/texte.h"

#include <algorithm>

namespace {

// Where the separator text starts in a line from `ab` on, or -1. Looking
// for its first character first is much faster than a general substring
// search on the many short lines of a file.
qsizetype TrennerSuchen(QStringView zeile, qsizetype ab)
{
    const qsizetype laenge = Blocktrenner.size();
    while (ab + laenge <= zeile.size()) {
        ab = zeile.indexOf(u'<', ab);
        if (ab < 0 || ab + laenge > zeile.size())
            return -1;
        if (zeile.sliced(ab, laenge) == Blocktrenner)
            return ab;
        ++ab;
    }
    return -1;
}

} // namespace

bool IstTrenner(QStringView zeile)
{
    return TrennerSuchen(zeile, 0) >= 0;
}

Felder FelderTeilen(const QString &zeile)
{
    const qsizetype stelle = zeile.indexOf(Feldtrenner);
    if (stelle < 0)
        return {zeile, QString()};
    return {zeile.left(stelle), zeile.mid(stelle + 1)};
}

QString FelderVerbinden(const QString &erstes, const QString &zweites)
{
    return erstes + Feldtrenner + zweites;
}

int TrennerZeilen(const QStringList &zeilen, qsizetype ab)
{
    return int(std::count_if(zeilen.cbegin() + qMin(ab, zeilen.size()), zeilen.cend(),
                             [](const QString &zeile) { return IstTrenner(zeile); }));
}

int TageZaehlen(const QStringList &zeilen)
{
    // Each line after the header that holds the separator closes one day,
    // however often it holds it: so every day counted can be shown and
    // saved. For the files the program writes this is the number of times
    // the separator occurs.
    return TrennerZeilen(zeilen, 1);
}

int HausaufgabeLesen(QStringView zeile)
{
    if (zeile.isEmpty())
        return -1;
    for (QChar c : zeile) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    // The one digit the program writes, without the general conversion.
    if (zeile.size() == 1)
        return zeile.front().unicode() - u'0';
    bool ok = false;
    const int wert = zeile.toInt(&ok);
    return ok ? wert : 2; // digits beyond int range are still "more than 2"
}

void ZeilenVorbereiten(QStringList &zeilen)
{
    if (zeilen.isEmpty() || IstTrenner(zeilen.first()))
        zeilen.prepend(QString());
    // Any separator will do; the day count is not needed here.
    if (std::none_of(zeilen.cbegin() + 1, zeilen.cend(), [](const QString &zeile) { return IstTrenner(zeile); }))
        zeilen.append(Blocktrenner);
}

Tag TagLesen(const QStringList &zeilen, int nummer)
{
    Tag tag;
    if (nummer <= 0)
        return tag;
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Tag() < nummer)
            continue;
        if (z.Tag() > nummer || z.Schliesst())
            break;
        if (z.ZeileImTag() == 1) {
            const Felder felder = FelderTeilen(z.Zeile());
            tag.datum = felder.erstes;
            tag.anmerkung = felder.zweites;
        } else if (z.ZeileImTag() == 2) {
            const int status = HausaufgabeLesen(z.Zeile());
            tag.hausaufgabe = status < 0 ? 0 : qMin(status, 2);
        } else {
            tag.infos << z.Zeile();
        }
    }
    return tag;
}

QStringList TagBlock(const Tag &tag)
{
    QStringList block;
    block.reserve(tag.infos.size() + 3);
    block << FelderVerbinden(tag.datum, tag.anmerkung) << QString::number(tag.hausaufgabe);
    block << tag.infos;
    block << Blocktrenner;
    return block;
}

QStringList TagErsetzen(const QStringList &zeilen, const QString &kopfzeile, int nummer,
                        const QStringList &block)
{
    QStringList neu;
    neu.reserve(zeilen.size() + block.size());
    neu << kopfzeile;
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Tag() > nummer) {
            // The days after it stay as they are: no need to look at them.
            neu += zeilen.sliced(z.Index());
            break;
        }
        if (z.Tag() < nummer)
            neu << z.Zeile();
        else if (z.ZeileImTag() == 1)
            neu << block;
    }
    return neu;
}

QStringList TagEntfernen(const QStringList &zeilen, int nummer)
{
    QStringList neu;
    neu.reserve(zeilen.size());
    if (!zeilen.isEmpty())
        neu << zeilen.first();
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Tag() != nummer)
            neu << z.Zeile();
    }
    return neu;
}

int DatumSuchen(const QStringList &zeilen, int abNummer, const QString &suchtext)
{
    for (BlockLeser z(zeilen); z.Weiter();) {
        if (z.Tag() > abNummer && z.ZeileImTag() == 1 && Gross(FelderTeilen(z.Zeile()).erstes).contains(suchtext))
            return z.Tag();
    }
    return 0;
}

QString Klassenname(const QString &klasse)
{
    return Gekuerzt(Trimmen(klasse), Klassengrenze);
}

QString KlasseAusKopf(const QString &kopfzeile)
{
    return Klassenname(FelderTeilen(kopfzeile).erstes);
}
