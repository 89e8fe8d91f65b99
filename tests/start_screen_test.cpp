// Every puzzle start shows the fresh screen, compared whole: the program
// start, R, G (blockslide-b), the key that closes the instructions and the
// end of auto-play. The face keeps the style last chosen; the target bar is
// yellow until the first key.
#include <gtest/gtest.h>

#include <ostream>
#include <string_view>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct StartCase {
    std::string_view name;
    const ProgramFacts* program;
    std::string_view steps;
    std::string_view sounds;
    int bar_color = kYellow;
    friend void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<StartCase> start_cases() {
    const ProgramFacts* a = &farnswog();
    const ProgramFacts* b = &traxolumbine();
    return {
        {"ProgramStartA", a, "", ""},
        {"ProgramStartB", b, "", ""},
        {"BarGrayAfterARefusedFirstKeyA", a, "X", "beep2", kLightGray},
        {"BarGrayAfterARefusedFirstKeyB", b, "X", "beep2", kLightGray},
        {"UpperR", a, "2L 1D R", "ding2"},
        {"LowerR", a, "2L 1D r", "ding2"},
        {"REmptiesTheHistory", a, "2L 1D r b", "ding2 beep2", kLightGray},
        {"RKeepsPuzzleTwo", b, "g 2D r", "ding2 ding2"},
        {"UpperGChoosesPuzzleTwo", b, "2D G", "ding2"},
        {"LowerGChoosesPuzzleTwo", b, "2D g", "ding2"},
        {"SecondGBackToPuzzleOne", b, "g G", "ding2 ding2"},
        {"StoppedAutoPlay", a, "2L A", "ding2 ding2"},
        {"ZombieSurvivesR", a, "f 2L r", "ding2"},
        {"ZombieSurvivesH", a, "f H x", ""},
        {"ZombieSurvivesA", a, "f A", "ding2 ding2"},
        {"ZombieSurvivesRInB", b, "f 2D r", "ding2"},
        {"ZombieSurvivesG", b, "f g", "ding2"},
        {"ZombieSurvivesHInB", b, "f H x", ""},
        {"SecondFGivesTheNiceManBack", a, "f F r", "ding2"},
        // The key that closes the instructions is no command: Esc does not
        // quit, Q does not ask, B and 3 do not act.
        {"HelpClosedByEsc", a, "2L H <Esc>", ""},
        {"HelpClosedByQ", a, "2L H Q", ""},
        {"HelpClosedByB", a, "2L H b", ""},
        {"HelpClosedByABlockKey", a, "2L H 3", ""},
        {"HelpClosedByAnArrow", a, "2L H <Up>", ""},
        {"HelpClosedByEnter", a, "2L H <Enter>", ""},
        {"HelpClosedInB", b, "2D H x", ""},
        // The face block itself moved: the fresh puzzle still shows the fresh face.
        {"FreshFaceAfterTheFaceBlockMovedAndH", b, "2D 2D 1D 1D 9R H x", ""},
    };
}

class PuzzleStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(PuzzleStart, ShowsTheFreshPuzzleUnderItsTitleWithTheCursorHidden) {
    const StartCase& start = GetParam();
    ShadowedGame game(*start.program, start.steps);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.start_screen(start.bar_color).differences(game.screen()), "");
    EXPECT_EQ(game.sound_log(), start.sounds);
    EXPECT_EQ(game.console().title(), start.program->puzzle(game.game_number).title);
    EXPECT_FALSE(game.screen().cursor_visible());
}

INSTANTIATE_TEST_SUITE_P(Each, PuzzleStart, ::testing::ValuesIn(start_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace blockslide::testing
