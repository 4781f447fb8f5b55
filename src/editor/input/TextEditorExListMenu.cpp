// The XHTML completion list: creating it, what it offers at the caret, opening it on demand
// and by itself, the keys it takes while it shows, and inserting the chosen entry.
#include "editor/TextEditorEx.h"

#include "editor/input/InteractiveListMenu.h"
#include "editor/model/XhtmlCompletion.h"
#include "platform/KeyState.h"

#include <QKeyEvent>

namespace {
// The key left of Z on 102-key keyboards ("<>"). Its X keycode, the evdev code 86 + 8, is the
// same under every layout, whatever character the layout puts on it.
constexpr quint32 Oem102ScanCode = 94;
} // namespace

void TTextEditorEx::CreateListMenu()
{
    auto* list = new TInteractiveListMenu(this);
    list->hide();
    list->SetUseCaret(false);
    list->SetEscCloses(true);
    list->SetIndent(6);
    list->SetLineSpace(3);
    list->SetFont(FFont);
    list->OnItemSelected = [this](const std::string& item, const std::string& unTyped) {
        ListMenuItemSelected(item, unTyped);
    };
    FListMenu = list;
}

std::vector<std::string> TTextEditorEx::ListMenuItems() const
{
    return ::ListMenuItems(FDoc.Lines(), Selection().Start);
}

std::string TTextEditorEx::TagNameAtCaret() const
{
    return ::TagNameAtCaret(FDoc.Lines(), Selection().Start);
}

void TTextEditorEx::ShowListMenu(const std::vector<std::string>& items)
{
    if (!FListMenu) return;
    FListMenu->AssignItems(items);
    // Just below the caret's line, in the editor's own font.
    const TPoint caret = CaretPos.GetPoint();
    const int left = (caret.X - ScrollPos.X()) * FCharWidth;
    const int top = (caret.Y - ScrollPos.Y() + 1) * FLineHeight;
    FListMenu->SetFont(FFont);
    FListMenu->setGeometry(FView->x() + left, FView->y() + top, 300, 100);
    FListMenu->ClearFilter();
    FListMenu->raise();
    FListMenu->show();
}

void TTextEditorEx::ListMenuItemSelected(const std::string& item, const std::string& unTyped)
{
    // Every character typed into the editor went into the filter as well, so only the rest
    // of the entry is missing from the text, unless the list itself had the keyboard.
    InsertText(FListMenu && FListMenu->hasFocus() ? item : unTyped);
}

bool TTextEditorEx::ListMenuKeyDown(int key, bool ctrl)
{
    if (key == Qt::Key_Menu && ctrl && FSettings->ListMenuHelper() && !ListMenuVisible()) {
        ShowListMenu(ListMenuItems());
        return true;
    }
    if (!ListMenuVisible()) return false;
    switch (key) {
    case Qt::Key_Backspace:
        // The list drops a filter character, and the editor the character itself.
        FListMenu->SendKey(key);
        return false;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape: case Qt::Key_PageUp:
    case Qt::Key_PageDown: case Qt::Key_End: case Qt::Key_Home: case Qt::Key_Up: case Qt::Key_Down:
        FListMenu->SendKey(key);
        return true;
    default: return false;
    }
}

void TTextEditorEx::ListMenuKeyUp(const QKeyEvent& e)
{
    if (!FSettings->ListMenuHelperAutoPopup()) return;
    if (e.nativeScanCode() == Oem102ScanCode) {
        if (!KeyState::ShiftDown() && !KeyState::CtrlDown()) ShowListMenu(ListMenuItems());
    } else if (e.key() == Qt::Key_Space) {
        if (SpaceOpensListMenu(FDoc.Lines(), CaretPos.GetPoint())) ShowListMenu(ListMenuItems());
    }
}
