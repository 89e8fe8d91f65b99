#include "console/curses_keys.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>

#include "console/cp437.h"
#include "console/keys.h"

namespace blockslide {

namespace {

std::string character_to_key(wint_t character) {
    switch (character) {
        case L'\0':
            return {};  // would read as the start of an extended key
        case L'\r':
        case L'\n':
            return kEnterKey;
        case 8:
        case 127:
            return character_key(kBackspaceCharacter);
        default:
            break;
    }
    if (character < 0x80) return character_key(static_cast<char>(character));
    // Letters like é or £ that the games' character set has come through as
    // that byte; anything else could not be typed on the original console.
    const int byte = unicode_to_cp437(static_cast<char32_t>(character));
    return byte > 0 ? character_key(static_cast<char>(byte)) : std::string{};
}

std::string function_key_to_key(int code) {
    switch (code) {
        case KEY_ENTER:
            return kEnterKey;
        case KEY_BACKSPACE:
            return character_key(kBackspaceCharacter);
        case KEY_UP:
#ifdef KEY_A2
        case KEY_A2:
#endif
            return extended_key(kScanUp);
        case KEY_DOWN:
#ifdef KEY_C2
        case KEY_C2:
#endif
            return extended_key(kScanDown);
        case KEY_LEFT:
#ifdef KEY_B1
        case KEY_B1:
#endif
            return extended_key(kScanLeft);
        case KEY_RIGHT:
#ifdef KEY_B3
        case KEY_B3:
#endif
            return extended_key(kScanRight);
        case KEY_HOME:
        case KEY_A1:
            return extended_key(kScanHome);
        case KEY_END:
        case KEY_C1:
            return extended_key(kScanEnd);
        case KEY_PPAGE:
        case KEY_A3:
            return extended_key(kScanPageUp);
        case KEY_NPAGE:
        case KEY_C3:
            return extended_key(kScanPageDown);
        case KEY_IC:
            return extended_key(kScanInsert);
        case KEY_DC:
            return extended_key(kScanDelete);
        default:
            break;
    }
    if (code >= KEY_F(1) && code <= KEY_F(10)) return extended_key(kScanF1 + code - KEY_F(1));
    return {};  // mouse reports and keys the games have no use for
}

}  // namespace

// After Ctrl-Z and fg, curses turns the keypad's application mode back on
// only when the next read starts, so the read that was waiting gets the first
// key in the terminal's normal cursor mode. Knowing those sequences too keeps
// that key an arrow instead of Esc, '[', 'A'. Sequences the terminal already
// uses for something else are left alone.
void accept_normal_mode_cursor_keys() {
    struct Sequence {
        const char* bytes;
        int key;
    };
    static constexpr Sequence kSequences[] = {
        {"\033[A", KEY_UP},   {"\033[B", KEY_DOWN}, {"\033[C", KEY_RIGHT}, {"\033[D", KEY_LEFT},
        {"\033[H", KEY_HOME}, {"\033[F", KEY_END},  {"\033OH", KEY_HOME},  {"\033OF", KEY_END},
    };
    for (const Sequence& sequence : kSequences) {
        if (key_defined(sequence.bytes) == 0) define_key(sequence.bytes, sequence.key);
    }
}

std::string key_from_curses(int kind, unsigned int input) {
    return kind == KEY_CODE_YES ? function_key_to_key(static_cast<int>(input))
                                : character_to_key(static_cast<wint_t>(input));
}

}  // namespace blockslide
