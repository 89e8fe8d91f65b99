// Sound in a web page: the program's clips handed to the page once, then each
// cue played through Web Audio by the page, which cuts an earlier clip with a
// short fade as the other platforms do.
#include <emscripten.h>

#include <string>

#include "sound/clips.h"
#include "sound/sound_device.h"
#include "sound/wave.h"

// The page's side of each call is in web/blockslide.js, the object `blockslide`.
// clang-format off
EM_JS(void, web_add_clip, (const char* name, const unsigned char* samples, int bytes,
                           int channels, int rate), {
    blockslide.addClip(UTF8ToString(name), HEAPU8.slice(samples, samples + bytes), channels, rate);
});
EM_JS(void, web_play, (const char* name), { blockslide.play(UTF8ToString(name)); });
// clang-format on

namespace blockslide {

namespace {

constexpr int kSampleBits = 16;

class WebSound final : public SoundPlayer {
public:
    WebSound() {
        for (const StoredClip& clip : stored_clips()) {
            const std::optional<WaveSound> wave = read_wave(clip.wave);
            if (!wave || wave->bits_per_sample != kSampleBits) continue;
            web_add_clip(std::string(clip.name).c_str(), wave->samples.data(),
                         static_cast<int>(wave->samples.size()), wave->channels,
                         wave->sample_rate);
        }
    }

    // The page starts its audio on the player's first key or tap, as browsers
    // require, and has no bell: the refusal's clip is its sound.
    bool play(std::string_view cue) override {
        if (const StoredClip* clip = find_clip(cue)) web_play(std::string(clip->name).c_str());
        return true;
    }
};

}  // namespace

std::unique_ptr<SoundPlayer> open_sound_device() {
    return std::make_unique<WebSound>();
}

}  // namespace blockslide
