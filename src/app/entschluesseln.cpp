#include "entschluesseln.h"
#include "konsole.h"

#include "records/sicherungsarchiv.h"
#include "util/ordner.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

#ifndef Q_OS_WIN
#include <cerrno>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

int Falsch(const QString &text, int code)
{
    FehlerZeile(text);
    return code;
}

// Why a backup could not be read.
int Unlesbar(const QString &datei, const ArchivErgebnis &ergebnis)
{
    if (ergebnis.art == ArchivErgebnis::Beschaedigt)
        return Falsch(KennwortFalschText(), 1);
    return Falsch(QStringLiteral("Die Sicherung \"%1\" kann nicht gelesen werden.\n%2").arg(Nativ(datei), ergebnis.grund), 1);
}

// The files of the backup that the folder holds already.
QStringList Vorhandene(const QList<DateiGroesse> &eintraege, const QString &ordner)
{
    QStringList vorhanden;
    for (const DateiGroesse &eintrag : eintraege) {
        const QFileInfo datei(ordner + eintrag.name);
        if (datei.exists() || datei.isSymLink())
            vorhanden << eintrag.name;
    }
    return vorhanden;
}

#ifndef Q_OS_WIN
// The terminal shows nothing while it is on, and is given back as it was.
class OhneEcho
{
public:
    OhneEcho() : aktiv(::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &vorher) == 0)
    {
        if (!aktiv)
            return;
        std::fputs("Kennwort: ", stderr);
        std::fflush(stderr);
        termios still = vorher;
        still.c_lflag &= tcflag_t(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &still);
    }
    ~OhneEcho()
    {
        if (!aktiv)
            return;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &vorher);
        std::fputc('\n', stderr);
    }
    OhneEcho(const OhneEcho &) = delete;
    OhneEcho &operator=(const OhneEcho &) = delete;

private:
    termios vorher{};
    bool aktiv;
};
#endif

} // namespace

Geheimnis KennwortLesen()
{
    constexpr std::size_t Hoechstens = 4096;
    Geheimnis kennwort(Hoechstens);
    if (kennwort.Leer())
        return {};
    std::size_t laenge = 0;
#ifndef Q_OS_WIN
    const OhneEcho still;
    // Byte by byte, straight into guarded memory: no buffer of the C
    // library keeps a copy.
    while (laenge < Hoechstens) {
        char zeichen = 0;
        const ssize_t n = ::read(STDIN_FILENO, &zeichen, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n != 1 || zeichen == '\n')
            break;
        kennwort.Daten()[laenge++] = static_cast<unsigned char>(zeichen);
    }
#else
    for (int zeichen; laenge < Hoechstens && (zeichen = std::getchar()) != EOF && zeichen != '\n';)
        kennwort.Daten()[laenge++] = static_cast<unsigned char>(zeichen);
#endif
    if (laenge > 0 && kennwort.Daten()[laenge - 1] == '\r')
        --laenge;
    kennwort.Kuerzen(laenge);
    return kennwort;
}

int Entschluesseln(const QString &datei, const QString &ordnerAngabe, bool ersetzen)
{
    if (ordnerAngabe.isEmpty())
        return Falsch(QStringLiteral("Bitte geben Sie mit --ordner den Ordner an, in den die Dateien kommen."), 2);
    if (!QFileInfo(datei).isFile())
        return Falsch(QStringLiteral("Die Datei \"%1\" gibt es nicht.").arg(Nativ(datei)), 2);
    const QString ordner = QDir(ordnerAngabe).absolutePath() + QLatin1Char('/');
    if (!QDir().mkpath(ordner))
        return Falsch(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(Nativ(ordner)), 2);

    Sicherungskopf kopf;
    if (const ArchivErgebnis ergebnis = SicherungsKopfLesen(datei, kopf); !ergebnis.Erfolg())
        return Unlesbar(datei, ergebnis);
    Geheimnis schluessel;
    {
        const Geheimnis kennwort = KennwortLesen();
        schluessel = SchluesselAbleiten(kennwort, kopf);
    }
    if (schluessel.Leer())
        return Falsch(QStringLiteral("Für die Entschlüsselung fehlt der Arbeitsspeicher."), 1);

    QList<DateiGroesse> eintraege;
    ArchivErgebnis ergebnis = ArchivPruefen(datei, kopf, schluessel, eintraege);
    if (!ergebnis.Erfolg())
        return Unlesbar(datei, ergebnis);
    if (const QStringList vorhanden = Vorhandene(eintraege, ordner); !ersetzen && !vorhanden.isEmpty())
        return Falsch(QStringLiteral("Im Ordner \"%1\" gibt es schon: %2\nNichts wurde geschrieben; mit --ersetzen "
                                     "werden diese Dateien ersetzt.")
                          .arg(Nativ(ordner), vorhanden.join(QLatin1String(", "))),
                      1);
    const auto ziel = [&ordner](const QString &name) { return ordner + name; };
    ergebnis = ArchivAuspacken(datei, kopf, schluessel, ziel, ersetzen,
                               [](const QString &name) { AusgabeZeile(QStringLiteral("Entschlüsselt: %1").arg(name)); }, {});
    if (ergebnis.Erfolg())
        ergebnis = ArchivVergleichen(datei, kopf, schluessel, ziel, nullptr, true, {}, {});
    if (!ergebnis.Erfolg())
        return Falsch(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                          .arg(Nativ(ordner + ergebnis.datei), ergebnis.grund),
                      1);
    AusgabeZeile((eintraege.size() == 1 ? QStringLiteral("1 Datei") : QStringLiteral("%1 Dateien").arg(eintraege.size()))
             + QStringLiteral(" nach \"%1\" geschrieben und verglichen.").arg(Nativ(ordner)));
    return 0;
}
