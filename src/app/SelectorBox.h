#pragma once
// The main window's editable drop-down: items are display names, the text is what counts,
// and typing the beginning of an entry (letter case ignored) completes it to that entry,
// which becomes the selected one. UserChanged fires only for the user's own edits and picks
// (typing, deleting, pasting, choosing from the list or with the arrow keys, completion);
// texts the program sets through SetText never fire it.
#include <QComboBox>
#include <string>
#include <vector>

class QCompleter;

class TSelectorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TSelectorBox(QWidget* parent = nullptr);

    std::string Text() const;
    void SetText(const std::string& text);
    void SetItems(const std::vector<std::string>& names);
    // Items and text.
    void ClearAll();
    std::vector<std::string> Items() const;

signals:
    void UserChanged();

private:
    friend class TSelectorEdit;
    void BeforeKey(bool isReturn);
    void AfterKey();
    void OnTextEdited();
    void OnActivated();
    void MatchCompletionToEntry();

    QCompleter* Completer;
    int KeyDepth = 0;        // inside a key press of the edit part
    bool EditedInKey = false;
    bool ReturnPressed = false;
    bool Completed = false;  // the completer offered an entry during this key press
};
