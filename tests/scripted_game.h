// Runs a whole game in the scripted console: queue keys, run, then look at
// the screen, the sounds and the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "console/scripted_backend.h"
#include "engine/puzzle_set.h"
#include "tests/game_facts.h"

namespace blockslide::testing {

class ScriptedGame {
public:
    explicit ScriptedGame(const PuzzleSet& puzzles) : puzzles_(puzzles) {}

    ScriptedBackend& console() { return backend_; }
    const ScriptedBackend& console() const { return backend_; }
    void type(std::string_view characters) { backend_.type(characters); }
    void type_key(const std::string& key) { backend_.type_key(key); }

    // Plays from program start until the program ends (its exit code) or the
    // script runs out of keys (nullopt: the game is still waiting).
    std::optional<int> run();

    const ScreenModel& screen() const { return screen_; }
    int attribute(int row, int column) const { return screen_.cell_attribute(row, column); }
    std::int64_t now_ms() const { return backend_.now_ms(); }
    std::string sound_log() const;  // the cues played, separated by blanks
    // The first (or last) recorded frame showing the status text; nullptr if none.
    const ScriptedBackend::Frame* frame_showing(const StatusText& text, bool last = false) const;

private:
    const PuzzleSet& puzzles_;
    ScriptedBackend backend_;
    ScreenModel screen_;
};

// The glyphs of `length` cells from (row, column), as UTF-8.
std::string text_at(const ScreenModel& screen, int row, int column, int length);
// "Moves: n" from column 69 without the blanks after it; "" when not shown.
std::string move_counter(const ScreenModel& screen);
std::string counter_after(int moves);  // "" for none
// The status-line text at its place, in its colours.
::testing::AssertionResult shows(const ScreenModel& screen, const StatusText& text);

}  // namespace blockslide::testing
