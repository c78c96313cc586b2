#include "testhilfen.h"

#include "util/heute.h"
#include "util/ordner.h"
#include "util/toene.h"
#include "util/verschluesselung.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <QClipboard>
#include <QGuiApplication>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Waits for dialogs that have not come yet; a test must not leave any behind.
QList<QPointer<QTimer>> offeneWartende;
// Scripted answers running right now (they may wait with the dialog open).
int laufendeAntworten = 0;

// Whether a scripted answer will act on, or is acting on, an open dialog.
bool DialogBeansprucht()
{
    if (laufendeAntworten > 0)
        return true;
    for (const QPointer<QTimer> &uhr : std::as_const(offeneWartende)) {
        if (uhr && uhr->isActive())
            return true;
    }
    return false;
}

// What a dialog says: its title, then every visible text in it.
std::string DialogText(QWidget *dialog)
{
    QStringList texte = {dialog->windowTitle()};
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        texte << box->text();
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty())
            texte << label->text();
    }
    texte.removeDuplicates();
    return texte.join(QLatin1String(" | ")).toStdString();
}

// A modal dialog that no scripted answer claims is closed after a short
// while and fails the test by name, instead of the run hanging until its
// time runs out.
class Waechter : public QObject
{
public:
    Waechter()
    {
        uhr.setInterval(100);
        QObject::connect(&uhr, &QTimer::timeout, [this] { Pruefen(); });
        uhr.start();
    }

private:
    void Pruefen()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || DialogBeansprucht()) {
            gesehen = nullptr;
            return;
        }
        if (dialog != gesehen) {
            gesehen = dialog;
            seit.start();
            return;
        }
        if (seit.elapsed() < Frist)
            return;
        ADD_FAILURE() << "ein Dialog blieb ohne Antwort offen und wurde geschlossen: " << DialogText(dialog);
        gesehen = nullptr;
        if (auto *modal = qobject_cast<QDialog *>(dialog))
            modal->reject();
        else
            dialog->close();
    }

    static constexpr int Frist = 3000;
    QTimer uhr;
    QPointer<QWidget> gesehen;
    QElapsedTimer seit;
};

std::unique_ptr<Waechter> waechter;
} // namespace

void DialogBeanspruchen(QTimer *uhr)
{
    offeneWartende << uhr;
}

QStringList Meldungsprotokoll::Texte() const
{
    QStringList texte;
    for (const Meldung &m : meldungen)
        texte << m.text;
    return texte;
}

void Umgebung::SetUp()
{
    if (qApp && !waechter)
        waechter = std::make_unique<Waechter>();
    wurzel = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(wurzel->isValid());
    QDir().mkpath(Programmordner());
    QDir().mkpath(Dokumente());
    ProgrammordnerFestlegen(Programmordner());
    EigeneDokumenteFestlegen(Dokumente());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Ordner() + QLatin1String("config"));
    HeuteFestlegen(QDate(2024, 3, 5));
    // Keys of encrypted backups in a moment: only a test of the limits
    // themselves needs the real ones.
    StandardgrenzenFestlegen(Schluesselgrenzen{1, 8192});
    TonSpielerFestlegen([this](const QString &ereignis, bool) {
        ++toene;
        gespielteToene << ereignis;
        return true;
    });
    MeldungsAntwortFestlegen([this](MeldungsArt art, const QString &text) {
        const Meldung meldung{art, text};
        protokoll.meldungen << meldung;
        if (protokoll.beobachter)
            protokoll.beobachter(meldung);
        if (art != MeldungsArt::Frage)
            return true;
        for (auto vorgabe = protokoll.vorgaben.cbegin(); vorgabe != protokoll.vorgaben.cend(); ++vorgabe) {
            if (protokoll.antworten.isEmpty() && text.startsWith(vorgabe.key()))
                return vorgabe.value();
        }
        if (protokoll.antworten.isEmpty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return false;
        }
        return protokoll.antworten.takeFirst();
    });
}

void Umgebung::TearDown()
{
    for (const QPointer<QTimer> &uhr : std::as_const(offeneWartende)) {
        if (uhr && uhr->isActive())
            ADD_FAILURE() << "ein erwarteter Dialog ist nicht erschienen";
        delete uhr;
    }
    offeneWartende.clear();
    MeldungsAntwortFestlegen({});
    TonSpielerFestlegen({});
    HeuteFestlegen({});
    StandardgrenzenFestlegen({});
    EXPECT_TRUE(protokoll.antworten.isEmpty()) << "nicht gestellte Fragen";
}

QString Umgebung::Ordner() const
{
    return wurzel->path() + QLatin1Char('/');
}

QString Umgebung::Programmordner() const
{
    return Ordner() + QLatin1String("programm/");
}

QString Umgebung::Dokumente() const
{
    return Ordner() + QLatin1String("dokumente/");
}

QString Umgebung::Daten() const
{
    return Programmordner() + QLatin1String("Merkwerk/");
}

void Umgebung::Schreiben(const QString &pfad, const QByteArray &bytes)
{
    QDir().mkpath(OrdnerTeil(pfad));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
    datei.write(bytes);
}

QByteArray Umgebung::Lesen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

void Umgebung::Teilnehmerdatei(const QString &name, const QStringList &zeilen) const
{
    Schreiben(Daten() + name + QLatin1String(".dat"), Utf8Datei(zeilen));
}

QStringList Umgebung::TeilnehmerZeilen(const QString &name) const
{
    QByteArray bytes = Lesen(Daten() + name + QLatin1String(".dat"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList zeilen = QString::fromUtf8(bytes).split(QLatin1String("\r\n"));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

int Umgebung::TeilnehmerDateienZahl() const
{
    return int(QDir(Daten()).entryList({QStringLiteral("*.dat")}, QDir::Files).size());
}

QByteArray Utf8Datei(const QStringList &zeilen)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &zeile : zeilen)
        bytes += zeile.toUtf8() + "\r\n";
    return bytes;
}

QByteArray Utf16Datei(const QString &text, bool le)
{
    QByteArray b = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        b.append(le ? lo : hi).append(le ? hi : lo);
    }
    return b;
}

void BeiDialog(std::function<void(QWidget *dialog)> aktion, int frist)
{
    auto *uhr = new QTimer;
    offeneWartende << uhr;
    auto beginn = std::make_shared<QDeadlineTimer>(frist);
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, [uhr, aktion, beginn] {
        if (QWidget *dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible()) {
            uhr->stop();
            uhr->deleteLater();
            ++laufendeAntworten;
            aktion(dialog);
            --laufendeAntworten;
            return;
        }
        if (beginn->hasExpired()) {
            uhr->stop();
            uhr->deleteLater();
            ADD_FAILURE() << "kein Dialog erschienen";
        }
    });
    uhr->start();
}

bool Warten(std::function<bool()> bedingung, int frist)
{
    QDeadlineTimer ende(frist);
    while (!bedingung()) {
        if (ende.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

void MitDateigrenze(qint64 bytes, const std::function<void()> &aktion)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &klein);
    aktion();
    setrlimit(RLIMIT_FSIZE, &alt);
}

void MitDateimaske(unsigned maske, const std::function<void()> &aktion)
{
    const mode_t vorher = ::umask(mode_t(maske));
    aktion();
    ::umask(vorher);
}

int Rechte(const QString &pfad)
{
    struct stat info {};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

void Umgebung::OhneSchreibrecht(const QString &ordner, const std::function<void()> &aktion) const
{
    const QFileDevice::Permissions vorher = QFile::permissions(ordner);
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const bool root = ::geteuid() == 0;
    if (root) {
        // The unprivileged user must reach the folder to be refused there.
        for (QString oben = OrdnerTeil(ordner.chopped(1)); oben.startsWith(Ordner()); oben = OrdnerTeil(oben.chopped(1)))
            QFile::setPermissions(oben, QFile::permissions(oben) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        ::setfsuid(65534);
    }
    aktion();
    if (root)
        ::setfsuid(0);
    QFile::setPermissions(ordner, vorher);
}

void Einfuegen(QWidget *ziel, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    ziel->setFocus();
    QTest::keyClick(ziel, Qt::Key_V, Qt::ControlModifier);
}

QStringList Eintraege(const QListWidget *liste)
{
    QStringList texte;
    for (int n = 0; n < liste->count(); ++n)
        texte << liste->item(n)->text();
    return texte;
}

void Tippen(QWidget *ziel, const QString &text)
{
    for (QChar zeichen : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &druck);
        QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &los);
    }
}

QProcessEnvironment OhneBildschirm(const QString &laufzeit)
{
    QDir().mkpath(laufzeit);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("QT_QPA_PLATFORM", "xcb");
    umgebung.remove("DISPLAY");
    umgebung.remove("WAYLAND_DISPLAY");
    umgebung.insert("XDG_RUNTIME_DIR", laufzeit);
    return umgebung;
}
