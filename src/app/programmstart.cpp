#include "programmstart.h"

#include "util/datumsnamen.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <csignal>

void ProgrammVorbereiten(QCoreApplication &anwendung)
{
#ifdef SIGXFSZ
    // A file-size limit makes a write fail (EFBIG) and the program say so,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    TagesnamenOhnePunkt();
    MonatsnamenKorrigieren();
    QCoreApplication::setOrganizationName(QStringLiteral("Merkwerk"));
    QCoreApplication::setApplicationName(QStringLiteral("Merkwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MERKWERK_VERSION));
    // Key names ("Strg+Rechts") and standard buttons in German.
    auto *deutsch = new QTranslator(&anwendung);
    if (deutsch->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(deutsch);
}
