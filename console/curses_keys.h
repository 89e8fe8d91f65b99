// Curses input turned into the games' keys: one character, or character 0
// followed by a scan code.
#pragma once

#include <string>

namespace blockslide {

// Teaches curses the arrow sequences of the terminal's normal cursor mode.
void accept_normal_mode_cursor_keys();

// The key for what get_wch returned; "" for input the games have no use for.
std::string key_from_curses(int kind, unsigned int input);

}  // namespace blockslide
