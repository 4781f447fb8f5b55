// The hue strip and the brightness field on real controls: pixels, addressing, markers,
// events, and pointer handling driven by mouse events.
#include "ColorPickerFixture.h"
#include "PointerRelease.h"

#include "platform/Pointer.h"

#include <memory>

namespace {
TColor Face() { return ColorToRGB(clBtnFace); }

// The field's pixel as the colour functions compute it.
TColor FieldAt(TColor base, int w, int h, int x, int y) { return BrightnessField(base, w, h)[size_t(y * w + x)]; }

TRect ScreenRect(QWidget* w, int right, int bottom)
{
    const QPoint a = w->mapToGlobal(QPoint(0, 0)), b = w->mapToGlobal(QPoint(right, bottom));
    return Rect(a.x(), a.y(), b.x(), b.y());
}
} // namespace

TEST(ColorPicker, ConstructionValues)
{
    TColorMap map;
    EXPECT_EQ(map.width(), 257);
    EXPECT_EQ(map.MapDimension(), md2D);
    EXPECT_EQ(map.CurrentPointX(), 0);
    EXPECT_EQ(map.CurrentPointY(), 0);
    EXPECT_EQ(map.CurrentPoint(), (TPoint{1, 1}));
    EXPECT_EQ(map.PreviousPoint(), (TPoint{1, 1}));
    EXPECT_FALSE(map.Dragging());
    TColorBrightness field;
    EXPECT_EQ(field.width(), 257);
    EXPECT_EQ(field.MapDimension(), md1D);
    EXPECT_EQ(field.OriginalColor(), TColor(255));
    EXPECT_TRUE(field.SpeedUpdate());
    EXPECT_EQ(field.CurrentPoint(), (TPoint{1, 1}));
    EXPECT_FALSE(field.Dragging());
}

TEST(ColorPicker, StripShowsTheHueWalkWithItsMarkerInverse)
{
    PickerHost h;
    h.Map->SetMapDimension(md1D);
    const std::vector<TColor> strip = HueStrip(488);
    // The line marker stands on column 1 (the initial point) in the inverse of the column.
    for (int x = 0; x < 487; ++x) {
        const TColor want = x == 1 ? InvertColor(strip[1]) : strip[size_t(x)];
        ASSERT_EQ(h.Px(h.Map, x, 0), want) << x;
        ASSERT_EQ(h.Px(h.Map, x, 29), want) << x;
    }
    EXPECT_EQ(h.Px(h.Map, 0, 15), RGB(255, 4, 0));
    EXPECT_EQ(h.Px(h.Map, 146, 15), RGB(0, 255, 0));
    EXPECT_EQ(h.Px(h.Map, 486, 15), RGB(255, 0, 0));
    // Column 487 lies beyond the walk and keeps the button face.
    EXPECT_EQ(h.Px(h.Map, 487, 0), Face());
    EXPECT_EQ(h.Px(h.Map, 487, 29), Face());
    EXPECT_TRUE(h.MapReports.empty());
}

TEST(ColorPicker, StripAddressesPixelOnePastTheValue)
{
    PickerHost h;
    h.Map->SetCurrentPointX(0);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{1, 1}));
    h.Map->SetCurrentPointY(1);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{1, 2}));
    EXPECT_EQ(h.Map->CurrentPointY(), 1);
    // The point marker is the one pixel at (1, 2); the pixel it left is whole again.
    const TColor column1 = HueStrip(488)[1];
    EXPECT_EQ(h.Px(h.Map, 1, 2), InvertColor(column1));
    EXPECT_EQ(h.Px(h.Map, 1, 1), column1);
    ASSERT_EQ(h.MapReports.size(), 2u);
    EXPECT_EQ(h.MapReports[1].Point, (TPoint{1, 2}));
    EXPECT_EQ(h.MapReports[1].Color, column1);

    h.Map->SetCurrentPointX(146);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{147, 2}));
    EXPECT_EQ(h.MapReports.back().Color, RGB(0, 255, 0));
    // width - 1 addresses column 488, one past the strip: accepted, and reported as the
    // nearest column drawn (the button face beyond the walk).
    h.Map->SetCurrentPointX(487);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{488, 2}));
    EXPECT_EQ(h.MapReports.back().Color, Face());
    // width is refused, the stored value included.
    const size_t reports = h.MapReports.size();
    h.Map->SetCurrentPointX(488);
    EXPECT_EQ(h.Map->CurrentPointX(), 487);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{488, 2}));
    h.Map->SetCurrentPointY(30);
    EXPECT_EQ(h.Map->CurrentPointY(), 1);
    h.Map->SetCurrentPointX(-2);
    EXPECT_EQ(h.MapReports.size(), reports);
    h.Map->SetCurrentPointY(29);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{488, 30}));
}

TEST(ColorPicker, FieldAcceptsLastColumnAndRowAndRefusesTheEdge)
{
    PickerHost h;
    h.Field->SetMapDimension(md2D);
    h.Field->SetCurrentPointX(487);
    EXPECT_EQ(h.Field->CurrentPoint(), (TPoint{487, 1}));
    EXPECT_EQ(h.Field->CurrentPointX(), 487);
    EXPECT_EQ(h.Px(h.Field, 487, 1), InvertColor(FieldAt(RGB(255, 0, 0), 488, 201, 487, 1)));
    h.FieldReports.clear();
    h.Field->SetCurrentPointX(488);
    EXPECT_EQ(h.Field->CurrentPointX(), 487);
    EXPECT_EQ(h.Field->CurrentPoint(), (TPoint{487, 1}));
    h.Field->SetCurrentPointX(-1);
    EXPECT_EQ(h.Field->CurrentPointX(), 487);
    EXPECT_TRUE(h.FieldReports.empty());
    h.Field->SetCurrentPointY(200);
    EXPECT_EQ(h.Field->CurrentPoint(), (TPoint{487, 200}));
    h.Field->SetCurrentPointY(201);
    EXPECT_EQ(h.Field->CurrentPointY(), 200);
    EXPECT_EQ(h.Field->CurrentPoint(), (TPoint{487, 200}));
    ASSERT_EQ(h.FieldReports.size(), 1u);
    EXPECT_EQ(h.FieldReports[0].Color, FieldAt(RGB(255, 0, 0), 488, 201, 487, 200));
}

TEST(ColorPicker, StripRaisesPaintEachForEveryStepOfTheWalk)
{
    PickerHost h;
    std::vector<TColor> painted;
    h.Map->OnPaintEach = [&](QObject* s, TColor c) {
        EXPECT_EQ(s, h.Map);
        painted.push_back(c);
    };
    h.Map->Repaint();
    const std::vector<THueStep> walk = HueWalk(488);
    ASSERT_EQ(painted.size(), 6u * (81u + 1u));
    for (size_t i = 0; i < walk.size(); ++i) EXPECT_EQ(painted[i], walk[i].Color) << i;
    // Moving the marker draws no strip.
    painted.clear();
    h.Map->SetCurrentPointX(20);
    EXPECT_TRUE(painted.empty());
    h.Map->resize(257, 30);
    h.Map->Repaint();
    EXPECT_EQ(painted.size(), 6u * (43u + 1u));
}

TEST(ColorPicker, OriginalColorReportsTheColourUnderTheUnmovedMarker)
{
    PickerHost h;
    h.Field->SetMapDimension(md2D);
    h.Field->SetCurrentPointX(244);
    h.Field->SetCurrentPointY(0);
    h.FieldReports.clear();
    h.Field->SetOriginalColor(RGB(18, 52, 86));
    ASSERT_EQ(h.FieldReports.size(), 1u);
    EXPECT_EQ(h.FieldReports[0].Point, (TPoint{244, 0}));
    EXPECT_EQ(h.FieldReports[0].Color, RGB(18, 52, 86));
    EXPECT_EQ(h.Px(h.Field, 244, 0), InvertColor(RGB(18, 52, 86)));
    // Anywhere else the colour is the new field's pixel there.
    h.Field->SetCurrentPointX(100);
    h.Field->SetCurrentPointY(50);
    h.FieldReports.clear();
    h.Field->SetOriginalColor(RGB(0, 255, 0));
    ASSERT_EQ(h.FieldReports.size(), 1u);
    EXPECT_EQ(h.FieldReports[0].Color, FieldAt(RGB(0, 255, 0), 488, 201, 100, 50));
    // The line marker too: the colour under the point, not the line's inverse.
    h.Field->SetMapDimension(md1D);
    h.FieldReports.clear();
    h.Field->SetOriginalColor(RGB(255, 0, 0));
    ASSERT_EQ(h.FieldReports.size(), 1u);
    EXPECT_EQ(h.FieldReports[0].Color, FieldAt(RGB(255, 0, 0), 488, 201, 100, 50));
}

TEST(ColorPicker, MapDimensionRepaintsWithoutReporting)
{
    PickerHost h;
    h.Map->SetMapDimension(md1D);
    h.Field->SetMapDimension(md2D);
    EXPECT_TRUE(h.MapReports.empty());
    EXPECT_TRUE(h.FieldReports.empty());
    // The field now carries a point marker at (1, 1) and no line.
    const TColor red = RGB(255, 0, 0);
    EXPECT_EQ(h.Px(h.Field, 1, 1), InvertColor(FieldAt(red, 488, 201, 1, 1)));
    EXPECT_EQ(h.Px(h.Field, 1, 100), FieldAt(red, 488, 201, 1, 100));
}

TEST(ColorPicker, FieldPixelsOnTheControlAreTheFieldsExceptTheMarker)
{
    PickerHost h;
    h.Field->SetMapDimension(md2D);
    h.Field->SetOriginalColor(RGB(18, 52, 86));
    const std::vector<TColor> field = BrightnessField(RGB(18, 52, 86), 488, 201);
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 488; ++x) {
            const TColor want = (x == 1 && y == 1) ? InvertColor(field[size_t(y * 488 + x)]) : field[size_t(y * 488 + x)];
            ASSERT_EQ(h.Px(h.Field, x, y), want) << x << "," << y;
        }
}

TEST(ColorPicker, PointMarkerStepRestoresWhatItCovered)
{
    PickerHost h;
    h.Field->SetMapDimension(md2D);
    const TColor red = RGB(255, 0, 0);
    h.Field->SetCurrentPointX(10);
    h.Field->SetCurrentPointY(10);
    EXPECT_EQ(h.Px(h.Field, 10, 10), InvertColor(FieldAt(red, 488, 201, 10, 10)));
    EXPECT_EQ(h.Px(h.Field, 10, 1), FieldAt(red, 488, 201, 10, 1));
    EXPECT_EQ(h.Px(h.Field, 1, 1), FieldAt(red, 488, 201, 1, 1));
    EXPECT_EQ(h.Field->PreviousPoint(), (TPoint{10, 1}));
}

TEST(ColorPicker, LineMarkerOnTheStripRestoresItsColumn)
{
    PickerHost h;
    h.Map->SetMapDimension(md1D);
    h.Map->SetCurrentPointX(99);
    const std::vector<TColor> strip = HueStrip(488);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(h.Px(h.Map, 1, y), strip[1]);
        EXPECT_EQ(h.Px(h.Map, 100, y), InvertColor(strip[100]));
    }
    EXPECT_EQ(h.MapReports.back().Color, strip[100]);
}

TEST(ColorPicker, LineMarkerOnTheFieldLeavesItsColumnInOneColour)
{
    PickerHost h; // the field's line marker stands on column 1, point (1, 1), from the first render
    h.Field->SetCurrentPointX(300);
    const TColor red = RGB(255, 0, 0);
    // The erased column is filled with the one colour that lay under the old point, (1, 1).
    const TColor under = FieldAt(red, 488, 201, 1, 1);
    for (int y : {0, 50, 200}) EXPECT_EQ(h.Px(h.Field, 1, y), under) << y;
    EXPECT_NE(FieldAt(red, 488, 201, 1, 200), under);
    for (int y : {0, 50, 200}) EXPECT_EQ(h.Px(h.Field, 300, y), InvertColor(FieldAt(red, 488, 201, 300, 1))) << y;
    EXPECT_EQ(h.FieldReports.back().Color, FieldAt(red, 488, 201, 300, 1));
    // Within the column the line's inverse is read and turned back.
    h.Field->SetCurrentPointY(50);
    EXPECT_EQ(h.FieldReports.back().Color, FieldAt(red, 488, 201, 300, 1));
    // A render brings the fade back.
    h.Field->SetOriginalColor(red);
    EXPECT_EQ(h.Px(h.Field, 1, 0), FieldAt(red, 488, 201, 1, 0));
}

TEST(ColorPicker, PressOnThePointMarkerReportsTheFieldsColour)
{
    PickerHost h;
    h.Field->SetMapDimension(md2D);
    h.Field->SetCurrentPointX(40);
    h.Field->SetCurrentPointY(60);
    const TColor want = FieldAt(RGB(255, 0, 0), 488, 201, 40, 60);
    h.FieldReports.clear();
    QTest::mousePress(h.Field, Qt::LeftButton, {}, QPoint(40, 60));
    QTest::mouseRelease(h.Field, Qt::LeftButton, {}, QPoint(40, 60));
    ASSERT_EQ(h.FieldReports.size(), 1u);
    EXPECT_EQ(h.FieldReports[0].Point, (TPoint{40, 60}));
    EXPECT_EQ(h.FieldReports[0].Color, want);
    EXPECT_EQ(h.Px(h.Field, 40, 60), InvertColor(want));
}

TEST(ColorPicker, DragMovesThePointAndConfinesThePointerUntilRelease)
{
    PickerHost h;
    h.Map->SetMapDimension(md1D);
    QTest::mousePress(h.Map, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(h.Map->Dragging());
    ASSERT_TRUE(GetClipCursor().has_value());
    EXPECT_EQ(*GetClipCursor(), ScreenRect(h.Map, 487, 30));
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{100, 10}));
    // The property values stay as they were assigned.
    EXPECT_EQ(h.Map->CurrentPointX(), 0);
    QTest::mouseMove(h.Map, QPoint(146, 12));
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{146, 12}));
    EXPECT_EQ(h.MapReports.back().Color, RGB(0, 255, 0));
    QTest::mouseRelease(h.Map, Qt::LeftButton, {}, QPoint(146, 12));
    EXPECT_FALSE(h.Map->Dragging());
    EXPECT_FALSE(GetClipCursor().has_value());
    ASSERT_EQ(h.MapReports.size(), 2u);
    // Without a drag a move changes nothing.
    QTest::mouseMove(h.Map, QPoint(300, 12));
    EXPECT_EQ(h.MapReports.size(), 2u);

    QTest::mousePress(h.Field, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(GetClipCursor().has_value());
    EXPECT_EQ(*GetClipCursor(), ScreenRect(h.Field, 486, 201));
    QTest::mouseRelease(h.Field, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(GetClipCursor().has_value());
}

TEST(ColorPicker, RightPressMovesNothingButTheStripTakesTheFocus)
{
    PickerHost h;
    ASSERT_TRUE(h.Other->hasFocus());
    QTest::mousePress(h.Field, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_FALSE(h.Field->Dragging());
    EXPECT_FALSE(GetClipCursor().has_value());
    EXPECT_TRUE(h.FieldReports.empty());
    EXPECT_TRUE(h.Other->hasFocus());
    QTest::mouseRelease(h.Field, Qt::RightButton, {}, QPoint(50, 50));
    // A left press on the field does not take the focus either.
    QTest::mouseClick(h.Field, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(h.Other->hasFocus());

    QTest::mousePress(h.Map, Qt::RightButton, {}, QPoint(50, 5));
    EXPECT_FALSE(h.Map->Dragging());
    EXPECT_TRUE(h.MapReports.empty());
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{1, 1}));
    EXPECT_TRUE(h.Map->hasFocus());
    QTest::mouseRelease(h.Map, Qt::RightButton, {}, QPoint(50, 5));
}

TEST(ColorPicker, PointerIsReleasedHoweverTheDragEnds)
{
    {
        PickerHost h;
        ExpectEndReleasesPointer(h.Map, QPoint(10, 10), [&] { h.Other->setFocus(); }); // the strip loses the focus
        EXPECT_FALSE(h.Map->Dragging());
    }
    {
        PickerHost h;
        ExpectEndReleasesPointer(h.Field, QPoint(10, 10), [&] { h.Field->hide(); });
    }
    {
        PickerHost h;
        ExpectEndReleasesPointer(h.Field, QPoint(10, 10), [&] { delete h.Field; });
    }
    {
        PickerHost h;
        ExpectEndReleasesPointer(h.Field, QPoint(10, 10), [&] { h.Field->setEnabled(false); });
    }
}

TEST(ColorPicker, RenderIsAnnouncedAndMovingThePointNeverRenders)
{
    PickerHost h;
    std::vector<std::string> log;
    h.Field->OnBeginRender = [&](QObject* s) {
        EXPECT_EQ(s, h.Field);
        log.push_back("begin");
    };
    h.Field->OnDoneRender = [&](QObject*) { log.push_back("done"); };
    h.Field->OnPointChange = [&](QObject*, TPoint, TColor) { log.push_back("point"); };
    h.Field->SetOriginalColor(RGB(0, 0, 255));
    EXPECT_EQ(log, (std::vector<std::string>{"begin", "done", "point"}));
    log.clear();
    h.Field->SetCurrentPointX(30);
    QTest::mouseClick(h.Field, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(log, (std::vector<std::string>{"point", "point"}));
    // With SpeedUpdate the old picture stays until the new one is copied over it; without, the
    // button face is filled first.
    TColor seen = 0;
    h.Field->OnBeginRender = [&](QObject*) { seen = h.Px(h.Field, 400, 150); };
    h.Field->SetOriginalColor(RGB(0, 255, 0));
    EXPECT_EQ(seen, FieldAt(RGB(0, 0, 255), 488, 201, 400, 150));
    h.Field->SetSpeedUpdate(false);
    h.Field->SetOriginalColor(RGB(0, 0, 255));
    EXPECT_EQ(seen, Face());
    EXPECT_EQ(h.Px(h.Field, 400, 150), FieldAt(RGB(0, 0, 255), 488, 201, 400, 150));
}

TEST(ColorPicker, FieldTooSmallShowsTheButtonFaceAndFailsNothing)
{
    for (QSize size : {QSize(1, 50), QSize(50, 0), QSize(0, 0)}) {
        PickerHost h;
        h.Field->resize(size);
        int begun = 0;
        h.Field->OnBeginRender = [&](QObject*) { ++begun; };
        h.Field->SetOriginalColor(RGB(10, 200, 30));
        EXPECT_EQ(begun, 1);
        ASSERT_FALSE(h.FieldReports.empty());
        EXPECT_EQ(h.FieldReports.back().Color, Face()) << size.width() << "x" << size.height();
        if (size.width() > 0 && size.height() > 0) EXPECT_EQ(h.Px(h.Field, 0, size.height() - 1), Face());
        h.Field->SetCurrentPointX(0);
        h.Field->SetCurrentPointY(0);
        QTest::mouseClick(h.Field, Qt::LeftButton, {}, QPoint(0, 0));
        EXPECT_FALSE(GetClipCursor().has_value());
    }
}

TEST(ColorPicker, ClickAndDoubleClickEvents)
{
    PickerHost h;
    int clicks = 0, doubles = 0, downs = 0, ups = 0;
    h.Map->OnClick = [&](QObject*) { ++clicks; };
    h.Map->OnDblClick = [&](QObject*) { ++doubles; };
    h.Map->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
    h.Map->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++ups; };
    QTest::mouseClick(h.Map, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    // The second press of a double click is a press: it moves the point and starts a drag.
    QTest::mouseDClick(h.Map, Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(h.Map->CurrentPoint(), (TPoint{30, 5}));
    QTest::mouseRelease(h.Map, Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_FALSE(GetClipCursor().has_value());
}
