#include "sound/unix/streaming_sound.h"

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "sound/unix/clip_mixer.h"

namespace blockslide {

namespace {

using Milliseconds = std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

enum class Status { opening, open, failed };

// Long enough for a device thread that is not stuck to close its device.
constexpr Milliseconds kCloseWait{10};
// The most the player's end waits for a clip's fade-out to be heard.
constexpr Milliseconds kLongestFadeWait{80};

// Signals then always go to the program's main thread, also from the threads the audio library
// starts from this one, which inherit its mask.
template <typename Function>
std::thread thread_with_signals_blocked(Function function) {
    sigset_t all, before;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &before);
    std::thread thread(std::move(function));
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return thread;
}

Milliseconds time_to_hear(std::size_t frames) {
    return Milliseconds(frames * 1000 / ClipMixer::kRate + 1);
}

}  // namespace

struct StreamingSound::Shared {
    std::mutex mutex;  // guards all that follows
    std::condition_variable changed;
    ClipMixer mixer;
    Status status = Status::opening;
    TimePoint failed_at{};
    std::optional<TimePoint> busy_since;  // when the write or pause under way began
    bool stopping = false;                // the player is gone, or has moved on to another device
    bool finished = false;                // the device thread has nothing left to do
    Milliseconds fade_wait{0};

    void fail(TimePoint now) {
        status = Status::failed;
        failed_at = now;
    }
    // From when the device counts as gone; nothing while it opens or works.
    std::optional<TimePoint> gone_from() const {
        if (status == Status::failed) return failed_at;
        if (status == Status::open && busy_since) return *busy_since + kStuckAfter;
        return std::nullopt;
    }
};

StreamingSound::StreamingSound(OutputOpener open, SoundClock clock)
    : open_(std::move(open)), clock_(std::move(clock)) {
    start_device();
}

StreamingSound::~StreamingSound() {
    std::unique_lock lock(shared_->mutex);
    Milliseconds wait = shared_->status == Status::opening ? Milliseconds(0) : kCloseWait;
    if (shared_->status == Status::open && shared_->mixer.sounding()) wait = shared_->fade_wait;
    let_go(std::move(lock), wait);
}

void StreamingSound::start_device() {
    shared_ = std::make_shared<Shared>();
    device_thread_ = thread_with_signals_blocked(
        [shared = shared_, open = open_, clock = clock_] { run_device(shared, open, clock); });
}

// Tells the device thread to fade out and end, and waits at most `wait` for that; one that has not
// ended by then, perhaps stuck in the audio library, is left behind.
void StreamingSound::let_go(std::unique_lock<std::mutex> lock, Milliseconds wait) {
    shared_->stopping = true;
    shared_->mixer.fade_out();
    shared_->changed.notify_all();
    const bool finished = shared_->changed.wait_for(lock, wait, [&] { return shared_->finished; });
    lock.unlock();
    if (finished)
        device_thread_.join();  // it has returned already
    else
        device_thread_.detach();  // it keeps shared_ alive for as long as it runs
}

bool StreamingSound::play(std::string_view cue) {
    const TimePoint now = clock_();
    std::unique_lock lock(shared_->mutex);
    const std::optional<TimePoint> gone_from = shared_->gone_from();
    if (gone_from && now >= *gone_from + kReopenAfter) {
        let_go(std::move(lock), Milliseconds(0));
        start_device();
        return false;
    }
    if (shared_->status != Status::open || (gone_from && now >= *gone_from)) return false;
    shared_->mixer.cue(cue);
    shared_->changed.notify_all();
    return true;
}

void StreamingSound::run_device(const std::shared_ptr<Shared>& shared, const OutputOpener& open,
                                const SoundClock& clock) {
    std::unique_ptr<PcmOutput> output = open();
    {
        std::lock_guard lock(shared->mutex);
        if (!output) {
            shared->fail(clock());
        } else {
            shared->status = Status::open;
            // The write under way, the fade (perhaps across two writes), then a buffer of
            // silence and the write that completes it.
            const std::size_t frames =
                ClipMixer::kFadeFrames + output->buffer_frames() + 4 * output->period_frames();
            shared->fade_wait = std::min(time_to_hear(frames), kLongestFadeWait);
        }
    }
    if (output) feed(*shared, *output, clock);
    output.reset();
    std::lock_guard lock(shared->mutex);
    shared->finished = true;
    shared->changed.notify_all();
}

// Writes the mixer's frames while anything sounds, and a buffer of silence after it so that the
// end is heard; then pauses the device until the next cue.
void StreamingSound::feed(Shared& shared, PcmOutput& output, const SoundClock& clock) {
    std::vector<std::int16_t> period(output.period_frames() * ClipMixer::kChannels);
    std::size_t quiet_frames = output.buffer_frames() + 1;  // silence written since the last sound
    std::unique_lock lock(shared.mutex);
    // Calls the device without the lock, timed: one that never returns makes the device gone.
    const auto timed = [&](const auto& device_call) {
        shared.busy_since = clock();
        lock.unlock();
        device_call();
        lock.lock();
        shared.busy_since.reset();
    };
    for (;;) {
        if (!shared.mixer.sounding() && quiet_frames > output.buffer_frames()) {
            if (shared.stopping) return;
            timed([&] { output.pause(); });
            shared.changed.wait(lock, [&] { return shared.stopping || shared.mixer.sounding(); });
            if (!shared.mixer.sounding()) return;
            quiet_frames = 0;
        }
        const bool sounded = shared.mixer.sounding();
        shared.mixer.fill(period);
        quiet_frames = sounded ? 0 : quiet_frames + output.period_frames();
        bool written = false;
        timed([&] { written = output.write(period); });
        if (!written) {
            shared.fail(clock());
            return;
        }
    }
}

}  // namespace blockslide
