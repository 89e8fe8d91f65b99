#include "console/windows/win32_keys.h"

#include <algorithm>
#include <array>

#include "console/cp437.h"
#include "console/keys.h"
#include "console/screen_model.h"

namespace blockslide {

namespace {

// Pressing these alone is no key.
constexpr std::array<WORD, 12> kSilentKeys = {VK_SHIFT,    VK_CONTROL,  VK_MENU,   VK_CAPITAL,
                                              VK_NUMLOCK,  VK_SCROLL,   VK_LSHIFT, VK_RSHIFT,
                                              VK_LCONTROL, VK_RCONTROL, VK_LMENU,  VK_RMENU};

struct ArrowScan {
    WORD virtual_key;
    int plain, ctrl, alt;
};

// The arrow block and the keypad arrows (Num Lock off) report the same
// virtual keys; their scan codes are fixed here so that a console which
// leaves the scan code out still gives the games their arrows. Ctrl or Alt
// held gives the codes a terminal's arrows give then; Shift changes nothing.
constexpr std::array<ArrowScan, 4> kArrows = {{
    {VK_UP, kScanUp, kScanCtrlUp, kScanAltUp},
    {VK_RIGHT, kScanRight, kScanCtrlRight, kScanAltRight},
    {VK_DOWN, kScanDown, kScanCtrlDown, kScanAltDown},
    {VK_LEFT, kScanLeft, kScanCtrlLeft, kScanAltLeft},
}};
constexpr DWORD kCtrlHeld = LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED;
constexpr DWORD kAltHeld = LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED;

struct KeyCharacter {
    WORD virtual_key;
    char character;
};

// Keys whose character some consoles leave out of the record (wine's gives
// a lone Esc with character 0).
constexpr std::array<KeyCharacter, 3> kControlCharacters = {{
    {VK_ESCAPE, kEscapeCharacter},
    {VK_RETURN, kEnterCharacter},
    {VK_BACK, kBackspaceCharacter},
}};

int scan_code_of(const KEY_EVENT_RECORD& event) {
    for (const ArrowScan& arrow : kArrows) {
        if (arrow.virtual_key != event.wVirtualKeyCode) continue;
        if (event.dwControlKeyState & kCtrlHeld) return arrow.ctrl;
        return event.dwControlKeyState & kAltHeld ? arrow.alt : arrow.plain;
    }
    if (event.wVirtualScanCode != 0) return event.wVirtualScanCode;
    return static_cast<int>(MapVirtualKeyW(event.wVirtualKeyCode, MAPVK_VK_TO_VSC));
}

}  // namespace

std::string key_from_console_event(const KEY_EVENT_RECORD& event) {
    if (!event.bKeyDown) return {};
    const wchar_t character = event.uChar.UnicodeChar;
    if (character != 0) {
        // ASCII, control characters (Esc, Enter) included, is itself in
        // code page 437; anything else is kept when the code page has it.
        const int byte = character < 0x80 ? character : unicode_to_cp437(character);
        return byte > 0 ? character_key(static_cast<char>(byte)) : std::string{};
    }
    for (const KeyCharacter& key : kControlCharacters) {
        if (key.virtual_key == event.wVirtualKeyCode) return character_key(key.character);
    }
    const bool silent = std::find(kSilentKeys.begin(), kSilentKeys.end(), event.wVirtualKeyCode) !=
                        kSilentKeys.end();
    return silent ? std::string{} : extended_key(scan_code_of(event));
}

std::string mouse_key_from_console_event(const MOUSE_EVENT_RECORD& event, COORD origin,
                                         bool& left_was_down) {
    // Only a button going down or up changes the buttons; moves, drags and
    // the wheel report no change.
    if (event.dwEventFlags != 0 && event.dwEventFlags != DOUBLE_CLICK) return {};
    const bool left_down = (event.dwButtonState & FROM_LEFT_1ST_BUTTON_PRESSED) != 0;
    if (left_down == left_was_down) return {};  // another button
    left_was_down = left_down;
    const int row = event.dwMousePosition.Y - origin.Y + 1;
    const int column = event.dwMousePosition.X - origin.X + 1;
    if (row < 1 || row > kScreenRows || column < 1 || column > kScreenColumns) return {};
    return mouse_key(MouseButton{left_down, row, column});
}

}  // namespace blockslide
