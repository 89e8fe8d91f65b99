// The program's clips played through SDL's audio subsystem (no window, no
// signal handlers of SDL's own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "sound/sound_player.h"

namespace blockslide {

class SdlSound : public SoundPlayer {
public:
    enum class Opening {
        in_background,  // the game starts at once; cues before the device is ready wait for it
        now,            // the device is open (or has failed) when the constructor returns
    };
    explicit SdlSound(Opening opening);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    bool play(std::string_view cue) override;

private:
    enum class Status { opening, open, failed };
    static constexpr int kNoClip = -1;

    void open_device();
    void convert_clips(int channels, int rate, std::uint16_t format);
    static void fill(void* self, std::uint8_t* stream, int length);

    std::vector<std::vector<std::uint8_t>> clips_;  // in the device's format, by stored index
    std::uint32_t device_ = 0;
    bool subsystem_started_ = false;
    std::mutex mutex_;  // guards what follows, shared with the audio thread
    Status status_ = Status::opening;
    int clip_ = kNoClip;
    std::size_t position_ = 0;
    std::thread opener_;
};

}  // namespace blockslide
