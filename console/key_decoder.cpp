#include "console/key_decoder.h"

#include <span>

#include "console/key_sequences.h"
#include "console/keys.h"

namespace blockslide {

namespace {

constexpr unsigned char kEsc = kEscapeCharacter;
constexpr unsigned char kBell = 0x07;
constexpr unsigned char kCancel = 0x18;  // CAN and SUB end a string unfinished
constexpr unsigned char kSubstitute = 0x1A;
// X10 and urxvt mouse reports count buttons and places from this.
constexpr int kMouseOffset = 32;

bool is_final(unsigned char byte) {
    return byte >= 0x40 && byte <= 0x7E;
}

bool is_string_introducer(unsigned char byte) {
    return byte == ']' || byte == 'P' || byte == '_' || byte == '^' || byte == 'X';
}

// How many bytes follow a UTF-8 lead byte; 0 for a byte that leads nothing.
std::size_t continuation_bytes(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return 0;
}

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The smallest character a lead byte may start: anything less is an overlong
// encoding, which would let bytes that do not read as Esc or a digit act as one.
char32_t least_code_point(std::size_t continuation_count) {
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    return kLeast[continuation_count];
}

// A character UTF-8 may encode: no surrogate halves, nothing past U+10FFFF.
bool is_scalar_value(char32_t code_point) {
    return code_point <= 0x10FFFF && (code_point < 0xD800 || code_point > 0xDFFF);
}

}  // namespace

void KeyDecoder::feed(std::string_view bytes, long now_ms) {
    if (bytes.empty()) return;
    last_byte_ms_ = now_ms;
    room_made_ = false;
    for (const char c : bytes) step(static_cast<unsigned char>(c));
}

void KeyDecoder::expire(long now_ms) {
    const std::optional<long> due = deadline();
    if (!due || now_ms < *due) return;
    // Esc with nothing after it is the Esc key; anything else left
    // unfinished is part of a sequence that was cut off, and means nothing.
    room_made_ = false;
    if (state_ == State::kEscape || state_ == State::kEscapeEscape) push(kEscapeKey);
    state_ = State::kGround;
}

std::optional<long> KeyDecoder::deadline() const {
    switch (state_) {
        case State::kGround:
            return std::nullopt;
        case State::kEscape:
        case State::kEscapeEscape:
            return last_byte_ms_ + escape_wait_ms_;
        default:
            return last_byte_ms_ + kSequenceWaitMs;
    }
}

void KeyDecoder::clear() {
    keys_.clear();
    state_ = State::kGround;
}

void KeyDecoder::step(unsigned char byte) {
    switch (state_) {
        case State::kGround:
            return ground(byte);
        case State::kEscape:
        case State::kEscapeEscape:
            return escape(byte);
        case State::kCsi:
            return csi(byte);
        case State::kLinuxFunction:  // the Linux console's F1 to F5: ESC [ [ A to E
            state_ = State::kGround;
            if (byte >= 'A' && byte <= 'E') push(extended_key(kScanF1 + byte - 'A'));
            return;
        case State::kSs3:
            return ss3(byte);
        case State::kString:
        case State::kStringEscape:
            return string(byte);
        case State::kUtf8:
            return utf8(byte);
        case State::kOldMouse:
            return old_mouse(byte);
    }
}

void KeyDecoder::ground(unsigned char byte) {
    if (byte == kEsc) {
        state_ = State::kEscape;
    } else if (byte < 0x80 || !utf8_) {
        push(key_sequences::character(byte));
    } else if ((bytes_left_ = continuation_bytes(byte)) > 0) {
        code_point_ = byte & (0x3F >> bytes_left_);
        least_code_point_ = least_code_point(bytes_left_);
        state_ = State::kUtf8;
    }  // else a byte that starts no character: dropped
}

void KeyDecoder::utf8(unsigned char byte) {
    if (!is_continuation(byte)) {  // broken off: drop what came, read this afresh
        state_ = State::kGround;
        return ground(byte);
    }
    code_point_ = code_point_ << 6 | (byte & 0x3F);
    if (--bytes_left_ > 0) return;
    state_ = State::kGround;
    if (code_point_ >= least_code_point_ && is_scalar_value(code_point_))
        push(key_sequences::character(code_point_));
}

void KeyDecoder::escape(unsigned char byte) {
    if (byte == '[') return start_sequence(State::kCsi);
    if (byte == 'O') return start_sequence(State::kSs3);
    if (is_string_introducer(byte)) return start_sequence(State::kString);
    if (byte == kEsc) {
        // ESC ESC may still be Alt with a sequence; a third ESC shows the
        // first was an Esc of its own, so a flood gives Esc keys as it goes.
        if (state_ == State::kEscapeEscape) push(kEscapeKey);
        state_ = State::kEscapeEscape;
        return;
    }
    // Alt with a key: the key's own character.
    state_ = State::kGround;
    ground(byte);
}

void KeyDecoder::start_sequence(State state) {
    state_ = state;
    numbers_.fill(0);
    number_count_ = 1;
    length_ = 0;
    private_marker_ = 0;
    odd_ = false;
}

void KeyDecoder::csi(unsigned char byte) {
    if (length_ == 0 && byte == '[') {
        state_ = State::kLinuxFunction;
        return;
    }
    if (length_ == 0 && byte == 'M') {  // X10 or UTF-8 (1005) mouse report
        state_ = State::kOldMouse;
        number_count_ = 0;
        bytes_left_ = 0;
        return;
    }
    ++length_;
    // rxvt ends modified keys with '$', which is otherwise an intermediate byte.
    const bool rxvt_end = byte == '$' && private_marker_ == 0 && number_count_ == 1;
    if (is_final(byte) || rxvt_end) return finish_csi(static_cast<char>(byte));
    if (byte >= 0x30 && byte <= 0x3F) return csi_parameter(byte);
    if (byte >= 0x20 && byte <= 0x2F) {
        odd_ = true;  // no key the games know has an intermediate byte
        return;
    }
    // Anything else breaks the sequence off: it means nothing, and the byte
    // is read afresh.
    state_ = State::kGround;
    ground(byte);
}

void KeyDecoder::csi_parameter(unsigned char byte) {
    if (byte >= '0' && byte <= '9') {
        int& number = numbers_[number_count_ - 1];
        if (number < kLargestNumber) number = number * 10 + (byte - '0');
    } else if (byte == ';' || byte == ':') {
        if (number_count_ < kMaxNumbers) numbers_[number_count_++] = 0;
    } else if (length_ == 1) {
        private_marker_ = static_cast<char>(byte);  // < = > ?
    } else {
        odd_ = true;
    }
}

void KeyDecoder::finish_csi(char final_byte) {
    state_ = State::kGround;
    if (odd_ || length_ > kLongestCsi) return;
    const std::span<const int> numbers(numbers_.data(), number_count_);
    if (key_sequences::is_mouse_report(private_marker_, numbers, final_byte)) {
        const bool sgr = private_marker_ == '<';
        push(key_sequences::mouse(sgr ? numbers[0] : numbers[0] - kMouseOffset, numbers[1],
                                  numbers[2], sgr && final_byte == 'm'));
        return;
    }
    push(key_sequences::csi(private_marker_, numbers, final_byte));
}

// ESC O, and xterm may put a modifier number before the final byte.
void KeyDecoder::ss3(unsigned char byte) {
    if (byte >= '0' && byte <= '9') {
        if (numbers_[0] < kLargestNumber) numbers_[0] = numbers_[0] * 10 + (byte - '0');
        return;
    }
    state_ = State::kGround;
    if (is_final(byte)) return push(key_sequences::ss3(numbers_[0], static_cast<char>(byte)));
    ground(byte);
}

// A terminal's string (OSC, DCS, APC, PM, SOS): read to its end and dropped.
void KeyDecoder::string(unsigned char byte) {
    if (state_ == State::kStringEscape) {
        if (byte == '\\') {  // ST
            state_ = State::kGround;
            return;
        }
        state_ = State::kEscape;  // an ESC that starts something else ends the string
        return escape(byte);
    }
    if (byte == kBell || byte == kCancel || byte == kSubstitute) {
        state_ = State::kGround;
    } else if (byte == kEsc) {
        state_ = State::kStringEscape;
    } else if (++length_ > kStringLimit) {
        state_ = State::kGround;
        ground(byte);
    }
}

// ESC [ M and three values, each a byte or, in the UTF-8 encoding, a
// two-byte character: a lead byte takes its continuation with it.
void KeyDecoder::old_mouse(unsigned char byte) {
    if (bytes_left_ == 1) {
        bytes_left_ = 0;
        if (is_continuation(byte)) {
            numbers_[number_count_++] = static_cast<int>(code_point_ << 6 | (byte & 0x3F));
        } else {
            numbers_[number_count_++] = static_cast<int>(code_point_ | 0xC0);  // a lone byte
            if (number_count_ < 3) return old_mouse(byte);
            finish_old_mouse();
            return ground(byte);
        }
    } else if (continuation_bytes(byte) == 1) {
        code_point_ = byte & 0x1F;
        bytes_left_ = 1;
        return;
    } else {
        numbers_[number_count_++] = byte;
    }
    if (number_count_ == 3) finish_old_mouse();
}

void KeyDecoder::finish_old_mouse() {
    state_ = State::kGround;
    push(key_sequences::mouse(numbers_[0] - kMouseOffset, numbers_[1] - kMouseOffset,
                              numbers_[2] - kMouseOffset, false));
}

// The first key of what came at once may push the oldest waiting key out;
// the rest take only the room there is.
void KeyDecoder::push(std::string key) {
    if (key.empty()) return;
    if (room_made_) {
        keys_.push_if_room(std::move(key));
    } else {
        keys_.push(std::move(key));
        room_made_ = true;
    }
}

}  // namespace blockslide
