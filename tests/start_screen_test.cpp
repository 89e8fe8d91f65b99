// The game screen of a fresh puzzle in both programs: the gray box, the
// command bar, the puzzle number, the first prompt, every block with its
// label or face and the yellow target bar, which turns gray at the first key.
#include <gtest/gtest.h>

#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

class StartScreen : public ::testing::TestWithParam<const ProgramFacts*> {
protected:
    const ProgramFacts& program() const { return *GetParam(); }
};

TEST_P(StartScreen, ShowsTheWholeFreshPuzzleUnderItsTitleWithTheCursorHidden) {
    ShadowedGame game(program());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
    EXPECT_EQ(game.game().console().title(), program().puzzle(1).title);
    EXPECT_FALSE(game.game().screen().cursor_visible());
    EXPECT_EQ(game.game().sound_log(), "");
}

TEST_P(StartScreen, TargetBarTurnsLightGrayAtTheFirstKeyEvenARefusedOne) {
    ShadowedGame game(program());
    game.game().type("X");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "beep2");
    EXPECT_EQ(game.screen_differences(kLightGray), "");
}

TEST_P(StartScreen, TargetBarTurnsLightGrayAtAFirstMove) {
    ShadowedGame game(program());
    game.play(program().start_moves.front());
    ASSERT_EQ(game.run(), std::nullopt);
    const Region bar{kBoardTop, kTargetBarColumn, kBoardBottom, kTargetBarColumn};
    EXPECT_EQ(game_screen(game.board(), 1, kLightGray).differences(game.game().screen(), bar), "");
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, StartScreen, ::testing::Values(&farnswog(), &traxolumbine()),
                         [](const auto& info) { return std::string(info.param->name); });

}  // namespace
}  // namespace blockslide::testing
