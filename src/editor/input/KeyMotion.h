#pragma once
// Where the movement keys take a position: arrows (word-wise with Ctrl), Page Up and Page
// Down by a screen of `rows` lines, Home and End (the whole text with Ctrl).
#include "editor/model/EditDocument.h"

#include <optional>
#include <string_view>

// The position `key` moves p to, or nothing when `key` is not a movement key.
std::optional<TPoint> KeyMotionTarget(const TEditDocument& doc, int key, TPoint p, bool ctrl, int rows,
                                      std::string_view stopChars);
