#include "ordner.h"

#include "dateifehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>

namespace {
QString festeDokumente;
QString festerProgrammordner;

QString MitTrenner(const QString &pfad)
{
    if (pfad.isEmpty() || pfad.endsWith(QLatin1Char('/')))
        return pfad;
    return pfad + QLatin1Char('/');
}
} // namespace

QString EigeneDokumente()
{
    if (!festeDokumente.isEmpty())
        return MitTrenner(festeDokumente);
    return MitTrenner(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString Programmordner()
{
    if (!festerProgrammordner.isEmpty())
        return MitTrenner(festerProgrammordner);
    return MitTrenner(QCoreApplication::applicationDirPath());
}

QString TempOrdner()
{
    return MitTrenner(QDir::tempPath());
}

void EigeneDokumenteFestlegen(const QString &pfad)
{
    festeDokumente = pfad;
}

void ProgrammordnerFestlegen(const QString &pfad)
{
    festerProgrammordner = pfad;
}

bool OrdnerAnlegbar(const QString &pfad)
{
    // The folder itself, or the nearest one above it that exists: what can be
    // made there decides.
    QString ordner = QDir::cleanPath(QDir(pfad).absolutePath());
    while (!QFileInfo::exists(ordner)) {
        const QString oben = QFileInfo(ordner).path();
        if (oben == ordner)
            return false;
        ordner = oben;
    }
    if (!QFileInfo(ordner).isDir())
        return false;
    const QTemporaryDir probe(ordner + QLatin1String("/.Merkwerk-XXXXXX"));
    return probe.isValid();
}

bool PrivatenOrdnerAnlegen(const QString &pfad)
{
    const QString ordner = QDir::cleanPath(pfad);
    if (QFileInfo(ordner).isDir())
        return true;
    constexpr QFileDevice::Permissions NurBenutzer =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (!QDir().mkpath(QFileInfo(ordner).path()) || !QDir().mkdir(ordner, NurBenutzer))
        return QFileInfo(ordner).isDir(); // made by another at the same moment
    QFile::setPermissions(ordner, NurBenutzer); // the file mask may have taken more
    return true;
}

QString OrdnerTeil(const QString &pfad)
{
    return pfad.left(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}

QString NamensTeil(const QString &pfad)
{
    return pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Nativ(const QString &pfad)
{
    return QDir::toNativeSeparators(pfad);
}

bool DateiEntfernen(const QString &pfad, QString &grund)
{
    if (std::remove(QFile::encodeName(pfad).constData()) == 0)
        return true;
    grund = SystemFehlerText(errno);
    return false;
}

void AttributeZuruecksetzen(const QString &pfad)
{
    QFile datei(pfad);
    if (datei.exists())
        datei.setPermissions(datei.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}
