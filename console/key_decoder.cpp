#include "console/key_decoder.h"

#include <cstdint>
#include <vector>

#include "console/cp437.h"
#include "console/keys.h"

namespace blockslide {

namespace {

constexpr char kEsc = kEscapeCharacter;

// What the start of the input amounts to: not enough bytes yet, or
// `length` bytes that give `key` ("" for input with no key, such as a mouse
// report or a terminal's reply).
struct Parsed {
    bool complete = false;
    std::size_t length = 0;
    std::string key;
};

const Parsed kIncomplete{};  // not constexpr: clang 14 has no constexpr std::string
Parsed parsed(std::size_t length, std::string key = {}) {
    return {true, length, std::move(key)};
}

std::string key_for_code_point(char32_t code_point) {
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

std::size_t utf8_length(std::uint8_t lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;  // not a lead byte
}

Parsed parse_character(std::string_view in, bool utf8) {
    const auto lead = static_cast<std::uint8_t>(in[0]);
    if (lead < 0x80 || !utf8) return parsed(1, key_for_code_point(lead));
    const std::size_t length = utf8_length(lead);
    if (length == 0) return parsed(1);
    char32_t code_point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= in.size()) return kIncomplete;
        const auto next = static_cast<std::uint8_t>(in[i]);
        if ((next & 0xC0) != 0x80) return parsed(i);  // broken: drop what came so far
        code_point = (code_point << 6) | (next & 0x3F);
    }
    return parsed(length, key_for_code_point(code_point));
}

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

std::vector<int> numbers_of(std::string_view parameters) {
    std::vector<int> numbers{0};
    for (char c : parameters) {
        if (c == ';' || c == ':') {
            numbers.push_back(0);
        } else if (c >= '0' && c <= '9' && numbers.back() < 100000) {
            numbers.back() = numbers.back() * 10 + (c - '0');
        }
    }
    return numbers;
}

std::string csi_key(std::string_view parameters, char final_byte) {
    // '<', '=', '>', '?' first: SGR mouse reports and terminal replies.
    if (parameters.find_first_of("<=>?") == 0) return {};
    const std::vector<int> numbers = numbers_of(parameters);
    const int modifiers = numbers.size() > 1 && numbers[1] > 0 ? numbers[1] - 1 : 0;
    switch (final_byte) {
        case '~':
        case '$':
        case '^':
        case '@':
            return tilde_key(numbers[0]);
        case 'M':
        case 'm':  // urxvt mouse reports end in M too
        case 'R':
            return {};
        default:
            return final_byte_key(final_byte, modifiers);
    }
}

bool is_final(char c) {
    return c >= 0x40 && c <= 0x7E;
}

// ESC [ has been seen.
Parsed parse_csi(std::string_view in) {
    if (in.size() < 3) return kIncomplete;
    if (in[2] == '[') {  // the Linux console's F1 to F5: ESC [ [ A to E
        if (in.size() < 4) return kIncomplete;
        const char letter = in[3];
        return parsed(4, letter >= 'A' && letter <= 'E' ? extended_key(kScanF1 + letter - 'A')
                                                        : std::string{});
    }
    if (in[2] == 'M') {  // X10 mouse report: three bytes of data follow
        return in.size() < 6 ? kIncomplete : parsed(6);
    }
    for (std::size_t i = 2; i < in.size(); ++i) {
        const char c = in[i];
        const std::string_view parameters = in.substr(2, i - 2);
        // rxvt ends modified keys with '$', which is otherwise an intermediate byte.
        const bool rxvt_end = c == '$' && parameters.find_first_of(";<=>?") == std::string::npos;
        if (is_final(c) || rxvt_end) return parsed(i + 1, csi_key(parameters, c));
        if (c < 0x20 || c > 0x3F) return parsed(i);  // broken off: drop it, keep what follows
    }
    return kIncomplete;
}

// ESC O has been seen; xterm may put a modifier number before the final byte.
Parsed parse_ss3(std::string_view in) {
    const std::size_t i = in.find_first_not_of("0123456789", 2);
    if (i == std::string_view::npos) return kIncomplete;
    const int modifier = numbers_of(in.substr(2, i - 2))[0];
    const char c = in[i];
    if (!is_final(c)) return parsed(i);
    if (c >= 'p' && c <= 'y') return parsed(i + 1, character_key(static_cast<char>('0' + c - 'p')));
    if (c == 'M') return parsed(i + 1, kEnterKey);
    if (c >= 'j' && c <= 'o') return parsed(i + 1, character_key("*+,-./"[c - 'j']));
    if (c >= 'a' && c <= 'd') {  // rxvt: Ctrl with an arrow
        return parsed(i + 1, arrow_key(static_cast<char>(c - 'a' + 'A'), kCtrlHeld));
    }
    return parsed(i + 1, final_byte_key(c, modifier > 0 ? modifier - 1 : 0));
}

Parsed parse(std::string_view in, bool utf8) {
    if (in[0] != kEsc) return parse_character(in, utf8);
    if (in.size() < 2) return kIncomplete;
    if (in[1] == '[') return parse_csi(in);
    if (in[1] == 'O') return parse_ss3(in);
    // Alt with a key: the key's own character. Alt with a sequence (ESC ESC [ A): the sequence.
    Parsed rest = parse(in.substr(1), utf8);
    if (rest.complete) ++rest.length;
    return rest;
}

}  // namespace

void KeyDecoder::feed(std::string_view bytes, long now_ms) {
    if (bytes.empty()) return;
    pending_ += bytes;
    last_byte_ms_ = now_ms;
    decode_pending();
}

void KeyDecoder::decode_pending() {
    while (!pending_.empty()) {
        Parsed result = parse(pending_, utf8_);
        if (!result.complete) return;
        pending_.erase(0, result.length);
        if (!result.key.empty()) push(std::move(result.key));
    }
}

void KeyDecoder::expire(long now_ms) {
    const std::optional<long> due = deadline();
    if (!due || now_ms < *due) return;
    // Esc on its own (or Alt with Esc) is the Esc key; anything else left
    // unfinished is part of a sequence that was cut off, and means nothing.
    if (pending_.find_first_not_of(kEsc) == std::string::npos) push(kEscapeKey);
    pending_.clear();
}

std::optional<long> KeyDecoder::deadline() const {
    if (pending_.empty()) return std::nullopt;
    const bool lone_escape = pending_.find_first_not_of(kEsc) == std::string::npos;
    return last_byte_ms_ + (lone_escape ? kEscapeWaitMs : kSequenceWaitMs);
}

std::string KeyDecoder::take() {
    if (keys_.empty()) return {};
    std::string key = std::move(keys_.front());
    keys_.pop_front();
    return key;
}

void KeyDecoder::clear() {
    keys_.clear();
    pending_.clear();
}

void KeyDecoder::push(std::string key) {
    if (keys_.size() < kBacklog) keys_.push_back(std::move(key));
}

}  // namespace blockslide
