#include "tests/scripted_game.h"

#include "console/console.h"
#include "console/cp437.h"
#include "engine/main_loop.h"

namespace blockslide::testing {

std::string text_at(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += cp437_glyph_utf8(screen.cell(row, column + i).character);
    return text;
}

std::optional<int> ScriptedGame::run() {
    ConsoleSession session(backend_, backend_);
    std::optional<int> exit_code;
    try {
        exit_code = run_game(puzzles_);
    } catch (const ScriptExhausted&) {
    }
    screen_ = console_screen();
    return exit_code;
}

std::string ScriptedGame::sound_log() const {
    std::string log;
    for (const auto& sound : backend_.sounds()) log += (log.empty() ? "" : " ") + sound.cue;
    return log;
}

const ScriptedBackend::Frame* ScriptedGame::frame_showing(const StatusText& text, bool last) const {
    const ScriptedBackend::Frame* found = nullptr;
    for (const auto& frame : backend_.frames()) {
        if (!shows(frame.screen, text)) continue;
        found = &frame;
        if (!last) break;
    }
    return found;
}

std::string move_counter(const ScreenModel& screen) {
    std::string text =
        text_at(screen, kStatusRow, kMoveCounterColumn, kScreenColumns - kMoveCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string counter_after(int moves) {
    return moves == 0 ? "" : "Moves: " + std::to_string(moves);
}

::testing::AssertionResult shows(const ScreenModel& screen, const StatusText& text) {
    const std::string shown = text_at(screen, kStatusRow, text.column, text.length());
    if (shown != text.text) {
        return ::testing::AssertionFailure()
               << "the status line shows \"" << shown << "\" instead of \"" << text.text << "\"";
    }
    for (int column = text.column; column < text.column + text.length(); ++column) {
        if (screen.cell_attribute(kStatusRow, column) != text.attribute) {
            return ::testing::AssertionFailure()
                   << "\"" << text.text << "\" has attribute "
                   << int{screen.cell_attribute(kStatusRow, column)} << " at column " << column;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace blockslide::testing
