#include "sicherungsarchiv.h"

#include "sicherung.h"
#include "teilnehmerordner.h"
#include "util/dateifehler.h"
#include "util/dateikopie.h"
#include "util/dateilesen.h"
#include "util/laufwerke.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QFileInfo>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <locale.h>
#endif

namespace {

constexpr qint64 Block = KopierBlock;

// libarchive converts names by the locale of the calling thread; the names
// in the tar are UTF-8 whatever the user's locale is.
class Utf8Namen
{
public:
    Utf8Namen()
    {
#ifndef Q_OS_WIN
        static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        if (utf8)
            vorher = ::uselocale(utf8);
#endif
    }
    ~Utf8Namen()
    {
#ifndef Q_OS_WIN
        if (vorher)
            ::uselocale(vorher);
#endif
    }
    Utf8Namen(const Utf8Namen &) = delete;
    Utf8Namen &operator=(const Utf8Namen &) = delete;

private:
#ifndef Q_OS_WIN
    locale_t vorher = nullptr;
#endif
};

ArchivErgebnis Ergebnis(ArchivErgebnis::Art art, const QString &datei, const QString &grund)
{
    return {art, datei, grund};
}

QString VeraendertText()
{
    return QStringLiteral("Die Datei hat sich während der Sicherung verändert.");
}

QString AbweichungText()
{
    return QStringLiteral("Die Kopie weicht vom Original ab.");
}

// Reads until `anzahl` bytes are there or the file ends.
qint64 Fuellen(Lesedatei &datei, char *ziel, qint64 anzahl, QString &grund)
{
    return VollLesen([&datei](char *z, qint64 n, QString &g) { return datei.Lesen(z, n, g); }, ziel, anzahl, grund);
}

// --- reading the tar ---

struct Lesezustand {
    Entschluesseler &strom;
    QByteArray puffer = QByteArray(Block, Qt::Uninitialized);
};

la_ssize_t TarLesen(archive *, void *kontext, const void **daten)
{
    auto *zustand = static_cast<Lesezustand *>(kontext);
    const qint64 n = zustand->strom.Lesen(zustand->puffer.data(), zustand->puffer.size());
    *daten = zustand->puffer.constData();
    return n < 0 ? ARCHIVE_FATAL : la_ssize_t(n);
}

// Why libarchive stopped: the stream's own failure where it had one, else
// the tar itself is broken.
ArchivErgebnis LeseFehler(const Entschluesseler &strom, const QString &datei)
{
    if (!strom.Beschaedigt() && !strom.Grund().isEmpty())
        return Ergebnis(ArchivErgebnis::Fehler, datei, strom.Grund());
    return Ergebnis(ArchivErgebnis::Beschaedigt, datei, KennwortFalschText());
}

// A plain file with a valid name, given once.
bool EintragGueltig(archive_entry *eintrag, QSet<QString> &namen, QString &name)
{
    const char *utf8 = archive_entry_pathname_utf8(eintrag);
    // A sparse entry could claim terabytes of zeros from a few bytes.
    if (!utf8 || archive_entry_filetype(eintrag) != AE_IFREG || archive_entry_hardlink(eintrag)
        || archive_entry_symlink(eintrag) || !archive_entry_size_is_set(eintrag) || archive_entry_size(eintrag) < 0
        || archive_entry_sparse_count(eintrag) > 0)
        return false;
    name = QString::fromUtf8(utf8);
    if (name.toUtf8() != QByteArray(utf8) || !ArchivNameGueltig(name) || namen.contains(name))
        return false;
    namen.insert(name);
    return true;
}

struct TarLeser {
    archive *a = archive_read_new();
    ~TarLeser() { archive_read_free(a); }
};

// --- the backup file ---

// The backup file read back from its drive: the head, then the decrypted
// content.
class SicherungsLeser
{
public:
    explicit SicherungsLeser(const QString &datei) : datei(datei) {}

    ArchivErgebnis Lesen(const Sicherungskopf &kopf, const Geheimnis &schluessel, ArchivEmpfaenger &empfaenger,
                         const JeBlock &jeBlock)
    {
        QString grund;
        if (!datei.Oeffnen(grund))
            return Ergebnis(ArchivErgebnis::Fehler, {}, grund);
        AusDemCacheNehmen(datei.Handle());
        QByteArray kopfBytes(KopfBytes, Qt::Uninitialized);
        const qint64 n = Fuellen(datei, kopfBytes.data(), KopfBytes, grund);
        if (n < 0)
            return Ergebnis(ArchivErgebnis::Fehler, {}, grund);
        // The stream header and block size are the file's; salt and limits
        // must be those the key was made from.
        Sicherungskopf gelesen;
        if (n < KopfBytes || KopfLesen(kopfBytes, gelesen) != KopfFehler::Keiner || gelesen.salz != kopf.salz
            || gelesen.grenzen.rechenschritte != kopf.grenzen.rechenschritte
            || gelesen.grenzen.speicher != kopf.grenzen.speicher)
            return Ergebnis(ArchivErgebnis::Beschaedigt, {}, KennwortFalschText());
        Entschluesseler strom(schluessel, gelesen, [this](char *ziel, qint64 anzahl, QString &grund) {
            return datei.Lesen(ziel, anzahl, grund);
        });
        return ArchivLesen(strom, empfaenger, jeBlock);
    }

private:
    Lesedatei datei;
};

class Pruefer : public ArchivEmpfaenger
{
public:
    explicit Pruefer(QList<DateiGroesse> &eintraege) : eintraege(eintraege) {}
    bool Beginn(const QString &name, qint64 groesse, QString &) override
    {
        eintraege.append({name, groesse});
        return true;
    }
    bool Daten(const char *, qint64, QString &) override { return true; }
    bool Ende(QString &) override { return true; }

private:
    QList<DateiGroesse> &eintraege;
};

// Compares each participant file of the backup with its file on the drive.
class Vergleicher : public ArchivEmpfaenger
{
public:
    Vergleicher(const ZielFuer &ziel, bool zurueckLesen, const JeDatei &jeDatei)
        : ziel(ziel), zurueckLesen(zurueckLesen), jeDatei(jeDatei)
    {
    }

    bool Beginn(const QString &name, qint64 groesse, QString &grund) override
    {
        if (jeDatei)
            jeDatei(name);
        datei = std::make_unique<Lesedatei>(ziel(name));
        if (!datei->Oeffnen(grund))
            return false;
        if (zurueckLesen)
            AusDemCacheNehmen(datei->Handle());
        if (datei->Groesse() != groesse)
            return Abweichung(grund);
        gesehen.insert(name);
        return true;
    }
    bool Daten(const char *daten, qint64 anzahl, QString &grund) override
    {
        if (puffer.size() < anzahl)
            puffer.resize(anzahl);
        const qint64 n = Fuellen(*datei, puffer.data(), anzahl, grund);
        if (n < 0)
            return false;
        return (n == anzahl && std::memcmp(puffer.constData(), daten, size_t(anzahl)) == 0) || Abweichung(grund);
    }
    bool Ende(QString &grund) override
    {
        char rest;
        const qint64 n = Fuellen(*datei, &rest, 1, grund);
        datei.reset();
        return n == 0 || (n > 0 && Abweichung(grund));
    }

    QSet<QString> gesehen;

private:
    static bool Abweichung(QString &grund)
    {
        grund = AbweichungText();
        return false;
    }
    const ZielFuer &ziel;
    bool zurueckLesen;
    const JeDatei &jeDatei;
    std::unique_ptr<Lesedatei> datei;
    QByteArray puffer;
};

// Writes each participant file of the backup the safe way.
class Auspacker : public ArchivEmpfaenger
{
public:
    Auspacker(const ZielFuer &ziel, bool ersetzen, const JeDatei &jeDatei)
        : ziel(ziel), ersetzen(ersetzen), jeDatei(jeDatei)
    {
    }

    bool Beginn(const QString &name, qint64, QString &grund) override
    {
        if (jeDatei)
            jeDatei(name);
        const QString pfad = ziel(name);
        if (!ordner.contains(OrdnerTeil(pfad))) {
            ordner.insert(OrdnerTeil(pfad));
            VerwaisteTemporaereEntfernen(OrdnerTeil(pfad));
        }
        // Without replacing, the file takes a name that nothing has yet.
        if (ersetzen)
            AttributeZuruecksetzen(pfad);
        datei = std::make_unique<Ersatzdatei>(ersetzen ? LinkAufloesen(pfad) : pfad, !ersetzen);
        return Pruefen(datei->Anlegen(), grund);
    }
    bool Daten(const char *daten, qint64 anzahl, QString &grund) override
    {
        return Pruefen(datei->Schreiben(daten, anzahl), grund);
    }
    bool Ende(QString &grund) override
    {
        const int fehler = datei->Abschliessen(false);
        datei.reset();
        return Pruefen(fehler, grund);
    }

    QSet<QString> ordner; // where new names were made: synced at the end

private:
    static bool Pruefen(int fehler, QString &grund)
    {
        if (fehler)
            grund = SystemFehlerText(fehler);
        return fehler == 0;
    }
    const ZielFuer &ziel;
    bool ersetzen;
    const JeDatei &jeDatei;
    std::unique_ptr<Ersatzdatei> datei;
};

} // namespace

QString KennwortFalschText()
{
    return QStringLiteral("Das Kennwort ist falsch oder die Sicherung ist beschädigt.");
}

bool ArchivNameGueltig(const QString &name)
{
    return name.size() > 4 && name.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

// --- writing the tar ---

struct ArchivSchreiber::Zustand {
    Verschluesseler &strom;
    archive *a = archive_write_new();
    int fehler = 0; // the stream's error number
    bool offen = false;
};

namespace {

la_ssize_t TarSchreiben(archive *, void *kontext, const void *daten, size_t anzahl)
{
    auto *z = static_cast<ArchivSchreiber::Zustand *>(kontext);
    z->fehler = z->strom.Schreiben(static_cast<const char *>(daten), qint64(anzahl));
    return z->fehler ? ARCHIVE_FATAL : la_ssize_t(anzahl);
}

} // namespace

ArchivSchreiber::ArchivSchreiber(Verschluesseler &strom) : z(new Zustand{strom})
{
    // pax: the names in UTF-8 of any length; no blocking, the stream
    // makes its own blocks.
    archive_write_set_format_pax_restricted(z->a);
    archive_write_set_bytes_per_block(z->a, 0);
    z->offen = archive_write_open2(z->a, z.get(), nullptr, TarSchreiben, nullptr, nullptr) == ARCHIVE_OK;
}

ArchivSchreiber::~ArchivSchreiber()
{
    archive_write_free(z->a);
}

bool ArchivSchreiber::Pruefen(int ergebnis, QString &grund)
{
    if (ergebnis == ARCHIVE_OK || ergebnis == ARCHIVE_WARN)
        return true;
    grund = z->fehler ? SystemFehlerText(z->fehler)
                      : QStringLiteral("Die Sicherung kann nicht geschrieben werden (%1).")
                            .arg(QString::fromUtf8(archive_error_string(z->a)));
    return false;
}

bool ArchivSchreiber::Beginn(const QString &name, qint64 groesse, const QDateTime &geaendert, QString &grund)
{
    if (!z->offen)
        return Pruefen(ARCHIVE_FATAL, grund);
    const Utf8Namen utf8;
    archive_entry *eintrag = archive_entry_new();
    archive_entry_set_pathname_utf8(eintrag, name.toUtf8().constData());
    archive_entry_set_filetype(eintrag, AE_IFREG);
    archive_entry_set_perm(eintrag, 0600);
    archive_entry_set_size(eintrag, groesse);
    if (geaendert.isValid())
        archive_entry_set_mtime(eintrag, geaendert.toSecsSinceEpoch(), 0);
    const int ergebnis = archive_write_header(z->a, eintrag);
    archive_entry_free(eintrag);
    return Pruefen(ergebnis, grund);
}

bool ArchivSchreiber::Daten(const char *daten, qint64 anzahl, QString &grund)
{
    while (anzahl > 0) {
        const la_ssize_t n = archive_write_data(z->a, daten, size_t(anzahl));
        if (n <= 0)
            return Pruefen(n < 0 ? int(n) : ARCHIVE_FATAL, grund);
        daten += n;
        anzahl -= n;
    }
    return true;
}

bool ArchivSchreiber::Abschliessen(QString &grund)
{
    if (!Pruefen(archive_write_close(z->a), grund))
        return false;
    z->fehler = z->strom.Abschliessen();
    return Pruefen(z->fehler ? ARCHIVE_FATAL : ARCHIVE_OK, grund);
}

// --- reading ---

ArchivErgebnis ArchivLesen(Entschluesseler &strom, ArchivEmpfaenger &empfaenger, const JeBlock &jeBlock)
{
    const Utf8Namen utf8;
    Lesezustand zustand{strom};
    TarLeser tar;
    archive_read_support_format_tar(tar.a);
    if (archive_read_open(tar.a, &zustand, nullptr, TarLesen, nullptr) != ARCHIVE_OK)
        return LeseFehler(strom, {});
    QSet<QString> namen;
    QByteArray puffer(Block, Qt::Uninitialized);
    for (;;) {
        archive_entry *eintrag = nullptr;
        const int kopf = archive_read_next_header(tar.a, &eintrag);
        if (kopf == ARCHIVE_EOF)
            break;
        QString name;
        if ((kopf != ARCHIVE_OK && kopf != ARCHIVE_WARN) || !EintragGueltig(eintrag, namen, name))
            return LeseFehler(strom, name);
        const qint64 groesse = archive_entry_size(eintrag);
        QString grund;
        if (!empfaenger.Beginn(name, groesse, grund))
            return Ergebnis(ArchivErgebnis::Fehler, name, grund);
        qint64 zusammen = 0;
        for (;;) {
            if (jeBlock)
                jeBlock();
            const la_ssize_t n = archive_read_data(tar.a, puffer.data(), size_t(puffer.size()));
            if (n < 0)
                return LeseFehler(strom, name);
            if (n == 0)
                break;
            zusammen += n;
            if (!empfaenger.Daten(puffer.constData(), n, grund))
                return Ergebnis(ArchivErgebnis::Fehler, name, grund);
        }
        if (zusammen != groesse)
            return LeseFehler(strom, name);
        if (!empfaenger.Ende(grund))
            return Ergebnis(ArchivErgebnis::Fehler, name, grund);
    }
    // What follows the tar's end must still be the authenticated rest of
    // the stream up to its last block.
    for (qint64 n; (n = strom.Lesen(puffer.data(), puffer.size())) != 0;) {
        if (n < 0)
            return LeseFehler(strom, {});
    }
    return {};
}

ArchivErgebnis SicherungsKopfLesen(const QString &datei, Sicherungskopf &kopf)
{
    Lesedatei lesen(datei);
    QString grund;
    QByteArray bytes(KopfBytes, Qt::Uninitialized);
    if (!lesen.Oeffnen(grund))
        return Ergebnis(ArchivErgebnis::Fehler, {}, grund);
    const qint64 n = Fuellen(lesen, bytes.data(), KopfBytes, grund);
    if (n < 0)
        return Ergebnis(ArchivErgebnis::Fehler, {}, grund);
    switch (KopfLesen(QByteArrayView(bytes).first(n), kopf)) {
    case KopfFehler::Keiner:
        return {};
    case KopfFehler::Version:
        return Ergebnis(ArchivErgebnis::Fehler, {},
                        QStringLiteral("Die Sicherung stammt von einer neueren Version von Merkwerk und kann mit "
                                       "dieser nicht gelesen werden."));
    case KopfFehler::Fremd:
    case KopfFehler::Grenzen:
        break;
    }
    return Ergebnis(ArchivErgebnis::Beschaedigt, {}, KennwortFalschText());
}

ArchivErgebnis ArchivSchreiben(const QString &von, const QString &datei, const Geheimnis &schluessel,
                               const Sicherungskopf &kopf, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    VerwaisteTemporaereEntfernen(OrdnerTeil(datei));
    Ersatzdatei aus(datei);
    int fehler = aus.Anlegen();
    if (!fehler)
        fehler = aus.RechteFestlegen(0600);
    if (fehler)
        return Ergebnis(ArchivErgebnis::Fehler, {}, SystemFehlerText(fehler));
    Verschluesseler strom(schluessel, kopf, [&aus](const char *daten, qint64 anzahl) {
        return aus.Schreiben(daten, anzahl);
    });
    ArchivSchreiber tar(strom);
    QByteArray puffer(Block, Qt::Uninitialized);
    QString grund;
    const Ordnerhandle ordner(von);
    for (const QString &name : TeilnehmerDateien(von)) {
        if (jeDatei)
            jeDatei(name);
        Lesedatei ein(ordner, name);
        if (!ein.Oeffnen(grund)
            || !tar.Beginn(name, ein.Groesse(), QFileInfo(von + name).lastModified(), grund))
            return Ergebnis(ArchivErgebnis::Fehler, name, grund);
        for (qint64 rest = ein.Groesse(); rest > 0;) {
            if (jeBlock)
                jeBlock();
            const qint64 n = ein.Lesen(puffer.data(), qMin(rest, Block), grund);
            if (n < 0)
                return Ergebnis(ArchivErgebnis::Fehler, name, grund);
            if (n == 0)
                return Ergebnis(ArchivErgebnis::Fehler, name, VeraendertText());
            if (!tar.Daten(puffer.constData(), n, grund))
                return Ergebnis(ArchivErgebnis::Fehler, name, grund);
            rest -= n;
        }
    }
    if (!tar.Abschliessen(grund))
        return Ergebnis(ArchivErgebnis::Fehler, {}, grund);
    if (const int ende = aus.Abschliessen(true))
        return Ergebnis(ArchivErgebnis::Fehler, {}, SystemFehlerText(ende));
    return {};
}

ArchivErgebnis ArchivPruefen(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                             QList<DateiGroesse> &eintraege, const JeBlock &jeBlock)
{
    eintraege.clear();
    Pruefer pruefer(eintraege);
    return SicherungsLeser(datei).Lesen(kopf, schluessel, pruefer, jeBlock);
}

ArchivErgebnis ArchivVergleichen(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                                 const ZielFuer &ziel, const QStringList *erwartet, bool zurueckLesen,
                                 const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    Vergleicher vergleicher(ziel, zurueckLesen, jeDatei);
    const ArchivErgebnis ergebnis = SicherungsLeser(datei).Lesen(kopf, schluessel, vergleicher, jeBlock);
    if (!ergebnis.Erfolg() || !erwartet)
        return ergebnis;
    for (const QString &name : *erwartet) {
        if (!vergleicher.gesehen.contains(name))
            return Ergebnis(ArchivErgebnis::Fehler, name, QStringLiteral("Die Datei fehlt in der Sicherung."));
    }
    if (vergleicher.gesehen.size() != erwartet->size())
        return Ergebnis(ArchivErgebnis::Fehler, {}, AbweichungText());
    return ergebnis;
}

ArchivErgebnis ArchivAuspacken(const QString &datei, const Sicherungskopf &kopf, const Geheimnis &schluessel,
                               const ZielFuer &ziel, bool ersetzen, const JeDatei &jeDatei, const JeBlock &jeBlock)
{
    Auspacker auspacker(ziel, ersetzen, jeDatei);
    const ArchivErgebnis ergebnis = SicherungsLeser(datei).Lesen(kopf, schluessel, auspacker, jeBlock);
    for (const QString &ordner : std::as_const(auspacker.ordner)) {
        if (const int fehler = OrdnerSyncen(ordner); fehler && ergebnis.Erfolg())
            return Ergebnis(ArchivErgebnis::Fehler, {}, SystemFehlerText(fehler));
    }
    return ergebnis;
}

qint64 ArchivPlatz(const QString &von, const QString &nach)
{
    // A tar header and a pax header for each file, its bytes in records of
    // 512, the tar's end; then the head and the tag of every block.
    qint64 tar = 1024;
    for (const QString &name : TeilnehmerDateien(von))
        tar += 1536 + InBloecken(QFileInfo(von + name).size(), 512);
    const qint64 bloecke = tar / Standardblock + 1;
    return InBloecken(KopfBytes + tar + bloecke * 17, BlockGroesse(nach));
}
