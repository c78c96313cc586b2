#include "shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {
ShellAufruf festerAufruf;
}

bool ShellOeffnen(const QString &url)
{
    if (festerAufruf)
        return festerAufruf(url, {});
    return QDesktopServices::openUrl(QUrl(url));
}

bool ProgrammStarten(const QString &programm, const QStringList &parameter)
{
    if (festerAufruf)
        return festerAufruf(programm, parameter);
    return QProcess::startDetached(programm, parameter);
}

void ShellFestlegen(ShellAufruf aufruf)
{
    festerAufruf = std::move(aufruf);
}
