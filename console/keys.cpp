#include "console/keys.h"

namespace blockslide {

namespace {

constexpr char kPressed = 'P';
constexpr char kReleased = 'R';
constexpr std::size_t kMouseKeyLength = 7;
constexpr int kLargestPosition = 0xFFFF;

void append_position(std::string& key, int position) {
    position = position < 0 ? 0 : position > kLargestPosition ? kLargestPosition : position;
    key += static_cast<char>(position >> 8);
    key += static_cast<char>(position & 0xFF);
}

int position_at(std::string_view key, std::size_t at) {
    return static_cast<unsigned char>(key[at]) << 8 | static_cast<unsigned char>(key[at + 1]);
}

}  // namespace

// Character 0, the mouse's code, P or R, then row and column in two bytes each.
std::string mouse_key(const MouseButton& button) {
    std::string key = extended_key(kScanMouse);
    key += button.pressed ? kPressed : kReleased;
    append_position(key, button.row);
    append_position(key, button.column);
    return key;
}

std::optional<MouseButton> mouse_button_of(std::string_view key) {
    if (key.size() != kMouseKeyLength || key[0] != '\0' ||
        static_cast<unsigned char>(key[1]) != kScanMouse)
        return std::nullopt;
    if (key[2] != kPressed && key[2] != kReleased) return std::nullopt;
    return MouseButton{key[2] == kPressed, position_at(key, 3), position_at(key, 5)};
}

}  // namespace blockslide
