#include "console/windows/win32_keys.h"

#include <algorithm>
#include <array>

#include "console/cp437.h"
#include "console/keys.h"

namespace blockslide {

namespace {

// Pressing these alone is no key.
constexpr std::array<WORD, 12> kSilentKeys = {VK_SHIFT,    VK_CONTROL,  VK_MENU,   VK_CAPITAL,
                                              VK_NUMLOCK,  VK_SCROLL,   VK_LSHIFT, VK_RSHIFT,
                                              VK_LCONTROL, VK_RCONTROL, VK_LMENU,  VK_RMENU};

struct ArrowScan {
    WORD virtual_key;
    int scan_code;
};

// The arrow block and the keypad arrows (Num Lock off) report the same
// virtual keys; their scan codes are fixed here so that a console which
// leaves the scan code out still gives the games their arrows.
constexpr std::array<ArrowScan, 4> kArrows = {{
    {VK_UP, kScanUp},
    {VK_RIGHT, kScanRight},
    {VK_DOWN, kScanDown},
    {VK_LEFT, kScanLeft},
}};

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
        if (arrow.virtual_key == event.wVirtualKeyCode) return arrow.scan_code;
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

}  // namespace blockslide
