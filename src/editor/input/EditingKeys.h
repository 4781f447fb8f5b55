#pragma once
// Typing and the editing keys: characters in insert and overwrite mode with automatic entities
// and closing partners, Enter with indentation, Tab, Backspace and Delete with their word-wise
// forms, and deleting the selection. Each edits the editor's document, moves its caret and
// draws just what changed, moving pixels where that is cheaper than drawing them again.
#include "platform/Geometry.h"

class TTextEditorEx;

class TEditingKeys {
public:
    explicit TEditingKeys(TTextEditorEx& editor) : E(editor) {}

    // False when there was no selection to delete.
    bool DeleteSelection();
    void TypeChar(char c);
    void Enter();
    void Tab();
    void Backspace(bool ctrl);
    void Delete(bool ctrl);

private:
    // Backspace's first step: the entity just left of the caret in one stroke.
    bool DeleteWholeEntity();
    // Backspace's plain step: the character left of the caret, not at column 0.
    void BackspaceChar(TPoint caret);

    TTextEditorEx& E;
};
