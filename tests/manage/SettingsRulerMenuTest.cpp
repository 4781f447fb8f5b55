// The settings window's ruler carries its own menu: a right click on Ruler1 opens it, and its
// colour dialogs recolour the ruler beside the list being edited.
#include "ManageFixture.h"

#include "ColourDialogs.h"
#include "colordlg/hexcolorWin.h"
#include "editor/ruler/Ruler.h"
#include "editor/ruler/RulerMenu.h"

#include <QContextMenuEvent>

class SettingsRuler : public ManageWindows {
protected:
    void SetUp() override
    {
        ManageWindows::SetUp();
        Base.Write("Lists/alpha.txt", "one\r\ntwo\r\nthree\r\n");
        CreateWindows();
        Settings->Ruler1->PopupMenu()->CustomColorsFile = Base / "CustomColors.dat";
        OpenSettings();
    }
};

TEST_F(SettingsRuler, RightClickOnRuler1OpensTheRulerMenu)
{
    TRulerMenu* menu = Settings->Ruler1->PopupMenu();
    ASSERT_NE(menu, nullptr);
    const QPoint at(10, 30);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, Settings->Ruler1->mapToGlobal(at));
    QApplication::sendEvent(Settings->Ruler1, &request);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().size(), 18);
    // The marks show the ruler as the window set it up: numbers on every row, the gradient,
    // the control colours.
    EXPECT_TRUE(menu->Item(0)->isChecked());
    EXPECT_TRUE(menu->Item(2)->isChecked());
    EXPECT_TRUE(menu->Item(13)->isChecked());
    EXPECT_TRUE(menu->Item(16)->isChecked());
    menu->close();
}

TEST_F(SettingsRuler, PickedColoursRecolourRuler1)
{
    AnswerBothColourDialogs(RGB(0, 64, 0), RGB(200, 230, 255));
    Settings->Ruler1->PopupMenu()->Item(14)->trigger();
    EXPECT_EQ(Settings->Ruler1->Color(), RGB(0, 64, 0));
    EXPECT_EQ(Settings->Ruler1->GradientColor(), RGB(200, 230, 255));
    EXPECT_EQ(Settings->Ruler1->Canvas().GetPixel(0, 10), RGB(0, 64, 0));
    EXPECT_EQ(Base.Read("CustomColors.dat"), "");
}
