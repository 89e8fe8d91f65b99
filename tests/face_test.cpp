// F switches the face block between the Nice Man and the Zombie; the face's
// colours follow whether a move was recorded when the block was last drawn.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct FaceCase {
    std::string name;
    const ProgramFacts* program;
    std::string steps;
    friend void PrintTo(const FaceCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<FaceCase> face_cases() {
    std::vector<FaceCase> cases;
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        const std::string name(program->name);
        const std::string move(program->start_moves.front());
        cases.push_back({name + "ZombieInFreshColours", program, "F"});
        cases.push_back({name + "SecondFGivesBackTheNiceMan", program, "F f"});
        cases.push_back({name + "MoveOfAnotherBlockLeavesFreshColours", program, move});
        cases.push_back({name + "RedrawnAfterAMoveInPlayedColours", program, move + " F"});
        cases.push_back({name + "NiceManAgainInPlayedColours", program, move + " F F"});
        cases.push_back({name + "RedrawnAfterEveryMoveIsUndoneInFresh", program, move + " B F"});
    }
    cases.push_back(
        {"TraxolumbineFaceBlockMovedInPlayedColours", &traxolumbine(), "2D 2D 1D 1D 9R"});
    return cases;
}

class Face : public ::testing::TestWithParam<FaceCase> {};

TEST_P(Face, IsDrawnInTheStyleAndColoursOfItsLastDrawing) {
    ShadowedGame game(*GetParam().program, GetParam().steps);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_TRUE(game.matches(""));
}

INSTANTIATE_TEST_SUITE_P(Steps, Face, ::testing::ValuesIn(face_cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide::testing
