#pragma once
// Records the system sounds asked for while it lives.
#include "platform/Sound.h"

#include <string>
#include <vector>

class SoundLog {
public:
    SoundLog() { SetSoundRecorder([this](const std::string& s) { Played.push_back(s); }); }
    ~SoundLog() { SetSoundRecorder(nullptr); }
    std::vector<std::string> Played;
};
