// Bytes from a terminal turned into the games' keys. Escape sequences are
// read by the grammar of terminal input (CSI: ESC [ parameters final byte;
// SS3: ESC O final byte), so one a terminal sends whole always becomes one key
// or nothing, even when its bytes trickle in over a slow link. Pure: the
// caller supplies the bytes and the time, which makes it testable byte by byte.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace blockslide {

class KeyDecoder {
public:
    // A lone Esc is a key once this long has passed with nothing after it.
    static constexpr long kEscapeWaitMs = 50;
    // A sequence already under way may take this long per byte to go on.
    static constexpr long kSequenceWaitMs = 500;
    // Keys waiting to be read, like a PC keyboard buffer: more are dropped.
    static constexpr std::size_t kBacklog = 16;

    // `utf8`: bytes from 0x80 up are UTF-8; otherwise each is one Latin-1 character.
    explicit KeyDecoder(bool utf8 = true) : utf8_(utf8) {}

    void feed(std::string_view bytes, long now_ms);
    // Settles an unfinished Esc or sequence whose wait is over.
    void expire(long now_ms);
    // When expire() next has something to settle.
    std::optional<long> deadline() const;
    // The oldest waiting key, or "".
    std::string take();
    // Forgets waiting keys and any unfinished input.
    void clear();

private:
    void decode_pending();
    void push(std::string key);

    bool utf8_;
    std::string pending_;  // the start of an unfinished key
    long last_byte_ms_ = 0;
    std::deque<std::string> keys_;
};

}  // namespace blockslide
