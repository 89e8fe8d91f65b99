// Every puzzle start shows the whole fresh screen: the gray box, the command
// bar, the puzzle number, the first prompt, every block in its colours, the
// target bar yellow until the first key, and nothing else. The face keeps the
// style last chosen and, on a fresh puzzle, the colours of a game with no moves.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/played_game.h"

namespace blockslide::test {
namespace {

struct StartCase {
    const char* name;
    const ProgramFacts& program;
    std::string_view steps;
    std::string_view cues;
    int bar_color = kYellow;
    bool complete_replay = false;  // a key only after auto-play has made every move
};

const ProgramFacts &a = farnswog(), &b = traxolumbine();
// clang-format off
const StartCase kStarts[] = {
    {"ProgramStartA", a, "", ""}, {"ProgramStartB", b, "", ""},
    {"PuzzleTwoB", b, "G", "ding2"}, {"BackToPuzzleOneB", b, "g g", "ding2 ding2"},
    {"BarGrayAfterARefusedKeyA", a, "X", "beep2", kLightGray},
    {"RestartA", a, "2L 1D R", "ding2"},
    {"RestartEmptiesTheHistory", a, "2L 1D r ~b", "ding2 beep2", kLightGray},
    {"ZombieSurvivesRestart", a, "f 2L r", "ding2"},
    {"SecondFGivesTheNiceManBack", b, "f F r", "ding2"},
    // The key that closes the instructions is no command.
    {"HelpClosedByEsc", a, "f H <Esc>", ""}, {"HelpClosedByABlockKey", a, "H ~3", ""},
    // With moves made, the fresh puzzle's face is drawn as in a game with none.
    {"HelpAfterMovesA", a, "f 2L 1D H <Esc>", ""},
    {"GameAfterMovesB", b, "2D 2D 1D 1D 9R f G", "ding2"},
    {"AutoPlayA", a, "2L 1D ~a", "ding2 ding2", kYellow, true},
    {"ZombieAfterAutoPlayB", b, "f ~A", "ding2 ding2", kYellow, true},
};
// clang-format on

class PuzzleStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(PuzzleStart, ShowsTheWholeFreshScreenUnderItsTitle) {
    const StartCase& start = GetParam();
    PlayedGame game(start.program, start.steps);
    if (start.complete_replay) {
        const auto moves = start.program.puzzle_set().puzzles[game.game_number - 1].solution.size();
        game.console.type_at(replay_move_time(static_cast<int>(moves)) + kReplayPauseMs, "x");
        game.board.start_over();
    }
    ASSERT_EQ(game.run(), std::nullopt);
    ExpectedScreen expected = game.expected(start.bar_color);
    expected.status(kFirstPrompt);
    EXPECT_EQ(expected.differences(game.screen), "");
    EXPECT_EQ(game.cues(), start.cues);
    EXPECT_EQ(game.console.title(), start.program.puzzles[game.game_number - 1].title);
    EXPECT_FALSE(game.screen.cursor_visible());
}

INSTANTIATE_TEST_SUITE_P(Each, PuzzleStart, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.name); });

// H draws the rules in a green double-line box on white over the game.
TEST(Instructions, ShowTheirLinesInAGreenDoubleBox) {
    for (const auto& [program, bottom, last_line, moves] :
         {std::tuple{&farnswog(), 23, 20, 118}, {&traxolumbine(), 24, 21, 41}}) {
        PlayedGame game(*program, "h");
        ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key
        std::string differences =
            text_differences(game.screen, 2, 7, "╔" + repeated("═", 65) + "╗", kGreen, kWhite);
        for (int row = 3; row < bottom; ++row)
            differences += text_differences(game.screen, row, 7, "║", kGreen, kWhite);
        differences +=
            text_differences(game.screen, bottom, 7, "╚" + repeated("═", 65) + "╝", kGreen, kWhite);
        const std::string line = "The minimal solution is " + std::to_string(moves) +
                                 " moves. See if you can do as well!";
        differences +=
            text_differences(game.screen, last_line, 8,
                             " " + line + repeated(" ", 64 - int(line.size())) + "║", -1, kWhite);
        differences +=
            text_differences(game.screen, last_line + 1, 8, repeated(" ", 65), -1, kWhite);
        differences +=
            text_differences(game.screen, last_line + 2, 35, "<any key>", kBlack, kWhite);
        EXPECT_EQ(differences, "");
    }
}

// Auto-play first shows the start layout under a gray bar and its caption.
TEST(AutoPlay, StartsFromTheStartLayoutUnderAGrayBarAndItsCaption) {
    PlayedGame game(farnswog(), "2L f ~a");  // the moved block goes back
    game.console.record_frames(true);
    game.console.type_at(100, "x");
    ASSERT_EQ(game.run(), std::nullopt);
    const StatusText caption{"Auto-Play in Progress <any key to stop>", 21, kLightRed, 0};
    const auto& frames = game.console.frames();
    const auto first = std::ranges::find_if(frames, [&](const auto& frame) {
        return frame.screen.cell(kStatusRow, caption.column).character == 'A';
    });
    ASSERT_NE(first, frames.end());
    Board start(farnswog(), true);
    start.face_played = true;  // the move stays recorded
    ExpectedScreen expected(start, 1, kLightGray);
    expected.status(caption);
    EXPECT_EQ(expected.differences(first->screen), "");
}

}  // namespace
}  // namespace blockslide::test
