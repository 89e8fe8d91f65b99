#include "console/unix/cell_style.h"

#include <array>

namespace blockslide {

namespace {

// The console numbers its colours blue first, terminals red first.
constexpr std::array<int, 8> kTerminalColor = {0, 4, 2, 6, 1, 5, 3, 7};
constexpr int kBright = 8;
constexpr int kTerminalWhite = 7;
constexpr int kLightGray = 7;
constexpr std::uint8_t kFullBlock = 0xDB;

}  // namespace

ColorDepth color_depth(int terminal_colors) {
    if (terminal_colors >= 16) return ColorDepth::kSixteen;
    return terminal_colors >= 8 ? ColorDepth::kEight : ColorDepth::kNone;
}

CellStyle style_of(const Cell& cell, ColorDepth depth) {
    const int foreground = attribute_foreground(cell.attribute);
    const int background = attribute_background(cell.attribute);
    CellStyle style;
    switch (depth) {
        case ColorDepth::kSixteen:
            style.foreground = kTerminalColor[foreground % kBright] + (foreground & kBright);
            style.background = kTerminalColor[background % kBright] + (background & kBright);
            break;
        case ColorDepth::kEight:
            // Bold text shows in the bright colour. A bright background has
            // no such trick: each shows as light gray, so the dark gray box
            // stays visible beside the black board and a yellow or white
            // flash never takes the colour of a block's own body. A full
            // block in light gray (the bar in the box's edge) is bright
            // then, or it would melt into the box.
            style.foreground = kTerminalColor[foreground % kBright];
            style.background = background >= kBright ? kTerminalWhite : kTerminalColor[background];
            style.bold =
                foreground >= kBright || (foreground == kLightGray && cell.character == kFullBlock);
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
