#pragma once
// A base for the helpers that own something outside the object (a folder, the process's user):
// a copy would give it up twice, so there is none.
class NonCopyable {
public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;

protected:
    NonCopyable() = default;
    ~NonCopyable() = default;
};
