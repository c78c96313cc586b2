#include "dialogrundgang.h"

#include "dialogs/kennwortdlg.h"
#include "dialogs/sicherndlg.h"
#include "mainwindow/haupt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace {

class Rundgang
{
public:
    explicit Rundgang(std::function<void(QWidget *)> besuchen) : besuchen(std::move(besuchen)) {}

    // Runs `aktion`; every modal dialog that opens meanwhile is visited
    // and cancelled.
    void Ausloesen(const std::function<void()> &aktion)
    {
        QTimer wache;
        wache.setInterval(10);
        QObject::connect(&wache, &QTimer::timeout, [this, &wache] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || offen.contains(dialog))
                return;
            wache.stop();
            Behandeln(dialog);
            wache.start();
        });
        wache.start();
        aktion();
        // What opens after the command returned (a timer of the dialog it left).
        QElapsedTimer seit;
        seit.start();
        while (seit.elapsed() < 100)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    void UebrigeZeigen()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(w);
            if (!dialog || !EigenerDialog(dialog) || besuchteDialoge.contains(dialog))
                continue;
            Ausloesen([dialog] { dialog->open(); });
        }
    }

    QStringList titel;

private:
    void Behandeln(QWidget *dialog)
    {
        const QPointer<QWidget> wache(dialog);
        offen << dialog;
        const QString schluessel = QString::number(quintptr(dialog)) + QLatin1Char('|') + dialog->windowTitle();
        if (!gesehen.contains(schluessel)) {
            gesehen.insert(schluessel);
            if (EigenerDialog(dialog)) {
                besuchteDialoge.insert(dialog);
                titel << dialog->windowTitle();
                besuchen(dialog);
                for (QAbstractButton *knopf : dialog->findChildren<QAbstractButton *>()) {
                    if (!wache || !dialog->isVisible())
                        break;
                    if (knopf->isVisible() && knopf->isEnabled() && knopf->text().endsWith(QLatin1String("...")))
                        Ausloesen([knopf] { knopf->click(); });
                }
            }
        }
        if (wache && wache->isVisible()) {
            if (auto *modal = qobject_cast<QDialog *>(wache.data()))
                modal->reject();
            else
                wache->close();
        }
        offen.removeAll(dialog);
    }

    std::function<void(QWidget *)> besuchen;
    QList<QWidget *> offen;
    QSet<QString> gesehen;
    QSet<QWidget *> besuchteDialoge;
};

void Befehle(QMenu *menu, QList<QAction *> &befehle)
{
    for (QAction *eintrag : menu->actions()) {
        if (eintrag->menu())
            Befehle(eintrag->menu(), befehle);
        else if (eintrag->text().endsWith(QLatin1String("...")))
            befehle << eintrag;
    }
}

} // namespace

bool EigenerDialog(const QWidget *dialog)
{
    return !QLatin1String(dialog->metaObject()->className()).startsWith(QLatin1Char('Q'));
}

QStringList DialogeBesuchen(TForm1 &haupt, const std::function<void(QWidget *dialog)> &besuchen)
{
    Rundgang rundgang(besuchen);
    QList<QAction *> befehle;
    for (QAction *menu : haupt.menuBar()->actions()) {
        if (menu->menu())
            Befehle(menu->menu(), befehle);
    }
    for (QAction *befehl : std::as_const(befehle))
        rundgang.Ausloesen([befehl] { befehl->trigger(); });
    // What only a backup's course opens: the password question, for either purpose.
    TSichernForm *sichern = haupt.SichernForm;
    if (!sichern->KennwortForm)
        sichern->KennwortForm = new TKennwortForm(sichern);
    for (const auto zweck : {TKennwortForm::Sichern, TKennwortForm::Wiederherstellen}) {
        sichern->KennwortForm->zweck = zweck;
        rundgang.Ausloesen([sichern] { sichern->KennwortForm->open(); });
    }
    rundgang.UebrigeZeigen();
    return rundgang.titel;
}
