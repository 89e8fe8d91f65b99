#include "sound/sdl_sound.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "sound/clips.h"
#include "sound/sound_device.h"
#include "sound/wave.h"

namespace blockslide {

namespace {

// Every clip is 16-bit at this rate, so the device plays them unconverted
// (mono clips only get their samples doubled into both channels).
constexpr int kDeviceRate = 22050;
constexpr int kDeviceChannels = 2;
constexpr int kClipBits = 16;
// About 23 ms: short enough that a later cue cuts in without a noticeable lag.
constexpr int kDeviceBufferFrames = 512;

std::vector<std::uint8_t> mono_to_stereo(std::span<const unsigned char> samples) {
    constexpr std::size_t kSampleBytes = 2;
    std::vector<std::uint8_t> stereo;
    stereo.reserve(samples.size() * 2);
    for (std::size_t at = 0; at + kSampleBytes <= samples.size(); at += kSampleBytes)
        for (int channel = 0; channel < 2; ++channel)
            stereo.insert(stereo.end(), samples.begin() + at, samples.begin() + at + kSampleBytes);
    return stereo;
}

// Any other format goes through SDL's converter; an empty result is not played.
std::vector<std::uint8_t> converted(const WaveSound& wave, int channels, int rate,
                                    SDL_AudioFormat format) {
    if (wave.bits_per_sample != kClipBits) return {};
    if (wave.channels == 1 && channels == 2 && wave.sample_rate == rate && format == AUDIO_S16LSB)
        return mono_to_stereo(wave.samples);
    SDL_AudioCVT cvt;
    const int needed =
        SDL_BuildAudioCVT(&cvt, AUDIO_S16LSB, static_cast<Uint8>(wave.channels), wave.sample_rate,
                          format, static_cast<Uint8>(channels), rate);
    if (needed < 0) return {};
    std::vector<std::uint8_t> buffer(wave.samples.size() * std::max(cvt.len_mult, 1));
    std::copy(wave.samples.begin(), wave.samples.end(), buffer.begin());
    if (needed == 0) {
        buffer.resize(wave.samples.size());
        return buffer;
    }
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(wave.samples.size());
    if (SDL_ConvertAudio(&cvt) != 0) return {};
    buffer.resize(static_cast<std::size_t>(cvt.len_cvt));
    return buffer;
}

}  // namespace

SdlSound::SdlSound(Opening opening) {
    if (opening == Opening::now)
        open_device();
    else
        opener_ = std::thread([this] {
            open_device();
            SDL_TLSCleanup();  // SDL's error text for this thread, which SDL did not start
        });
}

SdlSound::~SdlSound() {
    if (opener_.joinable()) opener_.join();
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::open_device() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kDeviceChannels;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = &SdlSound::fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    subsystem_started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (subsystem_started_) device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ != 0) convert_clips(obtained.channels, obtained.freq, obtained.format);
    {
        std::lock_guard lock(mutex_);
        status_ = device_ != 0 ? Status::open : Status::failed;
    }
    if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

void SdlSound::convert_clips(int channels, int rate, std::uint16_t format) {
    for (const StoredClip& clip : stored_clips()) {
        const std::optional<WaveSound> wave = read_wave(clip.wave);
        clips_.push_back(wave ? converted(*wave, channels, rate, format)
                              : std::vector<std::uint8_t>{});
    }
}

bool SdlSound::play(std::string_view cue) {
    const StoredClip* clip = find_clip(cue);
    std::lock_guard lock(mutex_);
    if (status_ != Status::open) return false;
    if (clip != nullptr) {
        clip_ = static_cast<int>(clip - stored_clips().data());
        position_ = 0;
    }
    return true;
}

void SdlSound::fill(void* self, std::uint8_t* stream, int length) {
    auto& sound = *static_cast<SdlSound*>(self);
    std::size_t written = 0;
    {
        std::lock_guard lock(sound.mutex_);
        if (sound.clip_ != kNoClip) {
            const std::vector<std::uint8_t>& clip = sound.clips_[sound.clip_];
            written = std::min(static_cast<std::size_t>(length), clip.size() - sound.position_);
            std::memcpy(stream, clip.data() + sound.position_, written);
            sound.position_ += written;
            if (sound.position_ == clip.size()) sound.clip_ = kNoClip;
        }
    }
    std::memset(stream + written, 0, static_cast<std::size_t>(length) - written);  // silence
}

std::unique_ptr<SoundPlayer> open_sound_device() {
    return std::make_unique<SdlSound>(SdlSound::Opening::in_background);
}

}  // namespace blockslide
