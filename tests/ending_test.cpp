// Solving each puzzle by hand, key by key, from its stored minimal solution:
// the congratulation, its sound, the five white flashes of the face block
// and the key that closes the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "console/keys.h"
#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/screen_checks.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

constexpr int kVictoryFlashes = 5;

class SolvedPuzzle : public ::testing::TestWithParam<PuzzleOfProgram> {
protected:
    const PuzzleFacts& puzzle() const { return *GetParam().puzzle; }
    // A game given the first `moves` moves of the solution, typed by hand.
    ShadowedGame& game_after(int moves) {
        game_.emplace(*GetParam().program);
        game_->play(puzzle().choosing_keys);
        const std::vector<std::string_view> solution = split_moves(puzzle().solution);
        for (int k = 0; k < moves; ++k) game_->play(solution[k]);
        game_->game().console().record_frames(true);
        return *game_;
    }
    ShadowedGame& solved_game() { return game_after(puzzle().solution_length); }
    // What choosing the puzzle sounded like, then `cue`.
    std::string sounds_after_choosing(std::string_view cue) const {
        const std::string choosing = puzzle().choosing_keys.empty() ? "" : "ding2";
        return choosing.empty() || cue.empty() ? choosing + std::string(cue)
                                               : choosing + " " + std::string(cue);
    }

private:
    std::optional<ShadowedGame> game_;
};

TEST_P(SolvedPuzzle, LastMoveBringsTheCongratulationInRedOnWhite) {
    ShadowedGame& game = solved_game();
    ASSERT_EQ(game.run(), std::nullopt);
    ASSERT_TRUE(game.board().goal_reached(puzzle()));
    // No key was refused on the way, and the goal brought the closing sound.
    EXPECT_EQ(game.game().sound_log(), sounds_after_choosing("done2"));
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(puzzle().solution_length));
    EXPECT_TRUE(shows(game.game().screen(), kCongratulation));
    EXPECT_EQ(game.game().attribute(kStatusRow, kCongratulation.column - 1), 0);
    EXPECT_EQ(game.game().attribute(kStatusRow, kCongratulation.column + kCongratulation.length()),
              0);
    EXPECT_EQ(game.board_differences(), "");
}

TEST_P(SolvedPuzzle, FaceBlockFlashesWhiteFiveTimesIn1800Milliseconds) {
    ShadowedGame& game = solved_game();
    ASSERT_EQ(game.run(), std::nullopt);
    const std::vector<std::int64_t> done = sound_times(game.game().console(), "done2");
    ASSERT_EQ(done.size(), 1u);
    const std::int64_t solved_at = done.front();
    EXPECT_EQ(game.game().now_ms(), solved_at + (2 * kVictoryFlashes - 1) * kFlashMs);

    // Each flash: the outline in the block's own white, the face in its
    // colours, all on white; 200 ms later the block in its own colours.
    std::vector<Flash> expected;
    for (int k = 0; k < kVictoryFlashes; ++k) {
        expected.push_back({solved_at + 2 * k * kFlashMs, solved_at + (2 * k + 1) * kFlashMs});
    }
    const int face = GetParam().program->face_block;
    const Region face_region = region_of(game.board().block(face));
    const auto& frames = game.game().console().frames();
    const ExpectedScreen flash_look = expected_block(game.board(), face, 0, kWhite);
    EXPECT_EQ(flashes(frames, flash_look, expected_board(game.board()), face_region), expected);
    // The congratulation is shown while the block flashes.
    auto frame = std::find_if(frames.begin(), frames.end(), [&](const auto& f) {
        return flash_look.differences(f.screen, face_region).empty();
    });
    for (; frame != frames.end(); ++frame) {
        EXPECT_TRUE(shows(frame->screen, kCongratulation)) << "at " << frame->at_ms << " ms";
    }
    // The game ends showing the block at its goal in its own colours.
    EXPECT_EQ(game.board_differences(), "");
}

TEST_P(SolvedPuzzle, AnyKeyThenEndsTheGameWithExitCodeZero) {
    for (const std::string& closing_key : {kRightKey, std::string("x"), kEscapeKey}) {
        ShadowedGame& game = solved_game();
        game.game().type_keys({closing_key, "1"});
        EXPECT_EQ(game.run(), 0);
        EXPECT_EQ(game.game().console().keys_left(), 1u);
        // The final screen stays as it was.
        EXPECT_TRUE(shows(game.game().screen(), kCongratulation));
    }
}

TEST_P(SolvedPuzzle, OneMoveShortIsNotSolved) {
    ShadowedGame& game = game_after(puzzle().solution_length - 1);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), sounds_after_choosing(""));
    EXPECT_TRUE(black_blanks(game.game().screen(), kStatusRow, kCongratulation.column,
                             kCongratulation.length()));
}

INSTANTIATE_TEST_SUITE_P(EveryPuzzle, SolvedPuzzle, ::testing::ValuesIn(every_puzzle()),
                         [](const ::testing::TestParamInfo<PuzzleOfProgram>& info) {
                             return std::string(info.param.puzzle->name);
                         });

}  // namespace
}  // namespace blockslide::testing
