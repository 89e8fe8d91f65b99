// Reads the format and samples of an uncompressed PCM RIFF WAVE file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace blockslide {

struct WaveSound {
    int channels = 0;
    int sample_rate = 0;
    int bits_per_sample = 0;
    std::span<const unsigned char> samples;  // the "data" chunk, interleaved
};

// Nothing when the bytes are not a PCM WAVE file with a "fmt " and a "data" chunk.
std::optional<WaveSound> read_wave(std::span<const unsigned char> file);

}  // namespace blockslide
