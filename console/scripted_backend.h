// A console with no terminal behind it, for running whole games in tests:
// keys are queued with the virtual time at which they are typed, sleeping
// only advances a virtual clock, and sounds are logged.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "console/backend.h"
#include "console/sound.h"

namespace blockslide {

// Thrown by wait_key when the script has no key left: the game is still
// running, and the test looks at the screen as it stands.
struct ScriptExhausted {};

class ScriptedBackend : public ConsoleBackend, public SoundPlayer {
public:
    struct PlayedSound {
        std::int64_t at_ms;
        std::string cue;
        ScreenModel screen;  // as drawn when the cue started, shown or not
    };
    struct Frame {
        std::int64_t at_ms;
        ScreenModel screen;
    };

    // Keys typed when the game reaches them (at the virtual time of the
    // previous scripted key, 0 at first). Each character is one key.
    void type(std::string_view characters);
    void type_key(std::string key);
    // A key that is typed at a given virtual time.
    void type_at(std::int64_t at_ms, std::string key);
    // Keep a copy of the screen at every present (off by default).
    void record_frames(bool on) { recording_frames_ = on; }

    std::int64_t now_ms() const { return now_ms_; }
    const std::vector<PlayedSound>& sounds() const { return sounds_; }
    const std::vector<Frame>& frames() const { return frames_; }
    const std::string& title() const { return title_; }
    std::size_t keys_left() const { return keys_.size(); }

    void present(const ScreenModel& screen) override;
    std::string wait_key() override;
    std::string poll_key() override;
    void flush_keys() override;
    void sleep(int milliseconds) override;
    void play(std::string_view cue) override;
    void set_title(std::string_view title) override;

private:
    struct TimedKey {
        std::int64_t at_ms;
        std::string key;
    };
    std::deque<TimedKey> keys_;
    std::int64_t typing_time_ms_ = 0;
    std::int64_t now_ms_ = 0;
    std::vector<PlayedSound> sounds_;
    std::vector<Frame> frames_;
    bool recording_frames_ = false;
    std::string title_;
};

}  // namespace blockslide
