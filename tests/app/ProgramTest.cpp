// The application object as the program sets it up.
#include "app/Program.h"

#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

TEST(Program, NamesTheApplicationAndLeavesEveryCaptionAsItsWindowSetsIt)
{
    SetUpProgram(*qApp);
    EXPECT_EQ(QCoreApplication::applicationName(), "Lexidrill");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    // A display name that was set is appended by the platform to every caption that does not
    // end in it ("Settings — Lexidrill"). None is set: it follows the application name.
    QCoreApplication::setApplicationName("Probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Probe");
    QCoreApplication::setApplicationName("Lexidrill");
}
