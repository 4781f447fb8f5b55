// A whole drill with the keyboard only: a project chosen in the main window, Execute, every
// answer typed, the end message closed with Enter, and back to the main window.
#include "DrillFixture.h"

#include "KeyTyping.h"
#include "ModalHelper.h"
#include "Scripts.h"
#include "app/DataStore.h"
#include "app/SelectorBox.h"
#include "app/main.h"
#include "app/msgbox.h"
#include "controls/FlatButton.h"
#include "controls/RightWrongDoneIndicator.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
QWidget* Focus() { return QApplication::focusWidget(); }

void Keys(const QString& text)
{
    QTest::keyClicks(Focus(), text);
}
void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(Focus(), k, m); }

// The offscreen platform does not always activate a window shown again; a window system
// would, as the drill asks for it.
bool Active(QWidget* w)
{
    if (!QTest::qWaitForWindowActive(w, 500)) QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

class EndToEnd : public DrillWindows {
protected:
    std::vector<std::string> Messages;
    bool AnswerShownBehind = false;

    // Every message box is read, with what the drill shows behind it.
    void OnMessageBox(TMessageBox* box) override
    {
        Messages.push_back(box->info->text().toStdString());
        AnswerShownBehind = Frm->answer->isVisible();
    }

    void SetUp() override
    {
        Base.Write("Lists/countries.txt", "France\r\nSweden\r\nJapan\r\n");
        Base.Write("Lists/capitals.txt", "Paris\r\nStockholm\r\nTokyo\r\n");
        Base.Write("Lists/short.txt", "one\r\n");
        Base.Write("Projects/Geography.rep", "countries\r\ncapitals\r\n");
        OpenWindows();
        QApplication::setActiveWindow(Main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main.get()));
    }
};
} // namespace

TEST_F(EndToEnd, AProjectDrilledWithTheKeyboardOnly)
{
    ASSERT_TRUE(Focus() == Main->projectSelector || Focus() == Main->projectSelector->lineEdit());
    Keys("Geo"); // completed to the project, which fills both list selectors
    ASSERT_EQ(Main->list1selector->Text(), "countries");
    ASSERT_EQ(Main->list2selector->Text(), "capitals");

    Key(Qt::Key_End);    // keep the completed name
    Key(Qt::Key_Return); // Execute, the default button
    ASSERT_TRUE(Frm->isVisible());
    ASSERT_FALSE(Main->isVisible());
    ASSERT_TRUE(Active(Frm.get()));
    EXPECT_EQ(Frm->lblProject->text(), "Geography");
    EXPECT_EQ(Frm->lblList1->text(), "countries");
    EXPECT_EQ(Frm->lblList2->text(), "capitals");
    EXPECT_EQ(Frm->lblQ->text(), "France");
    ASSERT_EQ(Focus(), Frm->answer);

    Keys("Paris");
    Key(Qt::Key_Return);
    Keys("Stokholm");
    Key(Qt::Key_Return);
    EXPECT_EQ(Hands(), 1);
    EXPECT_EQ(Frm->lblE->text(), "1");
    Key(Qt::Key_Escape);
    Keys("Stockholm");
    Key(Qt::Key_Return);
    EXPECT_EQ(Frm->lblQ->text(), "Japan");

    Key(Qt::Key_F1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Messages, std::vector<std::string>{"You answered correctly on 3 questions of 3 possible."});
    EXPECT_TRUE(AnswerShownBehind);
    EXPECT_FALSE(Frm->answer->isVisible());
    EXPECT_TRUE(Frm->isVisible());

    // Start Over is a Tab away, and Space presses it.
    ASSERT_TRUE(Active(Frm.get()));
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), Frm->btnRestart);
    Key(Qt::Key_Space);
    EXPECT_EQ(Frm->lblQ->text(), "France");
    EXPECT_EQ(Focus(), Frm->answer);

    Key(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(Frm->isVisible());
    EXPECT_TRUE(Main->isVisible());
    // The selectors keep their texts for the next Execute.
    EXPECT_EQ(Main->projectSelector->Text(), "Geography");
    EXPECT_EQ(Main->list1selector->Text(), "countries");
    EXPECT_EQ(Messages.size(), 1u);
}

TEST_F(EndToEnd, ListsOfDifferentLengthStartNoDrill)
{
    Main->list1selector->SetText("short");
    Main->list2selector->SetText("capitals");
    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    EXPECT_EQ(Messages, std::vector<std::string>{"The number of items in the list files differ."});
    EXPECT_FALSE(Frm->isVisible());
    EXPECT_TRUE(Main->isVisible());
}

TEST_F(EndToEnd, ContinueOnErrorStaysOnForTheNextExecute)
{
    Keys("Geo");
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Active(Frm.get()));
    Key(Qt::Key_F7);
    EXPECT_TRUE(Frm->btnToggleAcceptErrors->Down());
    Key(Qt::Key_F4, Qt::ControlModifier);
    ASSERT_TRUE(Main->isVisible());
    ASSERT_TRUE(Active(Main.get()));

    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(Frm->isVisible());
    ASSERT_TRUE(Active(Frm.get()));
    EXPECT_TRUE(Frm->GetAcceptErrors());
    EXPECT_EQ(Frm->btnToggleAcceptErrors->Canvas().GetPixel(2, 2), TFlatButton::DownColor);
    Keys("Lyon");
    Key(Qt::Key_Return);
    EXPECT_EQ(Frm->lblQ->text(), "Sweden");
    EXPECT_EQ(Frm->lblE->text(), "1");
    EXPECT_EQ(Hands(), 0);
    EXPECT_TRUE(Messages.empty());
}

// Questions from a UTF-8 list, answers from a UTF-16 one, each shown as itself and answered
// as a keyboard types it.
TEST_F(EndToEnd, ListsInAnyScriptAreShownAndTheirTypedAnswersAreRight)
{
    QString items;
    for (const TScriptItem& item : ScriptItems) items += QString::fromUtf8(item.InFile) + "\r\n";
    Base.Write("Lists/items.txt", items.toStdString());
    Base.Write("Lists/UTF-16.txt", QByteArray(QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(items)).toStdString());
    Main->list1selector->SetText("items");
    Main->list2selector->SetText("UTF-16");
    QTest::mouseClick(Main->btnExecute, Qt::LeftButton);
    ASSERT_TRUE(Active(Frm.get()));
    for (const TScriptItem& item : ScriptItems) {
        EXPECT_EQ(Frm->lblQ->text(), QString::fromUtf8(item.InFile));
        TypeText(Focus(), QString::fromUtf8(item.Typed));
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(Hands(), 0);
    EXPECT_EQ(Messages, std::vector<std::string>{"You answered correctly on 8 questions of 8 possible."});
}
