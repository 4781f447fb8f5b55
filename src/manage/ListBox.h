#pragma once
// A list box that tells its window when the user changed the selection or the focused item,
// by mouse or keyboard, and offers each key to the window before handling it. Changes made
// by the program raise nothing.
#include <QListWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    // A click on an item, or a key that moved the focus or changed the selection.
    std::function<void()> OnClick;
    // Offered every key first; true takes it from the list.
    std::function<bool(int key)> OnKeyDown;
    // Asked after such a change, before OnClick; false puts the focused item and the
    // selection back as they were, and OnClick is not called.
    std::function<bool()> OnCanChange;

    // Items carry the display name exactly as listed; the text is only its picture.
    void AddName(const std::string& name);
    std::string NameAt(int row) const;
    std::vector<int> SelectedRows() const; // in list order

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    struct State {
        int Current;
        std::vector<int> Selected;
        bool operator==(const State&) const = default;
    };
    State Snapshot() const { return {currentRow(), SelectedRows()}; }
    void Restore(const State& s);
    // Asks OnCanChange, then calls OnClick or puts `before` back; false when refused.
    bool UserChanged(const State& before);

    std::optional<State> FRefused; // what a refused press put back, until its release
};
