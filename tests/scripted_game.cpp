#include "tests/scripted_game.h"

#include "console/console.h"
#include "console/cp437.h"
#include "engine/main_loop.h"

namespace blockslide::testing {

std::optional<int> ScriptedGame::run() {
    ConsoleSession session(backend_);
    std::optional<int> exit_code;
    try {
        exit_code = run_game(puzzles_);
    } catch (const ScriptExhausted&) {
    }
    screen_ = console_screen();
    return exit_code;
}

std::string ScriptedGame::text(int row, int column, int length) const {
    std::string out;
    for (int i = 0; i < length; ++i) out += cp437_glyph_utf8(screen_.cell(row, column + i).character);
    return out;
}

bool ScriptedGame::span_has_attribute(int row, int column, int length, int expected) const {
    for (int i = 0; i < length; ++i) {
        if (attribute(row, column + i) != expected) return false;
    }
    return true;
}

std::string ScriptedGame::sound_log() const {
    std::string log;
    for (const auto& sound : backend_.sounds()) {
        if (!log.empty()) log += ' ';
        log += sound.cue;
    }
    return log;
}

}  // namespace blockslide::testing
