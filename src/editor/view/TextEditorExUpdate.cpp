// Keeping the screen in step with the caret, the selection, the scroll position and the
// text: the three position handlers, scrolling into view, the visibility probe, the scroll
// bars, focus and the system caret, the ruler's place and the settle timer.
#include "editor/TextEditorEx.h"

#include "platform/KeyState.h"
#include "platform/SystemCaret.h"

#include <QAbstractSlider>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

// ---- caret and selection ----

void TTextEditorEx::HideCaret() { SystemCaret::Hide(FView); }
void TTextEditorEx::ShowCaret() { SystemCaret::Show(FView); }

void TTextEditorEx::CaretChanged(TPoint p)
{
    HideCaret();
    // The live state of Shift, not that of the event that moved the caret: a program move
    // while Shift is held extends the selection.
    if (!KeyState::ShiftDown() || St.CollapseSelection) {
        SelEndPos.SetPointNotify(p);
    } else if (HasSelection() || St.HadSelection) {
        // The fixed end of the selection moved while Shift is held: the selection now runs
        // from here, so its highlight has to follow, and the selection-end handler's record
        // of what is drawn with it.
        PaintVisibleLines();
        St.HadSelection = HasSelection();
        St.PrevCaret = CaretPos.GetPoint();
        St.PrevSelEnd = SelEndPos.GetPoint();
    }
    St.CollapseSelection = false;
    if (!St.NoAutoScroll) ScrollIntoView(CaretPos.GetPoint());
    const TPoint px = CellPoint(CaretPos.GetPoint());
    if (FCompletion) FCompletion->HideIfOver(px);
    FitCaret();
    SystemCaret::SetPos(px.X, px.Y);
    ShowCaret();
    FInputMethod.CaretMoved();
    if (FAccessibleEvents) FAccessibleEvents->SelectionMoved();
    if (OnSelChange) OnSelChange(this);
}

void TTextEditorEx::SelEndChanged(TPoint n)
{
    const TPoint caret = CaretPos.GetPoint();
    if (caret == SelEndPos.GetPoint() && !St.HadSelection) return;
    St.HadSelection = caret != SelEndPos.GetPoint();
    if (n == St.PrevSelEnd && caret == St.PrevCaret) return;
    HideListMenu();
    Draw([&](const TPaintInput& in) { FRenderer.SelectionEndMoved(in, St.PrevSelEnd, n, caret == St.PrevCaret); });
    if (!St.NoAutoScroll) ScrollIntoView(SelEndPos.GetPoint());
    St.PrevSelEnd = n;
    St.PrevCaret = CaretPos.GetPoint();
    if (FAccessibleEvents) FAccessibleEvents->SelectionMoved();
    if (OnSelChange) OnSelChange(this);
}

void TTextEditorEx::ScrollIntoView(TPoint p)
{
    const TPoint s = Grid().ScrollToShow(ScrollPos.GetPoint(), {p.X >= 0 ? CellOf(p) : p.X, p.Y});
    ScrollPos.SetX(s.X);
    ScrollPos.SetY(s.Y);
}

// ---- scrolling ----

void TTextEditorEx::ScrollChanged(TPoint n)
{
    const TPoint v = St.PrevScrollPos;
    if (n == v) return;
    St.NeedsFullRepaint = VisibilityProbe();
    HideCaret();
    if (St.NeedsFullRepaint || !MovesWholeDevicePixels({n.X - v.X, n.Y - v.Y})) {
        Repaint();
    } else {
        Draw([&](const TPaintInput& in) { FRenderer.ScrollPicture(in, v); });
    }
    FFrame->SetPosition(n);
    const TPoint px = CellPoint(CaretPos.GetPoint());
    SystemCaret::SetPos(px.X, px.Y);
    ShowCaret();
    FInputMethod.CaretMoved();
    St.IsScrolling = true;
    SyncRuler();
    FScrollSettleTimer->start();
    if (FRuler && n.Y != v.Y) FRuler->RefreshLineNumbers();
    St.PrevScrollPos = n;
}

bool TTextEditorEx::VisibilityProbe() const
{
    return AnyPointHidden(ClientWidth(), ClientHeight(), int(FSettings->SpeedJump()),
                          [this](int x, int y) { return FView->IsClientPixelVisible(x, y); });
}

bool TTextEditorEx::MovesWholeDevicePixels(TPoint cells) const
{
    const qreal ratio = FView->devicePixelRatioF();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    return whole(cells.X * FCharWidth * ratio) && whole(cells.Y * FLineHeight * ratio);
}

void TTextEditorEx::ScrollBy(int dx, int dy)
{
    HideListMenu();
    TPoint p = ScrollPos.GetPoint();
    const TGridGeometry g = Grid();
    if (dx != 0 && FCharWidth > 0) p.X = std::clamp(p.X + dx, 0, std::max(MaxLineLength() - g.Cols(), 0));
    if (dy != 0 && FLineHeight > 0) p.Y = std::clamp(p.Y + dy, 0, std::max(FDoc.Count() - g.Rows(), 0));
    ScrollPos.SetPoint(p);
}

void TTextEditorEx::ScrollBarAction(Qt::Orientation orientation, int action)
{
    const bool vertical = orientation == Qt::Vertical;
    QScrollBar* bar = vertical ? FFrame->Vert() : FFrame->Horz();
    const auto at = [&] { return vertical ? ScrollPos.Y() : ScrollPos.X(); };
    const auto r = ScrollBarRequest(action, vertical ? Grid().Rows() : Grid().Cols(), bar->sliderPosition() - at(),
                                    vertical ? FDoc.Count() - 1 : MaxLineLength() - 1);
    if (r && r->Relative) vertical ? ScrollBy(0, r->Move) : ScrollBy(r->Move, 0);
    if (r && !r->Relative) vertical ? ScrollPos.SetY(r->Move) : ScrollPos.SetX(r->Move);
    // The bar shows the editor's position, whatever the request asked for.
    bar->setSliderPosition(at());
}

void TTextEditorEx::ScrollSettled()
{
    FScrollSettleTimer->stop();
    St.IsScrolling = false;
    SyncRuler();
    if (FRuler) FRuler->RefreshLineNumbers();
}

// ---- scroll bars ----

void TTextEditorEx::UpdateScrollBars()
{
    if (!Constructing) FFrame->SetRanges(FDoc.Count(), MaxLineLength(), FCharWidth, FLineHeight, BorderWidth());
}

void TTextEditorEx::LinesChanged()
{
    UpdateScrollBars();
    // Overwriting or deleting can put a character of another width under a caret that stays.
    FitCaret();
    FInputMethod.CaretMoved();
    if (FAccessibleEvents) FAccessibleEvents->TextChanged();
    if (OnChange) OnChange(&FDoc.Lines());
}

// ---- window events ----

void TTextEditorEx::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutChildren();
    UpdateScrollBars();
    PlaceRuler();
}

void TTextEditorEx::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    PlaceRuler();
}

void TTextEditorEx::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) Repaint();
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::StyleChange) FRenderer.ClearGlyphs();
}

void TTextEditorEx::PlaceRuler()
{
    if (!FRuler) return;
    QPoint topLeft = pos();
    if (FRuler->parentWidget() != parentWidget() && parentWidget() && FRuler->parentWidget())
        topLeft = FRuler->parentWidget()->mapFrom(window(), parentWidget()->mapTo(window(), topLeft));
    FRuler->setGeometry(topLeft.x() - FRuler->width(), topLeft.y(), FRuler->width(), height());
}

// ---- focus and the system caret ----

void TTextEditorEx::RecreateCaret()
{
    if (!hasFocus()) return;
    SystemCaret::Create(FView, CaretWidth(), FLineHeight);
    const TPoint px = CellPoint(CaretPos.GetPoint());
    SystemCaret::SetPos(px.X, px.Y);
    SystemCaret::Show(FView);
}

int TTextEditorEx::CaretWidth() const
{
    if (!FSettings->OverwriteMode()) return 2;
    const TPoint p = CaretPos.GetPoint();
    if (p.Y < 0 || p.Y >= FDoc.Count()) return FCharWidth;
    const TLineCells line(FDoc[p.Y]);
    return line.AtCell(line.CellOf(p.X)).Width * FCharWidth;
}

void TTextEditorEx::FitCaret()
{
    if (SystemCaret::Owner() == FView && SystemCaret::Size().width() != CaretWidth())
        SystemCaret::SetSize(CaretWidth(), FLineHeight);
}

void TTextEditorEx::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    RecreateCaret();
    if (OnEnter) OnEnter(this);
}

void TTextEditorEx::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    // A window that takes the focus mid-drag (an error box) takes the release with it, and
    // the text being composed goes with the focus.
    CancelDrag();
    FInputMethod.Cancel();
    if (SystemCaret::Owner() == FView) {
        SystemCaret::Hide(FView);
        SystemCaret::Destroy();
    }
    if (OnExit) OnExit(this);
}

// ---- the context menu ----

void TTextEditorEx::contextMenuEvent(QContextMenuEvent* e)
{
    // While the completion list is open the menu stays shut.
    if (ListMenuVisible()) {
        e->accept();
        return;
    }
    if (FPopupMenu) {
        FPopupMenu->popup(e->globalPos());
        e->accept();
        return;
    }
    QWidget::contextMenuEvent(e);
}
