// Auto-play on the virtual clock: the redrawn start with a gray bar and the
// caption, the stored moves 500 ms after the start and 750 ms apart, a key
// stopping it between moves, three white flashes and "<any key>" after a
// complete replay, then "ding2" and a fresh puzzle, never a congratulation.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

using Frames = std::vector<ScriptedBackend::Frame>;

// When the counter first showed each count (under the caption), and the
// first frame with the caption.
std::map<int, std::int64_t> count_times(const Frames& frames) {
    std::map<int, std::int64_t> first_shown;
    for (const auto& frame : frames) {
        std::string counter(12, ' ');
        for (int i = 0; i < 12; ++i) counter[i] = frame.screen.cell(kStatusRow, 69 + i).character;
        if (!counter.starts_with("Moves: ")) continue;
        if (first_shown.emplace(std::stoi(counter.substr(7)), frame.at_ms).second) {
            ScreenCheck check(frame.screen);
            check.status(kAutoPlayCaption);
            EXPECT_EQ(check.differences(), "") << frame.at_ms << " ms";
        }
    }
    return first_shown;
}

const ScriptedBackend::Frame& first_showing(const Frames& frames, const StatusText& status) {
    return *std::find_if(frames.begin(), frames.end(), [&](const auto& frame) {
        return frame.screen.cell(kStatusRow, status.column).character == status.text[0];
    });
}

// The fresh puzzle, its face block apart (the puzzle starts look at it).
std::string fresh_start_differences(const PlayedGame& game) {
    ScreenCheck check(game.screen);
    check.frame(game.program, game.game_number, kYellow);
    for (int number = 1; number < game.program.face_block; ++number)
        check.block(Board(game.program), number);
    check.status(kFirstPrompt);
    check.text(kStatusRow, kCounterColumn, repeated(" ", 12), 0, 0);
    return check.differences();
}

class CompleteReplay : public ::testing::TestWithParam<PuzzleOf> {};

TEST_P(CompleteReplay, MakesEveryStoredMoveOnTimeThenFlashesAndStartsAfresh) {
    const PuzzleOf& of = GetParam();
    const auto solution = of.program->puzzle_set().puzzles[of.game_number - 1].solution;
    const int moves = static_cast<int>(solution.size());
    PlayedGame game(*of.program, std::string(of.puzzle().choosing_keys) + " f ~a");
    game.console.record_frames(true);
    // Typed in the pause after the last move: it ends the wait after the flashes.
    game.console.type_at(replay_move_time(moves) + kReplayPauseMs / 2, "x");
    for (MoveCode move : solution) game.board.play(move);
    EXPECT_EQ(game.run(), std::nullopt);

    const auto& frames = game.console.frames();
    ScreenCheck start(first_showing(frames, kAutoPlayCaption).screen);
    start.frame(*of.program, of.game_number, kLightGray);
    Board fresh(*of.program);
    fresh.zombie = true;
    start.board(fresh);
    start.status(kAutoPlayCaption);
    EXPECT_EQ(start.differences(), "");
    std::map<int, std::int64_t> expected_times;
    for (int k = 1; k <= moves; ++k) expected_times[k] = replay_move_time(k);
    EXPECT_EQ(count_times(frames), expected_times);
    EXPECT_EQ(game.flashes(of.program->face_block, 0, kWhite), 3);
    const std::int64_t waiting_at = replay_move_time(moves) + kReplayPauseMs + 5 * kFlashMs;
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

TEST(StoppedReplay, StopsBetweenMovesWithoutFlashesAndStartsAfresh) {
    // A key in the first 500 ms is seen only after move 1 and its pause.
    for (const auto& [typed_at, moves_made] : {std::pair{100, 1}, {1250, 1}, {3000, 4}}) {
        PlayedGame game(traxolumbine(), "~A");
        game.console.record_frames(true);
        game.console.type_at(typed_at, "x");
        EXPECT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(count_times(game.console.frames()).rbegin()->first, moves_made);
        EXPECT_EQ(game.console.now_ms(), replay_move_time(moves_made + 1));
        EXPECT_EQ(game.flashes(9, 0, kWhite), 0);
        EXPECT_EQ(game.sounds(), "ding2 ding2");
        EXPECT_EQ(fresh_start_differences(game), "");
    }
}

TEST(StoppedReplay, KeysPendingWhenItStartsAreDiscarded) {
    PlayedGame game(farnswog(), "~Ax");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.console.now_ms(), replay_move_time(118) + kReplayPauseMs + 5 * kFlashMs);
    EXPECT_EQ(game.console.keys_left(), 0u);
}

}  // namespace
}  // namespace blockslide::testing
