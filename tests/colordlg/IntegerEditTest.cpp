// The integer field with Min 0 and Max 255, as the colour dialog's red, green and blue fields:
// typing rules, arrow steps and the cleaning of any text that arrives.
#include "colordlg/IntegerEdit.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
struct EditHost {
    QWidget Window;
    TIntegerEdit* Edit = new TIntegerEdit(&Window);
    std::vector<std::string> Changes;
    EditHost()
    {
        Edit->Min = 0;
        Edit->Max = 255;
        Edit->setMaxLength(3);
        Edit->OnChange = [this](QObject* s) {
            EXPECT_EQ(s, Edit);
            Changes.push_back(Edit->text().toStdString());
        };
        Window.show();
        QApplication::setActiveWindow(&Window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
        Edit->setFocus();
    }
    void Type(const char* s) { QTest::keyClicks(Edit, s); }
};
} // namespace

TEST(IntegerEdit, ConstructionValues)
{
    TIntegerEdit e;
    EXPECT_EQ(e.Min, 0);
    EXPECT_EQ(e.Max, 0);
}

TEST(IntegerEdit, LettersAndOtherCharactersAreDropped)
{
    EditHost h;
    h.Type("12");
    h.Changes.clear();
    int presses = 0;
    h.Edit->OnKeyPress = [&](QObject*, QKeyEvent*) { ++presses; };
    h.Type("a -+x");
    QTest::keyClick(h.Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(h.Edit->text(), "12");
    EXPECT_TRUE(h.Changes.empty());
    // The key press is reported before the character is dropped.
    EXPECT_EQ(presses, 6);
    QTest::keyClick(h.Edit, Qt::Key_Backspace);
    EXPECT_EQ(h.Edit->text(), "1");
}

TEST(IntegerEdit, ValueAboveMaxEndsAsMax)
{
    EditHost h;
    h.Type("300");
    EXPECT_EQ(h.Edit->text(), "255");
    EXPECT_EQ(h.Changes, (std::vector<std::string>{"3", "30", "255", "255"}));
}

TEST(IntegerEdit, LeadingZerosAreDropped)
{
    EditHost h;
    h.Type("007");
    EXPECT_EQ(h.Edit->text(), "7");
    for (const std::string& c : h.Changes) EXPECT_TRUE(c == "0" || c[0] != '0') << c;
    EXPECT_EQ(h.Changes.back(), "7");
}

TEST(IntegerEdit, FullStopMakesTheTextMin)
{
    EditHost h;
    h.Type("1.");
    EXPECT_EQ(h.Edit->text(), "0");
    EXPECT_EQ(h.Changes.back(), "0");
}

TEST(IntegerEdit, UpAndDownStepWithinTheLimitsAndSelect)
{
    EditHost h;
    h.Edit->setText("254");
    QTest::keyClick(h.Edit, Qt::Key_Up);
    EXPECT_EQ(h.Edit->text(), "255");
    EXPECT_EQ(h.Edit->selectedText(), "255");
    h.Changes.clear();
    QTest::keyClick(h.Edit, Qt::Key_Up);
    EXPECT_EQ(h.Edit->text(), "255");
    EXPECT_EQ(h.Edit->selectedText(), "255");
    EXPECT_TRUE(h.Changes.empty());

    h.Edit->setText("1");
    h.Changes.clear();
    QTest::keyClick(h.Edit, Qt::Key_Down);
    QTest::keyClick(h.Edit, Qt::Key_Down);
    QTest::keyClick(h.Edit, Qt::Key_Down);
    EXPECT_EQ(h.Edit->text(), "0");
    EXPECT_EQ(h.Edit->selectedText(), "0");
    EXPECT_EQ(h.Changes, (std::vector<std::string>{"0"}));
}

TEST(IntegerEdit, UpOnEmptyTextLeavesItEmptyAndSelectsNothing)
{
    EditHost h;
    QTest::keyClick(h.Edit, Qt::Key_Up);
    EXPECT_EQ(h.Edit->text(), "");
    EXPECT_FALSE(h.Edit->hasSelectedText());
    EXPECT_TRUE(h.Changes.empty());
    // After a step that did select, the next ordinary key does not select again.
    h.Type("5");
    QTest::keyClick(h.Edit, Qt::Key_Up);
    EXPECT_EQ(h.Edit->selectedText(), "6");
    QTest::keyClick(h.Edit, Qt::Key_End);
    QTest::keyClick(h.Edit, Qt::Key_Left);
    EXPECT_FALSE(h.Edit->hasSelectedText());
}

TEST(IntegerEdit, DeletingEverythingLeavesItEmptyWithoutChange)
{
    EditHost h;
    h.Type("42");
    h.Changes.clear();
    QTest::keyClick(h.Edit, Qt::Key_Backspace);
    QTest::keyClick(h.Edit, Qt::Key_Backspace);
    EXPECT_EQ(h.Edit->text(), "");
    EXPECT_EQ(h.Changes, (std::vector<std::string>{"4"}));
}

TEST(IntegerEdit, AssignedTextIsCleaned)
{
    EditHost h;
    h.Edit->setText("abc");
    EXPECT_EQ(h.Edit->text(), "0");
    // At most three characters are taken.
    h.Edit->setText("99999999999999");
    EXPECT_EQ(h.Edit->text(), "255");
    h.Edit->setMaxLength(20);
    h.Edit->setText("99999999999999");
    EXPECT_EQ(h.Edit->text(), "0");
    h.Edit->setText("0042");
    EXPECT_EQ(h.Edit->text(), "42");
    // A pasted negative number is held at Min, so no report carries a value below it.
    h.Changes.clear();
    h.Edit->setText("-5");
    EXPECT_EQ(h.Edit->text(), "0");
    for (const std::string& c : h.Changes) EXPECT_GE(std::stoi(c), 0);
}

TEST(IntegerEdit, ToIntegerAcceptsOnlyWholeNumbersIn32Bits)
{
    int v = 0;
    EXPECT_TRUE(TIntegerEdit::ToInteger("2147483647", v));
    EXPECT_EQ(v, 2147483647);
    EXPECT_TRUE(TIntegerEdit::ToInteger("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_FALSE(TIntegerEdit::ToInteger("2147483648", v));
    EXPECT_FALSE(TIntegerEdit::ToInteger("", v));
    EXPECT_FALSE(TIntegerEdit::ToInteger("-", v));
    EXPECT_FALSE(TIntegerEdit::ToInteger("1.", v));
    EXPECT_FALSE(TIntegerEdit::ToInteger(" 1", v));
}
