#pragma once
#include "mainwindow/haupt.h"
#include "testhilfen.h"

#include <QApplication>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <memory>

// A main window in the temporary world, started like the program starts it.
class Hauptfenster : public Umgebung
{
protected:
    void TearDown() override
    {
        haupt.reset();
        Umgebung::TearDown();
    }

    // Creates and shows the window; the start-up step runs to its end. With
    // `listeAbbrechen` the participant list that it opens is cancelled.
    TForm1 &Starten(bool listeAbbrechen = true)
    {
        haupt = std::make_unique<TForm1>();
        haupt->DialogeErstellen();
        QPointer<QTimer> abbrecher;
        if (listeAbbrechen) {
            abbrecher = AbbrechenWennDialog();
            protokoll.vorgaben[KeineTeilnehmer] = false;
        }
        haupt->show();
        EXPECT_TRUE(Warten([this] { return !haupt->Timer1->isActive(); }));
        QTest::qWait(50);
        if (listeAbbrechen) {
            EXPECT_TRUE(Warten([] { return !QApplication::activeModalWidget(); }));
        }
        delete abbrecher;
        Aktivieren();
        if (listeAbbrechen) {
            protokoll.vorgaben.remove(KeineTeilnehmer);
            protokoll.Leeren();
        }
        return *haupt;
    }

    // Makes the main window the active one, as its shortcuts need.
    void Aktivieren()
    {
        QTest::qWait(20);
        haupt->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(haupt.get()));
    }

    // Cancels the next modal dialog if one appears within a second.
    static QTimer *AbbrechenWennDialog()
    {
        auto *uhr = new QTimer;
        auto runden = std::make_shared<int>(0);
        QObject::connect(uhr, &QTimer::timeout, [uhr, runden] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && dialog->isVisible())
                dialog->close();
            if (dialog || ++*runden > 100) {
                uhr->stop();
                uhr->deleteLater();
            }
        });
        uhr->start(10);
        DialogBeanspruchen(uhr);
        return uhr;
    }

    std::unique_ptr<TForm1> haupt;
    inline static const QString KeineTeilnehmer = QStringLiteral("Es sind keine Teilnehmer-Dateien vorhanden!");
};
