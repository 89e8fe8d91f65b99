// A whole game in the scripted console with the board model kept beside it,
// and its screen checked cell by cell against what the model says it shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "console/scripted/scripted_console.h"
#include "tests/expected_screen.h"

namespace blockslide::test {

std::string repeated(std::string_view text, int times);

class PlayedGame {
public:
    // Steps, separated by blanks: a stored move ("2L") is typed as its keys and made on the board
    // model ("=2L", "=R": on the model only; "@2L": made with the mouse, a click where the block
    // has one way and a drag where it has two, and a drag the wrong way if it has none); F, B, R,
    // G, H and T in either case are typed and carried out on the model; <Esc>, <Enter>, <Space>,
    // <Up>, <Down>, <Left> and <Right> are those keys; "*row,column" is a click there and
    // "*row,column>row,column" a drag; anything else, or after "~", is typed as it stands.
    explicit PlayedGame(const ProgramFacts& program, std::string_view steps = "");
    void play(std::string_view steps);
    // Runs until the program ends (its exit code) or waits for a key it lacks.
    std::optional<int> run();
    std::string cues() const;  // the cues played, separated by blanks
    // How many recorded frames show block `number` flashed in these colours.
    int flashes(int number, int ink, int body) const;
    // What the screen should show now: the model's board and counter, and
    // the bar in `bar_color` (-1: any).
    ExpectedScreen expected(int bar_color = -1) const;

    const ProgramFacts& program;
    Board board;
    int game_number = 1;
    ScriptedConsole console;
    ScreenModel screen;

private:
    void click(int row, int column, int release_row, int release_column);
    void mouse_move(std::string_view move);
    void letter(char letter);
};

}  // namespace blockslide::test
