#pragma once
// TTextEditorEx: the program's own plain-text editor control. The text is a list of 8-bit
// lines shown in a fixed-pitch grid of CharWidth x LineHeight cells; beside it the editor
// keeps a caret, a selection, a scroll position and an undo history of whole-text snapshots.
//
// The control is a frame (border and two real scroll bars) around a text area whose backing
// image is the editor's client area: partial redraws draw straight into it, and scrolling
// moves the pixels that stay visible. Every drawing goes into the image through Draw, which
// shows what it drew with the text area's MarkDirty; those are the one verb for each. Mouse
// input passes through the text area to the editor itself; ClientFromWidget turns an event
// position into a client pixel.
//
// The text, its undo history and its edits are the document's (model/EditDocument); drawing
// is the renderer's (view/LineRenderer). Beside the widget: its text area and frame
// (view/EditorTextArea, view/ScrolledFrame), the grid's arithmetic (view/GridGeometry), the
// editing keys (input/EditingKeys), dragging the selection (input/SelectionDrag), the wheel
// (input/WheelAction), the completion list (input/CompletionPopup) and input methods
// (input/InputMethod). The input parts see the widget only as a TInputHost (input/InputHost):
// they make their edits on the document and hand each result to ApplyEdit, which draws what
// changed and places the caret; movement and the wheel return where to go or what to do. The
// widget's own implementation is split by concern:
//   TextEditorEx.cpp              construction, properties, metrics, zoom
//   TextEditorExCommands.cpp      ranges, applying an edit, load and save, selection as text
//                                 and offsets, clipboard, undo
//   view/TextEditorExPaint.cpp    the renderer's inputs and calls, an edit's picture, the border
//   view/TextEditorExUpdate.cpp   caret, selection and scroll handlers, probe, scroll bars, focus
//   input/TextEditorExKeys.cpp    movement keys, key and character dispatch, Tab, the Insert key
//   input/TextEditorExMouse.cpp   hit-testing, clicks, drags, the wheel
// What screen readers read of it is TextEditorExAccessible (the text over the whole document)
// and AccessibleTextEvents (what changed, told as it changes).
#include "editor/AccessibleTextEvents.h"
#include "editor/input/CompletionPopup.h"
#include "editor/input/EditingKeys.h"
#include "editor/input/InputHost.h"
#include "editor/input/InputMethod.h"
#include "editor/input/SelectionDrag.h"
#include "editor/model/CaretPos.h"
#include "editor/FormattingProcessor.h"
#include "editor/ruler/RulerLink.h"
#include "editor/TextEditorExSettings.h"
#include "editor/model/EditDocument.h"
#include "editor/view/EditorTextArea.h"
#include "editor/view/EditorViewState.h"
#include "editor/view/GridGeometry.h"
#include "editor/view/ScrolledFrame.h"
#include "editor/view/LineRenderer.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/ControlEvents.h"
#include "platform/ControlFrame.h"
#include "platform/TextEncoding.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMenu>
class QScrollBar;
class TTextEditorEx;
class TInteractiveListMenu;
class QKeyEvent;

using TFontSizeChangeEvent = std::function<void(QObject* sender, int32_t NewFontSize)>;
using TAlgorithmProgressEvent =
    std::function<void(QObject* sender, int32_t NumTotal, int32_t NumDone, int32_t Progress)>;

class TTextEditorEx : public QWidget, public TInputEvents, public TClientFrame, public TInputHost {
    Q_OBJECT
public:
    explicit TTextEditorEx(QWidget* parent = nullptr);
    ~TTextEditorEx() override;

    // ---- Model ----
    TEditDocument& Document() override { return FDoc; }
    const TEditDocument& Document() const override { return FDoc; }
    TLineStore& Lines() { return FDoc.Lines(); }
    const TLineStore& Lines() const { return FDoc.Lines(); }

    // ---- Positions ----
    // The insertion point (and fixed end of the selection), the moving end of the
    // selection, and the top-left visible cell.
    TPoint GetCaretPoint() const override { return CaretPos.GetPoint(); }
    TPoint GetSelEndPoint() const { return SelEndPos.GetPoint(); }
    TPoint GetScrollPoint() const override { return ScrollPos.GetPoint(); }
    // Each setter runs its position's handler when the position changes: a caret move
    // extends the selection while Shift is held and collapses it otherwise, and both ends
    // scroll into view; a scroll moves the picture.
    void SetCaretPoint(TPoint p) { CaretPos.SetPoint(p); }
    // The caret's handler runs even when the caret stays where it is.
    void SetCaretPointNotify(TPoint p) { CaretPos.SetPointNotify(p); }
    void SetSelEndPoint(TPoint p) { SelEndPos.SetPoint(p); }
    // The selection end's handler runs even when the end stays where it is.
    void SetSelEndPointNotify(TPoint p) { SelEndPos.SetPointNotify(p); }
    void SetScrollPoint(TPoint p) { ScrollPos.SetPoint(p); }
    void SetScrollX(int x) override { ScrollPos.SetX(x); }
    void SetScrollY(int y) { ScrollPos.SetY(y); }
    // Both ends of the selection stored without any handler: nothing is drawn or scrolled.
    void PlaceSelectionQuietly(TPoint caret, TPoint selEnd)
    {
        CaretPos.SetPointQuiet(caret);
        SelEndPos.SetPointQuiet(selEnd);
    }
    // The next caret move collapses the selection, whatever the Shift key is doing.
    void CollapseOnNextCaretMove() { St.CollapseSelection = true; }
    // The caret at p with the selection collapsed there, whatever the Shift key is doing;
    // with `notify` the caret's handler runs even when the caret stays where it is.
    void PlaceCaretCollapsed(TPoint p, bool notify = false) override;
    // While set, caret and selection moves do not scroll.
    void SetNoAutoScroll(bool v) { St.NoAutoScroll = v; }
    // The working state the parts of the widget share, to read.
    const TEditorViewState& ViewState() const { return St; }

    bool HasSelection() const { return CaretPos.GetPoint() != SelEndPos.GetPoint(); }
    // The selection's start (inclusive) and end (exclusive), ordered and inside the text.
    void GetSelection(TPoint& start, TPoint& end) const;
    TSelectionSpan Selection() const override;
    // The nearest position inside the text.
    TPoint ClampToText(TPoint p) const;
    // Sum of (length + 2) over the lines before p, plus p.X.
    int32_t AbsoluteOffset(TPoint p) const;
    // The cells of the widest line: how far the text scrolls sideways.
    int32_t MaxLineLength() const { return FDoc.Lines().MaxLineLength(); }
    int LineHeight() const override { return FLineHeight; }
    int CharWidth() const { return FCharWidth; }
    bool IsScrolling() const { return St.IsScrolling; }
    // Top-left client pixel of the cell where position p (line and column) stands, and that
    // cell counted from its line's start.
    TPoint CellPoint(TPoint p) const override;
    int CellOf(TPoint p) const;

    // Font size up or down by 2 points within 4 to 100.
    void ZoomIn();
    void ZoomOut();

    // ---- Properties ----
    const TFont& Font() const override { return FFont; }
    // Stores the font; the cell metrics are measured again only by the spacing setters and
    // by zooming.
    void SetFont(const TFont& f);
    TFormattingProcessor* FormattingProcessor() const { return FFormattingProcessor; }
    void SetFormattingProcessor(TFormattingProcessor* p);
    int32_t TextXSpace() const { return FTextXSpace; }
    void SetTextXSpace(int32_t v);
    int32_t TextYSpace() const { return FTextYSpace; }
    void SetTextYSpace(int32_t v);
    TTextEditorExSettings& Settings() { return *FSettings; }
    const TTextEditorExSettings& Settings() const override { return *FSettings; }
    TTextEditorExPrintingSettings& PrintingSettings() { return *FPrintingSettings; }
    TRulerBase* Ruler() const { return FRuler; }
    void SetRuler(TRulerBase* r);
    // What the ruler paints from; the editor hands it over whenever it changes.
    TRulerView RulerView() const { return {ScrollPos.Y(), FLineHeight, St.IsScrolling, FFont}; }
    // BorderStyle and Ctl3D are the client frame's.
    // The control's own colour (the background outside painting's fills).
    TColor Color() const;
    void SetColor(TColor c);
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* m) { FPopupMenu = m; }

    // ---- Client area ----
    TEditorTextArea* View() const override { return FView; }
    QWidget* Widget() override { return this; }
    TCanvas& Canvas();
    const QImage& BackingImage() const;
    int ClientWidth() const;
    int ClientHeight() const;
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // A position in this widget's coordinates (mouse events) as a client pixel, and back.
    TPoint ClientFromWidget(const QPoint& p) const;
    QPoint ClientToWidget(TPoint p) const override;
    QPoint ClientToGlobal(TPoint p) const;
    QScrollBar* VertScrollBar() const { return FFrame->Vert(); }
    QScrollBar* HorzScrollBar() const { return FFrame->Horz(); }
    // The client area's size and the cell size.
    TGridGeometry Grid() const override { return {ClientWidth(), ClientHeight(), FCharWidth, FLineHeight}; }
    // The whole editor, painted at once.
    void Repaint();

    // ---- Painting ----
    // Each draws into the backing image through Draw, which shows what it drew.
    void FullRepaint(); // the paint routine: background, then the visible lines
    void PaintVisibleLines();
    void PaintLine(int line);
    // One character; `appendedAtLineEnd` tells the formatting processor it was just typed at
    // the end of its line.
    void PaintChar(int line, int column, bool appendedAtLineEnd = false);
    // A cell, and what covers a cell on every visible line (counted in cells, not columns).
    void EraseCell(int line, int cell);
    void RedrawLine(int line);
    void RedrawLines(int first, int last) override;
    void ClearLineBand(int line);
    void PaintColumn(int cell);
    void RedrawColumn(int cell);
    void ResetCanvasFont();

    // ---- Keeping the screen in step ----
    void ScrollIntoView(TPoint p);
    // True when some probed client pixel is covered or off screen.
    bool VisibilityProbe() const;
    // Whether the picture moved by `cells` (columns, lines) moves by whole device pixels. At
    // a fractional device pixel ratio it may not: the moved pixels would then fall between
    // those a full picture draws, and only drawing it again shows it right.
    bool MovesWholeDevicePixels(TPoint cells) const;
    void UpdateScrollBars();
    void PlaceRuler();
    // Re-creates the system caret in the current mode's width when the editor has the focus.
    void RecreateCaret();
    // The caret's width: a bar, or in overwrite mode a block over the cells of the character
    // it stands on (both of a wide one, one past the line's end), as a terminal shows it.
    int CaretWidth() const;
    // The caret, when it is ours, given that width for where it stands now.
    void FitCaret();
    void HideCaret() override;
    void ShowCaret() override;
    // The completion list, and whether it is attached and visible.
    TInteractiveListMenu* ListMenu() const { return FCompletion ? FCompletion->List() : nullptr; }
    bool ListMenuVisible() const { return FCompletion && FCompletion->Visible(); }
    // Hides the list and draws again the lines it covered.
    void HideListMenu()
    {
        if (FCompletion) FCompletion->Hide();
    }
    std::vector<std::string> ListMenuItems() const { return FCompletion->Items(); }
    std::string TagNameAtCaret() const { return FCompletion->TagNameAtCaret(); }
    void ShowListMenu(const std::vector<std::string>& items) { FCompletion->Show(items); }
    // Relative scrolling, clamped so the last page stays filled.
    void ScrollBy(int dx, int dy);
    // A request from one of the scroll bars (a QAbstractSlider::SliderAction).
    void ScrollBarAction(Qt::Orientation orientation, int action);
    // What ScrollSettleTimer does when it fires.
    void ScrollSettled();
    TTimer* ScrollSettleTimer() const { return FScrollSettleTimer; }

    // ---- Caret movement, selection and mouse ----
    TPoint HitTest(int px, int py) const;
    TPoint WordLeft(TPoint p) const;
    TPoint WordRight(TPoint p) const;
    bool IsSelected(TPoint p) const;
    bool SelectLine(int line);
    void SelectWordAtCaret();
    std::vector<std::string> GetRange(TPoint start, TPoint end) const;
    void DeleteRange(TPoint start, TPoint end);
    void InsertLines(TPoint p, std::vector<std::string> lines, bool finalBreak = false);
    // A document edit's result drawn (the cheapest picture that shows it) and the caret placed.
    void ApplyEdit(const TEditResult& r, TCaretAfterEdit caret) override;

    // ---- Typing and editing (TEditingKeys) ----
    bool DeleteSelection() { return FEditing.DeleteSelection(); }
    // One typed character (a code point), as a key press after the host's OnKeyPress.
    void TypeChar(char32_t c);
    void TypeKeys(const QString& text) override { TypeText(text, Qt::NoModifier); }
    // The text an input method is composing, shown at the caret and no part of the text, and
    // the answers to the input method's questions.
    const QString& Composing() const { return FInputMethod.Composing(); }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // The editing keys: Enter, Tab, Backspace and Delete (word-wise with ctrl), Insert.
    void KeyEnter() { FEditing.Enter(); }
    void KeyTab();
    void KeyBackspace(bool ctrl) { FEditing.Backspace(ctrl); }
    void KeyDelete(bool ctrl) { FEditing.Delete(ctrl); }
    void ToggleOverwriteMode();

    // ---- Whole text, clipboard and undo ----
    void Clear();
    // A file is decoded into the text (EUndecodableText when it cannot be) and written back
    // in the encoding it was read in, byte for byte when nothing changed. The encoding goes
    // with the text loaded, through every edit and undo, until the next load or Clear; a
    // text that came from no file is Windows-1252. Saving returns the encoding written, which
    // is UTF-8 where Windows-1252 cannot hold the text (or would read back as other
    // characters), and the text goes on in it.
    void LoadFromFile(const std::string& path);
    TTextEncoding SaveToFile(const std::string& path);
    TTextEncoding FileEncoding() const { return FFileEncoding; }
    // Whether the text differs from what was last loaded, saved or cleared, whichever way it
    // came back there (undo, redo, typing). MarkSaved makes the text as it stands the
    // unchanged one, for a host whose file holds what the editor shows in another form.
    bool Modified() const { return FDoc.Modified(); }
    void MarkSaved() { FDoc.MarkSaved(); }
    // Text in at the caret, over the selection.
    void InsertText(const std::string& text) override;
    void SelectAll();
    std::string GetSelText() const;
    int32_t SelStart() const;
    void SetSelStart(int32_t v);
    int32_t SelLength() const;
    void SetSelLength(int32_t v);
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void AddUndoPoint();
    void ClearUndo();
    void Undo();
    void Redo();
    bool CanUndo() const { return FDoc.CanUndo(); }
    bool CanRedo() const { return FDoc.CanRedo(); }
    // The tables automatic entity encoding types from.
    const TEntityTables& Entities() const { return FEditing.Entities(); }

    // ---- Events, besides the input events of TInputEvents ----
    TNotifyEvent OnCaretModeChange;
    TNotifyEvent OnChange; // the sender is the line store
    TFontSizeChangeEvent OnFontSizeChange;
    TNotifyEvent OnSelChange;
    TAlgorithmProgressEvent OnPrintProgress;
    TAlgorithmProgressEvent OnReplaceProgress;
    TAlgorithmProgressEvent OnXHTMLExportProgress;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

    // ---- Input: keys, characters, mouse and wheel (Keys, Mouse, Typing files) ----
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void BorderChanged() override;
    void CreateFrame();
    void MeasureCells();
    void SpacingChanged();
    void Zoom(int step);
    void SyncRuler();
    void LayoutChildren();
    void CaretChanged(TPoint p);
    void SelEndChanged(TPoint p);
    void ScrollChanged(TPoint p);
    void LinesChanged();
    // What an edit changed, drawn again.
    void DrawEdit(const TEditResult& r);

    // ---- Input and editing helpers (Keys, Mouse, Typing, Commands files) ----
    // A movement key; false when `key` is none of them.
    bool MoveByKey(int key, bool extend, bool ctrl);
    // The characters of a key press, each through the host's OnKeyPress and then typing.
    void TypeText(const QString& text, Qt::KeyboardModifiers mods);
    // One character through the host's OnKeyPress, then typed unless `typed` is false.
    void KeyPress(char c, bool typed);
    // The hover part of mouse-move handling at a client pixel: the drag cursors.
    void MouseHover(TPoint client, bool ctrl);
    // Mouse-move handling at the pointer's current position, with Ctrl as given (the Ctrl key
    // itself going down or up switches the drag cursor).
    void RerunMouseMove(bool ctrl);
    // Ends a drag whose release never came: a moved text goes back where it was taken from.
    void CancelDrag();
    // What the renderer draws from, and the one way into the backing image: a drawing that
    // shows itself (the text area's MarkDirty) when it drew anything.
    TCellMetrics Metrics() const;
    TPaintInput PaintInput();
    void Draw(const std::function<void(const TPaintInput&)>& draw);
    // The selection of an undo snapshot, set after its text came back.
    void SelectFromSnapshot(const TUndoSnapshot& s);
    // One step back (Undo) or forward (Redo) through the history.
    void StepHistory(bool forward);

    TEditDocument FDoc;
    TTextEncoding FFileEncoding = TTextEncoding::Ansi; // of the file the text was loaded from
    TCaretPos CaretPos;
    TCaretPos SelEndPos;
    TCaretPos ScrollPos;
    TEditorViewState St;
    TSelectionDrag FDrag{*this, St};
    TEditingKeys FEditing{*this};
    TInputMethod FInputMethod{*this};
    // What screen readers are told of changes; set up once the text and positions are.
    std::unique_ptr<TAccessibleTextEvents> FAccessibleEvents;
    std::unique_ptr<TCompletionPopup> FCompletion; // created last, over the other children
    std::unique_ptr<TTextEditorExSettings> FSettings;
    std::unique_ptr<TTextEditorExPrintingSettings> FPrintingSettings;
    TLineRenderer FRenderer;
    TTextStyle FStyle;
    TEditorTextArea* FView = nullptr;
    std::unique_ptr<TScrolledFrame> FFrame;
    TTimer* FScrollSettleTimer = nullptr;
    QPointer<TRulerBase> FRuler;
    QPointer<QMenu> FPopupMenu;
    TFormattingProcessor* FFormattingProcessor = nullptr;
    TFont FFont;
    int32_t FTextXSpace = 1;
    int32_t FTextYSpace = 0;
    int FCharWidth = 0;
    int FLineHeight = 0;
    bool Constructing = true;
};
