#pragma once
// The mouse pointer: its screen position, confinement to a rectangle while a drag lasts, the
// application's custom cursors and the wheel's lines-per-notch setting.
#include "platform/Geometry.h"

#include <QCursor>
#include <optional>
#include <string>

TPoint GetCursorPos();
void SetCursorPos(int x, int y);
// Keeps the pointer inside `r` (screen coordinates) until ReleaseCursorClip.
void ClipCursor(const TRect& r);
void ReleaseCursorClip();
std::optional<TRect> GetClipCursor();

// Custom cursors by number, as the application's cursor table: 12 "Drag", 13 "CopyDrag",
// and the named cursors loaded from the program's resources ("Drag", "CopyDrag", "NOArrow").
QCursor LoadResourceCursor(const std::string& name);
void SetCustomCursor(int index, const QCursor& cursor);
QCursor CustomCursor(int index);

int WheelScrollLines();
