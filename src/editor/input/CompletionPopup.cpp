#include "editor/input/CompletionPopup.h"

#include "editor/input/InteractiveListMenu.h"
#include "editor/model/XhtmlCompletion.h"
#include "editor/view/EditorTextArea.h"
#include "platform/KeyState.h"

#include <QKeyEvent>

#include <algorithm>

namespace {
// The key left of Z on 102-key keyboards ("<>"). Its X keycode, the evdev code 86 + 8, is the
// same under every layout, whatever character the layout puts on it.
constexpr quint32 Oem102ScanCode = 94;
} // namespace

TCompletionPopup::TCompletionPopup(TInputHost& editor) : Editor(editor)
{
    auto* list = new TInteractiveListMenu(editor.Widget());
    list->hide();
    list->SetUseCaret(false);
    list->SetEscCloses(true);
    list->SetIndent(6);
    list->SetLineSpace(3);
    list->SetFont(editor.Font());
    list->OnItemSelected = [this](const std::string& item, const std::string& unTyped) {
        ItemSelected(item, unTyped);
    };
    FList = list;
}

TInteractiveListMenu* TCompletionPopup::List() const { return FList; }

bool TCompletionPopup::Visible() const { return FList && FList->isVisible(); }

std::vector<std::string> TCompletionPopup::Items() const
{
    return ::ListMenuItems(Editor.Document().Lines(), Editor.Selection().Start);
}

std::string TCompletionPopup::TagNameAtCaret() const
{
    return ::TagNameAtCaret(Editor.Document().Lines(), Editor.Selection().Start);
}

void TCompletionPopup::Show(const std::vector<std::string>& items)
{
    if (!FList) return;
    FList->AssignItems(items);
    // Just below the caret's line, in the editor's own font.
    const TPoint cell = Editor.CellPoint(Editor.GetCaretPoint());
    const QWidget* area = Editor.View();
    FList->SetFont(Editor.Font());
    FList->setGeometry(area->x() + cell.X, area->y() + cell.Y + Editor.LineHeight(), 300, 100);
    FList->ClearFilter();
    FList->raise();
    FList->show();
}

void TCompletionPopup::Hide()
{
    if (!Visible()) return;
    TEditorTextArea* area = Editor.View();
    const QRect r(area->mapFromGlobal(FList->mapToGlobal(QPoint(0, 0))), FList->size());
    FList->hide();
    // Draw again the lines the list covered, with a line to spare on either side.
    if (Editor.LineHeight() > 0) {
        int firstRow, lastRow;
        Editor.Grid().RowsOfBand(r.top(), r.top() + r.height(), firstRow, lastRow);
        const int scrollY = Editor.GetScrollPoint().Y;
        Editor.RedrawLines(std::max(firstRow + scrollY - 1, 0),
                           std::min(lastRow + scrollY + 1, Editor.Document().Count()));
    }
}

void TCompletionPopup::HideIfOver(TPoint px)
{
    if (!Visible()) return;
    // In screen coordinates: the list may be a child of the form or a window of its own.
    const QRect r(FList->mapToGlobal(QPoint(0, 0)), FList->size());
    const QPoint at = Editor.View()->mapToGlobal(QPoint(px.X, px.Y));
    if (at.x() >= r.left() && at.x() <= r.left() + r.width() && at.y() >= r.top() &&
        at.y() <= r.top() + r.height())
        Hide();
}

void TCompletionPopup::Typed(char32_t c)
{
    if (Visible()) FList->AppendFilterChar(c);
}

void TCompletionPopup::ItemSelected(const std::string& item, const std::string& unTyped)
{
    // Every character typed into the editor went into the filter as well, so only the rest
    // of the entry is missing from the text, unless the list itself had the keyboard.
    Editor.InsertText(FList && FList->hasFocus() ? item : unTyped);
}

bool TCompletionPopup::KeyDown(int key, bool ctrl)
{
    if (key == Qt::Key_Menu && ctrl && Editor.Settings().ListMenuHelper() && !Visible()) {
        Show(Items());
        return true;
    }
    if (!Visible()) return false;
    switch (key) {
    case Qt::Key_Backspace:
        // The list drops a filter character, and the editor the character itself.
        FList->SendKey(key);
        return false;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape: case Qt::Key_PageUp:
    case Qt::Key_PageDown: case Qt::Key_End: case Qt::Key_Home: case Qt::Key_Up: case Qt::Key_Down:
        FList->SendKey(key);
        return true;
    default: return false;
    }
}

void TCompletionPopup::KeyUp(const QKeyEvent& e)
{
    if (!Editor.Settings().ListMenuHelperAutoPopup()) return;
    if (e.nativeScanCode() == Oem102ScanCode) {
        if (!KeyState::ShiftDown() && !KeyState::CtrlDown()) Show(Items());
    } else if (e.key() == Qt::Key_Space) {
        if (SpaceOpensListMenu(Editor.Document().Lines(), Editor.GetCaretPoint())) Show(Items());
    }
}
