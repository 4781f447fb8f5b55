#pragma once
// Records the system sounds asked for while it lives.
#include "FakeServices.h"

#include <string>
#include <vector>

class SoundLog {
public:
    SoundLog() : Played(TestServices().Sounds.Played) { Played.clear(); }
    ~SoundLog() { Played.clear(); }
    std::vector<std::string>& Played;
};
