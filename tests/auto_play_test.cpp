// A complete auto-play on the virtual clock: the redrawn start with a gray bar
// and the caption, the stored moves 500 ms after the start and 750 ms apart,
// three white flashes, and "ding2" when "<any key>" is shown. What follows,
// and a stopped auto-play, are whole games in the play table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

using Frames = std::vector<ScriptedBackend::Frame>;

// When the counter first showed each count (under the caption).
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

class CompleteReplay : public ::testing::TestWithParam<PuzzleOf> {};

TEST_P(CompleteReplay, MakesEveryStoredMoveOnTimeThenFlashes) {
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
    ScreenCheck start(std::ranges::find_if(frames, [](const auto& frame) {
                          return frame.screen.cell(kStatusRow, kAutoPlayCaption.column).character ==
                                 kAutoPlayCaption.text[0];
                      })->screen);
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
    EXPECT_EQ(game.sounds(), of.game_number == 1 ? "ding2 ding2" : "ding2 ding2 ding2");
    EXPECT_EQ(game.console.sounds().back().at_ms, waiting_at);
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, CompleteReplay, ::testing::ValuesIn(every_puzzle()));

}  // namespace
}  // namespace blockslide::testing
