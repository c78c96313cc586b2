#include "sicherschreiben.h"

#include "dateifehler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool BytesSchreiben(const QString &pfad, const QByteArray &bytes, QString &fehler, bool neu)
{
    // A link is followed, so its target gets the new content.
    const QFileInfo info(pfad);
    const QString ziel = info.isSymLink() ? info.symLinkTarget() : pfad;
    if (neu) {
        // Claim the name atomically, so that no other file is ever replaced.
        QFile platzhalter(ziel);
        if (!platzhalter.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            fehler = SchreibFehlerText(pfad, QFileInfo::exists(ziel)
                                                 ? QStringLiteral("Die Datei existiert bereits.")
                                                 : platzhalter.errorString());
            return false;
        }
    }
    QSaveFile datei(ziel);
    datei.setDirectWriteFallback(false);
    bool ok = datei.open(QIODevice::WriteOnly);
    QString grund = datei.errorString();
    // commit() may report success after a short write on a full disk.
    if (ok && (datei.write(bytes) != bytes.size() || !datei.flush()
               || datei.error() != QFileDevice::NoError)) {
        ok = false;
        grund = datei.errorString();
        datei.cancelWriting();
    }
    if (ok && !datei.commit()) {
        ok = false;
        grund = datei.errorString();
    }
    if (!ok) {
        fehler = SchreibFehlerText(pfad, grund);
        if (neu)
            QFile::remove(ziel);
    }
    return ok;
}
