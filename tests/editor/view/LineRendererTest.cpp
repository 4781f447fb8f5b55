// The renderer on a bare image: what it draws depends on its arguments alone.
#include "editor/view/LineRenderer.h"

#include "editor/FormattingProcessor.h"

#include "Pixels.h"

#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TColor Back = 0xFFFFFF, Text = 0x000000, Mark = 0x804000, MarkText = 0xFFFFFF;

struct Picture {
    QImage Image{240, 120, QImage::Format_RGB32};
    TCanvas Canvas{&Image};
    TLineStore Lines;
    TTextStyle Style;
    TCellMetrics Cells;
    TLineRenderer Renderer;

    explicit Picture(const std::vector<std::string>& lines, qreal ratio = 1)
    {
        if (ratio != 1) {
            Image = QImage(int(240 * ratio), int(120 * ratio), QImage::Format_RGB32);
            Image.setDevicePixelRatio(ratio);
        }
        Lines.Assign(lines);
        Style.Font.Name = "Courier New";
        Style.Font.SetSize(12);
        Style.Font.Color = Text;
        Style.Font.FixedPitch = true;
        Style.HighlightColor = Mark;
        Style.HighlightTextColor = MarkText;
        Canvas.Font = Style.Font;
        Cells = {Canvas.TextWidth("M") + 1, Canvas.TextHeight("Hj"), {0, 0}, Canvas.Width(), Canvas.Height()};
    }
    TPaintInput In(TSelectionSpan sel = {}) { return {Canvas, Lines, sel, Cells, Style}; }
    void Full(TSelectionSpan sel = {})
    {
        Canvas.Brush = {Back, bsSolid};
        Canvas.FillRect({0, 0, Image.width(), Image.height()});
        Renderer.PaintVisibleLines(In(sel));
    }
    // The colour at the top-left pixel of a cell, where no glyph reaches.
    TColor CellBackground(int column, int line) const
    {
        const TPoint p = Cells.CellPoint({column, line});
        return Canvas.GetPixel(p.X, p.Y) & 0xFFFFFF;
    }
};

using CellList = std::initializer_list<std::pair<int, int>>;

// `span` contains every (line, column) of `covered` and none of `outside`.
void ExpectSpanCovers(const TSelectionSpan& span, CellList covered, CellList outside)
{
    for (const auto& [line, column] : covered) EXPECT_TRUE(span.Contains(line, column)) << line << ", " << column;
    for (const auto& [line, column] : outside) EXPECT_FALSE(span.Contains(line, column)) << line << ", " << column;
}

struct Recorder : TFormattingProcessor {
    std::vector<std::pair<TPoint, bool>> Calls;
    TCharFormat GetCharFormat(char, TPoint pos, bool appended) override
    {
        Calls.push_back({pos, appended});
        return {0x0000FF, 0};
    }
};

} // namespace

TEST(LineRenderer, SelectionSpansCoverTheirCellsOnly)
{
    // Each span with the cells (asked as line, column) it covers and those it does not.
    ExpectSpanCovers({{2, 1}, {4, 1}}, {{1, 2}, {1, 3}}, {{1, 1}, {1, 4}, {0, 3}});
    ExpectSpanCovers({{3, 0}, {1, 2}}, {{0, 50}, {1, 0}, {2, 0}}, {{0, 2}, {2, 1}, {3, 0}});
    ExpectSpanCovers({{2, 2}, {2, 2}}, {}, {{2, 2}});
}

TEST(LineRenderer, TheSelectionIsHighlightedAndTheProcessorHearsOfTheTypedCharacter)
{
    Picture p({"abcdef", "ghi"});
    p.Full({{2, 0}, {1, 1}});
    const PixelReader cell = [&](int column, int line) { return p.CellBackground(column, line); };
    ExpectColourAt(cell, Mark, {{2, 0}, {5, 0}, {0, 1}});
    ExpectColourAt(cell, Back, {{1, 0}, {1, 1}});
    // The highlight ends with the text: the cells after a line's end are blank.
    ExpectColourAt(cell, Back, {{6, 0}});

    Recorder proc;
    p.Style.Formatting = &proc;
    const TPaintInput in = p.In();
    EXPECT_FALSE(in.Drew);
    p.Renderer.PaintChar(in, 1, 2, true);
    EXPECT_TRUE(in.Drew);
    p.Renderer.PaintLine(in, 1);
    ASSERT_EQ(proc.Calls.size(), 4u);
    EXPECT_EQ(proc.Calls[0], (std::pair<TPoint, bool>{{2, 1}, true}));
    for (size_t i = 1; i < 4; ++i) EXPECT_FALSE(proc.Calls[i].second) << i;
    // Outside the text nothing is drawn and nothing asked.
    const TPaintInput outside = p.In();
    p.Renderer.PaintChar(outside, 1, 3);
    p.Renderer.PaintChar(outside, 5, 0);
    EXPECT_FALSE(outside.Drew);
    EXPECT_EQ(proc.Calls.size(), 4u);
}

TEST(LineRenderer, AScrolledPictureEqualsOneDrawnAtItsNewPosition)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back(std::string(size_t(i % 7) * 5, char('a' + i % 26)) + std::to_string(i));
    const TSelectionSpan sel{{3, 4}, {8, 9}};
    const TPoint moves[] = {{0, 1}, {0, 3}, {2, 0}, {1, 2}, {-1, -1}, {0, 30}, {-3, 0}, {0, -12}};
    Picture moved(lines), fresh(lines);
    moved.Full(sel);
    for (const TPoint d : moves) {
        const TPoint from = moved.Cells.Scroll;
        moved.Cells.Scroll = {std::max(0, from.X + d.X), std::max(0, from.Y + d.Y)};
        moved.Canvas.Brush = {Back, bsSolid};
        moved.Renderer.ScrollPicture(moved.In(sel), from);
        fresh.Cells.Scroll = moved.Cells.Scroll;
        fresh.Full(sel);
        EXPECT_TRUE(moved.Image == fresh.Image) << "scrolled to " << moved.Cells.Scroll.X << "," << moved.Cells.Scroll.Y;
    }
}

TEST(LineRenderer, AFullPictureOverAnOldOneEqualsTheLinesDrawnOverTheFilledArea)
{
    // Ink that leaves its cell (the underscore's below it, the ring of Å above) at the start,
    // in the middle, on the last row, or nowhere; selected or not; scrolled past a line's end.
    const std::vector<std::string> texts[] = {{"plain text", "", "nothing leaves its cell"},
                                              {"_first", "abc", "def"},
                                              {"ab_cd", "\xC5ngstr\xF6m", "efg"},
                                              {"abc", "", "de", "fgh", "ijk", "lmn", "o_q", "rst"}};
    // At 1.5 the cells of a row differ in width by a device pixel.
    for (const qreal ratio : {1.0, 2.0, 1.5})
        for (const auto& lines : texts)
            for (const TSelectionSpan sel : {TSelectionSpan{}, TSelectionSpan{{1, 0}, {2, 6}}})
                for (const TPoint scroll : {TPoint{0, 0}, TPoint{4, 1}}) {
                    Picture old(lines, ratio), full(lines, ratio);
                    old.Cells.Scroll = full.Cells.Scroll = scroll;
                    old.Full(sel);
                    full.Image.fill(Qt::green);
                    full.Renderer.FullPicture(full.In(sel), Back);
                    EXPECT_TRUE(full.Image == old.Image) << lines[0] << " at ratio " << ratio << ", scrolled "
                                                         << scroll.X << ", selected " << (sel.Start != sel.End);
                }
}

TEST(LineRenderer, InkAWideCharacterPutsAboveItsLineIsDrawnAsTheCanvasDrawsIt)
{
    // A fallback font draws the tops of these a pixel above the line.
    const struct { int Cell, Line; const char* Text; } shown[] = {{0, 0, "a"}, {0, 1, "\u4F1A"}, {2, 1, "\u4E89"}};
    for (const qreal ratio : {1.0, 2.0}) {
        Picture cells({"a", "\u4F1A\u4E89"}, ratio), canvas({}, ratio);
        cells.Renderer.FullPicture(cells.In(), Back);
        canvas.Canvas.Brush = {Back, bsSolid};
        canvas.Canvas.FillRect({0, 0, canvas.Canvas.Width(), canvas.Canvas.Height()});
        for (const auto& s : shown) canvas.Canvas.TextOut(s.Cell * cells.Cells.CharWidth, s.Line * cells.Cells.LineHeight, s.Text);
        EXPECT_TRUE(cells.Image == canvas.Image) << "at ratio " << ratio;
    }
}

TEST(LineRenderer, TheProbeFindsAHiddenPointOnItsGridOrOnTheFarEdges)
{
    const auto hiddenAt = [](int hx, int hy) { return [=](int x, int y) { return !(x == hx && y == hy); }; };
    EXPECT_FALSE(AnyPointHidden(100, 50, 10, [](int, int) { return true; }));
    EXPECT_TRUE(AnyPointHidden(100, 50, 10, hiddenAt(30, 40)));
    EXPECT_FALSE(AnyPointHidden(100, 50, 10, hiddenAt(35, 40))); // between grid points
    EXPECT_TRUE(AnyPointHidden(100, 50, 10, hiddenAt(99, 20)));  // the right edge is probed too
    EXPECT_TRUE(AnyPointHidden(100, 50, 10, hiddenAt(40, 49)));  // and the bottom edge
    EXPECT_TRUE(AnyPointHidden(100, 50, 0, hiddenAt(35, 41)));   // a step of 0 probes every pixel
    int calls = 0;
    AnyPointHidden(100, 50, 10, [&](int, int) { return ++calls, true; });
    EXPECT_EQ(calls, 10 * 5 + 5 + 10);
}
