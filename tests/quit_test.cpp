// The quit question in whole games: Q and Esc at the direction prompt ask it,
// N (either case) goes on where play stood, every other answer ends the
// program with exit code 0.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide {
namespace {

using testing::ScriptedGame;

constexpr int kBlack = 0;
constexpr int kMagenta = 5;
constexpr int kLightCyan = 11;
constexpr int kWhite = 15;

constexpr int attribute_of(int foreground, int background) {
    return foreground + 16 * background;
}

constexpr int kStatusRow = 24;
constexpr int kStatusBlankColumn = 13;
constexpr int kStatusBlankWidth = 50;
constexpr int kCounterColumn = 69;

constexpr std::string_view kQuestion = " Do you wish to quit the game? (Y/n) ";
constexpr int kQuestionColumn = 22;  // 40 - 37 / 2
constexpr int kQuestionLength = 37;

// Places of block 2 and block 3 of blockslide-a (top row, left column).
constexpr int kBlock2Row = 7;
constexpr int kBlock2StartColumn = 57;
constexpr int kBlock2MovedColumn = 46;
constexpr int kBlock3Row = 12;
constexpr int kBlock3Column = 57;

// The body colour at a block's top-left cell: which block stands there.
int body_at(const ScriptedGame& game, int row, int column) {
    return game.background(row, column);
}
constexpr int kBlock2Body = 3;
constexpr int kBlock3Body = 2;

std::string move_counter(const ScriptedGame& game) {
    std::string text = game.text(kStatusRow, kCounterColumn, 80 - kCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void expect_status_line_blank(const ScriptedGame& game) {
    EXPECT_EQ(game.text(kStatusRow, kStatusBlankColumn, kStatusBlankWidth),
              std::string(kStatusBlankWidth, ' '));
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kStatusBlankColumn, kStatusBlankWidth, 0));
}

void expect_question_shown(const ScriptedGame& game) {
    EXPECT_EQ(game.text(kStatusRow, kQuestionColumn, kQuestionLength), kQuestion);
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kQuestionColumn, kQuestionLength,
                                        attribute_of(kMagenta, kWhite)));
    EXPECT_NE(game.attribute(kStatusRow, kQuestionColumn - 1), attribute_of(kMagenta, kWhite));
    EXPECT_NE(game.attribute(kStatusRow, kQuestionColumn + kQuestionLength),
              attribute_of(kMagenta, kWhite));
    EXPECT_TRUE(game.screen().cursor_visible());
    EXPECT_EQ(game.screen().cursor_row(), kStatusRow);
    EXPECT_EQ(game.screen().cursor_column(), kQuestionColumn + kQuestionLength);
}

TEST(QuitQuestion, QAsksInMagentaOnWhiteWithTheCursorShownAndADing) {
    ScriptedGame game(farnswog_puzzles());
    game.run();
    ASSERT_FALSE(game.screen().cursor_visible());  // hidden while the board is shown

    ScriptedGame asking(farnswog_puzzles());
    asking.type("2Q");
    EXPECT_EQ(asking.run(), std::nullopt);  // waiting for the answer
    expect_question_shown(asking);
    EXPECT_EQ(asking.sound_log(), "ding2");
    EXPECT_EQ(move_counter(asking), "Moves: 1");
}

class AnswerNo : public ::testing::TestWithParam<std::string> {};

TEST_P(AnswerNo, BlanksTheQuestionAndPlayGoesOnWithTheNextCommand) {
    ScriptedGame game(farnswog_puzzles());
    game.type("2q");
    game.type(GetParam());
    EXPECT_EQ(game.run(), std::nullopt);
    expect_status_line_blank(game);
    EXPECT_FALSE(game.screen().cursor_visible());
    EXPECT_EQ(move_counter(game), "Moves: 1");
    EXPECT_EQ(game.attribute(kStatusRow, kCounterColumn), attribute_of(kLightCyan, kBlack));
    EXPECT_EQ(body_at(game, kBlock2Row, kBlock2MovedColumn), kBlock2Body);

    // The next key is an ordinary command: B takes block 2 back.
    ScriptedGame going_on(farnswog_puzzles());
    going_on.type("2q");
    going_on.type(GetParam());
    going_on.type("B");
    EXPECT_EQ(going_on.run(), std::nullopt);
    EXPECT_EQ(body_at(going_on, kBlock2Row, kBlock2StartColumn), kBlock2Body);
    EXPECT_EQ(move_counter(going_on), "Moves: 2");
    EXPECT_EQ(going_on.sound_log(), "ding2");
}

INSTANTIATE_TEST_SUITE_P(EitherCase, AnswerNo, ::testing::Values("n", "N"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "n" ? "LowerN" : "UpperN";
                         });

TEST(QuitQuestion, EscAtTheDirectionPromptAsksAndNAbandonsTheChosenBlock) {
    // After 2 left, block 3 can go up or left, so "3" asks for an arrow.
    ScriptedGame asking(farnswog_puzzles());
    asking.type("23");
    asking.type_key(kEscapeKey);
    EXPECT_EQ(asking.run(), std::nullopt);
    expect_question_shown(asking);
    EXPECT_EQ(asking.sound_log(), "ding2");

    ScriptedGame game(farnswog_puzzles());
    game.type("23");
    game.type_key(kEscapeKey);
    game.type("n");
    // The block choice is gone: an arrow now is no direction, only a beep.
    game.type_key(kUpKey);
    // The next command runs without the question coming back.
    game.type("b");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "ding2 beep2");
    expect_status_line_blank(game);
    EXPECT_FALSE(game.screen().cursor_visible());
    EXPECT_EQ(body_at(game, kBlock3Row, kBlock3Column), kBlock3Body);
    EXPECT_EQ(body_at(game, kBlock2Row, kBlock2StartColumn), kBlock2Body);
    EXPECT_EQ(move_counter(game), "Moves: 2");
}

struct QuitAnswer {
    std::string name;
    std::string key;
};

void PrintTo(const QuitAnswer& answer, std::ostream* out) {
    *out << answer.name;
}

class AnswerOtherThanNo : public ::testing::TestWithParam<QuitAnswer> {};

TEST_P(AnswerOtherThanNo, EndsTheProgramWithExitCodeZero) {
    ScriptedGame game(farnswog_puzzles());
    game.type("2Q");
    game.type_key(GetParam().key);
    game.type("b");  // never read
    EXPECT_EQ(game.run(), 0);
    EXPECT_EQ(game.console().keys_left(), 1u);
    // The screen keeps the question and the cursor.
    expect_question_shown(game);
    EXPECT_EQ(game.sound_log(), "ding2");
}

INSTANTIATE_TEST_SUITE_P(DefaultIsYes, AnswerOtherThanNo,
                         ::testing::Values(QuitAnswer{"Enter", kEnterKey}, QuitAnswer{"Space", " "},
                                           QuitAnswer{"Esc", kEscapeKey}, QuitAnswer{"UpperY", "Y"},
                                           QuitAnswer{"LowerY", "y"}, QuitAnswer{"Digit", "2"},
                                           QuitAnswer{"DownArrow", kDownKey},
                                           QuitAnswer{"LeftArrow", kLeftKey}),
                         [](const ::testing::TestParamInfo<QuitAnswer>& info) {
                             return info.param.name;
                         });

TEST(QuitQuestion, AnsweredYesAfterEscAtTheDirectionPromptEndsTheProgram) {
    ScriptedGame game(farnswog_puzzles());
    game.type("23");
    game.type_key(kEscapeKey);
    game.type_key(kEnterKey);
    EXPECT_EQ(game.run(), 0);
}

TEST(QuitQuestion, AsksTheSameInBlockslideB) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("q");
    EXPECT_EQ(game.run(), std::nullopt);
    expect_question_shown(game);
    EXPECT_EQ(game.sound_log(), "ding2");

    ScriptedGame answered(traxolumbine_puzzles());
    answered.type("qN");
    EXPECT_EQ(answered.run(), std::nullopt);
    expect_status_line_blank(answered);
    EXPECT_FALSE(answered.screen().cursor_visible());
}

}  // namespace
}  // namespace blockslide
