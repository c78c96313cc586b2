#include "teilnehmername.h"

#include "util/texte.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

// The longest file name the folder's file system takes, in the units it
// counts (bytes of the name as the system writes it).
qsizetype LaengsterName(const QString &ordner)
{
    constexpr qsizetype Ueblich = 255;
#ifdef Q_OS_WIN
    Q_UNUSED(ordner);
    return Ueblich;
#else
    const long grenze = ::pathconf(QFile::encodeName(ordner.isEmpty() ? QStringLiteral(".") : ordner).constData(),
                                   _PC_NAME_MAX);
    return grenze > 0 ? qMin<qsizetype>(grenze, Ueblich) : Ueblich;
#endif
}

qsizetype NamensLaenge(const QString &name)
{
#ifdef Q_OS_WIN
    return name.size();
#else
    return QFile::encodeName(name).size();
#endif
}

} // namespace

QString NamensFehler(const QString &eingabe)
{
    const QString name = Trimmen(eingabe);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Der Name \"%1\" kann nicht als Dateiname verwendet werden!\r\n"
                              "Bitte geben Sie einen anderen Namen ein.")
            .arg(name);
    static const QString verboten = QStringLiteral("\\/:*?\"<>|");
    for (QChar zeichen : name) {
        if (zeichen.unicode() < 32 || zeichen.category() == QChar::Other_Control)
            return QStringLiteral("Der Name \"%1\" enthält ein Steuerzeichen (Code %2), das in "
                                  "Dateinamen nicht erlaubt ist!\r\nBitte geben Sie einen anderen Namen ein.")
                .arg(name)
                .arg(zeichen.unicode());
        if (verboten.contains(zeichen))
            return QStringLiteral("Der Name \"%1\" enthält das Zeichen \"%2\", das in Dateinamen "
                                  "nicht erlaubt ist!\r\nBitte geben Sie einen anderen Namen ein.")
                .arg(name, zeichen);
    }
    return {};
}

QString NeuerNameFehler(const QString &ordner, const QString &eingabe)
{
    if (QString fehler = NamensFehler(eingabe); !fehler.isEmpty())
        return fehler;
    const QString name = Trimmen(eingabe);
    const qsizetype grenze = LaengsterName(ordner) - NamensZusatz;
    if (NamensLaenge(name) <= grenze)
        return {};
    // Umlauts and signs such as "€" take more room than letters: the
    // characters to drop are counted from the end.
    QString kuerzer = name;
    int zuViel = 0;
    while (!kuerzer.isEmpty() && NamensLaenge(kuerzer) > grenze) {
        kuerzer.chop(kuerzer.size() >= 2 && kuerzer.back().isLowSurrogate() ? 2 : 1);
        ++zuViel;
    }
    return QStringLiteral("Der Name \"%1\" ist zu lang für einen Dateinamen!\r\n"
                          "Bitte kürzen Sie ihn um mindestens %2 Zeichen.")
        .arg(name)
        .arg(zuViel);
}
