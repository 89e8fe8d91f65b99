// Solving each puzzle by hand from its stored solution: the congratulation,
// its sound, the five white flashes of the face block and the key that
// closes the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

class SolvedPuzzle : public ::testing::TestWithParam<PuzzleOfProgram> {
protected:
    const ProgramFacts& program() const { return *GetParam().program; }
    const PuzzleFacts& puzzle() const { return *GetParam().puzzle; }
    std::string steps() const {
        return std::string(puzzle().choosing_keys) + " " + std::string(puzzle().solution);
    }
};

TEST_P(SolvedPuzzle, LastMoveBringsTheCongratulationAndFiveWhiteFlashes) {
    ShadowedGame game(program(), steps());
    game.console().record_frames(true);
    ASSERT_EQ(game.run(), std::nullopt);
    ASSERT_TRUE(game.board.goal_reached(puzzle()));
    // No key was refused on the way, and the goal brought the closing sound.
    EXPECT_TRUE(game.matches(puzzle().choosing_keys.empty() ? "done2" : "ding2 done2"));
    EXPECT_EQ(status_line_differences(game.screen(), &kCongratulation), "");

    const std::int64_t solved_at = game.console().sounds().back().at_ms;
    EXPECT_EQ(game.now_ms(), solved_at + 9 * kFlashMs);
    EXPECT_EQ(game.flashes_of(program().face_block, 0, kWhite),
              flash_series(solved_at, 5, 2 * kFlashMs));
    // The congratulation stands while the block flashes.
    for (const auto& frame : game.console().frames()) {
        EXPECT_TRUE(frame.at_ms <= solved_at || shows(frame.screen, kCongratulation))
            << "at " << frame.at_ms << " ms";
    }
}

TEST_P(SolvedPuzzle, AnyKeyThenEndsTheGameWithExitCodeZero) {
    for (std::string_view closing_key : {"<Right>", "x", "<Esc>"}) {
        ShadowedGame game(program(), steps() + " " + std::string(closing_key) + " 1");
        EXPECT_EQ(game.run(), 0);
        EXPECT_EQ(game.console().keys_left(), 1u);
        EXPECT_TRUE(shows(game.screen(), kCongratulation));  // the final screen stays
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPuzzle, SolvedPuzzle, ::testing::ValuesIn(every_puzzle()),
                         puzzle_name);

}  // namespace
}  // namespace blockslide::testing
