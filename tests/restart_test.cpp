// Starting over in whole games: R, G (blockslide-b only) and the face style,
// which every restart keeps.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide {
namespace {

using testing::ScriptedGame;

constexpr int kBlack = 0;
constexpr int kRed = 4;
constexpr int kDarkGray = 8;
constexpr int kLightCyan = 11;
constexpr int kYellow = 14;
constexpr int kWhite = 15;

constexpr int attribute_of(int foreground, int background) {
    return foreground + 16 * background;
}

constexpr int kStatusRow = 24;
constexpr int kCounterColumn = 69;
constexpr int kTargetBarColumn = 69;
constexpr int kTargetBarRows = 10;
constexpr std::string_view kFirstPrompt = "Select your first move";
constexpr int kFirstPromptColumn = 29;

constexpr std::string_view kFarnswogTitle =
    "  FARNSWOG!   move the big blue block to the far right.";
constexpr std::string_view kLowerRightTitle =
    "     TRAXOLUMBINE #1 - move the big blue block to the lower right.";
constexpr std::string_view kUpperRightTitle =
    "     TRAXOLUMBINE #2 - move the big blue block to the upper right.";

struct Place {
    int top;
    int left;
    int body;
};
constexpr Place cell(int c, int r, int body) {
    return {2 + 5 * r, 13 + 11 * c, body};
}

// Top-left cells of the start layouts: each block's body colour there.
const std::vector<Place> kFarnswogStart = {
    cell(4, 0, 6), cell(4, 1, 3), cell(4, 2, 2), cell(4, 3, 4), cell(0, 0, 2),
    cell(2, 0, 5), cell(0, 3, 6), cell(2, 3, 3), cell(2, 1, 4), cell(0, 1, 1),
};
const std::vector<Place> kTraxolumbineStart = {
    cell(2, 0, 3), cell(2, 1, 4), cell(0, 2, 2), cell(1, 2, 5), cell(3, 2, 3),
    cell(4, 2, 4), cell(3, 0, 6), cell(3, 1, 2), cell(0, 0, 1),
};
// The free cells of the start layouts.
const std::vector<Place> kFarnswogFree = {cell(3, 1, 0), cell(3, 2, 0)};
const std::vector<Place> kTraxolumbineFree = {cell(2, 2, 0), cell(2, 3, 0)};

void expect_layout(const ScriptedGame& game, const std::vector<Place>& blocks,
                   const std::vector<Place>& free_cells) {
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Place& place = blocks[i];
        EXPECT_EQ(game.text(place.top, place.left, 1), "┌") << "block " << i + 1;
        EXPECT_EQ(game.attribute(place.top, place.left), attribute_of(kWhite, place.body))
            << "block " << i + 1;
    }
    for (const Place& place : free_cells) {
        for (int row = place.top; row < place.top + 5; ++row) {
            EXPECT_EQ(game.text(row, place.left, 11), std::string(11, ' ')) << "row " << row;
            EXPECT_TRUE(game.span_has_attribute(row, place.left, 11, 0)) << "row " << row;
        }
    }
}

std::string move_counter(const ScriptedGame& game) {
    std::string text = game.text(kStatusRow, kCounterColumn, 80 - kCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void expect_target_bar(const ScriptedGame& game, int first_row, int color) {
    for (int row = 2; row <= 21; ++row) {
        const bool in_bar = row >= first_row && row < first_row + kTargetBarRows;
        if (in_bar) {
            EXPECT_EQ(game.text(row, kTargetBarColumn, 1), "█") << "row " << row;
            EXPECT_EQ(game.foreground(row, kTargetBarColumn), color) << "row " << row;
        } else {
            EXPECT_EQ(game.text(row, kTargetBarColumn, 1), "│") << "row " << row;
            EXPECT_EQ(game.attribute(row, kTargetBarColumn), attribute_of(kBlack, kDarkGray))
                << "row " << row;
        }
    }
}

void expect_fresh_prompt_line(const ScriptedGame& game) {
    EXPECT_EQ(game.text(kStatusRow, kFirstPromptColumn, static_cast<int>(kFirstPrompt.size())),
              kFirstPrompt);
    EXPECT_EQ(move_counter(game), "");
}

class RestartKey : public ::testing::TestWithParam<std::string> {};

TEST_P(RestartKey, PutsEveryBlockBackWithADingAYellowBarAndAnEmptyHistory) {
    ScriptedGame game(farnswog_puzzles());
    game.type("21");  // 2 left, 1 down
    game.type(GetParam());
    EXPECT_EQ(game.run(), std::nullopt);
    expect_layout(game, kFarnswogStart, kFarnswogFree);
    expect_target_bar(game, 7, kYellow);
    expect_fresh_prompt_line(game);
    EXPECT_EQ(game.sound_log(), "ding2");
    EXPECT_EQ(game.console().title(), kFarnswogTitle);

    ScriptedGame backing(farnswog_puzzles());
    backing.type("21");
    backing.type(GetParam());
    backing.type("b");
    backing.run();
    EXPECT_EQ(backing.sound_log(), "ding2 beep2");
    expect_layout(backing, kFarnswogStart, kFarnswogFree);
}

INSTANTIATE_TEST_SUITE_P(EitherCase, RestartKey, ::testing::Values("R", "r"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "r" ? "LowerR" : "UpperR";
                         });

TEST(RestartCommand, InBlockslideBKeepsThePuzzle) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("g2r");
    game.run();
    EXPECT_EQ(game.text(6, 2, 7), "GAME #2");
    EXPECT_EQ(game.console().title(), kUpperRightTitle);
    expect_layout(game, kTraxolumbineStart, kTraxolumbineFree);
    expect_target_bar(game, 2, kYellow);
    EXPECT_EQ(game.sound_log(), "ding2 ding2");
}

class GameSwitchKey : public ::testing::TestWithParam<std::string> {};

TEST_P(GameSwitchKey, StartsPuzzleTwoWithItsNumberTitleAndBar) {
    ScriptedGame before(traxolumbine_puzzles());
    before.run();
    EXPECT_EQ(before.text(6, 2, 7), "GAME #1");
    EXPECT_EQ(before.console().title(), kLowerRightTitle);
    expect_target_bar(before, 12, kYellow);

    ScriptedGame game(traxolumbine_puzzles());
    game.type("2");  // block 2 down
    game.type(GetParam());
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.text(6, 2, 7), "GAME #2");
    EXPECT_TRUE(game.span_has_attribute(6, 2, 7, attribute_of(kLightCyan, kBlack)));
    EXPECT_EQ(game.console().title(), kUpperRightTitle);
    expect_target_bar(game, 2, kYellow);
    expect_layout(game, kTraxolumbineStart, kTraxolumbineFree);
    expect_fresh_prompt_line(game);
    EXPECT_EQ(game.sound_log(), "ding2");
}

INSTANTIATE_TEST_SUITE_P(EitherCase, GameSwitchKey, ::testing::Values("G", "g"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "g" ? "LowerG" : "UpperG";
                         });

TEST(GameSwitch, ASecondGReturnsToPuzzleOne) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("gG");
    game.run();
    EXPECT_EQ(game.text(6, 2, 7), "GAME #1");
    EXPECT_EQ(game.console().title(), kLowerRightTitle);
    expect_target_bar(game, 12, kYellow);
    expect_layout(game, kTraxolumbineStart, kTraxolumbineFree);
    EXPECT_EQ(game.sound_log(), "ding2 ding2");
}

// The stored 41-move solution of puzzle 1 typed by hand: every move as its
// block key and then its arrow. A block with one way to go moves at the key,
// and the arrow that follows is refused with a beep at the next prompt.
void type_lower_right_solution(ScriptedGame& game) {
    const std::vector<std::string> moves = {
        "2D", "2D", "1D", "1D", "9R", "3U", "3U", "4L", "1L", "1D", "9D", "7L", "7L", "8U",
        "5U", "6U", "2R", "2R", "1R", "1R", "9D", "7D", "8L", "8L", "5U", "6U", "1U", "1R",
        "9R", "4R", "3D", "3D", "8L", "7L", "5L", "6L", "1U", "1U", "2U", "2U", "9R",
    };
    for (const std::string& move : moves) {
        game.type(move.substr(0, 1));
        switch (move[1]) {
            case 'U':
                game.type_key(kUpKey);
                break;
            case 'R':
                game.type_key(kRightKey);
                break;
            case 'D':
                game.type_key(kDownKey);
                break;
            case 'L':
                game.type_key(kLeftKey);
                break;
        }
    }
}

TEST(GameSwitch, ASecondGBringsBackTheLowerRightGoal) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("gg");
    type_lower_right_solution(game);
    EXPECT_EQ(game.run(), 0);  // the last arrow closes the congratulation
    EXPECT_EQ(game.text(kStatusRow, 31, 18), " CONGRATULATIONS! ");
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, 31, 18, attribute_of(kRed, kWhite)));
    EXPECT_NE(game.sound_log().find("done2"), std::string::npos);
}

TEST(GameSwitch, PuzzleTwoIsNotSolvedAtTheLowerRight) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("g");
    type_lower_right_solution(game);
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log().find("done2"), std::string::npos);
    // Block 9 stands at the lower right all the same.
    EXPECT_EQ(game.text(12, 46, 1), "┌");
    EXPECT_EQ(game.background(12, 46), 1);
    EXPECT_EQ(move_counter(game), "Moves: 41");
}

TEST(GameSwitch, IsNoCommandInBlockslideA) {
    ScriptedGame game(farnswog_puzzles());
    game.type("2g");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "beep2");
    EXPECT_EQ(move_counter(game), "Moves: 1");
    EXPECT_EQ(game.background(7, 46), 3);  // block 2 still moved
    EXPECT_EQ(game.console().title(), kFarnswogTitle);
}

// The face block's top-left corner and the literals that differ by program.
struct FaceBlock {
    int top;
    int left;
    std::string digit;
    std::string mouth_left;
    std::string mouth_right;
};
const FaceBlock kFarnswogFace = {7, 13, "0", "[", "]"};
const FaceBlock kTraxolumbineFace = {2, 13, "9", "{", "}"};

void expect_zombie(const ScriptedGame& game, const FaceBlock& face) {
    EXPECT_EQ(game.text(face.top + 2, face.left + 7, 7), " ╓───╖ ");
    EXPECT_EQ(game.text(face.top + 3, face.left + 7, 7), "┌┘φ φ└┐");
    EXPECT_EQ(game.text(face.top + 4, face.left + 7, 7), "└┐ " + face.digit + " ┌┘");
    EXPECT_EQ(game.text(face.top + 5, face.left + 8, 5),
              "│" + face.mouth_left + "Ω" + face.mouth_right + "│");
    EXPECT_EQ(game.text(face.top + 6, face.left + 8, 5), "└┬─┬┘");
    EXPECT_EQ(game.text(face.top + 7, face.left + 6, 9), "/≈≈≈≈≈≈≈\\");
}

void expect_nice_man(const ScriptedGame& game, const FaceBlock& face) {
    EXPECT_EQ(game.text(face.top + 2, face.left + 7, 7), "╓≈≈≈≈≈╖");
    EXPECT_EQ(game.text(face.top + 4, face.left + 6, 9), "└╕  " + face.digit + "  ╒┘");
}

struct RestartAfterFace {
    std::string name;
    bool traxolumbine;
    std::function<void(ScriptedGame&)> restart;
};

void PrintTo(const RestartAfterFace& restart, std::ostream* out) {
    *out << restart.name;
}

class FaceStyle : public ::testing::TestWithParam<RestartAfterFace> {
protected:
    const PuzzleSet& puzzles() const {
        return GetParam().traxolumbine ? traxolumbine_puzzles() : farnswog_puzzles();
    }
    const FaceBlock& face() const {
        return GetParam().traxolumbine ? kTraxolumbineFace : kFarnswogFace;
    }
};

TEST_P(FaceStyle, TheZombieSurvivesTheRestart) {
    ScriptedGame game(puzzles());
    game.type("f");
    GetParam().restart(game);
    EXPECT_EQ(game.run(), std::nullopt);
    expect_layout(game, GetParam().traxolumbine ? kTraxolumbineStart : kFarnswogStart,
                  GetParam().traxolumbine ? kTraxolumbineFree : kFarnswogFree);
    expect_fresh_prompt_line(game);
    expect_zombie(game, face());
}

TEST_P(FaceStyle, WithoutFTheRestartShowsTheNiceMan) {
    ScriptedGame game(puzzles());
    GetParam().restart(game);
    EXPECT_EQ(game.run(), std::nullopt);
    expect_nice_man(game, face());
}

TEST_P(FaceStyle, ASecondFBeforeTheRestartGivesTheNiceManBack) {
    ScriptedGame game(puzzles());
    game.type("fF");
    GetParam().restart(game);
    EXPECT_EQ(game.run(), std::nullopt);
    expect_nice_man(game, face());
}

INSTANTIATE_TEST_SUITE_P(
    EachRestart, FaceStyle,
    ::testing::Values(
        RestartAfterFace{"Redo", false, [](ScriptedGame& game) { game.type("r"); }},
        RestartAfterFace{"Help", false, [](ScriptedGame& game) { game.type("hx"); }},
        RestartAfterFace{"Auto", false,
                         [](ScriptedGame& game) {
                             game.type("a");
                             game.console().type_at(100, "x");  // stops after the first move
                         }},
        RestartAfterFace{"RedoInBlockslideB", true, [](ScriptedGame& game) { game.type("2r"); }},
        RestartAfterFace{"GameInBlockslideB", true, [](ScriptedGame& game) { game.type("g"); }},
        RestartAfterFace{"HelpInBlockslideB", true, [](ScriptedGame& game) { game.type("h "); }}),
    [](const ::testing::TestParamInfo<RestartAfterFace>& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide
