// Test entry point: a real application object on Qt's offscreen platform with the
// program's fonts, so widgets, canvases and dialogs behave as in the program.
#include "platform/Application.h"

#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LEXIDRILL_SILENT", "1", 0);
    TApplication app(argc, argv);
    InstallProgramFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
