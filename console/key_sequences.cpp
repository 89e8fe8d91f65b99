#include "console/key_sequences.h"

#include "console/cp437.h"
#include "console/keys.h"

namespace blockslide::key_sequences {

namespace {

// The modifier keys held, as bits of xterm's modifier parameter minus one.
constexpr int kAltHeld = 2;
constexpr int kCtrlHeld = 4;

// An arrow by its letter (A up, B down, C right, D left) and the modifier
// keys held. Shift alone changes nothing.
std::string arrow_key(char letter, int modifiers) {
    struct Codes {
        int plain, ctrl, alt;
    };
    static constexpr Codes kArrows[] = {{kScanUp, kScanCtrlUp, kScanAltUp},
                                        {kScanDown, kScanCtrlDown, kScanAltDown},
                                        {kScanRight, kScanCtrlRight, kScanAltRight},
                                        {kScanLeft, kScanCtrlLeft, kScanAltLeft}};
    const Codes& codes = kArrows[letter - 'A'];
    if (modifiers & kCtrlHeld) return extended_key(codes.ctrl);
    if (modifiers & kAltHeld) return extended_key(codes.alt);
    return extended_key(codes.plain);
}

// ESC [ number ~ (and rxvt's $ ^ @ endings for the same keys held with modifiers).
std::string tilde_key(int number) {
    switch (number) {
        case 1:
        case 7:
            return extended_key(kScanHome);
        case 2:
            return extended_key(kScanInsert);
        case 3:
            return extended_key(kScanDelete);
        case 4:
        case 8:
            return extended_key(kScanEnd);
        case 5:
            return extended_key(kScanPageUp);
        case 6:
            return extended_key(kScanPageDown);
        case 23:
            return extended_key(kScanF11);
        case 24:
            return extended_key(kScanF12);
        default:
            break;
    }
    if (number >= 11 && number <= 15) return extended_key(kScanF1 + number - 11);
    if (number >= 17 && number <= 21) return extended_key(kScanF1 + 5 + number - 17);
    return {};  // paste markers (200, 201) and keys the games have no use for
}

// The key named by a sequence's final byte, shared by CSI and SS3.
std::string final_byte_key(char final_byte, int modifiers) {
    switch (final_byte) {
        case 'A':
        case 'B':
        case 'C':
        case 'D':
            return arrow_key(final_byte, modifiers);
        case 'a':
        case 'b':
        case 'c':
        case 'd':  // rxvt: Shift with an arrow
            return arrow_key(static_cast<char>(final_byte - 'a' + 'A'), 0);
        case 'H':
            return extended_key(kScanHome);
        case 'F':
            return extended_key(kScanEnd);
        case 'E':
        case 'G':
            return extended_key(kScanKeypadCentre);
        case 'P':
        case 'Q':
        case 'S':  // 'R' with numbers is also the reply to a cursor report: ignored
            return extended_key(kScanF1 + final_byte - 'P');
        case 'Z':
            return extended_key(kScanShiftTab);
        default:
            return {};
    }
}

int modifiers_of(int parameter) {
    return parameter > 0 ? parameter - 1 : 0;
}

constexpr int kButtonBits = 3;
constexpr int kReleaseCode = 3;
constexpr int kNotAPressBits = 32 | 64 | 128;  // motion, wheel, extra buttons
constexpr int kLeftButton = 0;

}  // namespace

std::string character(char32_t code_point) {
    switch (code_point) {
        case 0:
            return {};  // would read as the start of an extended key
        case '\r':
        case '\n':
            return kEnterKey;
        case 8:
        case 127:
            return character_key(kBackspaceCharacter);
        default:
            break;
    }
    if (code_point < 0x80) return character_key(static_cast<char>(code_point));
    // Letters like é or £ that the games' character set has come through as
    // that byte; anything else cannot be typed on a PC console.
    const int byte = unicode_to_cp437(code_point);
    return byte > 0 ? character_key(static_cast<char>(byte)) : std::string{};
}

bool is_mouse_report(char private_marker, std::span<const int> numbers, char final_byte) {
    if (numbers.size() != 3) return false;
    if (private_marker == '<') return final_byte == 'M' || final_byte == 'm';  // SGR
    return private_marker == 0 && final_byte == 'M';                           // urxvt
}

std::string csi(char private_marker, std::span<const int> numbers, char final_byte) {
    if (private_marker != 0) return {};  // replies to queries
    const int first = numbers.empty() ? 0 : numbers[0];
    switch (final_byte) {
        case '~':
        case '$':
        case '^':
        case '@':
            return tilde_key(first);
        case 'M':
        case 'm':
        case 'R':
            return {};
        default:
            return final_byte_key(final_byte, numbers.size() > 1 ? modifiers_of(numbers[1]) : 0);
    }
}

std::string ss3(int number, char final_byte) {
    const char c = final_byte;
    if (c >= 'p' && c <= 'y') return character_key(static_cast<char>('0' + c - 'p'));
    if (c == 'M') return kEnterKey;
    if (c >= 'j' && c <= 'o') return character_key("*+,-./"[c - 'j']);
    if (c >= 'a' && c <= 'd') {  // rxvt: Ctrl with an arrow
        return arrow_key(static_cast<char>(c - 'a' + 'A'), kCtrlHeld);
    }
    return final_byte_key(c, modifiers_of(number));
}

std::string mouse(int button_code, int column, int row, bool released) {
    if (button_code < 0 || (button_code & kNotAPressBits) != 0) return {};
    const int button = button_code & kButtonBits;
    // Old encodings say only that some button was let go; the game takes it
    // for the left one, which is all it ever asks for.
    const bool some_release = !released && button == kReleaseCode;
    if (button != kLeftButton && !some_release) return {};
    if (column < 1 || row < 1) return {};
    return mouse_key(MouseButton{!(released || some_release), row, column});
}

}  // namespace blockslide::key_sequences
