// Runs a whole game in the scripted console: queue keys, run, then look at
// the screen, the sounds and the virtual clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/scripted_backend.h"
#include "engine/puzzle_set.h"

namespace blockslide::testing {

class ScriptedGame {
public:
    explicit ScriptedGame(const PuzzleSet& puzzles) : puzzles_(puzzles) {}

    ScriptedBackend& console() { return backend_; }
    void type(std::string_view characters) { backend_.type(characters); }
    void type_key(const std::string& key) { backend_.type_key(key); }
    void type_keys(const std::vector<std::string>& keys) {
        for (const std::string& key : keys) backend_.type_key(key);
    }

    // Plays from program start until the program ends (its exit code) or the
    // script runs out of keys (nullopt: the game is still waiting).
    std::optional<int> run();

    const ScreenModel& screen() const { return screen_; }
    // The glyphs of `length` cells from (row, column), as UTF-8.
    std::string text(int row, int column, int length) const;
    // A whole screen row as UTF-8.
    std::string row_text(int row) const { return text(row, 1, kScreenColumns); }
    int attribute(int row, int column) const { return screen_.cell_attribute(row, column); }
    int foreground(int row, int column) const { return attribute(row, column) & 0x0F; }
    int background(int row, int column) const { return attribute(row, column) >> 4; }
    // True when every cell of the span has this attribute.
    bool span_has_attribute(int row, int column, int length, int attribute) const;
    std::int64_t now_ms() const { return backend_.now_ms(); }
    // The cues played, in order, separated by blanks.
    std::string sound_log() const;

private:
    const PuzzleSet& puzzles_;
    ScriptedBackend backend_;
    ScreenModel screen_;
};

}  // namespace blockslide::testing
