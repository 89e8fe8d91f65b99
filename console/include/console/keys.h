// Keys as the games read them: one character, or character 0 followed by
// the keyboard scan code for a key that has no character (arrows). A mouse
// button is a key of that second kind too, with its place on the screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace blockslide {

inline constexpr char kEscapeCharacter = 27;
inline constexpr char kEnterCharacter = 13;
inline constexpr char kBackspaceCharacter = 8;

inline constexpr int kScanUp = 72;
inline constexpr int kScanRight = 77;
inline constexpr int kScanDown = 80;
inline constexpr int kScanLeft = 75;
inline constexpr int kScanHome = 71;
inline constexpr int kScanEnd = 79;
inline constexpr int kScanPageUp = 73;
inline constexpr int kScanPageDown = 81;
inline constexpr int kScanInsert = 82;
inline constexpr int kScanDelete = 83;
inline constexpr int kScanF1 = 59;  // F1..F10 are 59..68
inline constexpr int kScanF11 = 133;
inline constexpr int kScanF12 = 134;
inline constexpr int kScanKeypadCentre = 76;  // keypad 5 with Num Lock off
inline constexpr int kScanShiftTab = 15;
// With Ctrl or Alt held an arrow has a code of its own.
inline constexpr int kScanCtrlUp = 141;
inline constexpr int kScanCtrlRight = 116;
inline constexpr int kScanCtrlDown = 145;
inline constexpr int kScanCtrlLeft = 115;
inline constexpr int kScanAltUp = 152;
inline constexpr int kScanAltRight = 157;
inline constexpr int kScanAltDown = 160;
inline constexpr int kScanAltLeft = 155;
// No keyboard key has this code: the left mouse button.
inline constexpr int kScanMouse = 255;

inline std::string extended_key(int scan_code) {
    return std::string{'\0', static_cast<char>(scan_code)};
}
inline std::string character_key(char c) {
    return std::string(1, c);
}

inline const std::string kEscapeKey = character_key(kEscapeCharacter);
inline const std::string kEnterKey = character_key(kEnterCharacter);
inline const std::string kUpKey = extended_key(kScanUp);
inline const std::string kRightKey = extended_key(kScanRight);
inline const std::string kDownKey = extended_key(kScanDown);
inline const std::string kLeftKey = extended_key(kScanLeft);

// Keys are compared only after this, so commands work in either case.
inline std::string upper_case_key(std::string_view key) {
    std::string upper(key);
    if (upper.size() == 1 && upper[0] >= 'a' && upper[0] <= 'z') upper[0] -= 'a' - 'A';
    return upper;
}

// The left mouse button pressed or let go at a place: row and column count
// from 1, on the terminal as the decoder reads it and on the 80 x 25 screen
// once the platform has placed it there.
struct MouseButton {
    bool pressed = true;  // false: released
    int row = 0;
    int column = 0;
};

std::string mouse_key(const MouseButton& button);
// The button of a mouse key; nothing for any other key.
std::optional<MouseButton> mouse_button_of(std::string_view key);

}  // namespace blockslide
