// The move history in blockslide-a: Back takes moves back one by one and
// counts as a move, Last flashes the block moved last, both only beep on an
// empty history, and the history keeps the most recent 1000 moves.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct HistoryCase {
    std::string name;
    std::string steps;
    std::string sounds;
    int flashed = 0;  // the block L flashes red on white, once
    friend void PrintTo(const HistoryCase& c, std::ostream* out) { *out << c.name; }
};

// 3001 moves: block 9 right and back 1000 times, 2 left, block 1 down and up
// 499 times, then 3 left (chosen with an arrow) and 1 down.
std::string long_game() {
    return repeated_with_blanks("9R 9L", 1000) + " 2L " + repeated_with_blanks("1D 1U", 499) +
           " 3L 1D";
}

std::vector<HistoryCase> history_cases() {
    std::vector<HistoryCase> cases = {
        {"OneBack", "2L 1D 6R B", ""},
        {"TwoBacks", "2L 1D 6R B b", ""},
        {"ThreeBacksGiveTheStartLayout", "2L 1D 6R B b B", ""},
        {"FourthBackOnlyBeeps", "2L 1D 6R B b B b", "beep2"},
        {"BackOfAMoveRightGoesLeft", "9R b", ""},
        {"MovesAfterABackAreRecordedAgain", "2L 1D b 1D b b", ""},
        // After 2 left, "3" asks for a direction; B cancels 2 left instead.
        {"BackAtTheDirectionPromptCancelsThePreviousMove", "2L 3 b", ""},
        {"BackAtTheDirectionPromptEmptiesTheHistory", "2L 3 b b", "beep2"},
        {"LastAndBackAtTheStartOnlyBeep", "L b", "beep2 beep2"},
        {"LastFlashesTheMovedBlock", "2L L", "", 2},
        {"LastAfterBackFlashesTheBlockOfTheMoveBefore", "2L 1D b l", "", 2},
        {"ThousandBacksAfterALongGame", long_game() + " " + repeated_with_blanks("B", 1000), ""},
        {"BackNumber1001Beeps", long_game() + " " + repeated_with_blanks("B", 1001), "beep2"},
    };
    for (int backs = 0; backs <= 3; ++backs) {
        cases.push_back({"LongGameThen" + std::to_string(backs) + "Backs",
                         long_game() + " " + repeated_with_blanks("B", backs), ""});
    }
    return cases;
}

class History : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(History, BackAndLastWalkTheHistory) {
    const HistoryCase& history = GetParam();
    ShadowedGame game(farnswog(), history.steps);
    game.console().record_frames(history.flashed != 0);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_TRUE(game.matches(history.sounds));
    if (game.board.move_count() > 0) {
        EXPECT_EQ(status_line_differences(game.screen(), kBlankStatus), "");
        EXPECT_EQ(game.attribute(kStatusRow, kMoveCounterColumn), kMoveCounterAttribute);
    }
    EXPECT_EQ(game.now_ms(), history.flashed != 0 ? kFlashMs : 0);
    if (history.flashed != 0) {
        EXPECT_EQ(game.flashes_of(history.flashed, kRed, kWhite), flash_series(0, 1, kFlashMs));
    }
}

INSTANTIATE_TEST_SUITE_P(Each, History, ::testing::ValuesIn(history_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(FullHistory, AutoPlayReplaysTheWholeSolutionAndThenStartsAfresh) {
    const PuzzleFacts& puzzle = farnswog().puzzle(1);
    ShadowedGame game(farnswog(), repeated_with_blanks("9R 9L", kHistoryCapacity / 2));
    game.type("A");
    game.console().type_at(replay_move_time(puzzle.solution_length) + kReplayPauseMs / 2, "x");
    game.type("B");  // the fresh start has an empty history
    game.console().record_frames(true);
    game.board.lay_out_start();
    for (std::string_view move : split_moves(puzzle.solution)) game.board.play(move);
    const ExpectedScreen solved = game.board.expected_board();
    game.board.start_over();
    ASSERT_EQ(game.run(), std::nullopt);
    const auto* waiting = game.frame_showing(kAnyKey);
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->at_ms, replay_end_time(puzzle.solution_length));
    EXPECT_EQ(move_counter(waiting->screen), counter_after(puzzle.solution_length));
    EXPECT_EQ(solved.differences(waiting->screen, kBoardInterior), "");
    EXPECT_TRUE(game.matches("ding2 ding2 beep2"));
}

}  // namespace
}  // namespace blockslide::testing
