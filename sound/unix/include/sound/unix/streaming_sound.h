// A player that feeds a ClipMixer's frames to an output device from a thread of its own. The device
// is opened on that thread, so the game never waits for it; and the player's end never waits long
// for the thread either: one stuck in the audio library is left behind, with the state it uses.
// A device that fails or sticks is let go the same way, and a new one opened later on a fresh
// thread, so that a sound server that went away is heard again once it is back.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <thread>

#include "sound/sound_player.h"

namespace blockslide {

// An open device taking interleaved stereo 16-bit frames at ClipMixer::kRate.
class PcmOutput {
public:
    virtual ~PcmOutput() = default;
    virtual std::size_t period_frames() const = 0;  // frames per write
    virtual std::size_t buffer_frames() const = 0;  // frames written but not yet heard, at most
    // Queues the frames, waiting while the device's buffer is full; false once the device is lost.
    virtual bool write(std::span<const std::int16_t> frames) = 0;
    // Stops the device until the next write; called only when what it holds is silence.
    virtual void pause() = 0;
};

// Opens the device, or gives nothing; it may take long, or never return.
using OutputOpener = std::function<std::unique_ptr<PcmOutput>()>;

// The time now; called from the player's thread and its device threads alike.
using SoundClock = std::function<std::chrono::steady_clock::time_point()>;

class StreamingSound final : public SoundPlayer {
public:
    // A device counts as gone once it fails, or once a write (or a pause) has not returned for
    // kStuckAfter, far longer than its buffer takes to play: cues are refused from then on. The
    // first cue kReopenAfter after that opens a new device, and the old one is left behind.
    static constexpr std::chrono::milliseconds kStuckAfter{1000}, kReopenAfter{2000};

    explicit StreamingSound(
        OutputOpener open, SoundClock clock = [] { return std::chrono::steady_clock::now(); });
    // Fades out a clip still sounding, waiting some tens of milliseconds at most for that.
    ~StreamingSound() override;
    StreamingSound(const StreamingSound&) = delete;
    StreamingSound& operator=(const StreamingSound&) = delete;

    bool play(std::string_view cue) override;

private:
    struct Shared;  // what the player and one device thread both use
    void start_device();
    void let_go(std::unique_lock<std::mutex> lock, std::chrono::milliseconds wait);
    static void run_device(const std::shared_ptr<Shared>& shared, const OutputOpener& open,
                           const SoundClock& clock);
    static void feed(Shared& shared, PcmOutput& output, const SoundClock& clock);

    OutputOpener open_;
    SoundClock clock_;
    std::shared_ptr<Shared> shared_;
    std::thread device_thread_;
};

}  // namespace blockslide
