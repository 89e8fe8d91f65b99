#include "tests/played_game.h"

#include <cctype>
#include <cstdio>

#include "console/console.h"
#include "console/keys.h"
#include "engine/main_loop.h"

namespace blockslide::test {
namespace {

std::string key_named(std::string_view name) {
    constexpr std::string_view kNames[] = {"<Up>", "<Right>", "<Down>", "<Left>"};
    for (int i = 0; i < 4; ++i)
        if (name == kNames[i]) return std::string{'\0', static_cast<char>(kArrowScanCodes[i])};
    return name == "<Esc>" ? "\x1b" : name == "<Enter>" ? "\r" : " ";
}

}  // namespace

std::string repeated(std::string_view text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

PlayedGame::PlayedGame(const ProgramFacts& program, std::string_view steps)
    : program(program), board(program) {
    play(steps);
}

void PlayedGame::play(std::string_view steps) {
    for (std::size_t at = 0, end; at < steps.size(); at = end + 1) {
        end = std::min(steps.find(' ', at), steps.size());
        const std::string_view step = steps.substr(at, end - at);
        if (step.empty()) continue;
        if (step[0] == '<') {
            console.type_key(key_named(step));
        } else if (step[0] == '~') {
            console.type(step.substr(1));
        } else if (step[0] == '=') {
            const auto [number, direction] = board.decode(step.substr(1));
            number != 0 ? board.move(number, direction) : letter(step.back());
        } else if (step[0] == '@') {
            mouse_move(step.substr(1));
        } else if (step[0] == '*') {
            int row = 0, column = 0, to_row = 0, to_column = 0;
            const bool drag = std::sscanf(std::string(step).c_str(), "*%d,%d>%d,%d", &row, &column,
                                          &to_row, &to_column) == 4;
            drag ? click(row, column, to_row, to_column) : click(row, column, row, column);
            // A word of the command bar: its letter.
            const std::string_view picture_row = program.start_screen[std::min(row, 22) - 1];
            if (!drag && row >= 8 && column >= 4 && column <= 7 && picture_row.size() > 3)
                letter(picture_row[3]);
        } else if (const auto [number, direction] = board.decode(step); number != 0) {
            for (const std::string& key : board.keys_for(number, direction)) console.type_key(key);
            board.move(number, direction);
        } else {
            console.type(step);
            if (step.size() == 1) letter(static_cast<char>(std::toupper(step[0])));
        }
    }
}

// What a command letter does to the model of the board.
void PlayedGame::letter(char letter) {
    if (letter == 'F') board.toggle_face();
    if (letter == 'B') board.back();
    if (letter == 'G') game_number = 3 - game_number;
    if (letter == 'R' || letter == 'G' || letter == 'H') board.start_over();
}

void PlayedGame::click(int row, int column, int release_row, int release_column) {
    console.type_key(mouse_key(MouseButton{true, row, column}));
    console.type_key(mouse_key(MouseButton{false, release_row, release_column}));
}

// Pressed inside the block, let go there (a click) or in the cell it would
// move into (a drag).
void PlayedGame::mouse_move(std::string_view move) {
    const auto [number, direction] = board.decode(move);
    const ScreenRect rect = on_screen(board.block(number));
    const int row = rect.top + 2, column = rect.left + 5;
    const int legal = board.legal_directions(number);
    if (legal == direction) return click(row, column, row, column), board.move(number, direction);
    const int to_row = direction == kUp     ? rect.top - 3
                       : direction == kDown ? rect.top + rect.height + 2
                                            : row;
    const int to_column = direction == kLeft    ? rect.left - 6
                          : direction == kRight ? rect.left + rect.width + 5
                                                : column;
    click(row, column, to_row, to_column);
    if ((legal & direction) != 0) board.move(number, direction);
}

std::optional<int> PlayedGame::run() {
    ConsoleSession session(console, console);
    std::optional<int> exit_code;
    try {
        exit_code = run_game(program.puzzle_set());
    } catch (const ScriptExhausted&) {
    }
    screen = console.screen();
    return exit_code;
}

std::string PlayedGame::cues() const {
    std::string log;
    for (const auto& cue : console.cues()) log += (log.empty() ? "" : " ") + cue.name;
    return log;
}

int PlayedGame::flashes(int number, int ink, int body) const {
    ExpectedScreen flashed = expected();
    flashed.flash(number, ink, body);
    int shown = 0;
    for (const auto& frame : console.frames())
        shown += flashed.block_differences(frame.screen, number).empty();
    return shown;
}

ExpectedScreen PlayedGame::expected(int bar_color) const {
    ExpectedScreen screen(board, game_number, bar_color);
    screen.move_counter(board.move_count);
    return screen;
}

}  // namespace blockslide::test
