// The face of the face block: F switches between the Nice Man and the Zombie,
// the colours follow whether a move was recorded when the block was last
// drawn, and every puzzle start keeps the style last chosen.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

struct FaceCase {
    std::string name;
    const ProgramFacts* program;
    std::string steps;  // as ShadowedGame::play takes them
};

void PrintTo(const FaceCase& face, std::ostream* out) {
    *out << face.name;
}

std::string case_name(const ::testing::TestParamInfo<FaceCase>& info) {
    return info.param.name;
}

// ---------------------------------------------------------------------------
// The face on the board after F, moves and Back.

std::vector<FaceCase> face_on_the_board_cases() {
    std::vector<FaceCase> cases;
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        const std::string name(program->name);
        const std::string move(program->start_moves.front());
        cases.push_back({name + "ZombieInFreshColours", program, "F"});
        cases.push_back({name + "SecondFGivesBackTheNiceMan", program, "F f"});
        cases.push_back({name + "MoveOfAnotherBlockLeavesFreshColours", program, move});
        cases.push_back({name + "RedrawnAfterAMoveInPlayedColours", program, move + " F"});
        cases.push_back({name + "NiceManAgainInPlayedColours", program, move + " F F"});
        cases.push_back(
            {name + "RedrawnAfterEveryMoveIsUndoneInFreshColours", program, move + " B F"});
    }
    cases.push_back(
        {"TraxolumbineFaceBlockMovedInPlayedColours", &traxolumbine(), "2D 2D 1D 1D 9R"});
    return cases;
}

class FaceOnTheBoard : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceOnTheBoard, IsDrawnInTheStyleAndColoursOfItsLastDrawing) {
    ShadowedGame game(*GetParam().program);
    game.play(GetParam().steps);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(game.game().sound_log(), "");
}

INSTANTIATE_TEST_SUITE_P(Steps, FaceOnTheBoard, ::testing::ValuesIn(face_on_the_board_cases()),
                         case_name);

// ---------------------------------------------------------------------------
// Every puzzle start keeps the face style.

std::vector<FaceCase> puzzle_start_cases() {
    struct Start {
        std::string name;
        const ProgramFacts* program;
        std::string steps;
    };
    const Start starts[] = {
        {"Redo", &farnswog(), "r"},
        {"Help", &farnswog(), "H"},
        {"Auto", &farnswog(), "A"},
        {"RedoInBlockslideB", &traxolumbine(), "2D r"},
        {"GameInBlockslideB", &traxolumbine(), "g"},
        {"HelpInBlockslideB", &traxolumbine(), "H"},
    };
    std::vector<FaceCase> cases;
    for (const Start& start : starts) {
        cases.push_back({"ZombieSurvives" + start.name, start.program, "f " + start.steps});
        cases.push_back({"NiceManWithoutF" + start.name, start.program, start.steps});
        cases.push_back({"NiceManAfterTwoF" + start.name, start.program, "f F " + start.steps});
    }
    return cases;
}

class FaceAfterAPuzzleStart : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceAfterAPuzzleStart, KeepsTheStyleOnTheFreshScreen) {
    ShadowedGame game(*GetParam().program);
    game.play(GetParam().steps);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.screen_differences(kYellow), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzleStart, FaceAfterAPuzzleStart,
                         ::testing::ValuesIn(puzzle_start_cases()), case_name);

}  // namespace
}  // namespace blockslide::testing
