// Every sound cue at the event that plays it, in both games.
#include <gtest/gtest.h>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct CueCase {
    const char* name;
    const ProgramFacts& program;
    std::string_view steps;
    const char* cues;
    const StatusText* shown_at_last_cue = nullptr;  // already on the screen when the cue starts
    friend void PrintTo(const CueCase& c, std::ostream* out) { *out << c.name; }
};

class Cue : public ::testing::TestWithParam<CueCase> {};

TEST_P(Cue, PlaysAtItsEvent) {
    const CueCase& c = GetParam();
    ShadowedGame game(c.program, c.steps);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), c.cues);
    if (c.shown_at_last_cue != nullptr && !game.console().sounds().empty()) {
        EXPECT_TRUE(shows(game.console().sounds().back().screen, *c.shown_at_last_cue));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Events, Cue,
    ::testing::Values(CueCase{"NoCommandAtTheFirstPrompt", farnswog(), "x", "beep2", &kFirstPrompt},
                      CueCase{"BlockWithNoWayToGo", farnswog(), "1", "beep2"},
                      CueCase{"WrongArrow", farnswog(), "2L 3 <Down>", "beep2", &kDirectionPrompt},
                      CueCase{"BackAndLastWithNoHistory", traxolumbine(), "B L", "beep2 beep2"},
                      CueCase{"Restart", traxolumbine(), "R", "ding2"},
                      CueCase{"SwitchPuzzle", traxolumbine(), "G", "ding2"},
                      CueCase{"NoSwitchInTheOnePuzzleGame", farnswog(), "gg", "beep2 beep2"},
                      CueCase{"QuitQuestion", farnswog(), "2L 3 <Esc>", "ding2", &kQuitQuestion},
                      CueCase{"AutoPlayStartAndEnd", traxolumbine(), "A", "ding2 ding2"},
                      CueCase{"Solved", traxolumbine(), traxolumbine().puzzle(1).solution, "done2",
                              &kCongratulation}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace blockslide::testing
