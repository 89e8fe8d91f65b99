// Bytes from a terminal turned into the games' keys. Input is read by the
// grammar terminals send it in (CSI: ESC [ parameters final byte; SS3: ESC O
// final byte; strings: ESC ] P _ ^ X up to ST or BEL; mouse reports of every
// encoding), so a sequence sent whole always becomes one key or nothing, even
// when its bytes trickle in over a slow link. One byte at a time through a
// state machine: any stream, of any length, decodes in linear time with
// bounded memory. Pure: the caller supplies the bytes and the time.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "console/key_backlog.h"

namespace blockslide {

class KeyDecoder {
public:
    // A lone Esc is a key once this long has passed with nothing after it
    // (ESCDELAY, in curses programs).
    static constexpr long kDefaultEscapeWaitMs = 50;
    // A sequence already under way may take this long per byte to go on.
    static constexpr long kSequenceWaitMs = 500;
    // A terminal's string (a reply, a clipboard) longer than this is taken
    // for a stray introducer, and what follows is read as keys again.
    static constexpr std::size_t kStringLimit = std::size_t{1} << 20;

    // `utf8`: bytes from 0x80 up are UTF-8; otherwise each is one Latin-1 character.
    explicit KeyDecoder(bool utf8 = true, long escape_wait_ms = kDefaultEscapeWaitMs)
        : utf8_(utf8), escape_wait_ms_(escape_wait_ms) {}

    void feed(std::string_view bytes, long now_ms);
    // Settles an unfinished Esc or sequence whose wait is over.
    void expire(long now_ms);
    // When expire() next has something to settle.
    std::optional<long> deadline() const;
    // The oldest waiting key, or "".
    std::string take() { return keys_.take(); }
    // Forgets waiting keys and any unfinished input.
    void clear();

private:
    enum class State {
        kGround,
        kEscape,         // ESC
        kEscapeEscape,   // ESC ESC: an Esc, or Alt with a sequence
        kCsi,            // ESC [
        kLinuxFunction,  // ESC [ [
        kSs3,            // ESC O
        kString,         // ESC ] P _ ^ X, up to ST or BEL
        kStringEscape,   // ESC inside a string
        kUtf8,           // a character's first bytes
        kOldMouse,       // ESC [ M and three coded bytes
    };
    static constexpr std::size_t kMaxNumbers = 8;
    static constexpr int kLargestNumber = 100000;
    static constexpr std::size_t kLongestCsi = 256;

    void step(unsigned char byte);
    void ground(unsigned char byte);
    void escape(unsigned char byte);
    void csi(unsigned char byte);
    void csi_parameter(unsigned char byte);
    void finish_csi(char final_byte);
    void ss3(unsigned char byte);
    void string(unsigned char byte);
    void utf8(unsigned char byte);
    void old_mouse(unsigned char byte);
    void finish_old_mouse();
    void start_sequence(State state);
    void push(std::string key);

    bool utf8_;
    long escape_wait_ms_;
    State state_ = State::kGround;
    long last_byte_ms_ = 0;
    // The sequence under way.
    std::array<int, kMaxNumbers> numbers_{};
    std::size_t number_count_ = 0;
    std::size_t length_ = 0;
    char private_marker_ = 0;
    bool odd_ = false;  // a sequence that cannot be a key
    char32_t code_point_ = 0;
    char32_t least_code_point_ = 0;  // of the character under way
    bool room_made_ = false;         // for a key of the bytes being fed
    std::size_t bytes_left_ = 0;
    KeyBacklog keys_;
};

}  // namespace blockslide
