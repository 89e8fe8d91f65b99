#include "sound/unix/alsa_output.h"

#include <alsa/asoundlib.h>

#include "sound/unix/clip_mixer.h"

namespace blockslide {

namespace {

// Small buffers, so a cue is heard within tens of milliseconds of its key; a write wakes the
// device thread about every 8 ms while a clip sounds.
constexpr unsigned kPeriodMicroseconds = 8000;
constexpr unsigned kBufferMicroseconds = 32000;

// ALSA reports its errors on stderr, which is the game's screen.
void ignore_alsa_error(const char*, int, const char*, int, const char*, ...) {}

class AlsaOutput final : public PcmOutput {
public:
    AlsaOutput(snd_pcm_t* pcm, std::size_t period_frames, std::size_t buffer_frames)
        : pcm_(pcm), period_frames_(period_frames), buffer_frames_(buffer_frames) {}
    ~AlsaOutput() override { snd_pcm_close(pcm_); }
    AlsaOutput(const AlsaOutput&) = delete;
    AlsaOutput& operator=(const AlsaOutput&) = delete;

    std::size_t period_frames() const override { return period_frames_; }
    std::size_t buffer_frames() const override { return buffer_frames_; }

    bool write(std::span<const std::int16_t> frames) override {
        const std::int16_t* next = frames.data();
        auto left = static_cast<snd_pcm_uframes_t>(frames.size() / ClipMixer::kChannels);
        while (left > 0) {
            snd_pcm_sframes_t written = snd_pcm_writei(pcm_, next, left);
            if (written < 0) {
                // An underrun or a suspend is recovered from; anything else means the device is
                // gone.
                if (snd_pcm_recover(pcm_, static_cast<int>(written), 1) < 0) return false;
                continue;
            }
            next += written * ClipMixer::kChannels;
            left -= static_cast<snd_pcm_uframes_t>(written);
        }
        return true;
    }

    void pause() override {
        snd_pcm_drop(pcm_);
        snd_pcm_prepare(pcm_);
    }

private:
    snd_pcm_t* pcm_;
    std::size_t period_frames_, buffer_frames_;
};

bool set_hardware(snd_pcm_t* pcm, snd_pcm_uframes_t& period, snd_pcm_uframes_t& buffer) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    unsigned buffer_time = kBufferMicroseconds, period_time = kPeriodMicroseconds;
    int direction = 0;
    // The exact rate, so that every clip keeps its pitch; "default" resamples where it must.
    return snd_pcm_hw_params_any(pcm, hw) >= 0 &&
           snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0 &&
           snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_S16) >= 0 &&
           snd_pcm_hw_params_set_channels(pcm, hw, ClipMixer::kChannels) >= 0 &&
           snd_pcm_hw_params_set_rate(pcm, hw, ClipMixer::kRate, 0) >= 0 &&
           snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &buffer_time, &direction) >= 0 &&
           snd_pcm_hw_params_set_period_time_near(pcm, hw, &period_time, &direction) >= 0 &&
           snd_pcm_hw_params(pcm, hw) >= 0 &&
           snd_pcm_hw_params_get_period_size(hw, &period, &direction) >= 0 &&
           snd_pcm_hw_params_get_buffer_size(hw, &buffer) >= 0 && period > 0;
}

// Playing starts with the first period written, not once the buffer is full.
bool set_software(snd_pcm_t* pcm, snd_pcm_uframes_t period) {
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    return snd_pcm_sw_params_current(pcm, sw) >= 0 &&
           snd_pcm_sw_params_set_start_threshold(pcm, sw, period) >= 0 &&
           snd_pcm_sw_params_set_avail_min(pcm, sw, period) >= 0 && snd_pcm_sw_params(pcm, sw) >= 0;
}

}  // namespace

std::unique_ptr<PcmOutput> open_alsa_output(const char* device_name) {
    snd_lib_error_set_handler(&ignore_alsa_error);
    snd_pcm_t* pcm = nullptr;
    // Opened without blocking, so that a sound card in use elsewhere fails at once; writes block.
    if (snd_pcm_open(&pcm, device_name, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    snd_pcm_uframes_t period = 0, buffer = 0;
    if (snd_pcm_nonblock(pcm, 0) < 0 || !set_hardware(pcm, period, buffer) ||
        !set_software(pcm, period)) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaOutput>(pcm, period, buffer);
}

}  // namespace blockslide
