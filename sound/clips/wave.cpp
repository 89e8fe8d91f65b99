#include "sound/wave.h"

#include <string_view>

namespace blockslide {

namespace {

constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kPcmFormatSize = 16;
constexpr int kPcmFormatTag = 1;

std::uint32_t little_endian(std::span<const unsigned char> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

bool tag_is(std::span<const unsigned char> bytes, std::size_t at, std::string_view tag) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()) + at, 4) == tag;
}

}  // namespace

std::optional<WaveSound> read_wave(std::span<const unsigned char> file) {
    if (file.size() < kRiffHeader || !tag_is(file, 0, "RIFF") || !tag_is(file, 8, "WAVE"))
        return std::nullopt;
    WaveSound sound;
    bool have_format = false;
    // Chunks follow one another, each padded to an even length; unknown ones are skipped.
    for (std::size_t at = kRiffHeader; at + kChunkHeader <= file.size();) {
        const std::size_t size = little_endian(file, at + 4, 4);
        const std::size_t body = at + kChunkHeader;
        if (size > file.size() - body) return std::nullopt;
        if (tag_is(file, at, "fmt ")) {
            if (size < kPcmFormatSize || little_endian(file, body, 2) != kPcmFormatTag)
                return std::nullopt;
            sound.channels = static_cast<int>(little_endian(file, body + 2, 2));
            sound.sample_rate = static_cast<int>(little_endian(file, body + 4, 4));
            sound.bits_per_sample = static_cast<int>(little_endian(file, body + 14, 2));
            have_format = true;
        } else if (tag_is(file, at, "data")) {
            sound.samples = file.subspan(body, size);
            return have_format ? std::optional(sound) : std::nullopt;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

}  // namespace blockslide
