#include "console/unix/cell_style.h"

#include <array>

#include "console/screen_model.h"

namespace blockslide {

namespace {

// The console numbers its colours blue first, terminals red first.
constexpr std::array<int, 8> kTerminalColor = {0, 4, 2, 6, 1, 5, 3, 7};
constexpr int kBright = 8;
constexpr int kDarkGray = 8;
constexpr int kTerminalWhite = 7;

}  // namespace

ColorDepth color_depth(int terminal_colors) {
    if (terminal_colors >= 16) return ColorDepth::kSixteen;
    return terminal_colors >= 8 ? ColorDepth::kEight : ColorDepth::kNone;
}

CellStyle style_of(std::uint8_t attribute, ColorDepth depth) {
    const int foreground = attribute_foreground(attribute);
    const int background = attribute_background(attribute);
    CellStyle style;
    switch (depth) {
        case ColorDepth::kSixteen:
            style.foreground = kTerminalColor[foreground % kBright] + (foreground & kBright);
            style.background = kTerminalColor[background % kBright] + (background & kBright);
            break;
        case ColorDepth::kEight:
            // Bold text shows in the bright colour; a bright background has
            // no such trick and stays dim, but dark gray would vanish into
            // black: the box around the board is drawn on light gray.
            style.foreground = kTerminalColor[foreground % kBright];
            style.bold = foreground >= kBright;
            style.background =
                background == kDarkGray ? kTerminalWhite : kTerminalColor[background % kBright];
            break;
        case ColorDepth::kNone:
            style.reverse = background != 0;
            break;
    }
    return style;
}

bool is_blank(std::uint8_t character) {
    return character == ' ' || character == 0;
}

bool looks_alike(const CellStyle& a, const CellStyle& b, bool blank) {
    if (a.background != b.background || a.reverse != b.reverse) return false;
    return blank || (a.foreground == b.foreground && a.bold == b.bold);
}

}  // namespace blockslide
