// Painting of the editor, checked on the pixels of its client area.
#include "editor/EditorFixture.h"
#include "editor/view/CellPainter.h"
#include "editor/ruler/Ruler.h"
#include "platform/SystemCaret.h"
#include "FakeServices.h"

#include <QDir>

namespace {
// The pixels TCanvas::TextOut draws for `text` with the editor's font, colour and background.
QImage Reference(const TTextEditorEx& e, const std::string& text, TColor fg, TColor bg, TFontStyles style = 0)
{
    TCanvas probe;
    probe.Font = e.Font();
    const int w = probe.TextWidth(text), h = probe.TextHeight(text);
    QImage img(w, h, QImage::Format_RGB32);
    TCanvas c(&img);
    c.Font = e.Font();
    c.Font.Color = fg;
    c.Font.Style = style;
    c.Brush = {bg, bsSolid};
    c.TextOut(0, 0, text);
    return img;
}

// The text box (advance x font height) of the cell at client cell (col, row).
QImage CellBox(TTextEditorEx& e, int col, int row)
{
    return e.BackingImage().copy(col * e.CharWidth(), row * e.LineHeight(), e.CharWidth() - e.TextXSpace(),
                                 e.LineHeight() - e.TextYSpace());
}

QImage WholeCell(TTextEditorEx& e, int col, int row)
{
    return e.BackingImage().copy(col * e.CharWidth(), row * e.LineHeight(), e.CharWidth(), e.LineHeight());
}

TColor PixelAt(TTextEditorEx& e, int x, int y) { return e.Canvas().GetPixel(x, y); }

bool AllOf(const QImage& img, TColor c)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (FromQColor(img.pixelColor(x, y)) != ColorToRGB(c)) return false;
    return true;
}

class RecordingProcessor : public TFormattingProcessor {
public:
    TCharFormat GetCharFormat(char ch, TPoint pos, bool appended) override
    {
        Calls.push_back({ch, pos, appended});
        return {clRed, fsBold};
    }
    struct Call {
        char Ch;
        TPoint Pos;
        bool Appended;
    };
    std::vector<Call> Calls;
};
} // namespace

TEST(EditorPaint, CellsMatchCanvasTextOutAndTheGridGeometry)
{
    EditorWindow w;
    w->Lines().SetText("Hello\r\nj");
    w->Repaint();
    const TColor fg = ColorToRGB(clWindowText), bg = ColorToRGB(clWindow);
    const std::string word = "Hello";
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(DifferentPixels(CellBox(*w, c, 0), Reference(*w, word.substr(size_t(c), 1), fg, bg)), 0) << c;
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 1), Reference(*w, "j", fg, bg)), 0);
    // The extra TextXSpace column of each cell and everything after the text is background.
    for (int c = 0; c < 5; ++c)
        for (int y = 0; y < w->LineHeight(); ++y) EXPECT_EQ(PixelAt(*w, c * w->CharWidth() + w->CharWidth() - 1, y), bg);
    EXPECT_TRUE(AllOf(WholeCell(*w, 5, 0), bg));
    EXPECT_TRUE(AllOf(w->BackingImage().copy(0, 2 * w->LineHeight(), w->ClientWidth(), 20), bg));
}

TEST(EditorPaint, AWideCharacterTakesTwoCellsAndAMarkIsDrawnInItsLettersCell)
{
    EditorWindow w;
    w->Lines().SetText("\u4e2da\r\ne\u0301");
    w->setFocus();
    w->SetCaretPoint({1, 0});
    w->Repaint();
    const TColor fg = ColorToRGB(clWindowText), bg = ColorToRGB(clWindow);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 2, 0), Reference(*w, "a", fg, bg)), 0);
    EXPECT_EQ(SystemCaret::Pos().x(), 2 * w->CharWidth());
    EXPECT_GT(DifferentPixels(CellBox(*w, 0, 1), Reference(*w, "e", fg, bg)), 0);
    EXPECT_TRUE(AllOf(WholeCell(*w, 1, 1), bg));
}

TEST(EditorPaint, DisabledEditorPaintsButtonFaceBehindEverything)
{
    EditorWindow w;
    w->Lines().SetText("abc");
    w->setEnabled(false);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 0), Reference(*w, "a", ColorToRGB(clWindowText), face)), 0);
    EXPECT_EQ(PixelAt(*w, w->ClientWidth() - 1, w->ClientHeight() - 1), face);
    EXPECT_EQ(PixelAt(*w, 3 * w->CharWidth() - 1, 0), face); // the cell's spacing column
    w->setEnabled(true);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 0), Reference(*w, "a", ColorToRGB(clWindowText), ColorToRGB(clWindow))), 0);
    EXPECT_EQ(PixelAt(*w, w->ClientWidth() - 1, w->ClientHeight() - 1), ColorToRGB(clWindow));
}

TEST(EditorPaint, HiddenCharactersShowAsMiddleDotAndBullet)
{
    EditorWindow w;
    w->Lines().SetText("a b\t");
    const TColor fg = ColorToRGB(clWindowText), bg = ColorToRGB(clWindow);
    w->Settings().SetShowHiddenChars(true);
    w->Repaint();
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 0), Reference(*w, "a", fg, bg)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 1, 0), Reference(*w, "\xC2\xB7", fg, bg)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 2, 0), Reference(*w, "b", fg, bg)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 3, 0), Reference(*w, "\xE2\x80\xA2", fg, bg)), 0);
    EXPECT_FALSE(AllOf(WholeCell(*w, 1, 0), bg));
    w->Settings().SetShowHiddenChars(false);
    w->Repaint();
    EXPECT_TRUE(AllOf(WholeCell(*w, 1, 0), bg));
    EXPECT_TRUE(AllOf(WholeCell(*w, 3, 0), bg)); // the tab is a blank cell
}

TEST(EditorPaint, SelectionAcrossALineBreakHighlightsOnlyCharacters)
{
    EditorWindow w;
    w->Lines().SetText("abcd\r\nefgh");
    w->PlaceSelectionQuietly({2, 0}, {1, 1});
    w->Repaint();
    const TColor hl = ColorToRGB(clHighlight), hlText = ColorToRGB(clHighlightText);
    const TColor fg = ColorToRGB(clWindowText), bg = ColorToRGB(clWindow);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 1, 0), Reference(*w, "b", fg, bg)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 2, 0), Reference(*w, "c", hlText, hl)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 3, 0), Reference(*w, "d", hlText, hl)), 0);
    EXPECT_TRUE(AllOf(WholeCell(*w, 4, 0), bg)); // the line break is never highlighted
    EXPECT_TRUE(AllOf(WholeCell(*w, 5, 0), bg));
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 1), Reference(*w, "e", hlText, hl)), 0);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 1, 1), Reference(*w, "f", fg, bg)), 0);
    // With TextXSpace 1 the highlight comes in separate boxes: the spacing column stays background.
    for (int y = 0; y < w->LineHeight(); ++y) EXPECT_EQ(PixelAt(*w, 3 * w->CharWidth() - 1, y), bg);
    // Without spacing the boxes touch.
    w->SetTextXSpace(0);
    EXPECT_EQ(PixelAt(*w, 3 * w->CharWidth() - 1, 0), hl);
}

TEST(EditorPaint, PaintLineBlanksTheTwoCellsAfterAShortenedLine)
{
    EditorWindow w;
    w->Lines().SetText("abcdef");
    w->Repaint();
    const TColor bg = ColorToRGB(clWindow);
    EXPECT_FALSE(AllOf(WholeCell(*w, 5, 0), bg));
    w->Lines().Set(0, "abcd");
    w->PaintLine(0);
    EXPECT_TRUE(AllOf(WholeCell(*w, 4, 0), bg));
    EXPECT_TRUE(AllOf(WholeCell(*w, 5, 0), bg));
    EXPECT_MATCHES_FULL_REPAINT(*w, "after shortening");

    // An empty line only blanks its cells 0 and 1: a stain in cell 2 survives.
    w->Lines().Set(0, "");
    w->Canvas().SetPixel(2 * w->CharWidth() + 1, 1, clRed);
    w->PaintLine(0);
    EXPECT_TRUE(AllOf(WholeCell(*w, 0, 0), bg));
    EXPECT_TRUE(AllOf(WholeCell(*w, 1, 0), bg));
    EXPECT_EQ(PixelAt(*w, 2 * w->CharWidth() + 1, 1), clRed);
}

TEST(EditorPaint, FormattingProcessorColoursCharactersAndHearsOfTheOneJustTyped)
{
    EditorWindow w;
    w->Lines().SetText("ab");
    RecordingProcessor proc;
    proc.SetTextEditorEx(w.Editor);
    const TColor fg = ColorToRGB(clWindowText), bg = ColorToRGB(clWindow);

    // Attached but switched off: the editor's own font, and the processor is never asked.
    w->Settings().SetInteractiveFormatting(false);
    w->SetFormattingProcessor(&proc);
    w->PaintChar(0, 0, true);
    w->Repaint();
    EXPECT_TRUE(proc.Calls.empty());
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 0), Reference(*w, "a", fg, bg)), 0);

    // Switched on: every character is asked for; only the one painted as just typed at the
    // end of its line is told so.
    w->Settings().SetInteractiveFormatting(true);
    w->PaintChar(0, 0, true);
    ASSERT_EQ(proc.Calls.size(), 1u);
    EXPECT_TRUE(proc.Calls[0].Appended);
    proc.Calls.clear();
    w->Repaint();
    ASSERT_EQ(proc.Calls.size(), 2u);
    EXPECT_EQ(proc.Calls[0].Ch, 'a');
    EXPECT_EQ(proc.Calls[0].Pos, (TPoint{0, 0}));
    EXPECT_FALSE(proc.Calls[0].Appended);
    EXPECT_EQ(proc.Calls[1].Pos, (TPoint{1, 0}));
    EXPECT_FALSE(proc.Calls[1].Appended);
    EXPECT_EQ(DifferentPixels(CellBox(*w, 0, 0), Reference(*w, "a", ColorToRGB(clRed), bg, fsBold)), 0);

    // Typing at the end of the line paints the new character as just typed; typing inside
    // the line paints the line again, none of it as just typed.
    proc.Calls.clear();
    w->SetCaretPoint({2, 0});
    w->TypeChar('c');
    ASSERT_EQ(proc.Calls.size(), 1u);
    EXPECT_EQ(proc.Calls[0].Pos, (TPoint{2, 0}));
    EXPECT_TRUE(proc.Calls[0].Appended);
    proc.Calls.clear();
    w->SetCaretPoint({0, 0});
    w->TypeChar('d');
    ASSERT_EQ(proc.Calls.size(), 4u);
    for (const auto& call : proc.Calls) EXPECT_FALSE(call.Appended);
    w->Lines().SetText("ab");

    // The base processor answers the editor font, or names its missing editor.
    TFormattingProcessor base;
    try {
        base.GetCharFormat('x', {0, 0}, false);
        ADD_FAILURE() << "no error without an editor";
    } catch (const EFormattingProcessorError& e) {
        EXPECT_STREQ(e.what(), "Ingen TTextEditorEx har konfigurerats som \xC3\xA4gare med egenskapen TextEditorEx.");
    }
    base.SetTextEditorEx(w.Editor);
    EXPECT_EQ(base.GetCharFormat('x', {0, 0}, false), (TCharFormat{clWindowText, 0}));
}

TEST(EditorPaint, RedrawColumnAndBandsCoverTheirStrips)
{
    EditorWindow w;
    w->Lines().SetText("abc\r\nde\r\nfghij");
    w->Repaint();
    const TColor bg = ColorToRGB(clWindow);
    const QImage full = w->BackingImage().copy();
    // Stain column 2 top to bottom, then redraw it.
    for (int y = 0; y < w->ClientHeight(); ++y) w->Canvas().SetPixel(2 * w->CharWidth() + 3, y, clRed);
    w->RedrawColumn(2);
    EXPECT_EQ(DifferentPixels(w->BackingImage(), full), 0);
    // A band below the text clears to the background.
    w->Canvas().SetPixel(5, 4 * w->LineHeight() + 2, clRed);
    w->ClearLineBand(4);
    EXPECT_EQ(PixelAt(*w, 5, 4 * w->LineHeight() + 2), bg);
    w->Canvas().SetPixel(w->ClientWidth() - 1, w->LineHeight() + 1, clRed);
    w->RedrawLines(1, 99);
    EXPECT_EQ(DifferentPixels(w->BackingImage(), full), 0);
}

TEST(EditorPaint, CellPainterDrawsExactlyWhatTextOutDraws)
{
    QImage a(200, 40, QImage::Format_RGB32), b(200, 40, QImage::Format_RGB32);
    // Ink outside a glyph's box lands on the background colour, as it does in the editor.
    a.fill(Qt::yellow);
    b.fill(Qt::yellow);
    TCanvas ca(&a), cb(&b);
    for (TCanvas* c : {&ca, &cb}) {
        c->Font.Name = "Courier New";
        c->Font.Height = 16;
        c->Font.FixedPitch = true;
        c->Brush = {clYellow, bsSolid};
    }
    TCellPainter cells;
    // Latin-1, beyond it, and the glyphs the font has not (from the fallback fonts).
    const char* const shown[] = {"W", "g", "\xC3\xA9", "\xC2\xB7", "\xE2\x80\xA2", "@", "j", "_", "\xD0\x96", "\xE8\xAA\x9E"};
    for (size_t i = 0; i < std::size(shown); ++i) {
        const int x = -3 + int(i) * 11;
        ca.Font.Style = cb.Font.Style = (i % 2) ? fsBold : 0;
        ca.TextOut(x, 5, shown[i]);
        cells.TextOut(cb, x, 5, shown[i]);
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            EXPECT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
}

namespace {
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++Paints;
        return false;
    }
    int Paints = 0;
};
} // namespace

TEST(EditorPaint, PartialRedrawsReachTheScreen)
{
    EditorWindow w;
    w->Lines().SetText("abc\r\ndef");
    w->Repaint();
    QCoreApplication::processEvents();
    PaintCounter counter;
    w->View()->installEventFilter(&counter);
    const std::function<void()> draws[] = {[&] { w->PaintChar(0, 1); }, [&] { w->EraseCell(1, 5); },
                                           [&] { w->RedrawLine(1); },   [&] { w->ClearLineBand(3); },
                                           [&] { w->RedrawColumn(2); }, [&] { w->PaintLine(0); }};
    for (const auto& draw : draws) {
        const int before = counter.Paints;
        draw();
        QCoreApplication::processEvents();
        EXPECT_GT(counter.Paints, before);
    }
    w->View()->removeEventFilter(&counter);
}

// Run with --gtest_also_run_disabled_tests to look at the editor.
TEST(EditorPaint, DISABLED_Screenshot)
{
    EditorWindow w(400, 200);
    w->move(50, 10);
    TRuler ruler(w.Window.get());
    ruler.SetTextEditorEx(w.Editor);
    w->SetRuler(&ruler);
    ruler.show();
    std::string text;
    for (int i = 0; i < 60; ++i) text += "Item " + std::to_string(i) + "\tsvar f\xF6r rad " + std::to_string(i) + " med text\r\n";
    w->Lines().SetText(text);
    w->Settings().SetShowHiddenChars(true);
    w->SetScrollPoint({3, 5});
    w->SetCaretPoint({6, 7});
    TestServices().FakeKeys.Held = Qt::ShiftModifier;
    w->SetSelEndPoint({12, 9});
    TestServices().FakeKeys.Held = std::nullopt;
    w->ScrollSettled();
    w.Window->grab().save(QDir::tempPath() + "/editor-shot.png");
}
