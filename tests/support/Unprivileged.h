#pragma once
// For the life of the object the process runs as a user without root's right to write any
// file, so a file's own permissions decide again. Root becomes "nobody" (root stays the saved
// user, so the destructor can return to it); any other user already is such a user.
#include "NonCopyable.h"

class Unprivileged : NonCopyable {
public:
    Unprivileged();
    ~Unprivileged();

    // False where the process could not give up root (no right to change its user).
    bool Active() const { return IsActive; }

private:
    bool WasRoot = false;
    bool IsActive = false;
};
