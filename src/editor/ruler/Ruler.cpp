#include "editor/ruler/Ruler.h"

#include "editor/EditorAccessibility.h"
#include "editor/ruler/RulerMenu.h"
#include "editor/TextEditorEx.h"
#include "platform/Pointer.h"

#include <QMouseEvent>
#include <cmath>

namespace RulerLayout {

TColor GradientColumn(TColor from, TColor to, int x, int width)
{
    if (x == 0 || width <= 0) return from & 0x00FFFFFF;
    const int r1 = GetRValue(from), g1 = GetGValue(from), b1 = GetBValue(from);
    const long double dR = (long double)(GetRValue(to) - r1) / width;
    const long double dG = (long double)(GetGValue(to) - g1) / width;
    const long double dB = (long double)(GetBValue(to) - b1) / width;
    return RGB(RoundHalfEven(x * dR + r1), RoundHalfEven(x * dG + g1), RoundHalfEven(x * dB + b1));
}

TColor ContrastColor(TSurfaceType surface, TColor color, TColor gradientColor)
{
    return ContrastTextColor(ColorToRGB(surface == stSolid ? color : gradientColor));
}

int WholeRows(int height, int lineHeight)
{
    if (lineHeight <= 0 || height <= 0) return 0;
    return height / lineHeight;
}

std::vector<int> NumberedRows(int rows, int every)
{
    std::vector<int> out;
    if (every == 0) return out;
    for (int i = 1; i <= rows; ++i)
        if (i % every == 0) out.push_back(i);
    return out;
}

} // namespace RulerLayout

namespace {
constexpr int NOArrowCursorIndex = 11;
}

TRuler::TRuler(QWidget* parent) : TRulerBase(parent)
{
    InstallEditorAccessibility();
    FFont.Name = "Arial Narrow";
    FFont.SetSize(10);
    FFont.Style = fsBold;
    FFont.Color = clBlack;
    resize(33, 480);
    Canvas().Pen.Color = clBlack;
    setCursor(CustomCursor(NOArrowCursorIndex));
    // The right button opens the ruler's own menu.
    FPopupMenu = new TRulerMenu(this);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { FPopupMenu->popup(mapToGlobal(p)); });
}

TRuler::~TRuler() = default;

void TRuler::SetFont(const TFont& f) { SetAndRepaint(FFont, f); }

// The surface and its colours decide the colour the numbers stand out in.
template <typename T>
void TRuler::SetSurfaceValue(T& field, T value)
{
    if (!AssignChanged(field, value)) return;
    UpdateContrastColor();
    Repaint();
}

void TRuler::SetSurfaceType(TSurfaceType v) { SetSurfaceValue(FSurfaceType, v); }
void TRuler::SetColor(TColor v) { SetSurfaceValue(FColor, v); }
void TRuler::SetGradientColor(TColor v) { SetSurfaceValue(FGradientColor, v); }
void TRuler::SetUseEditorFont(bool v) { SetAndRepaint(FUseEditorFont, v); }

void TRuler::SetTextEditorEx(TTextEditorEx* e)
{
    if (e == FEditor) return;
    FEditor = e;
    SetEditorView(FEditor ? FEditor->RulerView() : TRulerView());
    if (FEditor) {
        Canvas().Font = FEditorView.Font;
        Canvas().Font.Style |= fsBold;
    }
    Repaint();
}

void TRuler::SetShowLineNumbers(bool v) { SetAndRepaint(FShowLineNumbers, v); }
void TRuler::SetLineNumberEvery(int v) { SetAndRepaint(FLineNumberEvery, v); }

void TRuler::Assign(const TRuler& other)
{
    FColor = other.FColor;
    FGradientColor = other.FGradientColor;
    FSurfaceType = other.FSurfaceType;
    FUseEditorFont = other.FUseEditorFont;
    FFont = other.FFont;
    FShowLineNumbers = other.FShowLineNumbers;
    FLineNumberEvery = other.FLineNumberEvery;
    Repaint();
}

bool TRuler::ShowsLineNumbers() const { return FShowLineNumbers; }

void TRuler::RefreshLineNumbers()
{
    if (FShowLineNumbers && FEditor) Repaint();
}

void TRuler::UpdateContrastColor()
{
    const TColor c = RulerLayout::ContrastColor(FSurfaceType, FColor, FGradientColor);
    FFont.Color = c;
    Canvas().Pen.Color = c;
}

void TRuler::SelectNumberFont()
{
    TCanvas& c = Canvas();
    if (FUseEditorFont && FEditor) {
        c.Font = FEditorView.Font;
        c.Font.Style |= fsBold;
    } else {
        c.Font = FFont;
    }
}

void TRuler::DrawNumber(int row, int number, int w, int lh)
{
    TCanvas& c = Canvas();
    const std::string text = std::to_string(number);
    const int top = (row - 1) * lh;
    c.TextRect(Rect(0, top, w, row * lh), RulerLayout::NumberLeft(w, c.TextWidth(text)), top, text);
}

void TRuler::PaintBackgroundGradient(int w, int h)
{
    TCanvas& c = Canvas();
    const TColor from = ColorToRGB(FColor);
    const TColor to = ColorToRGB(FGradientColor);
    const TBrush brush = c.Brush;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Brush.Style = bsSolid;
    // One column per step, each the pixels a pen line from (x, 0) to (x, h) leaves (its end
    // point undrawn), filled at once rather than plotted pixel by pixel. The last step,
    // x = w, falls just outside and is clipped.
    for (int x = 0; x <= w; ++x) {
        c.Brush.Color = RulerLayout::GradientColumn(from, to, x, w);
        c.FillRect(Rect(x, 0, x + 1, h));
    }
    c.Brush = brush;
}

void TRuler::Paint()
{
    TCanvas& c = Canvas();
    const int w = ClientWidth();
    const int h = ClientHeight();
    const bool scrolling = FEditor && FEditorView.Scrolling;
    const int lh = FEditor ? FEditorView.LineHeight : 0;
    const int top = FEditor ? FEditorView.TopLine : 0;
    const int rows = RulerLayout::WholeRows(h, lh);

    if (scrolling || FSurfaceType == stSolid) {
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmCopy;
        c.Brush.Style = bsSolid;
        c.Brush.Color = FColor;
        c.FillRect(Rect(0, 0, w, h));
    } else {
        PaintBackgroundGradient(w, h);
    }

    if (!FShowLineNumbers || !FEditor || rows == 0) return;
    c.Brush.Style = bsClear;
    SelectNumberFont();
    if (scrolling) {
        // Only the ends while the picture moves; the settle timer brings the rest back.
        DrawNumber(1, top + 1, w, lh);
        DrawNumber(rows, top + rows, w, lh);
        return;
    }
    for (int i : RulerLayout::NumberedRows(rows, FLineNumberEvery)) DrawNumber(i, top + i, w, lh);
}

void TRuler::mousePressEvent(QMouseEvent* e)
{
    TRulerBase::mousePressEvent(e);
    if (e->button() != Qt::LeftButton || !FEditor) return;
    const int lh = FEditorView.LineHeight;
    if (lh <= 0) return;
    const int y = int(e->position().y());
    const int row = y >= 0 ? y / lh : -1;
    if (row < 0) return;
    FEditor->SelectLine(FEditorView.TopLine + row);
}
