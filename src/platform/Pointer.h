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

// A cursor from a picture file (or resource) with its hot spot; the arrow when the picture
// cannot be read.
QCursor LoadCursor(const QString& file, int hotX, int hotY);
// The application's cursor table: custom cursors by number, filled by the program at
// start-up; a number with no cursor is the arrow.
void SetCustomCursor(int index, const QCursor& cursor);
QCursor CustomCursor(int index);

int WheelScrollLines();
