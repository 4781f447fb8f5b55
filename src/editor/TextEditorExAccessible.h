#pragma once
// The editor as screen readers see it: a multi-line editable text named by its host (the
// caption above it), whose text, lines, words, caret, selection and character boxes can be
// read and whose text can be edited, over the whole document. Every query works on the lines
// it asks about; nothing copies the whole text unless the whole text is asked for.
// The text area inside the frame is the editor's picture, not a control of its own: the
// children are the scroll bars and, while it shows, the completion list.
#include <QAccessibleWidget>

class TTextEditorEx;

class TTextEditorExAccessible : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit TTextEditorExAccessible(TTextEditorEx* editor);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // ---- QAccessibleTextInterface ----
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // ---- QAccessibleEditableTextInterface ----
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TTextEditorEx* Editor() const;
    QList<QAccessibleInterface*> Children() const;
    // Whether assistive technology may change the text: as the keyboard may.
    bool Editable() const;
    // The piece of text of `boundary` kind that holds `offset`, [start, end).
    void Segment(int offset, QAccessible::TextBoundaryType boundary, int& start, int& end) const;
};
