#pragma once
// What the editor's input parts (the editing keys, dragging the selection, the completion
// list) need of the editor they work in, and all they know of it: its document and settings
// to read, its positions and the setters that run their handlers, the document's edits
// applied (drawn and the caret placed), and the few facts of the screen they place things by.
// An edit goes through the document and a move through a position setter, never through the
// text's bytes or the widget's state, so the parts do not depend on how a line stores its
// characters or how the widget draws.
#include "editor/model/EditDocument.h"
#include "editor/TextEditorExSettings.h"
#include "editor/view/GridGeometry.h"
#include "editor/view/LineRenderer.h"

#include <string>

class QPoint;
class QString;
class QWidget;
class TEditorTextArea;

// Where the caret goes when an edit is applied.
enum class TCaretAfterEdit {
    Stays,     // where it is
    Follows,   // to the edit's caret; with Shift held that extends the selection
    Collapsed, // to the edit's caret with the selection collapsed there, Shift or not, its
               // handler running even when the caret stays
};

class TInputHost {
public:
    // ---- To read ----
    virtual const TEditDocument& Document() const = 0;
    virtual const TTextEditorExSettings& Settings() const = 0;
    virtual const TFont& Font() const = 0;
    virtual TPoint GetCaretPoint() const = 0;
    virtual TPoint GetScrollPoint() const = 0;
    virtual TSelectionSpan Selection() const = 0;
    virtual int LineHeight() const = 0;
    virtual TGridGeometry Grid() const = 0;
    // Top-left client pixel of the cell where position p (line and column) stands.
    virtual TPoint CellPoint(TPoint p) const = 0;
    // A client pixel in the editor widget's coordinates.
    virtual QPoint ClientToWidget(TPoint p) const = 0;
    // The editor widget, and its text area whose pixels are the client area.
    virtual QWidget* Widget() = 0;
    virtual TEditorTextArea* View() const = 0;

    // ---- To change ----
    // The document to make an edit on; every edit's result goes to ApplyEdit.
    virtual TEditDocument& Document() = 0;
    // Draws what the edit changed and moves the caret as `caret` says.
    virtual void ApplyEdit(const TEditResult& r, TCaretAfterEdit caret) = 0;
    // The selection replaced by `text` at the caret, which ends after it.
    virtual void InsertText(const std::string& text) = 0;
    // `text` typed as the keys of a keyboard type it: each character through the host's key
    // press handler, then typing.
    virtual void TypeKeys(const QString& text) = 0;
    // The caret at p with the selection collapsed there; with `notify` its handler runs even
    // when the caret stays where it is.
    virtual void PlaceCaretCollapsed(TPoint p, bool notify) = 0;
    virtual void SetScrollX(int x) = 0;
    // The lines first to last (as far as there are any) drawn again.
    virtual void RedrawLines(int first, int last) = 0;
    // The system caret, hidden while a command draws (counted: each hide needs its show).
    virtual void HideCaret() = 0;
    virtual void ShowCaret() = 0;

protected:
    ~TInputHost() = default;
};
