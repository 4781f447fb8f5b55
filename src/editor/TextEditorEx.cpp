// Construction, properties, cell metrics and zoom of the editor.
#include "editor/TextEditorEx.h"

#include "editor/EditorAccessibility.h"
#include "platform/Pointer.h"
#include "platform/SystemCaret.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

// ---- the editor ----

TTextEditorEx::TTextEditorEx(QWidget* parent) : QWidget(parent)
{
    InstallEditorAccessibility();
    CreateFrame();
    CaretPos.OnChange = [this](TPoint p) { CaretChanged(p); };
    FFont.Name = "Courier New";
    FFont.SetSize(12);
    FFont.Style = 0;
    FFont.Color = clWindowText;
    FFont.FixedPitch = true;
    // The control takes the settings' background colour.
    FSettings = std::make_unique<TTextEditorExSettings>(this);
    SetColor(FSettings->BkColor());
    FPrintingSettings = std::make_unique<TTextEditorExPrintingSettings>();
    MeasureCells();
    ResetCanvasFont();
    SelEndPos.OnChange = [this](TPoint p) { SelEndChanged(p); };
    // The drag cursors 12 and 13 come from the application's cursor table.
    setCursor(Qt::IBeamCursor);
    ScrollPos.OnChange = [this](TPoint p) { ScrollChanged(p); };
    // One empty line, caret at the start, nothing painted yet; from then on changes of the
    // line store reach the host.
    Clear();
    FDoc.Lines().OnChange = [this](TLineStore*) { LinesChanged(); };
    Constructing = false;
    FView->OnPaint = [this] { FullRepaint(); };
    LayoutChildren();
    UpdateScrollBars();
    FCompletion = std::make_unique<TCompletionPopup>(*this);
    FAccessibleEvents = std::make_unique<TAccessibleTextEvents>(*this);
}

void TTextEditorEx::CreateFrame()
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    FView = new TEditorTextArea(this);
    FView->OnPaintOver = [this](QPainter& p) { FInputMethod.PaintOver(p); };
    FFrame = std::make_unique<TScrolledFrame>(
        this, FView, [this](Qt::Orientation o, int action) { ScrollBarAction(o, action); });
    FScrollSettleTimer = new TTimer(this);
    FScrollSettleTimer->setInterval(1000);
    connect(FScrollSettleTimer, &TTimer::timeout, this, [this] { ScrollSettled(); });
}

TTextEditorEx::~TTextEditorEx()
{
    if (SystemCaret::Owner() == FView) SystemCaret::Destroy();
    FDoc.Lines().OnChange = nullptr;
    CaretPos.OnChange = nullptr;
    SelEndPos.OnChange = nullptr;
    ScrollPos.OnChange = nullptr;
}

void TTextEditorEx::Clear()
{
    FDoc.Lines().Clear();
    FDoc.MarkSaved();
    FFileEncoding = TTextEncoding::Ansi;
    if (Constructing) {
        CaretPos.SetPoint({0, 0});
        return;
    }
    CaretPos.SetPointNotify({0, 0});
    Repaint();
}

// ---- model ----

void TTextEditorEx::GetSelection(TPoint& start, TPoint& end) const
{
    // Both ends as they stand in the text now: an end stored before the text shrank (a drag
    // takes its text away at the press) never reaches the line store's offsets.
    const TPoint c = ClampToText(CaretPos.GetPoint()), s = ClampToText(SelEndPos.GetPoint());
    std::tie(start, end) = ComparePos(c, s) <= 0 ? std::pair(c, s) : std::pair(s, c);
}

TSelectionSpan TTextEditorEx::Selection() const
{
    TSelectionSpan s;
    GetSelection(s.Start, s.End);
    return s;
}

TPoint TTextEditorEx::ClampToText(TPoint p) const { return FDoc.Clamp(p); }

int32_t TTextEditorEx::AbsoluteOffset(TPoint p) const { return FDoc.AbsoluteOffset(p); }

TPoint TTextEditorEx::CellPoint(TPoint p) const
{
    return {(CellOf(p) - ScrollPos.X()) * FCharWidth, (p.Y - ScrollPos.Y()) * FLineHeight};
}

int TTextEditorEx::CellOf(TPoint p) const
{
    return p.Y >= 0 && p.Y < FDoc.Count() ? CellOfColumn(FDoc[p.Y], p.X) : p.X;
}

void TTextEditorEx::MeasureCells()
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas c(&scratch);
    c.Font = FFont;
    FCharWidth = c.TextWidth("M") + FTextXSpace;
    FLineHeight = c.TextHeight("Hj") + FTextYSpace;
    SyncRuler();
}

void TTextEditorEx::SyncRuler()
{
    if (FRuler) FRuler->SetEditorView(RulerView());
}

// ---- properties ----

void TTextEditorEx::SetFont(const TFont& f)
{
    if (f == FFont) return;
    FFont = f;
    SyncRuler();
    Repaint();
}

void TTextEditorEx::SetFormattingProcessor(TFormattingProcessor* p)
{
    if (p == FFormattingProcessor) return;
    FFormattingProcessor = p;
    Repaint();
}

void TTextEditorEx::SetTextXSpace(int32_t v)
{
    if (v == FTextXSpace) return;
    FTextXSpace = v;
    SpacingChanged();
}

void TTextEditorEx::SetTextYSpace(int32_t v)
{
    if (v == FTextYSpace) return;
    FTextYSpace = v;
    SpacingChanged();
}

void TTextEditorEx::SpacingChanged()
{
    MeasureCells();
    UpdateScrollBars();
    RecreateCaret();
    Repaint();
    if (FRuler) FRuler->Repaint();
}

void TTextEditorEx::SetRuler(TRulerBase* r)
{
    if (r == FRuler) return;
    FRuler = r;
    SyncRuler();
    PlaceRuler();
}

void TTextEditorEx::BorderChanged()
{
    LayoutChildren();
    UpdateScrollBars();
    update();
}

TColor TTextEditorEx::Color() const { return FView->Color(); }

void TTextEditorEx::SetColor(TColor c) { FView->SetColor(c); }

// ---- client area ----

TCanvas& TTextEditorEx::Canvas() { return FView->Canvas(); }
const QImage& TTextEditorEx::BackingImage() const { return FView->BackingImage(); }
int TTextEditorEx::ClientWidth() const { return FView->width(); }
int TTextEditorEx::ClientHeight() const { return FView->height(); }

TPoint TTextEditorEx::ClientFromWidget(const QPoint& p) const
{
    return {p.x() - FView->x(), p.y() - FView->y()};
}

QPoint TTextEditorEx::ClientToGlobal(TPoint p) const { return FView->mapToGlobal(QPoint(p.X, p.Y)); }

QPoint TTextEditorEx::ClientToWidget(TPoint p) const { return FView->mapTo(this, QPoint(p.X, p.Y)); }

void TTextEditorEx::Repaint() { FView->Repaint(); }

void TTextEditorEx::LayoutChildren() { FFrame->Layout(BorderWidth()); }

// ---- zoom ----

void TTextEditorEx::ZoomIn() { Zoom(2); }

void TTextEditorEx::ZoomOut() { Zoom(-2); }

void TTextEditorEx::Zoom(int step)
{
    const int size = FFont.Size() + step;
    if (step > 0 ? size > 100 : size < 4) return;
    FFont.SetSize(size);
    SyncRuler();
    ResetCanvasFont();
    MeasureCells();
    UpdateScrollBars();
    RecreateCaret();
    if (FRuler) FRuler->RefreshLineNumbers();
    Repaint();
    if (OnFontSizeChange) OnFontSizeChange(this, size);
}
