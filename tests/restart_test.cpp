// Starting over in whole games: R puts the puzzle back with a ding and an
// empty history, and G (blockslide-b only) switches between its two puzzles.
// The fresh screen is compared whole, face colours included.
#include <gtest/gtest.h>

#include <string>

#include "tests/game_facts.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

std::string either_case_name(const ::testing::TestParamInfo<std::string>& info) {
    return (info.param[0] >= 'a' ? "Lower" : "Upper") + info.param;
}

class RedoKey : public ::testing::TestWithParam<std::string> {};

TEST_P(RedoKey, PutsTheFreshPuzzleBackWithADingAndAnEmptyHistory) {
    ShadowedGame game(farnswog());
    game.play("2L 1D " + GetParam());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
    EXPECT_EQ(game.game().sound_log(), "ding2");
    EXPECT_EQ(game.game().console().title(), farnswog().puzzle(1).title);

    ShadowedGame backing(farnswog());
    backing.play("2L 1D " + GetParam() + " b");
    ASSERT_EQ(backing.run(), std::nullopt);
    EXPECT_EQ(backing.game().sound_log(), "ding2 beep2");
    EXPECT_EQ(backing.board_differences(), "");
}

INSTANTIATE_TEST_SUITE_P(EitherCase, RedoKey, ::testing::Values("R", "r"), either_case_name);

TEST(RedoInBlockslideB, KeepsThePuzzle) {
    ShadowedGame game(traxolumbine());
    game.play("g 2D r");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
    EXPECT_EQ(game.game().console().title(), traxolumbine().puzzle(2).title);
    EXPECT_EQ(game.game().sound_log(), "ding2 ding2");
}

class GameKey : public ::testing::TestWithParam<std::string> {};

TEST_P(GameKey, StartsPuzzleTwoWithItsNumberTitleAndBar) {
    ShadowedGame game(traxolumbine());
    game.play("2D " + GetParam());
    ASSERT_EQ(game.game_number(), 2);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
    EXPECT_EQ(game.game().console().title(), traxolumbine().puzzle(2).title);
    EXPECT_EQ(game.game().sound_log(), "ding2");
}

INSTANTIATE_TEST_SUITE_P(EitherCase, GameKey, ::testing::Values("G", "g"), either_case_name);

TEST(GameKey, ASecondGReturnsToPuzzleOne) {
    ShadowedGame game(traxolumbine());
    game.play("g G");
    ASSERT_EQ(game.game_number(), 1);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
    EXPECT_EQ(game.game().console().title(), traxolumbine().puzzle(1).title);
    EXPECT_EQ(game.game().sound_log(), "ding2 ding2");
}

}  // namespace
}  // namespace blockslide::testing
