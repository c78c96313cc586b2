// Moving a class on: only the class in the header line changes, byte for
// byte in every encoding; a file that fails leaves the others done.

#include "records/bloecke.h"
#include "records/klassenwechsel.h"
#include "testhilfen.h"
#include "util/dateisync.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <sys/stat.h>

namespace {

const QString T = Blocktrenner;

QByteArray Windows1252(const QString &text)
{
    QStringEncoder kodierer("windows-1252");
    return kodierer(text);
}

QByteArray Utf16(const QString &text, bool le)
{
    return Utf16Datei(text, le);
}

} // namespace

class Klassenwechsel : public Umgebung
{
protected:
    QString Datei(const QString &name) const { return Ordner() + name + QStringLiteral(".dat"); }

    KlassenwechselErgebnis Wechseln(const QString &alte, const QString &neue,
                                    const std::function<void(const QString &)> &nachDemLesen = {})
    {
        const Klassenmitglieder mitglieder = KlassenTeilnehmer(Ordner(), alte);
        EXPECT_TRUE(mitglieder.fehler.isEmpty()) << mitglieder.fehler.join("\n").toStdString();
        return KlasseWechseln(Ordner(), mitglieder.teilnehmer, alte, neue, {}, nachDemLesen);
    }
};

TEST(KlasseErsetzen, NurDasErsteFeldDerKopfzeile)
{
    const struct {
        QStringList vorher;
        QStringList nachher;
        bool geaendert;
    } faelle[] = {
        {{"7c\vsitzt vorne", "Mo.\v", "0", T}, {"8c\vsitzt vorne", "Mo.\v", "0", T}, true},
        // The comment stays as it stands, further separators and blanks too.
        {{" 7C \v liest \vgern ", T}, {"8c\v liest \vgern ", T}, true},
        // A header without separator gets none.
        {{"7c"}, {"8c"}, true},
        {{"8c\vx", T}, {"8c\vx", T}, false},
        {{}, {}, false},
    };
    for (const auto &fall : faelle) {
        QStringList zeilen = fall.vorher;
        EXPECT_EQ(KlasseErsetzen(zeilen, "8c"), fall.geaendert) << fall.vorher.join('|').toStdString();
        EXPECT_EQ(zeilen, fall.nachher);
    }
}

TEST_F(Klassenwechsel, NurDieKlasseAendertSichByteFuerByte)
{
    const QString tage = "\r\nDi., 5. März 2024\vReferat über Käfer\r\n2\r\nVokabeln S. 12\r\n" + T + "\r\n";
    const struct {
        const char *name;
        QByteArray vorher;
        QByteArray nachher; // empty: the file stays as it is
    } faelle[] = {
        {"Utf8Marke", "\xEF\xBB\xBF" + ("7c\vsitzt vorne" + tage).toUtf8(),
         "\xEF\xBB\xBF" + ("8c\vsitzt vorne" + tage).toUtf8()},
        {"Utf8OhneMarke", ("7c\vÄrger mit Jörg" + tage).toUtf8(), ("8c\vÄrger mit Jörg" + tage).toUtf8()},
        {"Utf16LE", Utf16("7c\vmag Mathe" + tage, true), Utf16("8c\vmag Mathe" + tage, true)},
        {"Utf16BE", Utf16("7C\vmag Mathe" + tage, false), Utf16("8c\vmag Mathe" + tage, false)},
        {"Windows1252", Windows1252(" 7c \vMüller, Bänke" + tage), Windows1252("8c\vMüller, Bänke" + tage)},
        {"OhneTrenner", "7c\r\n", "8c\r\n"},
        // No separator anywhere: none is added (the document would, on opening).
        {"NurKopf", "7c\vnur Kopf\r\n", "8c\vnur Kopf\r\n"},
        {"OhneKlasse", ("\vnur Kommentar" + tage).toUtf8(), {}},
        {"Leer", "", {}},
        {"AndereKlasse", ("7d\v" + tage).toUtf8(), {}},
        {"AehnlicheKlasse", ("7c1\v" + tage).toUtf8(), {}},
    };
    for (const auto &fall : faelle)
        Schreiben(Datei(fall.name), fall.vorher);
    const KlassenwechselErgebnis ergebnis = Wechseln("7c", "8c");
    EXPECT_EQ(ergebnis.geaendert, QStringList({"NurKopf", "OhneTrenner", "Utf16BE", "Utf16LE", "Utf8Marke",
                                               "Utf8OhneMarke", "Windows1252"}));
    EXPECT_TRUE(ergebnis.fehler.isEmpty()) << ergebnis.fehler.join("\n").toStdString();
    EXPECT_TRUE(ergebnis.unbestaetigt.isEmpty());
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.name);
        const bool aendern = !fall.nachher.isNull();
        EXPECT_EQ(Lesen(Datei(fall.name)), aendern ? fall.nachher : fall.vorher);
        // The backup copy holds the file as it was; untouched files get none.
        EXPECT_EQ(QFile::exists(Datei(fall.name) + ".bak"), aendern);
        if (aendern) {
            EXPECT_EQ(Lesen(Datei(fall.name) + ".bak"), fall.vorher);
        }
    }
    // Again: nothing is left in the old class, nothing is written.
    EXPECT_TRUE(KlassenTeilnehmer(Ordner(), "7c").teilnehmer.isEmpty());
}

TEST_F(Klassenwechsel, KlassenTeilnehmerWieDieListe)
{
    Schreiben(Datei("delta"), Utf8Datei({"5a\v", T}));
    Schreiben(Datei("Epsilon"), Utf8Datei({" 5A \vlacht", T}));
    Schreiben(Datei("Zeta"), Utf8Datei({"6b\v", T}));
    Schreiben(Datei("Leer"), "");
    Schreiben(Ordner() + "Beta.DAT", Utf8Datei({"5a", T})); // from a Windows stick
    const Klassenmitglieder mitglieder = KlassenTeilnehmer(Ordner(), " 5a");
    QStringList namen, dateien;
    for (const TeilnehmerEintrag &eintrag : mitglieder.teilnehmer) {
        namen << eintrag.name;
        dateien << eintrag.datei;
    }
    EXPECT_EQ(namen, QStringList({"Beta", "delta", "Epsilon"}));
    EXPECT_EQ(dateien, QStringList({"Beta.DAT", "delta.dat", "Epsilon.dat"}));
}

TEST_F(Klassenwechsel, FehlschlagLaesstDieAnderenFertigUndEinZweiterLaufDenRest)
{
    // Anna is read-only (made writable as opening her would), Bernd's write
    // fails on the drive, Cäsar is changed by another program between
    // reading and writing, Dora goes through.
    for (const QString &name : QStringList{"Anna", "Bernd", "Cäsar", "Dora"})
        Schreiben(Datei(name), Utf8Datei({"7c\v" + name, "Mo.\v", "0", T}));
    QFile::setPermissions(Datei("Anna"), QFileDevice::ReadOwner);
    // Known by its size: the temporary file is open for writing only.
    const qint64 bernd = Utf8Datei({"8c\vBernd", "Mo.\v", "0", T}).size();
    AufDatentraegerFestlegen([bernd](int handle) {
        struct stat info {};
        return ::fstat(handle, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == bernd ? ENOSPC : 0;
    });
    const QByteArray fremd = Utf8Datei({"7c\vCäsar, von anderswo geändert", "Mo.\v", "0", T});
    const KlassenwechselErgebnis ergebnis = Wechseln("7c", "8c", [&](const QString &pfad) {
        if (pfad == Datei("Cäsar"))
            Schreiben(pfad, fremd);
    });
    AufDatentraegerFestlegen({});
    EXPECT_EQ(ergebnis.geaendert, QStringList({"Anna", "Dora"}));
    ASSERT_EQ(ergebnis.fehler.size(), 2);
    EXPECT_EQ(ergebnis.fehler[0], QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Auf dem Datenträger ist "
                                                 "nicht genügend Platz frei.")
                                      .arg(Datei("Bernd")));
    EXPECT_EQ(ergebnis.fehler[1], QStringLiteral("Die Datei \"%1\" wurde inzwischen von einem anderen Programm "
                                                 "geändert und blieb daher unverändert.")
                                      .arg(Datei("Cäsar")));
    EXPECT_EQ(Lesen(Datei("Anna")), Utf8Datei({"8c\vAnna", "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Datei("Bernd")), Utf8Datei({"7c\vBernd", "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Datei("Cäsar")), fremd);
    EXPECT_EQ(Lesen(Datei("Dora")), Utf8Datei({"8c\vDora", "Mo.\v", "0", T}));
    EXPECT_EQ(Rechte(Datei("Anna")) & 0200, 0200);

    // Run again: the two left over are done, the others not written again.
    const QByteArray annaBak = Lesen(Datei("Anna") + ".bak");
    const KlassenwechselErgebnis nochmal = Wechseln("7c", "8c");
    EXPECT_EQ(nochmal.geaendert, QStringList({"Bernd", "Cäsar"}));
    EXPECT_TRUE(nochmal.fehler.isEmpty());
    EXPECT_EQ(Lesen(Datei("Cäsar")), Utf8Datei({"8c\vCäsar, von anderswo geändert", "Mo.\v", "0", T}));
    EXPECT_EQ(Lesen(Datei("Anna") + ".bak"), annaBak);
}

TEST_F(Klassenwechsel, UnlesbareDateiUndOrdnerSync)
{
    Schreiben(Datei("Anna"), Utf8Datei({"7c\v", T}));
    // The folder's sync at the end fails: the files are written, the
    // message says that the drive did not confirm them.
    AufDatentraegerFestlegen([](int handle) {
        struct stat info {};
        return ::fstat(handle, &info) == 0 && S_ISDIR(info.st_mode) ? EIO : 0;
    });
    const KlassenwechselErgebnis ergebnis = Wechseln("7c", "8c");
    AufDatentraegerFestlegen({});
    EXPECT_EQ(ergebnis.geaendert, QStringList({"Anna"}));
    EXPECT_TRUE(ergebnis.unbestaetigt.startsWith("Der Datenträger hat nicht bestätigt")) << ergebnis.unbestaetigt.toStdString();
    EXPECT_EQ(Lesen(Datei("Anna")), Utf8Datei({"8c\v", T}));
    // A participant that vanished after it was counted is simply not there.
    const KlassenwechselErgebnis weg =
        KlasseWechseln(Ordner(), QList<TeilnehmerEintrag>{TeilnehmerEintrag{"Weg", "Weg.dat"}}, "8c", "9c");
    ASSERT_EQ(weg.fehler.size(), 1);
    EXPECT_TRUE(weg.fehler[0].startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(Datei("Weg"))));
    EXPECT_TRUE(weg.geaendert.isEmpty());
}
