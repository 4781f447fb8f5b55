#pragma once
// The first step of a property setter: assigning an equal value does nothing.
#include <utility>

// Stores `value` in `field` and says whether it differed, so that the setter goes on to what
// the change asks for (a repaint, a new layout) only when there was one.
template <typename T, typename U>
bool AssignChanged(T& field, U&& value)
{
    if (field == value) return false;
    field = std::forward<U>(value);
    return true;
}
