#pragma once
// TInteractiveListMenu: a pop-up completion list. A bordered list of text items with one
// highlighted row and a vertical scroll bar, narrowed as the user types by a prefix filter
// that ignores letter case and shows in a header line ("Filter: " and the typed text).
// Enter or a double click reports the chosen item and the part of it not typed yet.
//
// It runs by itself with the keyboard focus (showing a caret after the filter text when
// UseCaret is set), or beside a text editor that keeps the focus and hands it keys with
// SendKey and characters with AppendFilterChar.
//
// The frame (border and scroll bar) is this widget; the rows are drawn into the backing
// image of an inner client area. Mouse input passes through the client area to the list.
#include "platform/Canvas.h"
#include "platform/CanvasControl.h"
#include "platform/ControlFrame.h"
#include "platform/InputControl.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QScrollBar;
class TInteractiveListMenu;

// The chosen entry and what of it lies beyond the filter. No sender.
using TItemSelectedEvent = std::function<void(const std::string& Item, const std::string& UnTypedPart)>;

// The client area. Its Paint() is the list's paint routine.
class TListMenuClient : public TCanvasControl {
    Q_OBJECT
public:
    explicit TListMenuClient(TInteractiveListMenu* menu);

protected:
    void Paint() override;

private:
    TInteractiveListMenu* Menu;
};

class TInteractiveListMenu : public TInputControl<QWidget>, public TClientFrame {
    Q_OBJECT
public:
    explicit TInteractiveListMenu(QWidget* parent = nullptr);
    ~TInteractiveListMenu() override;

    // ---- Properties: assigning an equal value does nothing ----
    // BorderStyle and Ctl3D come from TClientFrame.
    // Background of the list and of the rows not selected.
    TColor Color() const;
    void SetColor(TColor c);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& f);
    // Escape, Enter and a double click hide the list.
    bool EscCloses() const { return FEscCloses; }
    void SetEscCloses(bool v) { FEscCloses = v; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& f);
    int32_t Indent() const { return FIndent; }
    void SetIndent(int32_t v);
    // All candidates. Assigning them leaves the visible list as it is until the next filter
    // operation rebuilds it.
    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& items);
    int32_t LineSpace() const { return FLineSpace; }
    void SetLineSpace(int32_t v);
    // The highlighted row, an index into the visible list. Values outside it are ignored.
    int32_t Selection() const { return FSelection; }
    void SetSelection(int32_t v);
    // Takes the focus on a click, and shows a caret after the filter text while focused.
    bool UseCaret() const { return FUseCaret; }
    void SetUseCaret(bool v);

    // ---- Operations ----
    void AppendFilterChar(char32_t c);
    // Empties the filter and rebuilds the visible list, also when the filter was empty.
    void ClearFilter();
    void AssignItems(const std::vector<std::string>& items) { SetItems(items); }
    // The key-down handling of one key (a Qt key code), as if it was pressed without Shift,
    // Ctrl or Alt.
    void SendKey(int key);

    // ---- State and measures ----
    const std::vector<std::string>& VisibleItems() const { return FVisible; }
    int TopIndex() const { return FTopIndex; }
    // Height of one row: the text height of "Hj" plus LineSpace.
    int RowHeight() const;
    // Top of the first row: below the header while there is a filter.
    int ListTop() const;
    // Whole rows that fit under the header (none when a row has no height).
    int RowCount() const;
    // The visible-list index of the row at client y; negative above the first row.
    int ItemAtY(int y) const;
    // Shows the rows from `t` on; ignored outside 0 ... visible count - RowCount.
    void ScrollTo(int t);

    // ---- Client area ----
    TListMenuClient* Client() const { return FClient; }
    TCanvas& Canvas();
    const QImage& BackingImage() const;
    int ClientWidth() const;
    int ClientHeight() const;
    QScrollBar* VertScrollBar() const { return FVertScrollBar; }
    // The list painted at once.
    void Repaint();
    // The paint routine: background, header, rows, caret.
    void PaintList();

    // ---- Events, besides the input events of TInputControl ----
    TItemSelectedEvent OnItemSelected;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

    // TInputControl: every key is the list's; mouse positions are the client area's.
    bool TakesKeys() const override { return true; }
    QPoint ClientOrigin() const override;
    void KeyDown(int key, Qt::KeyboardModifiers shift) override;
    void KeyPress(char c) override;
    void MouseDown(QMouseEvent* e, bool second) override;
    void MouseMove(QMouseEvent* e) override;
    void MouseWheel(QWheelEvent* e) override;
    void DblClick() override { ChooseSelection(); }
    void FocusChanged(bool in) override;
    // TClientFrame.
    void BorderChanged() override;

private:
    // Enter and the double click: report the selected item, then hide when EscCloses.
    void ChooseSelection();
    void DeleteFilterChar();
    void RebuildVisibleList();
    // What new rows (items, font, spacing) ask for: a paint and the scroll bar.
    void RowsChanged();
    void UpdateScrollBar();
    void EnsureSelectionVisible();
    void ScrollBarAction(int action);
    void LayoutChildren();
    int TextHeightHj() const;
    // Caret shown after the header while the list owns it and a filter is typed.
    bool OwnsCaret() const;
    void PlaceCaret();

    TListMenuClient* FClient = nullptr;
    QScrollBar* FVertScrollBar = nullptr;
    TFont FFont;
    bool FEscCloses = false;
    std::string FFilter;
    int32_t FIndent = 0;
    std::vector<std::string> FItems;
    std::vector<std::string> FVisible;
    int32_t FLineSpace = 0;
    int32_t FSelection = 0;
    int32_t FTopIndex = 0;
    bool FUseCaret = true;
    int FFilterTextWidth = 0;
    bool CaretShown = false;
};
