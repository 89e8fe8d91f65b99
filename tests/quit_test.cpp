// Leaving the game: Q and Esc at the direction prompt ask the quit question,
// N (either case) goes on where play stood, every other answer ends the
// program with exit code 0, and Esc while choosing a block ends it at once.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "console/keys.h"
#include "tests/game_facts.h"
#include "tests/screen_checks.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

void expect_question_shown(const ScriptedGame& game) {
    const ScreenModel& screen = game.screen();
    EXPECT_TRUE(shows(screen, kQuitQuestion));
    EXPECT_NE(game.attribute(kStatusRow, kQuitQuestion.column - 1), kQuitQuestion.attribute);
    EXPECT_NE(game.attribute(kStatusRow, kQuitQuestion.column + kQuitQuestion.length()),
              kQuitQuestion.attribute);
    // The cursor blinks on the cell after the question.
    EXPECT_TRUE(screen.cursor_visible());
    EXPECT_EQ(screen.cursor_row(), kStatusRow);
    EXPECT_EQ(screen.cursor_column(), kQuitQuestion.column + kQuitQuestion.length());
}

void expect_question_removed(const ScriptedGame& game) {
    EXPECT_TRUE(status_line_blank(game.screen()));
    EXPECT_FALSE(game.screen().cursor_visible());
}

TEST(QuitQuestion, QAsksInMagentaOnWhiteWithTheCursorShownAndADing) {
    ShadowedGame game(farnswog());
    game.play("2L");
    game.game().type("Q");
    EXPECT_EQ(game.run(), std::nullopt);  // waiting for the answer
    expect_question_shown(game.game());
    EXPECT_EQ(game.game().sound_log(), "ding2");
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(1));
}

class AnswerNo : public ::testing::TestWithParam<std::string> {};

TEST_P(AnswerNo, BlanksTheQuestionAndPlayGoesOnWithTheNextCommand) {
    ShadowedGame game(farnswog());
    game.play("2L");
    game.game().type("q" + GetParam());
    EXPECT_EQ(game.run(), std::nullopt);
    expect_question_removed(game.game());
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(1));
    EXPECT_EQ(game.game().attribute(kStatusRow, kMoveCounterColumn), kMoveCounterAttribute);
    EXPECT_EQ(game.board_differences(), "");

    // The next key is an ordinary command: B takes block 2 back.
    ShadowedGame going_on(farnswog());
    going_on.play("2L");
    going_on.game().type("q" + GetParam());
    going_on.play("B");
    EXPECT_EQ(going_on.run(), std::nullopt);
    EXPECT_EQ(going_on.board_differences(), "");
    EXPECT_EQ(move_counter(going_on.game().screen()), counter_after(2));
    EXPECT_EQ(going_on.game().sound_log(), "ding2");
}

INSTANTIATE_TEST_SUITE_P(EitherCase, AnswerNo, ::testing::Values("n", "N"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "n" ? "LowerN" : "UpperN";
                         });

TEST(QuitQuestion, EscAtTheDirectionPromptAsksAndNAbandonsTheChosenBlock) {
    // After 2 left, block 3 can go up or left, so "3" asks for an arrow.
    ShadowedGame asking(farnswog());
    asking.play("2L");
    asking.game().type("3");
    asking.game().type_key(kEscapeKey);
    EXPECT_EQ(asking.run(), std::nullopt);
    expect_question_shown(asking.game());
    EXPECT_EQ(asking.game().sound_log(), "ding2");
    EXPECT_EQ(asking.board_differences(), "");

    ShadowedGame game(farnswog());
    game.play("2L");
    game.game().type("3");
    game.game().type_key(kEscapeKey);
    game.game().type("n");
    // The block choice is gone: an arrow now is no direction, only a beep.
    game.game().type_key(kUpKey);
    // The next command runs without the question coming back.
    game.play("b");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "ding2 beep2");
    expect_question_removed(game.game());
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(2));
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
    ScriptedGame game(farnswog().puzzle_set());
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
    ScriptedGame game(farnswog().puzzle_set());
    game.type("23");
    game.type_key(kEscapeKey);
    game.type_key(kEnterKey);
    EXPECT_EQ(game.run(), 0);
}

TEST(QuitQuestion, AsksTheSameInBlockslideB) {
    ScriptedGame game(traxolumbine().puzzle_set());
    game.type("q");
    EXPECT_EQ(game.run(), std::nullopt);
    expect_question_shown(game);
    EXPECT_EQ(game.sound_log(), "ding2");

    ScriptedGame answered(traxolumbine().puzzle_set());
    answered.type("qN");
    EXPECT_EQ(answered.run(), std::nullopt);
    expect_question_removed(answered);
}

// ---------------------------------------------------------------------------
// Esc while choosing a block ends the game at once.

TEST(EscapeAtTheFirstPrompt, EndsWithExitCodeZeroAndNoQuestion) {
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        ScriptedGame game(program->puzzle_set());
        game.type_key(kEscapeKey);
        game.type("y");  // would answer a question, if one were asked
        EXPECT_EQ(game.run(), 0);
        EXPECT_EQ(game.sound_log(), "");
        EXPECT_EQ(game.console().keys_left(), 1u);
        EXPECT_TRUE(shows(game.screen(), kFirstPrompt));
    }
}

TEST(EscapeAtTheFirstPrompt, EndsTheGameAfterMovesToo) {
    ScriptedGame game(farnswog().puzzle_set());
    game.type("2");
    game.type_key(kEscapeKey);
    EXPECT_EQ(game.run(), 0);
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_TRUE(status_line_blank(game.screen()));
}

}  // namespace
}  // namespace blockslide::testing
