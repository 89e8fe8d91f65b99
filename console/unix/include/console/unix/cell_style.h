// How the console's sixteen colours are shown on a terminal: its own colour
// numbers where it has sixteen, bold text and a lighter box where it has
// eight, reverse video where it has none. Pure, so it is tested as a table.
#pragma once

#include <cstdint>

#include "console/screen_model.h"

namespace blockslide {

enum class ColorDepth { kNone, kEight, kSixteen };

ColorDepth color_depth(int terminal_colors);

struct CellStyle {
    int foreground = -1;  // the terminal's colour number; -1: its default
    int background = -1;
    bool bold = false;
    bool reverse = false;
    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

CellStyle style_of(const Cell& cell, ColorDepth depth);

// Whether a character shows nothing but its background.
bool is_blank(std::uint8_t character);

// Whether two styles look alike for a character: for a blank only the
// background and reverse video show.
bool looks_alike(const CellStyle& a, const CellStyle& b, bool blank);

}  // namespace blockslide
