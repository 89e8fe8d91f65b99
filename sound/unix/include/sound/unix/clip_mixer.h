// What the sound device is fed: the program's clips as interleaved stereo 16-bit frames at
// 22050 Hz, one clip at a time. A later cue fades the earlier one out over a few milliseconds
// before it starts, so that a cut never clicks. Pure: no device, no threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace blockslide {

class ClipMixer {
public:
    static constexpr int kRate = 22050;
    static constexpr int kChannels = 2;
    static constexpr std::size_t kFadeFrames = kRate / 200;  // 5 ms

    ClipMixer();  // knows every stored clip

    // Starts the clip of that name (any case), fading out the one that sounds; a name with no
    // playable clip changes nothing.
    void cue(std::string_view name);
    // Fades out whatever sounds, and starts nothing after it.
    void fade_out();
    bool sounding() const { return current_.has_value() || next_.has_value(); }
    // The next frames.size() / 2 frames: left, right; silence once nothing sounds.
    void fill(std::span<std::int16_t> frames);

private:
    struct Clip {
        std::span<const unsigned char> samples;  // 16-bit little-endian, interleaved
        int channels = 0;
        std::size_t frames = 0;
    };
    struct Playing {
        const Clip* clip = nullptr;
        std::size_t position = 0;  // in frames
    };

    std::int16_t sample(const Playing& playing, int channel) const;
    void begin_fade();
    double next_fade_gain();

    std::vector<Clip> clips_;  // by index in stored_clips(); empty when not playable
    std::optional<Playing> current_;
    std::optional<Playing> next_;  // waits for current_ to fade out
    std::size_t fade_left_ = 0;    // frames of current_'s fade still to come; 0: not fading
};

}  // namespace blockslide
