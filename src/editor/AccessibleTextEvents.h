#pragma once
// What the editor tells screen readers as its text, caret and selection change: the text
// removed and inserted by each change and where, the caret's new offset, the selection's new
// ends (offsets as in model/AccessibleOffsets). Nothing is worked out while no assistive
// technology listens; while one does, the text as it was last told is kept as a snapshot
// (which shares its chunks with the text), and each change is found by comparing the two
// from both ends, so a keystroke in a long list costs only the chunk it touched.
#include "editor/model/LineStore.h"

#include <QAccessible>

#include <cstdint>
#include <optional>

class TTextEditorEx;

class TAccessibleTextEvents : public QAccessible::ActivationObserver {
public:
    explicit TAccessibleTextEvents(TTextEditorEx& editor);
    ~TAccessibleTextEvents() override;
    TAccessibleTextEvents(const TAccessibleTextEvents&) = delete;
    TAccessibleTextEvents& operator=(const TAccessibleTextEvents&) = delete;

    // After any change of the text; told once the edit is over (see TellText).
    void TextChanged();
    // After the caret or the selection moved.
    void SelectionMoved();

    void accessibilityActiveChanged(bool active) override;

private:
    void Listen();
    // Tells what changed since the text was last told, if anything may have.
    void TellText();

    TTextEditorEx& Editor;
    std::optional<TLineSnapshot> Told; // the text as last told, while somebody listens
    int64_t Caret = -1;
    int64_t SelStart = -1;
    int64_t SelEnd = -1;
    bool Pending = false; // the text changed and is not told yet
};
