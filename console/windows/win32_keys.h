// Console input records turned into the games' keys: one character, or
// character 0 followed by the keyboard scan code.
#pragma once

#include <windows.h>

#include <string>

namespace blockslide {

// The key a console key event gives; "" for a release or a key that gives
// none alone (Shift, Ctrl, Alt and the lock keys).
std::string key_from_console_event(const KEY_EVENT_RECORD& event);

}  // namespace blockslide
