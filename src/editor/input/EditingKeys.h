#pragma once
// Typing and the editing keys: characters in insert and overwrite mode with automatic entities
// and closing partners, Enter with indentation, Backspace and Delete with their word-wise
// forms, and deleting the selection. Each makes its edit on the editor's document and hands
// the result to the editor, which draws what changed and places the caret.
#include "editor/input/InputHost.h"
#include "editor/model/EntityTables.h"

class TEditingKeys {
public:
    explicit TEditingKeys(TInputHost& host) : H(host) {}

    // False when there was no selection to delete.
    bool DeleteSelection();
    // True when the character itself went into the text (not an entity for it, and not
    // passed over), so the completion list hears of it.
    bool TypeChar(char32_t c);
    void Enter();
    void Backspace(bool ctrl);
    void Delete(bool ctrl);
    // The tables automatic entity encoding types from.
    const TEntityTables& Entities() const { return FEntities; }

private:
    // Backspace's first step: the entity just left of the caret in one stroke.
    bool DeleteWholeEntity();

    TInputHost& H;
    TEntityTables FEntities;
};
