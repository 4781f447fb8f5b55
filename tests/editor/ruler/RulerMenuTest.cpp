// The ruler's pop-up menu: its items, the marks refreshed before it opens, the colour schemes
// and both colour dialogs, on a real ruler beside a real editor.
#include "colordlg/ColorModel.h"
#include "colordlg/hexcolorWin.h"
#include "editor/ruler/Ruler.h"
#include "editor/ruler/RulerMenu.h"
#include "editor/TextEditorEx.h"

#include "ColourDialogs.h"
#include "ModalHelper.h"
#include "TempFolder.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QTest>
#include <gtest/gtest.h>

static const int ResourcesLoaded = [] {
    Q_INIT_RESOURCE(resources);
    return 1;
}();

namespace {
struct RulerHost {
    TempFolder Dir;
    QWidget Window;
    TTextEditorEx* Editor = new TTextEditorEx(&Window);
    TRuler* Ruler = new TRuler(&Window);
    TRulerMenu* Menu = Ruler->PopupMenu();
    RulerHost()
    {
        Window.resize(400, 300);
        Editor->setGeometry(33, 0, 300, 280);
        Ruler->SetTextEditorEx(Editor);
        Editor->SetRuler(Ruler);
        std::string text;
        for (int i = 1; i <= 40; ++i) text += "line " + std::to_string(i) + "\r\n";
        Editor->InsertText(text);
        Editor->SetCaretPoint({0, 0});
        Editor->ScrollSettled(); // the full picture, not the one drawn while scrolling
        Menu->CustomColorsFile = Dir / "CustomColors.dat";
        Window.show();
        QApplication::setActiveWindow(&Window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
        Ruler->Repaint();
    }
    TColor Px(int x, int y) { return Ruler->Canvas().GetPixel(x, y); }
    int CountPixels(TColor c)
    {
        int n = 0;
        for (int y = 0; y < Ruler->height(); ++y)
            for (int x = 0; x < Ruler->width(); ++x) n += Px(x, y) == c;
        return n;
    }
};
} // namespace

TEST(RulerMenu, EighteenItemsWithTheirCaptionsAndHints)
{
    RulerHost h;
    ASSERT_NE(h.Menu, nullptr);
    const QList<QAction*> items = h.Menu->actions();
    ASSERT_EQ(items.size(), 18);
    EXPECT_EQ(items[0]->text(), "Visa radnummer");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "Visa nummer på varje rad");
    EXPECT_EQ(items[3]->text(), "Visa nummer på varannan rad");
    EXPECT_EQ(items[4]->text(), "Visa nummer på var 3:e rad");
    EXPECT_EQ(items[11]->text(), "Visa nummer på var 10:e rad");
    for (int i = 2; i <= 11; ++i) {
        EXPECT_EQ(items[i]->data().toInt(), i - 1);
        EXPECT_EQ(items[i]->property("hint").toString(), "|Anger avståndet mellan radnumren.");
        EXPECT_TRUE(items[i]->actionGroup() && items[i]->actionGroup()->isExclusive());
    }
    EXPECT_TRUE(items[12]->isSeparator());
    EXPECT_EQ(items[13]->text(), "Gradient bakgrund");
    EXPECT_EQ(items[14]->text(), "Ange bakgrundsfärger...");
    EXPECT_EQ(items[15]->text(), "Standardfärgschema: Standard (titelfärger)");
    EXPECT_EQ(items[16]->text(), "Standardfärgschema: Standard (kontrollfärg)");
    EXPECT_EQ(items[17]->text(), "Standardfärgschema: Standard (Tarnwick svart)");
    EXPECT_EQ(items[15]->data().toInt(), 100);
    EXPECT_EQ(items[17]->data().toInt(), 102);
    EXPECT_EQ(items[0]->property("hint").toString(), "|Visar eller döljer radnummer.");
    EXPECT_EQ(items[13]->property("hint").toString(), "|Anger huruvida linjalens bakgrund ska vara en färggradient.");
    EXPECT_EQ(items[14]->property("hint").toString(), "|Anger linjalens bakgrundsfärger.");
    EXPECT_EQ(items[16]->property("hint").toString(), "|Sätter linjalens bakgrundsfärger till standardvärdena.");
    EXPECT_EQ(items[16]->toolTip(), "Sätter linjalens bakgrundsfärger till standardvärdena.");
}

TEST(RulerMenu, DefaultColoursCheckTheControlColourScheme)
{
    RulerHost h;
    h.Menu->RefreshChecks();
    EXPECT_TRUE(h.Menu->Item(0)->isChecked());
    EXPECT_TRUE(h.Menu->Item(2)->isChecked());
    EXPECT_FALSE(h.Menu->Item(3)->isChecked());
    EXPECT_TRUE(h.Menu->Item(13)->isChecked());
    EXPECT_FALSE(h.Menu->Item(14)->isChecked());
    EXPECT_FALSE(h.Menu->Item(15)->isChecked());
    EXPECT_TRUE(h.Menu->Item(16)->isChecked());
    EXPECT_FALSE(h.Menu->Item(17)->isChecked());
    // The same colours given as plain RGB still match once resolved.
    h.Ruler->SetColor(ColorToRGB(clBtnShadow));
    h.Ruler->SetGradientColor(ColorToRGB(clBtnFace));
    h.Menu->RefreshChecks();
    EXPECT_TRUE(h.Menu->Item(16)->isChecked());
    h.Ruler->SetColor(RGB(1, 2, 3));
    h.Menu->RefreshChecks();
    EXPECT_TRUE(h.Menu->Item(14)->isChecked());
    EXPECT_FALSE(h.Menu->Item(16)->isChecked());
}

TEST(RulerMenu, MarksFollowTheRulerWhenTheMenuOpens)
{
    RulerHost h;
    h.Ruler->SetShowLineNumbers(false);
    h.Ruler->SetLineNumberEvery(3);
    h.Ruler->SetSurfaceType(stSolid);
    h.Menu->popup(h.Ruler->mapToGlobal(QPoint(5, 5)));
    EXPECT_FALSE(h.Menu->Item(0)->isChecked());
    EXPECT_TRUE(h.Menu->Item(4)->isChecked());
    EXPECT_FALSE(h.Menu->Item(2)->isChecked());
    EXPECT_FALSE(h.Menu->Item(13)->isChecked());
    h.Menu->close();
    h.Ruler->SetLineNumberEvery(11);
    h.Menu->RefreshChecks();
    for (int i = 2; i <= 11; ++i) EXPECT_FALSE(h.Menu->Item(i)->isChecked()) << i;
}

TEST(RulerMenu, ItemsSwitchNumbersSpacingAndGradient)
{
    RulerHost h;
    h.Menu->Item(0)->trigger();
    EXPECT_FALSE(h.Ruler->ShowLineNumbers());
    h.Menu->Item(0)->trigger();
    EXPECT_TRUE(h.Ruler->ShowLineNumbers());
    h.Menu->Item(5)->trigger();
    EXPECT_EQ(h.Ruler->LineNumberEvery(), 4);
    h.Menu->Item(13)->trigger();
    EXPECT_EQ(h.Ruler->SurfaceType(), stSolid);
    h.Menu->Item(13)->trigger();
    EXPECT_EQ(h.Ruler->SurfaceType(), stGradient);
}

TEST(RulerMenu, DarkSchemeGivesAGreyToBlackGradientWithWhiteNumbers)
{
    RulerHost h;
    const int whiteBefore = h.CountPixels(clWhite);
    h.Menu->Item(17)->trigger();
    EXPECT_EQ(h.Ruler->Color(), TColor(0x444444));
    EXPECT_EQ(h.Ruler->GradientColor(), clBlack);
    EXPECT_EQ(h.Ruler->SurfaceType(), stGradient);
    EXPECT_EQ(h.Ruler->Font().Color, clWhite);
    EXPECT_EQ(h.Px(0, 0), RGB(0x44, 0x44, 0x44));
    EXPECT_EQ(h.Px(32, 0), RulerLayout::GradientColumn(0x444444, clBlack, 32, 33));
    EXPECT_GT(h.CountPixels(clWhite), whiteBefore + 20);
    h.Menu->RefreshChecks();
    EXPECT_TRUE(h.Menu->Item(17)->isChecked());
    EXPECT_FALSE(h.Menu->Item(14)->isChecked());
    // Back to the caption colours and the defaults.
    h.Menu->Item(15)->trigger();
    EXPECT_EQ(h.Ruler->Color(), clActiveCaption);
    EXPECT_EQ(h.Ruler->GradientColor(), clGradientActiveCaption);
    h.Menu->Item(16)->trigger();
    EXPECT_EQ(h.Ruler->Color(), clBtnShadow);
    EXPECT_EQ(h.Ruler->GradientColor(), clBtnFace);
}

TEST(RulerMenu, ColourDialogsRunTwiceTheSecondAlsoAfterACancelledFirst)
{
    RulerHost h;
    h.Ruler->SetColor(RGB(10, 20, 30));
    std::vector<std::string> seen;
    WhenModal([&](QWidget* first) {
        auto* w = qobject_cast<Thexcolor*>(first);
        ASSERT_NE(w, nullptr);
        seen.push_back(w->windowTitle().toStdString() + " / " + w->btnInsert->text().toStdString() + " / " +
                       w->vhex->text().toStdString());
        WhenModal([&](QWidget* second) {
            auto* w2 = qobject_cast<Thexcolor*>(second);
            ASSERT_NE(w2, nullptr);
            seen.push_back(w2->windowTitle().toStdString() + " / " + w2->btnInsert->text().toStdString() + " / " +
                           w2->vhex->text().toStdString());
            w2->SetCurrentColor(RGB(0x12, 0x34, 0x56));
            w2->btnInsert->click();
        });
        w->btnClose->click();
    });
    h.Menu->Item(14)->trigger();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Ange bakgrundsfärg / Ange / #0A141E");
    EXPECT_EQ(seen[1], "Ange gradient bakgrundsfärg / Ange / " + ColorToHex(ColorToRGB(clBtnFace)));
    EXPECT_EQ(h.Ruler->Color(), RGB(10, 20, 30));
    EXPECT_EQ(h.Ruler->GradientColor(), RGB(0x12, 0x34, 0x56));
    // The ruler repainted in the new colours.
    EXPECT_EQ(h.Px(0, 5), RGB(10, 20, 30));
    EXPECT_EQ(h.Px(32, 5), RulerLayout::GradientColumn(RGB(10, 20, 30), RGB(0x12, 0x34, 0x56), 32, 33));
}

TEST(RulerMenu, BothColoursPickedRecolourTheRuler)
{
    RulerHost h;
    AnswerBothColourDialogs(RGB(0, 0, 128), RGB(255, 255, 0), PressReturnInCode);
    h.Menu->Item(14)->trigger();
    EXPECT_EQ(h.Ruler->Color(), RGB(0, 0, 128));
    EXPECT_EQ(h.Ruler->GradientColor(), RGB(255, 255, 0));
    EXPECT_EQ(h.Px(0, 5), RGB(0, 0, 128));
    EXPECT_EQ(h.Ruler->Font().Color, clBlack);
    h.Menu->RefreshChecks();
    EXPECT_TRUE(h.Menu->Item(14)->isChecked());
}

TEST(RulerMenu, RightClickOnTheRulerOpensItsMenu)
{
    RulerHost h;
    EXPECT_FALSE(h.Menu->isVisible());
    // The right button selects no line; the context menu request it brings opens the menu
    // where the pointer is.
    QTest::mouseClick(h.Ruler, Qt::RightButton, {}, QPoint(10, 40));
    EXPECT_FALSE(h.Editor->HasSelection());
    const QPoint at(10, 40);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, h.Ruler->mapToGlobal(at));
    QApplication::sendEvent(h.Ruler, &request);
    EXPECT_TRUE(h.Menu->isVisible());
    EXPECT_EQ(h.Menu->pos(), h.Ruler->mapToGlobal(at));
    h.Menu->close();
}
