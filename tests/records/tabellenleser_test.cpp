// The table reader: separators found from the text, quoted fields as
// spreadsheets write them, empty rows left out, the encodings of
// participant files.

#include "testhilfen.h"

#include "records/tabellenleser.h"

namespace {

struct Fall {
    const char *name;
    QString text;
    QList<QStringList> zeilen;
    QList<int> zeilennummern;
};

} // namespace

TEST(Tabellenleser, Faelle)
{
    const QList<Fall> faelle = {
        {"semikolon", "Müller;Hans;7c\r\nMeier;Anna;7c\r\n", {{"Müller", "Hans", "7c"}, {"Meier", "Anna", "7c"}}, {1, 2}},
        {"komma ohne letztes zeilenende", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"tabulator", "Hans\tMüller\n", {{"Hans", "Müller"}}, {1}},
        {"nur CR", "a;b\rc;d\r", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"verdoppelte anfuehrung", "\"sagt \"\"hallo\"\"\";x", {{"sagt \"hallo\"", "x"}}, {1}},
        {"trenner und zeilenumbruch in anfuehrung", "\"Allergie; Nüsse\r\nbitte\";7c\r\nB;8a\r\n",
         {{"Allergie; Nüsse\nbitte", "7c"}, {"B", "8a"}}, {1, 3}},
        {"leere zeilen und nur trenner", "\r\n;;\r\na;b\r\n  ;\t; \r\n\r\nc;d\r\n", {{"a", "b"}, {"c", "d"}}, {3, 6}},
        {"leere felder bleiben", "a;;c;\r\n", {{"a", "", "c", ""}}, {1}},
        {"nach der anfuehrung weiter bis zum trenner", "\"ab\"cd;e", {{"abcd", "e"}}, {1}},
        {"anfuehrung mitten im feld zaehlt als zeichen", "O\"Neil;x", {{"O\"Neil", "x"}}, {1}},
        {"offene anfuehrung bis zum ende", "a;\"b\nc", {{"a", "b\nc"}}, {1}},
        {"leer", "", {}, {}},
    };
    for (const Fall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Tabelle tabelle = TabelleAusText(fall.text);
        EXPECT_EQ(tabelle.zeilen, fall.zeilen);
        EXPECT_EQ(tabelle.zeilennummern, fall.zeilennummern);
    }
}

TEST(Tabellenleser, TrennzeichenAusDemText)
{
    struct Probe {
        const char *text;
        char16_t trenner;
    };
    for (const Probe &probe : {
             Probe{"Nachname;Vorname;Klasse\r\nMüller-Lüdenscheidt, Hans;Jürgen;7c\r\n", u';'},
             Probe{"a,b,c\nd,e,f\n", u','},
             Probe{"Hans\tMüller, Dr.\t7c\n", u'\t'},
             // Commas inside quotes do not count.
             Probe{"\"a,b,c\";d\n\"e,f\";g\n", u';'},
             Probe{"nur ein Name\n", u';'},
         }) {
        SCOPED_TRACE(probe.text);
        EXPECT_EQ(TrennzeichenErkennen(QString::fromUtf8(probe.text)), QChar(probe.trenner));
    }
    EXPECT_EQ(TrennzeichenName(u'\t'), "Tabulator");
    EXPECT_EQ(TrennzeichenName(u','), "Komma");
    EXPECT_EQ(TrennzeichenName(u';'), "Semikolon");
}

TEST(Tabellenleser, KodierungWieTeilnehmerdateien)
{
    struct Probe {
        const char *name;
        QByteArray bytes;
        Kodierung kodierung;
    };
    const QString text = "Weiß;Jörg\r\n";
    for (const Probe &probe : {
             Probe{"windows-1252", "Wei\xDF;J\xF6rg\r\n", Kodierung::Windows1252},
             Probe{"utf-8 ohne marke", text.toUtf8(), Kodierung::Utf8OhneMarke},
             Probe{"utf-8 mit marke", "\xEF\xBB\xBF" + text.toUtf8(), Kodierung::Utf8MitMarke},
             Probe{"utf-16le", Utf16Datei(text, true), Kodierung::Utf16LE},
             Probe{"utf-16be", Utf16Datei(text, false), Kodierung::Utf16BE},
         }) {
        SCOPED_TRACE(probe.name);
        const Tabelle tabelle = TabelleLesen(probe.bytes);
        EXPECT_EQ(tabelle.zeilen, QList<QStringList>({{"Weiß", "Jörg"}}));
        EXPECT_EQ(int(tabelle.kodierung), int(probe.kodierung));
    }
}
