// Console input records turned into the games' keys: one character, or
// character 0 followed by the keyboard scan code, or a mouse key.
#pragma once

#include <windows.h>

#include <string>

namespace blockslide {

// The key a console key event gives; "" for a release or a key that gives
// none alone (Shift, Ctrl, Alt and the lock keys).
std::string key_from_console_event(const KEY_EVENT_RECORD& event);

// The mouse key a console mouse event gives: the left button pressed or let
// go, at its place on the 80 x 25 screen whose top left cell is `origin` in
// the buffer. "" for anything else, and for a place off that screen.
// `left_was_down` is the left button as the events before left it; a release
// is told from it, and it is kept up to date.
std::string mouse_key_from_console_event(const MOUSE_EVENT_RECORD& event, COORD origin,
                                         bool& left_was_down);

}  // namespace blockslide
