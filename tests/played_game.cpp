#include "tests/played_game.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/keys.h"
#include "engine/main_loop.h"
#include "tests/screen_check.h"

namespace blockslide::testing {
namespace {

std::string named_key(std::string_view name) {
    const std::pair<std::string_view, std::string> keys[] = {
        {"<Esc>", kEscapeKey}, {"<Enter>", kEnterKey}, {"<Space>", " "},      {"<Up>", kUpKey},
        {"<Down>", kDownKey},  {"<Left>", kLeftKey},   {"<Right>", kRightKey}};
    for (const auto& [known, key] : keys) {
        if (known == name) return key;
    }
    ADD_FAILURE() << "no key " << name;
    return "";
}

}  // namespace

std::vector<std::string_view> words(std::string_view listing) {
    std::vector<std::string_view> found;
    while (!listing.empty()) {
        const std::size_t end = std::min(listing.find(' '), listing.size());
        if (end != 0) found.push_back(listing.substr(0, end));
        listing.remove_prefix(std::min(end + 1, listing.size()));
    }
    return found;
}

std::string repeated_words(std::string_view words, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += std::string(words) + " ";
    return text;
}

PlayedGame::PlayedGame(const ProgramFacts& program, std::string_view steps)
    : program(program), board(program) {
    play(steps);
}

void PlayedGame::play(std::string_view steps) {
    for (std::string_view step : words(steps)) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(step[0])));
        if (step[0] == '<') {
            console.type_key(named_key(step));
        } else if (step[0] == '~') {
            console.type(step.substr(1));
        } else if (step[0] == '=') {
            board.play(step.substr(1));
        } else if (step.size() == 2 && board.decode(step).first != 0) {
            for (const std::string& key : board.play(step)) console.type_key(key);
        } else if (step.size() == 1 && std::string_view("FBRGH").find(letter) != step.npos) {
            console.type(step);
            if (letter == 'F') board.toggle_face();
            if (letter == 'B' && board.history_length() > 0) board.back();
            if (letter == 'G') game_number = 3 - game_number;
            if (letter != 'F' && letter != 'B') board.start_over();
        } else {
            console.type(step);
        }
    }
}

std::optional<int> PlayedGame::run() {
    ConsoleSession session(console, console);
    std::optional<int> exit_code;
    try {
        exit_code = run_game(program.puzzle_set());
    } catch (const ScriptExhausted&) {
    }
    screen = console_screen();
    return exit_code;
}

std::string PlayedGame::sounds() const {
    std::string log;
    for (const auto& sound : console.sounds()) log += (log.empty() ? "" : " ") + sound.cue;
    return log;
}

int PlayedGame::flashes(int number, int ink, int body) const {
    int shown = 0;
    for (const auto& frame : console.frames()) {
        ScreenCheck check(frame.screen);
        check.block(board, number, ink, body);
        shown += check.differences().empty();
    }
    return shown;
}

std::string PlayedGame::differences(const StatusText& status) const {
    ScreenCheck check(screen);
    check.board(board);
    check.status(status);
    check.move_counter(board.move_count);
    return check.differences();
}

}  // namespace blockslide::testing
