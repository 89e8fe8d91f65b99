// Row 24 carries every prompt and message, centred by one rule.
#pragma once

#include <string_view>

namespace blockslide {

inline constexpr int kStatusLine = 24;

// The first column of a centred text: 40 - length / 2.
inline int centred_column(std::string_view text) {
    return 40 - static_cast<int>(text.size()) / 2;
}

// Blanks columns 13 to 62 of the status line, black on black.
void blank_status_line();
// Prints `text` on the status line from `column` in the given colours.
void show_status(std::string_view text, int column, int foreground, int background);
// Prints `text` centred on the status line in the given colours.
void show_centred_status(std::string_view text, int foreground, int background);

}  // namespace blockslide
