#include <gtest/gtest.h>

#include "console/win32_keys.h"

namespace blockslide {
namespace {

struct KeyCase {
    const char* what;
    BOOL down;
    WORD virtual_key, scan_code;
    wchar_t character;
    std::string key;
};

TEST(Win32Keys, ConsoleKeyEventsGiveOneCharacterOrZeroAndTheScanCode) {
    // clang-format off
    const KeyCase cases[] = {
        {"a letter, as typed", TRUE, 'B', 0x30, L'b', "b"},
        {"a digit", TRUE, '0', 0x0B, L'0', "0"},
        {"Esc", TRUE, VK_ESCAPE, 0x01, 27, "\x1b"},
        {"Esc, character left out", TRUE, VK_ESCAPE, 0x01, 0, "\x1b"},
        {"Enter", TRUE, VK_RETURN, 0x1C, 13, "\r"},
        {"up", TRUE, VK_UP, 72, 0, std::string{'\0', 72}},
        {"keypad right, Num Lock off", TRUE, VK_RIGHT, 77, 0, std::string{'\0', 77}},
        {"down, scan code left out", TRUE, VK_DOWN, 0, 0, std::string{'\0', 80}},
        {"left", TRUE, VK_LEFT, 75, 0, std::string{'\0', 75}},
        {"F1", TRUE, VK_F1, 59, 0, std::string{'\0', 59}},
        {"a double line", TRUE, 0, 0, L'\u2550', "\xCD"},
        {"a release", FALSE, 'A', 0x1E, L'a', ""},
        {"Shift alone", TRUE, VK_SHIFT, 0x2A, 0, ""}, {"Ctrl alone", TRUE, VK_CONTROL, 0x1D, 0, ""},
        {"Alt alone", TRUE, VK_MENU, 0x38, 0, ""}, {"Caps Lock", TRUE, VK_CAPITAL, 0x3A, 0, ""},
        {"Num Lock", TRUE, VK_NUMLOCK, 0x45, 0, ""}, {"Scroll Lock", TRUE, VK_SCROLL, 0x46, 0, ""},
    };
    // clang-format on
    for (const KeyCase& c : cases) {
        KEY_EVENT_RECORD event{c.down, 1, c.virtual_key, c.scan_code, {c.character}, 0};
        EXPECT_EQ(key_from_console_event(event), c.key) << c.what;
    }
}

}  // namespace
}  // namespace blockslide
