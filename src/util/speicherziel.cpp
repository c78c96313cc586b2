#include "speicherziel.h"

#include "dateifehler.h"
#include "ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifndef Q_OS_WIN
#include <QFile>
#include <sys/stat.h>
#endif

namespace {

// The folder a path lies in, with links and "." resolved where it exists.
QString EchterOrdner(const QString &ordner)
{
    const QString echt = QFileInfo(ordner).canonicalFilePath();
    return QDir::cleanPath(echt.isEmpty() ? QDir(ordner).absolutePath() : echt);
}

QStringList Teilnehmerordner(const QStringList &weitere)
{
    QStringList ordner;
    for (const QString &basis : {EigeneDokumente(), Programmordner()}) {
        if (!basis.isEmpty())
            ordner << EchterOrdner(basis + QLatin1String("Merkwerk"));
    }
    for (const QString &weiterer : weitere) {
        if (!weiterer.isEmpty())
            ordner << EchterOrdner(weiterer);
    }
    return ordner;
}

// A name the program gives participant files and their copies.
bool TeilnehmerEndung(const QString &name)
{
    static const QRegularExpression endung(QStringLiteral("\\.(dat|bak|konflikt[0-9]*)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return endung.match(name).hasMatch();
}

bool InTeilnehmerordner(const QString &pfad, const QStringList &ordner)
{
    const QFileInfo info(pfad);
    return TeilnehmerEndung(info.fileName()) && ordner.contains(EchterOrdner(info.absolutePath()));
}

// Something of that name exists and is no plain file (a link counts as
// what it leads to).
bool KeineGewoehnlicheDatei(const QString &pfad)
{
#ifdef Q_OS_WIN
    const QFileInfo info(pfad);
    return info.exists() && !info.isFile();
#else
    struct stat art {};
    return ::stat(QFile::encodeName(pfad).constData(), &art) == 0 && !S_ISREG(art.st_mode);
#endif
}

} // namespace

QString SpeicherzielFehler(const QString &pfad, const QStringList &weitere)
{
    const QFileInfo info(QFileInfo(pfad).absoluteFilePath());
    const auto abgelehnt = [&info](const QString &grund) {
        return QStringLiteral("In die Datei \"%1\" wird nicht gespeichert. %2").arg(Nativ(info.filePath()), grund);
    };
    if (KeineGewoehnlicheDatei(info.filePath()))
        return abgelehnt(KeineDateiText() + QStringLiteral(" Bitte wählen Sie einen anderen Namen."));
    const QStringList ordner = Teilnehmerordner(weitere);
    // A link is written where it leads.
    const QString ziel = !info.isSymLink() ? QString() : info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    if (InTeilnehmerordner(info.filePath(), ordner) || (!ziel.isEmpty() && InTeilnehmerordner(ziel, ordner)))
        return abgelehnt(QStringLiteral("Im Ordner der Teilnehmerdateien gehören die Endungen .dat, .bak und "
                                        ".konflikt den Teilnehmern und ihren Sicherheitskopien. Bitte wählen Sie "
                                        "einen anderen Namen oder Ordner."));
    return {};
}
