#pragma once
// The drill window on real widgets: a real main window over a temporary base folder with its
// Lists and Projects folders, the drill window it starts, the sounds asked for, and every
// message box noted by the test (OnMessageBox) and closed with Enter, as a user would; one
// nobody expected fails the test instead of hanging it.
#include "FakeServices.h"
#include "SoundLog.h"
#include "TempFolder.h"
#include "app/main.h"
#include "app/msgbox.h"
#include "drill/repetitions.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

class DrillWindows : public ::testing::Test {
protected:
    TempFolder Base;
    std::unique_ptr<TmainFrm> Main;
    std::unique_ptr<TrepetitionsFrm> Frm;
    SoundLog Sounds;
    QTimer Answerer;

    DrillWindows()
    {
        Base.MakeDir("Lists");
        Base.MakeDir("Projects");
    }

    // What the test notes of a message box before Enter closes it.
    virtual void OnMessageBox(TMessageBox* box) = 0;

    // The two windows over the base folder as it stands, the main one shown.
    void OpenWindows()
    {
        UseBaseFolder(Base.Path());
        Main = std::make_unique<TmainFrm>();
        Frm = std::make_unique<TrepetitionsFrm>();
        Main->SetDrillWindow(Frm.get());
        Frm->OnClosed = [main = Main.get()] { main->ReturnFromDrill(); };
        Main->show();
        QObject::connect(&Answerer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<TMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            OnMessageBox(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        Answerer.start(5);
    }
    void TearDown() override
    {
        Answerer.stop();
        Frm.reset();
        Main.reset();
    }

    int Hands() const { return int(std::count(Sounds.Played.begin(), Sounds.Played.end(), "SystemHand")); }
};
