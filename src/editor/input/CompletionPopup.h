#pragma once
// The XHTML completion list as the editor shows it: created with the editor, opened on demand
// (Ctrl+Menu) and by itself (the "<>" key, a space inside a tag), placed just below the
// caret's line, taking its keys while it shows, narrowed by every character typed, and the
// chosen entry typed into the text. Hiding it draws again the lines it covered.
#include "editor/input/InputHost.h"

#include <QPointer>

#include <string>
#include <vector>

class QKeyEvent;
class TInteractiveListMenu;

class TCompletionPopup {
public:
    explicit TCompletionPopup(TInputHost& editor);

    TInteractiveListMenu* List() const;
    bool Visible() const;
    // What the list offers at the selection start: the element names right after a "<",
    // else the attributes of the tag the selection starts in.
    std::vector<std::string> Items() const;
    std::string TagNameAtCaret() const;
    // Fills the list with `items`, places it 300 x 100 just below the caret's line and shows
    // it, also when there is nothing to offer.
    void Show(const std::vector<std::string>& items);
    void Hide();
    // The caret moved to client pixel `px`: a list lying over it goes away.
    void HideIfOver(TPoint px);
    // A character typed into the text narrows the list.
    void Typed(char32_t c);
    // A key going down: Ctrl+Menu opens the list; while it shows it takes its keys. True when
    // the editor's own handling of the key stops there.
    bool KeyDown(int key, bool ctrl);
    // A key coming up: the "<>" key and a space inside a tag open the list by themselves.
    void KeyUp(const QKeyEvent& e);

private:
    void ItemSelected(const std::string& item, const std::string& unTyped);

    TInputHost& Editor;
    QPointer<TInteractiveListMenu> FList;
};
