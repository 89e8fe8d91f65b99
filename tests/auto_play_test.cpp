// The auto-play demonstration on the virtual clock: the stored moves 500 ms
// after the start and 750 ms apart under the caption, a key stopping it
// between moves, three white flashes and "<any key>" after a complete replay,
// and always "ding2" and a fresh puzzle afterwards, never a congratulation.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/puzzle_set.h"
#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

// When the counter first showed each count under the caption, over the
// recorded frames.
std::map<int, std::int64_t> count_times(const ScriptedBackend& console) {
    std::map<int, std::int64_t> first_shown;
    for (const auto& frame : console.frames()) {
        std::string counter;
        for (int column = kCounterColumn; column <= kScreenColumns; ++column) {
            counter += static_cast<char>(frame.screen.cell(kStatusRow, column).character);
        }
        if (counter.starts_with("Moves: ") && !first_shown.contains(std::stoi(counter.substr(7)))) {
            ScreenCheck check(frame.screen);
            check.status(kAutoPlayCaption);
            check.move_counter(std::stoi(counter.substr(7)));
            EXPECT_EQ(check.differences(), "") << "at " << frame.at_ms << " ms";
            first_shown.emplace(std::stoi(counter.substr(7)), frame.at_ms);
        }
    }
    return first_shown;
}

// The face block's colours after a replay are looked at with the puzzle starts.
std::string fresh_start_differences(const PlayedGame& game) {
    const Board fresh(game.program);
    ScreenCheck check(game.screen);
    check.frame(game.program, game.game_number, kYellow);
    for (int number = 1; number < game.program.face_block; ++number) check.block(fresh, number);
    check.status(kFirstPrompt);
    check.text(kStatusRow, kCounterColumn, repeated(" ", 12), 0, 0);
    return check.differences();
}

class CompleteReplay : public ::testing::TestWithParam<PuzzleOf> {};

TEST_P(CompleteReplay, MakesEveryStoredMoveOnTimeThenFlashesAndStartsAfresh) {
    const PuzzleOf& of = GetParam();
    const auto solution = of.program->puzzle_set().puzzles[of.game_number - 1].solution;
    const int moves = static_cast<int>(solution.size());
    PlayedGame game(*of.program, std::string(of.puzzle().choosing_keys) + " ~a");
    game.console.record_frames(true);
    // Typed in the pause after the last move: it ends the wait after the flashes.
    game.console.type_at(replay_move_time(moves) + kReplayPauseMs / 2, "x");
    game.board.start_over();
    for (MoveCode move : solution) game.board.play(move);
    EXPECT_EQ(game.run(), std::nullopt);

    std::map<int, std::int64_t> expected_times;
    for (int k = 1; k <= moves; ++k) expected_times[k] = replay_move_time(k);
    EXPECT_EQ(count_times(game.console), expected_times);
    EXPECT_EQ(game.flashes(of.program->face_block, 0, kWhite), 3);
    const std::int64_t waiting_at = replay_move_time(moves) + kReplayPauseMs + 5 * kFlashMs;
    EXPECT_EQ(game.console.now_ms(), waiting_at);
    const auto& frames = game.console.frames();
    const auto waiting = std::find_if(frames.rbegin(), frames.rend(), [](const auto& frame) {
        return frame.screen.cell(kStatusRow, kAnyKey.column).character == '<';
    });
    ASSERT_NE(waiting, frames.rend());
    EXPECT_EQ(waiting->at_ms, waiting_at);
    ScreenCheck check(waiting->screen);
    check.board(game.board);
    check.status(kAnyKey);
    check.move_counter(moves);
    EXPECT_EQ(check.differences(), "");
    EXPECT_EQ(game.sounds(), of.game_number == 1 ? "ding2 ding2" : "ding2 ding2 ding2");
    EXPECT_EQ(game.console.sounds().back().at_ms, waiting_at);
    EXPECT_EQ(fresh_start_differences(game), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, CompleteReplay, ::testing::ValuesIn(every_puzzle()));

TEST(AutoPlay, RedrawsTheStartWithAGrayBarAndTheCaption) {
    PlayedGame game(farnswog(), "f ~A");
    game.console.record_frames(true);
    game.run();
    const auto& frames = game.console.frames();
    const auto redrawn = *std::find_if(frames.begin(), frames.end(), [](const auto& frame) {
        return frame.screen.cell(kStatusRow, kAutoPlayCaption.column).character == 'A';
    });
    EXPECT_EQ(redrawn.at_ms, 0);
    ScreenCheck check(redrawn.screen);
    check.frame(farnswog(), 1, kLightGray);
    check.board(game.board);
    check.status(kAutoPlayCaption);
    check.rest_blank();
    EXPECT_EQ(check.differences(), "");
}

TEST(StoppedReplay, StopsBetweenMovesWithoutFlashesAndStartsAfresh) {
    struct Stop {
        std::int64_t typed_at_ms;
        int moves_made;
    };
    // A key in the first 500 ms is seen only after move 1 and its pause.
    for (const Stop stop :
         {Stop{100, 1}, Stop{replay_move_time(2), 1}, Stop{replay_move_time(4) + 250, 4}}) {
        SCOPED_TRACE(stop.typed_at_ms);
        PlayedGame game(traxolumbine(), "f ~A");
        game.console.record_frames(true);
        game.console.type_at(stop.typed_at_ms, "x");
        EXPECT_EQ(game.run(), std::nullopt);
        const auto counts = count_times(game.console);
        ASSERT_FALSE(counts.empty());
        EXPECT_EQ(counts.rbegin()->first, stop.moves_made);
        EXPECT_EQ(game.console.now_ms(), replay_move_time(stop.moves_made + 1));
        EXPECT_EQ(game.flashes(9, 0, kWhite), 0);
        EXPECT_EQ(game.sounds(), "ding2 ding2");
        EXPECT_EQ(fresh_start_differences(game), "");
    }
}

TEST(StoppedReplay, KeysPendingWhenItStartsAreDiscarded) {
    PlayedGame game(farnswog(), "~Ax");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.console.now_ms(), replay_move_time(118) + kReplayPauseMs + 5 * kFlashMs);
    EXPECT_EQ(game.sounds(), "ding2");
    EXPECT_EQ(game.console.keys_left(), 0u);
}

}  // namespace
}  // namespace blockslide::testing
