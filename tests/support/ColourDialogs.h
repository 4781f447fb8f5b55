#pragma once
// Answers the two colour dialogs that a ruler's colour item opens, the second one from inside
// the first. Header only: the programs that use it link the colour dialog themselves.
#include "ModalHelper.h"
#include "colordlg/hexcolorWin.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// Confirms a colour dialog: by default a click on its Insert button.
using ColourDialogConfirm = std::function<void(Thexcolor*)>;
inline void ClickInsert(Thexcolor* w) { w->btnInsert->click(); }
inline void PressReturnInCode(Thexcolor* w) { QTest::keyClick(w->vhex, Qt::Key_Return); }

// Arms the answers before the item is triggered: the first dialog (the ruler's colour) is set
// to `first`, the second (the gradient's) to `second`, each then confirmed.
inline void AnswerBothColourDialogs(TColor first, TColor second, ColourDialogConfirm confirmSecond = ClickInsert)
{
    WhenModal([=](QWidget* firstDialog) {
        auto* w = qobject_cast<Thexcolor*>(firstDialog);
        ASSERT_NE(w, nullptr);
        WhenModal([=](QWidget* secondDialog) {
            auto* w2 = qobject_cast<Thexcolor*>(secondDialog);
            ASSERT_NE(w2, nullptr);
            w2->SetCurrentColor(second);
            confirmSecond(w2);
        });
        w->SetCurrentColor(first);
        ClickInsert(w);
    });
}
