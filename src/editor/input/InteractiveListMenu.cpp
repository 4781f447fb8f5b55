// The completion list: properties, the filter, painting, keys, mouse, wheel and scroll bar.
#include "editor/input/InteractiveListMenu.h"

#include "editor/EditorAccessibility.h"
#include "platform/Accessibility.h"

#include "platform/KeyState.h"
#include "platform/Property.h"
#include "platform/Pointer.h"
#include "platform/SystemCaret.h"
#include "editor/model/LineLayout.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Code points case-folded, so "Å" and "å" or "Σ" and "σ" are alike.
std::u32string Folded(std::string_view text)
{
    std::u32string out;
    for (const char32_t u : QStringFromUtf8(text).toUcs4()) out += QChar::toCaseFolded(u);
    return out;
}

// The prefix test of the filter: the item's first n characters (all of a shorter item) equal
// the filter, n being the filter's length, both case-folded. `foldedFilter` is folded already.
bool PassesFilter(const std::string& item, const std::u32string& foldedFilter)
{
    // An item shorter than the filter is compared whole, and so never equals it.
    const std::u32string folded = Folded(item);
    return folded.size() >= foldedFilter.size() && folded.compare(0, foldedFilter.size(), foldedFilter) == 0;
}

// Floor division, so a point above the first row gives a negative row.
int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

} // namespace

// ---- the client area ----

TListMenuClient::TListMenuClient(TInteractiveListMenu* menu) : TCanvasControl(menu), Menu(menu)
{
    // Mouse input and the cursor belong to the list itself.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TListMenuClient::Paint() { Menu->PaintList(); }

// ---- the list ----

TInteractiveListMenu::TInteractiveListMenu(QWidget* parent) : TInputControl<QWidget>(parent)
{
    InstallEditorAccessibility();
    FClient = new TListMenuClient(this);
    FClient->SetColor(clWindow);
    FVertScrollBar = new QScrollBar(Qt::Vertical, this);
    FVertScrollBar->setFocusPolicy(Qt::NoFocus);
    FVertScrollBar->setRange(0, 0);
    FVertScrollBar->hide();
    connect(FVertScrollBar, &QScrollBar::actionTriggered, this, [this](int action) { ScrollBarAction(action); });
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    LayoutChildren();
    UpdateScrollBar();
}

TInteractiveListMenu::~TInteractiveListMenu()
{
    if (SystemCaret::Owner() == FClient) SystemCaret::Destroy();
}

// ---- properties ----

void TInteractiveListMenu::BorderChanged()
{
    // The client area decides the rows that fit.
    LayoutChildren();
    UpdateScrollBar();
    update();
}

TColor TInteractiveListMenu::Color() const { return FClient->Color(); }

void TInteractiveListMenu::SetColor(TColor c) { FClient->SetColor(c); }

void TInteractiveListMenu::SetFont(const TFont& f)
{
    if (AssignChanged(FFont, f)) RowsChanged();
}

void TInteractiveListMenu::SetFilter(const std::string& f)
{
    if (AssignChanged(FFilter, f)) RebuildVisibleList();
}

void TInteractiveListMenu::SetIndent(int32_t v)
{
    if (AssignChanged(FIndent, v)) Repaint();
}

void TInteractiveListMenu::SetItems(const std::vector<std::string>& items)
{
    // Assigning the list to itself does nothing; equal items are still taken and drawn again.
    if (&items == &FItems) return;
    FItems = items;
    RowsChanged();
}

void TInteractiveListMenu::SetLineSpace(int32_t v)
{
    if (AssignChanged(FLineSpace, v)) RowsChanged();
}

void TInteractiveListMenu::RowsChanged()
{
    Repaint();
    UpdateScrollBar();
}

void TInteractiveListMenu::SetSelection(int32_t v)
{
    if (v < 0 || v >= int32_t(FVisible.size()) || v == FSelection) return;
    FSelection = v;
    EnsureSelectionVisible();
    Accessibility::NotifyChild(this, FSelection, QAccessible::Selection);
}

void TInteractiveListMenu::SetUseCaret(bool v)
{
    if (v == FUseCaret) return;
    FUseCaret = v;
    // Without the caret a click leaves the focus where it is.
    setFocusPolicy(v ? Qt::StrongFocus : Qt::TabFocus);
    if (!v && OwnsCaret()) {
        SystemCaret::Destroy();
        CaretShown = false;
    }
}

// ---- the filter ----

void TInteractiveListMenu::AppendFilterChar(char32_t c)
{
    AppendUtf8(FFilter, c);
    RebuildVisibleList();
}

void TInteractiveListMenu::ClearFilter()
{
    FFilter.clear();
    RebuildVisibleList();
}

void TInteractiveListMenu::DeleteFilterChar()
{
    if (!FFilter.empty()) FFilter.resize(ByteOfColumn(FFilter, ColumnCount(FFilter) - 1));
    RebuildVisibleList();
}

void TInteractiveListMenu::RebuildVisibleList()
{
    FVisible.clear();
    const std::u32string foldedFilter = Folded(FFilter);
    for (const std::string& item : FItems)
        if (PassesFilter(item, foldedFilter)) FVisible.push_back(item);
    FTopIndex = 0;
    FSelection = 0;
    Repaint();
    UpdateScrollBar();
    // Screen readers read the rows anew, and the highlight back on the first.
    Accessibility::Notify(this, QAccessible::ObjectReorder);
    if (!FVisible.empty()) Accessibility::NotifyChild(this, FSelection, QAccessible::Selection);
}

// ---- measures and scrolling ----

int TInteractiveListMenu::TextHeightHj() const
{
    TCanvas& c = FClient->Canvas();
    const TFont saved = c.Font;
    c.Font = FFont;
    const int h = c.TextHeight("Hj");
    c.Font = saved;
    return h;
}

int TInteractiveListMenu::RowHeight() const { return TextHeightHj() + FLineSpace; }

int TInteractiveListMenu::ListTop() const { return FFilter.empty() ? 0 : TextHeightHj() + FLineSpace + 3; }

int TInteractiveListMenu::RowCount() const
{
    const int rowHeight = RowHeight();
    if (rowHeight <= 0) return 0;
    return (ClientHeight() - ListTop()) / rowHeight;
}

int TInteractiveListMenu::ItemAtY(int y) const
{
    const int rowHeight = RowHeight();
    if (rowHeight <= 0) return -1;
    return FloorDiv(y - ListTop(), rowHeight) + FTopIndex;
}

void TInteractiveListMenu::ScrollTo(int t)
{
    if (t < 0 || t > int(FVisible.size()) - RowCount() || t == FTopIndex) return;
    FTopIndex = t;
    Repaint();
    const QSignalBlocker block(FVertScrollBar);
    FVertScrollBar->setSliderPosition(FTopIndex);
}

void TInteractiveListMenu::UpdateScrollBar()
{
    SetScrollInfo(FVertScrollBar, 0, int(FVisible.size()) - 1, RowCount());
    {
        const QSignalBlocker block(FVertScrollBar);
        FVertScrollBar->setSliderPosition(FTopIndex);
    }
    // The bar coming or going changes the client width, not its height, so one layout
    // settles; the rows are drawn again across the new width.
    const int before = ClientWidth();
    LayoutChildren();
    if (ClientWidth() != before) Repaint();
}

void TInteractiveListMenu::EnsureSelectionVisible()
{
    const int rows = RowCount();
    if (FSelection < FTopIndex)
        ScrollTo(FSelection);
    else if (FSelection <= FTopIndex + rows - 1)
        Repaint();
    else
        ScrollTo(FSelection - rows + 1);
}

void TInteractiveListMenu::ScrollBarAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: ScrollTo(FTopIndex + 1); break;
    case QAbstractSlider::SliderSingleStepSub: ScrollTo(FTopIndex - 1); break;
    case QAbstractSlider::SliderPageStepAdd: ScrollTo(FTopIndex + RowCount()); break;
    case QAbstractSlider::SliderPageStepSub: ScrollTo(FTopIndex - RowCount()); break;
    // The whole thumb position: a 16-bit one would wrap in a list of more than 65535 rows.
    case QAbstractSlider::SliderMove: ScrollTo(FVertScrollBar->sliderPosition()); break;
    case QAbstractSlider::SliderToMinimum: ScrollTo(0); break;
    case QAbstractSlider::SliderToMaximum: ScrollTo(int(FVisible.size()) - RowCount()); break;
    default: break;
    }
    // The bar shows the list's position, whatever the request asked for.
    FVertScrollBar->setSliderPosition(FTopIndex);
}

// ---- client area and frame ----

TCanvas& TInteractiveListMenu::Canvas() { return FClient->Canvas(); }
const QImage& TInteractiveListMenu::BackingImage() const { return FClient->BackingImage(); }
int TInteractiveListMenu::ClientWidth() const { return FClient->width(); }
int TInteractiveListMenu::ClientHeight() const { return FClient->height(); }

void TInteractiveListMenu::Repaint() { FClient->Repaint(); }

void TInteractiveListMenu::LayoutChildren()
{
    const int b = BorderWidth();
    const int ext = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FVertScrollBar);
    const bool bar = !FVertScrollBar->isHidden();
    const int innerW = std::max(0, width() - 2 * b), innerH = std::max(0, height() - 2 * b);
    const int clientW = std::max(0, innerW - (bar ? ext : 0));
    FClient->setGeometry(b, b, clientW, innerH);
    if (bar) FVertScrollBar->setGeometry(b + clientW, b, innerW - clientW, innerH);
}

void TInteractiveListMenu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintBorder(p, width(), height());
}

void TInteractiveListMenu::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutChildren();
    UpdateScrollBar();
}

// ---- painting ----

void TInteractiveListMenu::PaintList()
{
    TCanvas& c = Canvas();
    const bool caret = OwnsCaret();
    if (caret && CaretShown) SystemCaret::Hide(FClient);
    const int w = ClientWidth(), h = ClientHeight();
    c.Brush = {Color(), bsSolid};
    c.FillRect({0, 0, w, h});
    c.Font = FFont;
    const int textHeight = c.TextHeight("Hj");
    if (!FFilter.empty()) {
        c.Font.Style |= fsBold;
        c.Font.Color = clHighlight;
        const std::string header = "Filter: " + FFilter;
        c.TextOut(FIndent, 0, header);
        FFilterTextWidth = c.TextWidth(header);
        const int y = textHeight + FLineSpace + 1;
        c.MoveTo(0, y);
        c.LineTo(w, y);
    }
    c.Font = FFont;
    const int rowHeight = textHeight + FLineSpace;
    if (rowHeight > 0) {
        const int top = ListTop();
        const int last = std::min(int(FVisible.size()) - 1, FTopIndex + RowCount());
        for (int i = FTopIndex; i <= last; ++i) {
            const bool selected = i == FSelection;
            c.Brush = {selected ? clHighlight : Color(), bsSolid};
            c.Font.Color = selected ? clHighlightText : FFont.Color;
            const TRect row{0, top + rowHeight * (i - FTopIndex), w, top + rowHeight * (i - FTopIndex + 1)};
            c.TextRect(row, FIndent, row.Top, FVisible[size_t(i)]);
        }
    }
    c.Font = FFont;
    if (caret) {
        if (CaretShown) SystemCaret::Show(FClient);
        PlaceCaret();
    }
}

// ---- the caret ----

bool TInteractiveListMenu::OwnsCaret() const { return FUseCaret && SystemCaret::Owner() == FClient; }

void TInteractiveListMenu::PlaceCaret()
{
    // Shown only while there is a filter to stand after. The caret's hides are counted, so
    // it is shown or hidden only when that changes.
    const bool want = !FFilter.empty();
    if (want != CaretShown) {
        want ? SystemCaret::Show(FClient) : SystemCaret::Hide(FClient);
        CaretShown = want;
    }
    SystemCaret::SetPos(FIndent + FFilterTextWidth, 0);
}

void TInteractiveListMenu::FocusChanged(bool in)
{
    if (in) {
        if (FUseCaret) {
            SystemCaret::Create(FClient, 2, TextHeightHj());
            CaretShown = false;
            PlaceCaret();
        }
        return;
    }
    if (SystemCaret::Owner() == FClient) {
        SystemCaret::Hide(FClient);
        SystemCaret::Destroy();
    }
    CaretShown = false;
}

// ---- keys ----

bool TInteractiveListMenu::event(QEvent* e)
{
    // Every key is the list's while it has the focus: Tab does not move the focus on.
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            keyPressEvent(ke);
            return true;
        }
    }
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        const bool ctrlOnly = (ke->modifiers() & Qt::ControlModifier) && !(ke->modifiers() & Qt::AltModifier);
        if (!ctrlOnly) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void TInteractiveListMenu::SendKey(int key) { KeyDown(key, Qt::NoModifier); }

// Shift, Ctrl and Alt change nothing here.
void TInteractiveListMenu::KeyDown(int key, Qt::KeyboardModifiers)
{
    const int last = int(FVisible.size()) - 1;
    switch (key) {
    case Qt::Key_Backspace: DeleteFilterChar(); break;
    case Qt::Key_Return: case Qt::Key_Enter: ChooseSelection(); break;
    case Qt::Key_Escape:
        if (FEscCloses) hide();
        break;
    case Qt::Key_PageUp: SetSelection(std::max(0, FSelection - RowCount())); break;
    case Qt::Key_PageDown: SetSelection(std::min(last, FSelection + RowCount())); break;
    case Qt::Key_End: SetSelection(last); break;
    case Qt::Key_Home: SetSelection(0); break;
    case Qt::Key_Up: SetSelection(FSelection - 1); break;
    case Qt::Key_Down: SetSelection(FSelection + 1); break;
    default: break;
    }
}

// The key's character comes as its Windows-1252 byte; one without a byte never gets here.
void TInteractiveListMenu::KeyPress(char c)
{
    switch (c) {
    case '\0': case '\b': case '\t': case '\r': case 27: case 127: return;
    default: break;
    }
    // Ctrl+letter gives control characters, which are not typed; AltGr reports Ctrl and Alt
    // together and types.
    if (!KeyState::CtrlDown() || KeyState::AltDown()) AppendFilterChar(QStringFromWin1252(std::string(1, c)).toUcs4().value(0));
}

void TInteractiveListMenu::ChooseSelection()
{
    if (OnItemSelected && FSelection <= int(FVisible.size()) - 1) {
        const std::string item = FVisible[size_t(FSelection)];
        const std::string unTyped = item.substr(ByteOfColumn(item, ColumnCount(FFilter)));
        OnItemSelected(item, unTyped);
    }
    if (FEscCloses) hide();
}

// ---- mouse ----

QPoint TInteractiveListMenu::ClientOrigin() const { return FClient->pos(); }

// Any button, and the second press of a double click alike.
void TInteractiveListMenu::MouseDown(QMouseEvent* e, bool)
{
    if (FUseCaret && isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    SetSelection(ItemAtY(ClientPos(e).y()));
}

// Moves stay with the list: the editor beneath it must not take them for its own.
void TInteractiveListMenu::MouseMove(QMouseEvent* e) { e->accept(); }

void TInteractiveListMenu::MouseWheel(QWheelEvent* e)
{
    e->accept();
    const int d = e->angleDelta().y();
    // Whole notches only, each the system's lines per notch.
    const int lines = std::max(1, WheelScrollLines());
    if (d > 0)
        ScrollTo(FTopIndex - (d / 120) * lines);
    else if (d < 0)
        ScrollTo(FTopIndex + (-d / 120) * lines);
}
