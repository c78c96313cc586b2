#include "programmstart.h"

#include "util/datumsnamen.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void ProgrammVorbereiten(QApplication &anwendung)
{
    TagesnamenOhnePunkt();
    MonatsnamenKorrigieren();
    QCoreApplication::setOrganizationName(QStringLiteral("Merkwerk"));
    QCoreApplication::setApplicationName(QStringLiteral("Merkwerk"));
    // Key names ("Strg+Rechts") and standard buttons in German.
    auto *deutsch = new QTranslator(&anwendung);
    if (deutsch->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(deutsch);
}
