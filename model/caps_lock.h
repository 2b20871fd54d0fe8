// The Caps Lock toggle of the real keyboard, as the model reads it when it is
// created. The platform installs its own source; until then it reads false.
#pragma once

#include <functional>

// An empty function restores the default source.
void setCapsLockSource(std::function<bool()> source);
bool capsLockToggledNow();
