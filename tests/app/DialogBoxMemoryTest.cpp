// Dialog boxes are made and thrown away all session long; making one must not leave memory
// behind. Each box once built the program's icon afresh, and the scaled copies of every
// such icon stayed in Qt's pixmap cache: a few kilobytes per box, for good.
#include "app/InternalFunctionInputWin.h"
#include "app/Program.h"
#include "app/msgbox.h"
#include "app/qbox.h"
#include "platform/Application.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ASAN 1
#endif
#endif

namespace {
size_t HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

template <class TBox> void MakeAndDrop(int count)
{
    for (int i = 0; i < count; ++i) {
        TBox box;
        box.show();
        QApplication::processEvents();
    }
}
} // namespace

TEST(DialogBoxMemory, TheIconIsBuiltOnceAndShared)
{
    EXPECT_EQ(ProgramIcon().cacheKey(), ProgramIcon().cacheKey());
    EXPECT_FALSE(ProgramIcon().pixmap(32, 32).isNull());
}

TEST(DialogBoxMemory, BoxesMadeAndDroppedLeaveNoMemoryBehind)
{
#ifdef UNDER_ASAN
    GTEST_SKIP() << "AddressSanitizer holds freed memory back on purpose";
#endif
    // The first of each kind fills Qt's own caches (fonts, style, window pixels).
    MakeAndDrop<TMessageBox>(5);
    MakeAndDrop<TQuestionBox>(5);
    MakeAndDrop<TInternalFunctionInput>(5);
    const size_t before = HeapInUse();
    MakeAndDrop<TMessageBox>(200);
    MakeAndDrop<TQuestionBox>(200);
    MakeAndDrop<TInternalFunctionInput>(200);
    const size_t after = HeapInUse();
    // 600 boxes at a few kilobytes each would be megabytes.
    EXPECT_LT(after, before + 256 * 1024) << "before " << before << ", after " << after;
}
