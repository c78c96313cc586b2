#include "util/kodierung.h"
#include "testhilfen.h"

#include <QFile>

namespace {

struct KodierFall {
    const char *name;
    QByteArray bytes;
    Kodierung kodierung;
    QStringList zeilen;
};

const QString ae = QStringLiteral("ä");

} // namespace

TEST(Kodierung, ErkenntKodierungUndSchreibtDieselbenBytes)
{
    const QString text = QStringLiteral("4b\vsitzt vorne\r\nDi., 5. März 2024\v\r\n2\r\n<--------------->\r\n");
    const QStringList zeilen = {QStringLiteral("4b\vsitzt vorne"), QStringLiteral("Di., 5. März 2024\v"),
                                QStringLiteral("2"), QStringLiteral("<--------------->")};
    const KodierFall faelle[] = {
        {"utf8 mit Marke", "\xEF\xBB\xBF" + text.toUtf8(), Kodierung::Utf8MitMarke, zeilen},
        {"utf16 le", Utf16Datei(text, true), Kodierung::Utf16LE, zeilen},
        {"utf16 be", Utf16Datei(text, false), Kodierung::Utf16BE, zeilen},
        {"utf8 ohne Marke", text.toUtf8(), Kodierung::Utf8OhneMarke, zeilen},
        {"windows-1252", text.toLatin1(), Kodierung::Windows1252, zeilen},
        {"ascii", "a\r\nb\r\n", Kodierung::Utf8OhneMarke, {"a", "b"}},
    };
    for (const KodierFall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        Kodierung k = Kodierung::Utf8MitMarke;
        const QStringList gelesen = BytesInZeilen(fall.bytes, k);
        EXPECT_EQ(k, fall.kodierung);
        EXPECT_EQ(gelesen, fall.zeilen);
        EXPECT_EQ(ZeilenInBytes(gelesen, k), fall.bytes);
        EXPECT_EQ(k, fall.kodierung);
    }
}

TEST(Kodierung, ZeilenEndenBeiCrLfCrUndLf)
{
    const struct {
        QString text;
        QStringList zeilen;
    } faelle[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"a\n\nb\r\r\n", {"a", "", "b", ""}},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(TextInZeilen(fall.text), fall.zeilen) << fall.text.toStdString();
}

TEST(Kodierung, AnsiDateiMitFremdemZeichenWirdUtf8MitMarke)
{
    Kodierung k = Kodierung::Windows1252;
    EXPECT_EQ(ZeilenInBytes({ae + QStringLiteral("€")}, k), QByteArray("\xE4\x80\r\n"));
    EXPECT_EQ(k, Kodierung::Windows1252);
    const QString polnisch = QStringLiteral("Łukasz");
    EXPECT_EQ(ZeilenInBytes({polnisch}, k), "\xEF\xBB\xBF" + polnisch.toUtf8() + "\r\n");
    EXPECT_EQ(k, Kodierung::Utf8MitMarke);
}

TEST(Kodierung, UngueltigeBytesUndUngeradeLaengen)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList zeilen;
    } faelle[] = {
        // An "ä" another editor wrote as one byte into a UTF-8 file.
        {"Latin-1-Byte in UTF-8 mit Marke", "\xEF\xBB\xBF" "K\xE4se \xC3\xA4\r\n", {QStringLiteral("Käse ä")}},
        {"abgebrochene Folge am Ende", "\xEF\xBB\xBF" "a\xC3", {QStringLiteral("aÃ")}},
        {"Ersatzzeichen bleibt Ersatzzeichen", "\xEF\xBB\xBF" "\xEF\xBF\xBD", {QStringLiteral("\uFFFD")}},
        {"nur die Marke", "\xEF\xBB\xBF", {}},
        {"nur die UTF-16-Marke", "\xFF\xFE", {}},
        {"UTF-16 ungerade", Utf16Datei(QStringLiteral("ab\r\n"), true) + "x", {QStringLiteral("ab")}},
        {"UTF-16 nur Marke und ein Byte", "\xFE\xFF" "x", {}},
        // A second mark is text: it stays, and is written back.
        {"zweite UTF-8-Marke", "\xEF\xBB\xBF\xEF\xBB\xBF" "4b\r\n", {QStringLiteral("\uFEFF4b")}},
        {"zweite Marke bei ungültigem Byte", "\xEF\xBB\xBF\xEF\xBB\xBF" "K\xE4se\r\n", {QStringLiteral("\uFEFFKäse")}},
        {"zweite UTF-16-Marke", Utf16Datei(QStringLiteral("\uFEFFab"), true), {QStringLiteral("\uFEFFab")}},
    };
    for (const auto &fall : faelle) {
        Kodierung k = Kodierung::Windows1252;
        EXPECT_EQ(BytesInZeilen(fall.bytes, k), fall.zeilen) << fall.name;
    }
    // The next save repairs the byte.
    Kodierung k = Kodierung::Windows1252;
    const QStringList zeilen = BytesInZeilen("\xEF\xBB\xBF" "K\xE4se\r\n", k);
    EXPECT_EQ(ZeilenInBytes(zeilen, k), QByteArray("\xEF\xBB\xBF" "K\xC3\xA4se\r\n"));
}
