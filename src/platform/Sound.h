#pragma once
// Named system sounds, played asynchronously through the services' sound output:
// "SystemExclamation", "SystemHand" and the default beep "Beep". A machine without a sound
// device plays nothing and says nothing.
#include <string>

void PlaySystemSound(const std::string& name);
