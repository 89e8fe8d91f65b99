// A console with no terminal behind it, for running whole games in tests,
// fuzzers and benchmarks: keys are queued with the virtual time at which they
// are typed, sleeping only advances a virtual clock, and cues are logged.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "console/backend.h"
#include "sound/sound_player.h"

namespace blockslide {

// Thrown by wait_key when the script has no key left: the game is still
// running, and the test looks at the screen as it stands.
struct ScriptExhausted {};

class ScriptedConsole : public ConsoleBackend, public SoundPlayer {
public:
    struct Cue {
        std::int64_t at_ms;
        std::string name;  // "bell" for the terminal's bell
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
    // Keep a copy of the screen at every present, or at every cue (both off
    // by default: copies cost time).
    void record_frames(bool on) { recording_frames_ = on; }
    void record_cue_screens(bool on) { recording_cue_screens_ = on; }
    // With no sound device, cues cannot be played and refusals ring the bell.
    void set_sound_device(bool present) { sound_device_ = present; }

    std::int64_t now_ms() const { return now_ms_; }
    const std::vector<Cue>& cues() const { return cues_; }
    // The screen shown when each cue started (with record_cue_screens).
    const std::vector<ScreenModel>& cue_screens() const { return cue_screens_; }
    const std::vector<Frame>& frames() const { return frames_; }
    // The screen the game presented last: the console's own model, not a
    // copy (copies cost time). The game presents before every wait, sleep and
    // cue and at the end, so this is what the player sees whenever the game
    // waits or has ended.
    const ScreenModel& screen() const { return *presented_; }
    const std::string& title() const { return title_; }
    std::size_t keys_left() const { return keys_.size(); }

    void present(const ScreenModel& screen) override;
    std::string wait_key() override;
    std::string poll_key() override;
    void flush_keys() override;
    void sleep(int milliseconds) override;
    void set_title(std::string_view title) override;
    void bell() override;
    bool play(std::string_view cue) override;

private:
    struct TimedKey {
        std::int64_t at_ms;
        std::string key;
    };
    void log_cue(std::string_view name);

    static const ScreenModel kNothingShown;

    std::deque<TimedKey> keys_;
    std::int64_t typing_time_ms_ = 0;
    std::int64_t now_ms_ = 0;
    const ScreenModel* presented_ = &kNothingShown;
    std::vector<Cue> cues_;
    std::vector<ScreenModel> cue_screens_;
    std::vector<Frame> frames_;
    bool recording_frames_ = false;
    bool recording_cue_screens_ = false;
    bool sound_device_ = true;
    std::string title_;
};

}  // namespace blockslide
