#pragma once
// A fresh folder under /tmp that is removed with everything in it when the object dies.
#include "NonCopyable.h"

#include <string>

class TempFolder : NonCopyable {
public:
    TempFolder();
    ~TempFolder();

    // The folder, ending in "/".
    const std::string& Path() const { return Dir; }
    std::string operator/(const std::string& name) const { return Dir + name; }
    void MakeDir(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    std::string Dir;
};
