#include "sound/unix/clip_mixer.h"

#include <cmath>
#include <numbers>

#include "sound/clips.h"
#include "sound/wave.h"

namespace blockslide {

namespace {

constexpr int kClipBits = 16;
constexpr std::size_t kSampleBytes = 2;

}  // namespace

// The clips are played straight from the bytes built into the program: no copies.
ClipMixer::ClipMixer() {
    for (const StoredClip& stored : stored_clips()) {
        Clip clip;
        const std::optional<WaveSound> wave = read_wave(stored.wave);
        if (wave && wave->bits_per_sample == kClipBits && wave->sample_rate == kRate &&
            (wave->channels == 1 || wave->channels == 2)) {
            clip.samples = wave->samples;
            clip.channels = wave->channels;
            clip.frames = wave->samples.size() / (kSampleBytes * wave->channels);
        }
        clips_.push_back(clip);
    }
}

void ClipMixer::cue(std::string_view name) {
    const StoredClip* stored = find_clip(name);
    if (stored == nullptr) return;
    const Clip& clip = clips_[stored - stored_clips().data()];
    if (clip.frames == 0) return;
    if (current_) {
        next_ = Playing{&clip, 0};
        begin_fade();
    } else {
        current_ = Playing{&clip, 0};
    }
}

void ClipMixer::fade_out() {
    next_.reset();
    if (current_) begin_fade();
}

void ClipMixer::begin_fade() {
    if (fade_left_ == 0) fade_left_ = kFadeFrames;  // a fade under way goes on as it was
}

// A raised cosine from 1 down to 0: its slope starts at zero, so the fade adds no step of its own
// where it begins, and the last fade frame is silent.
double ClipMixer::next_fade_gain() {
    const double done = static_cast<double>(kFadeFrames - fade_left_ + 1) / kFadeFrames;
    --fade_left_;
    return 0.5 + 0.5 * std::cos(std::numbers::pi * done);
}

std::int16_t ClipMixer::sample(const Playing& playing, int channel) const {
    const Clip& clip = *playing.clip;
    if (playing.position >= clip.frames) return 0;
    const std::size_t index = playing.position * clip.channels + (clip.channels == 2 ? channel : 0);
    const std::size_t at = index * kSampleBytes;
    return static_cast<std::int16_t>(clip.samples[at] | clip.samples[at + 1] << 8);
}

void ClipMixer::fill(std::span<std::int16_t> frames) {
    for (std::size_t at = 0; at + kChannels <= frames.size(); at += kChannels) {
        if (!current_) {
            frames[at] = frames[at + 1] = 0;
            continue;
        }
        const bool fading = fade_left_ > 0;
        const double gain = fading ? next_fade_gain() : 1.0;
        for (int channel = 0; channel < kChannels; ++channel)
            frames[at + channel] =
                static_cast<std::int16_t>(std::lround(gain * sample(*current_, channel)));
        ++current_->position;
        const bool faded = fading && fade_left_ == 0;
        if (faded || current_->position >= current_->clip->frames) {
            current_ = next_;
            next_.reset();
            fade_left_ = 0;
        }
    }
}

}  // namespace blockslide
