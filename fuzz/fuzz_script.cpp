#include "fuzz/fuzz_script.h"

#include <optional>
#include <string_view>

#include "console/key_decoder.h"

namespace blockslide {

namespace {

constexpr std::uint8_t kFirstGameBit = 0x01;
constexpr std::uint8_t kLatin1Bit = 0x04;
constexpr std::uint8_t kPauseMark = 0xFF;
constexpr std::int64_t kPauseUnitMs = 100;

// Turns the decoder's output into keys typed at the times they came out.
class Typist {
public:
    explicit Typist(bool utf8) : decoder_(utf8) {}

    void type(std::uint8_t byte) {
        const char character = static_cast<char>(byte);
        decoder_.feed(std::string_view(&character, 1), static_cast<long>(now_ms_));
        collect(now_ms_);
    }

    // Lets the time pass, settling a lone Esc or an unfinished sequence
    // whose wait runs out on the way.
    void pause_until(std::int64_t later_ms) {
        for (std::optional<long> due = decoder_.deadline(); due && *due <= later_ms;
             due = decoder_.deadline()) {
            decoder_.expire(*due);
            collect(*due);
        }
        now_ms_ = later_ms;
    }

    std::int64_t now_ms() const { return now_ms_; }
    std::vector<TypedKey> take_keys() { return std::move(keys_); }

private:
    void collect(std::int64_t at_ms) {
        for (std::string key = decoder_.take(); !key.empty(); key = decoder_.take())
            keys_.push_back(TypedKey{at_ms, std::move(key)});
    }

    KeyDecoder decoder_;
    std::int64_t now_ms_ = 0;
    std::vector<TypedKey> keys_;
};

}  // namespace

FuzzScript read_fuzz_script(std::span<const std::uint8_t> bytes) {
    FuzzScript script;
    if (bytes.empty()) return script;
    script.first_game = (bytes[0] & kFirstGameBit) != 0;
    Typist typist((bytes[0] & kLatin1Bit) == 0);
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (bytes[i] != kPauseMark) {
            typist.type(bytes[i]);
        } else if (++i < bytes.size()) {
            typist.pause_until(typist.now_ms() + bytes[i] * kPauseUnitMs);
        }
    }
    // The player stops typing; whatever is unfinished settles.
    typist.pause_until(typist.now_ms() + 2 * KeyDecoder::kSequenceWaitMs);
    script.keys = typist.take_keys();
    return script;
}

}  // namespace blockslide
