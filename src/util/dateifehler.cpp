#include "dateifehler.h"

#include "ordner.h"

#include <QLocale>

#include <cerrno>
#include <cstring>

QString LeseFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(Nativ(pfad), grund);
}

QString SchreibFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Nativ(pfad), grund);
}

QString UnbestaetigtText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Der Datenträger hat nicht bestätigt, dass die Datei \"%1\" dauerhaft gespeichert ist. "
                          "%2\r\nBitte prüfen Sie den Datenträger und sichern Sie Ihre Daten.")
        .arg(Nativ(pfad), grund);
}

QString SystemFehlerText(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist nicht genügend Platz frei.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Der Speicherplatz, der Ihnen zusteht, ist aufgebraucht.");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("Der Zugriff wurde verweigert (keine Berechtigung).");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
    case EEXIST:
        return QStringLiteral("Die Datei existiert bereits.");
    case EISDIR:
        return QStringLiteral("Unter diesem Namen gibt es einen Ordner.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("Die Datei wird gerade von einem anderen Programm verwendet.");
#ifdef ELOOP
    case ELOOP:
        return QStringLiteral("Der Pfad enthält zu viele Verknüpfungen.");
#endif
    case EINVAL:
        return QStringLiteral("Der Name ist ungültig.");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Das Gerät ist nicht bereit.");
    case ENOMEM:
        return QStringLiteral("Es ist nicht genügend Arbeitsspeicher frei.");
    default:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(fehlernummer));
}

QString KeineDateiText()
{
    return QStringLiteral("Unter diesem Namen liegt keine gewöhnliche Datei.");
}

QString ZuGrossText(qint64 groesse, qint64 grenze)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("Sie ist mit %1 zu groß; Merkwerk liest Teilnehmerdateien bis %2.")
        .arg(deutsch.formattedDataSize(groesse, 1, QLocale::DataSizeTraditionalFormat),
             deutsch.formattedDataSize(grenze, 0, QLocale::DataSizeTraditionalFormat));
}
