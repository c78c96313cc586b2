#include "datumlesen.h"

#include "util/datumsnamen.h"

namespace {

struct Name {
    QStringView text;
    int wert;
};

// German names in every spelling a teacher in Austria or Germany writes,
// long and short; a short one may carry a final ".".
constexpr Name Monate[] = {
    {u"jänner", 1},    {u"januar", 1},   {u"jän", 1},      {u"jan", 1},      {u"februar", 2},
    {u"feber", 2},     {u"feb", 2},      {u"märz", 3},     {u"maerz", 3},    {u"mär", 3},
    {u"mrz", 3},       {u"april", 4},    {u"apr", 4},      {u"mai", 5},      {u"juni", 6},
    {u"jun", 6},       {u"juli", 7},     {u"jul", 7},      {u"august", 8},   {u"aug", 8},
    {u"september", 9}, {u"sept", 9},     {u"sep", 9},      {u"oktober", 10}, {u"okt", 10},
    {u"november", 11}, {u"nov", 11},     {u"dezember", 12}, {u"dez", 12},
};

constexpr QStringView Wochentage[] = {u"mo",       u"di",       u"mi",         u"do",      u"fr",
                                      u"sa",       u"so",       u"montag",     u"dienstag", u"mittwoch",
                                      u"donnerstag", u"freitag", u"samstag", u"sonnabend", u"sonntag"};

constexpr const char16_t *Monatsnamen[] = {u"Jänner", u"Februar", u"März",     u"April",   u"Mai",      u"Juni",
                                           u"Juli",   u"August",  u"September", u"Oktober", u"November", u"Dezember"};

bool Gleich(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// A locale's name without the final "." some locales give short names.
bool GleichOhnePunkt(QStringView wort, QStringView name)
{
    if (name.endsWith(u'.'))
        name.chop(1);
    return !name.isEmpty() && Gleich(wort, name);
}

int MonatAusName(QStringView wort)
{
    for (const Name &name : Monate) {
        if (Gleich(wort, name.text))
            return name.wert;
    }
    // The names the program itself writes in a locale other than German.
    const Datumsnamen &programm = ProgrammDatumsnamen();
    for (int monat = 0; monat < 12; ++monat) {
        if (GleichOhnePunkt(wort, programm.langeMonate.value(monat))
            || GleichOhnePunkt(wort, programm.kurzeMonate.value(monat)))
            return monat + 1;
    }
    return 0;
}

bool IstWochentag(QStringView wort)
{
    for (QStringView name : Wochentage) {
        if (Gleich(wort, name))
            return true;
    }
    for (const QString &name : ProgrammDatumsnamen().kurzeTage) {
        if (GleichOhnePunkt(wort, name))
            return true;
    }
    return false;
}

// Walks a text from left to right; every read moves on only when it matches.
class Leser
{
public:
    explicit Leser(QStringView text) : t(text) {}

    bool Ende() const { return i >= t.size(); }
    bool BeiBuchstabe() const { return !Ende() && t[i].isLetter(); }

    void LeerUeberspringen()
    {
        while (!Ende() && (t[i].unicode() <= 32 || t[i].isSpace()))
            ++i;
    }

    bool Zeichen(char16_t c)
    {
        if (Ende() || t[i] != c)
            return false;
        ++i;
        return true;
    }

    QStringView Wort()
    {
        const qsizetype anfang = i;
        while (BeiBuchstabe())
            ++i;
        return t.sliced(anfang, i - anfang);
    }

    // Up to `hoechstens` ASCII digits; -1 when there is none. A further
    // digit right after them makes the number too long: -1 as well.
    int Zahl(int hoechstens, int &stellen)
    {
        int wert = 0;
        stellen = 0;
        while (!Ende() && t[i] >= u'0' && t[i] <= u'9') {
            if (++stellen > hoechstens)
                return -1;
            wert = wert * 10 + (t[i].unicode() - u'0');
            ++i;
        }
        return stellen > 0 ? wert : -1;
    }

private:
    QStringView t;
    qsizetype i = 0;
};

QDate Datum(int jahr, int monat, int tag)
{
    return QDate::isValid(jahr, monat, tag) ? QDate(jahr, monat, tag) : QDate();
}

// "2024-03-05", after its year has been read.
QDate IsoRest(Leser &l, int jahr)
{
    int stellen = 0;
    if (!l.Zeichen(u'-'))
        return {};
    const int monat = l.Zahl(2, stellen);
    if (monat < 0 || !l.Zeichen(u'-'))
        return {};
    const int tag = l.Zahl(2, stellen);
    l.LeerUeberspringen();
    return tag < 0 || !l.Ende() ? QDate() : Datum(jahr, monat, tag);
}

// The month as a number with its dot ("3.") or as a name ("März", "Jan."); 0 if neither.
int MonatLesen(Leser &l)
{
    int monat = 0;
    if (l.BeiBuchstabe()) {
        monat = MonatAusName(l.Wort());
        l.Zeichen(u'.');
    } else {
        int stellen = 0;
        monat = l.Zahl(2, stellen);
        if (!l.Zeichen(u'.'))
            return 0;
    }
    return qMax(monat, 0);
}

} // namespace

QDate DatumLesen(QStringView text)
{
    Leser l(text);
    l.LeerUeberspringen();
    if (l.BeiBuchstabe()) {
        if (!IstWochentag(l.Wort()))
            return {};
        l.Zeichen(u'.');
        l.LeerUeberspringen();
        l.Zeichen(u',');
        l.LeerUeberspringen();
    }
    int stellen = 0;
    const int tag = l.Zahl(4, stellen);
    if (tag < 0)
        return {};
    if (stellen == 4)
        return IsoRest(l, tag);
    if (stellen > 2 || !l.Zeichen(u'.'))
        return {};
    l.LeerUeberspringen();
    const int monat = MonatLesen(l);
    if (monat == 0)
        return {};
    l.LeerUeberspringen();
    int jahr = l.Zahl(4, stellen);
    if (jahr < 0 || (stellen != 2 && stellen != 4))
        return {};
    if (stellen == 2)
        jahr += jahr < 70 ? 2000 : 1900; // "05.03.24" is 2024, "12.9.98" 1998
    l.LeerUeberspringen();
    return l.Ende() ? Datum(jahr, monat, tag) : QDate();
}

QString MonatsName(int monat)
{
    return monat >= 1 && monat <= 12 ? QString::fromUtf16(Monatsnamen[monat - 1]) : QString();
}
