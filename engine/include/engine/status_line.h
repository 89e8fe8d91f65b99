// Row 24 carries every prompt and message, centred by one rule.
#pragma once

#include <string_view>

#include "engine/screen_layout.h"

namespace blockslide {

// Blanks columns 13 to 62 of the status line, black on black.
void blank_status_line();
// Prints `text` on the status line from `column` in the given colours.
void show_status(std::string_view text, int column, int foreground, int background);
// Prints `text` centred on the status line in the given colours.
void show_centred_status(std::string_view text, int foreground, int background);

}  // namespace blockslide
