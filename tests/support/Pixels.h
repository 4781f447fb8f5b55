#pragma once
// Checks a picture point by point: the points that should all show one colour.
#include "platform/Color.h"
#include "platform/Geometry.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>

// The colour of a picture at (x, y): a pixel, or whatever unit the picture is read in (a cell).
using PixelReader = std::function<TColor(int x, int y)>;

// Every one of `points` reads `expected`; a failure names the point.
inline void ExpectColourAt(const PixelReader& pixel, TColor expected, std::initializer_list<TPoint> points)
{
    for (const TPoint& p : points) EXPECT_EQ(pixel(p.X, p.Y), expected) << "at (" << p.X << ", " << p.Y << ")";
}
