#pragma once
// A left press that confines the pointer to a control, and what must set it free again.
#include "platform/Pointer.h"

#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Presses the left button on `control` at `at`, which confines the pointer, then runs `end`
// (the control hidden, destroyed or disabled, or another taking the focus): the pointer is free.
inline void ExpectEndReleasesPointer(QWidget* control, QPoint at, const std::function<void()>& end)
{
    QTest::mousePress(control, Qt::LeftButton, {}, at);
    ASSERT_TRUE(GetClipCursor().has_value());
    end();
    EXPECT_FALSE(GetClipCursor().has_value());
}
