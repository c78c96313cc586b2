// The reminder to back up: the date of the last successful backup is kept
// in the settings; once a participant file is written while that backup is
// more than 14 days old, or there was none, the status bar's second panel
// says so in place of the shortcuts, until the next backup succeeds. No
// dialog, no sound. That a file was written since the last backup is kept
// too, so the reminder outlives a restart.

#include "haupt.h"

#include "ui/statusleiste.h"
#include "util/einstellungen.h"
#include "util/heute.h"
#include "util/zahlen.h"

#include <QSettings>

namespace {

const QString LetzteSicherung = QStringLiteral("LetzteSicherung");
const QString GespeichertSeitSicherung = QStringLiteral("GespeichertSeitSicherung");
constexpr qint64 Frist = 14;

} // namespace

void TForm1::SicherungsErinnerung()
{
    if (!FGespeichertSeitSicherung) {
        FGespeichertSeitSicherung = true;
        Einstellungen().setValue(GespeichertSeitSicherung, true);
    }
    ErinnerungZeigen();
}

void TForm1::ErinnerungBeimStart()
{
    FGespeichertSeitSicherung = Einstellungen().value(GespeichertSeitSicherung).toBool();
    if (FGespeichertSeitSicherung)
        ErinnerungZeigen();
}

void TForm1::ErinnerungZeigen()
{
    // A value that is no date counts as no backup.
    const QDate letzte = QDate::fromString(Einstellungen().value(LetzteSicherung).toString(), Qt::ISODate);
    QString text;
    if (!letzte.isValid()) {
        text = QStringLiteral("Noch keine Datensicherung – sichern mit F8");
    } else {
        const qint64 tage = letzte.daysTo(Heute());
        if (tage <= Frist)
            return;
        text = QStringLiteral("Letzte Sicherung vor %1 Tagen – sichern mit F8").arg(TausenderPunkte(tage));
    }
    if (MerkStatusText.isEmpty())
        MerkStatusText = StatusText();
    // In large print the key stays in view.
    StatusBar1->PanelText(1, text, QStringLiteral("Sicherung fällig – F8"));
}

void TForm1::SicherungErfolgt()
{
    QSettings einstellungen = Einstellungen();
    einstellungen.setValue(LetzteSicherung, Heute().toString(Qt::ISODate));
    einstellungen.remove(GespeichertSeitSicherung);
    einstellungen.sync();
    FGespeichertSeitSicherung = false;
    if (!MerkStatusText.isEmpty()) {
        setStatusText(MerkStatusText);
        MerkStatusText.clear();
    }
}
