#pragma once
#include "mainwindow/haupt.h"
#include "testhilfen.h"

#include <QApplication>
#include <QTest>
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
        if (listeAbbrechen)
            AbbrechenWennDialog();
        haupt->show();
        EXPECT_TRUE(Warten([this] { return !haupt->Timer1->isActive(); }));
        QTest::qWait(50);
        return *haupt;
    }

    // Cancels the next modal dialog if one appears soon.
    static void AbbrechenWennDialog()
    {
        QTimer::singleShot(200, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                dialog->close();
        });
    }

    std::unique_ptr<TForm1> haupt;
};
