// Test entry point: a real application object on Qt's offscreen platform with the
// program's fonts, running on the test services, so widgets, canvases and dialogs behave as
// in the program while time, keys, clipboard and sounds stay in the tests' hands.
#include "FakeServices.h"
#include "app/Program.h"
#include "platform/Application.h"

#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv, TestServices());
    InstallProgramFonts();
    Q_INIT_RESOURCE(resources);
    InstallProgramCursors();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
