#pragma once
// Named system sounds, played asynchronously: "SystemExclamation", "SystemHand" and the
// default beep "Beep". A machine without a sound device plays nothing and says nothing.
#include <functional>
#include <string>

void PlaySystemSound(const std::string& name);
// Tests: every sound asked for also goes to this recorder (nullptr: none).
void SetSoundRecorder(std::function<void(const std::string&)> recorder);
