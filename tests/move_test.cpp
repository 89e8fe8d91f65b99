// Choosing and moving blocks from the keyboard in both programs: one-way and
// two-way blocks, the direction prompt, refusals with their sound and flash,
// the strip a block leaves and the move counter.
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <string_view>
#include <vector>

#include "console/keys.h"
#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/screen_checks.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

// The first `count` moves of a listing.
std::string_view first_moves(std::string_view listing, int count) {
    return listing.substr(0, 3 * count - 1);
}

// ---------------------------------------------------------------------------
// A block with one way to go moves at its key.

TEST(OneWayMove, EachMoveLegalAtTheStartNeedsOnlyTheBlockKey) {
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        for (std::string_view move : program->start_moves) {
            SCOPED_TRACE(std::string(move));
            ShadowedGame game(*program);
            ASSERT_EQ(game.board().play(move).size(), 1u);
            game.game().type(move.substr(0, 1));
            ASSERT_EQ(game.run(), std::nullopt);
            EXPECT_EQ(game.game().sound_log(), "");
            EXPECT_EQ(game.board_differences(), "");
            // The move blanks "Select your first move".
            EXPECT_TRUE(status_line_blank(game.game().screen()));
        }
    }
}

// ---------------------------------------------------------------------------
// A block with two ways to go. In TRAXOLUMBINE, after 2 down, 2 down and
// 1 down, block 1 stands between two free cells: it can go up or down.

class TwoWayMove : public ::testing::Test {
protected:
    TwoWayMove() : game_(traxolumbine()) {
        game_.play("2D 2D 1D");
        EXPECT_EQ(game_.board().legal_directions(1), kUp | kDown);
        game_.game().type("1");
    }
    const ScreenModel& screen() const { return game_.game().screen(); }

    ShadowedGame game_;
};

TEST_F(TwoWayMove, BlockKeyAsksForADirectionAndMovesNothing) {
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_TRUE(shows(screen(), kDirectionPrompt));
    EXPECT_EQ(game_.board_differences(), "");
    EXPECT_EQ(move_counter(screen()), counter_after(3));
    EXPECT_EQ(game_.game().sound_log(), "");
}

TEST_F(TwoWayMove, ArrowMovesTheBlockAndBlanksThePrompt) {
    for (const auto& [arrow, move] : {std::pair{kUpKey, "1U"}, std::pair{kDownKey, "1D"}}) {
        SCOPED_TRACE(move);
        ShadowedGame game(traxolumbine());
        game.play("2D 2D 1D");
        EXPECT_EQ(game.board().play(move), (std::vector<std::string>{"1", arrow}));
        game.game().type_keys({"1", arrow});
        ASSERT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(game.board_differences(), "");
        EXPECT_TRUE(status_line_blank(game.game().screen()));
        EXPECT_EQ(move_counter(game.game().screen()), counter_after(4));
        EXPECT_EQ(game.game().sound_log(), "");
    }
}

TEST_F(TwoWayMove, RefusedKeysBeepFlashTheBlockWhiteAndKeepThePrompt) {
    // Left and right are blocked; X is no command; 0 is no block here.
    game_.game().type_keys({kLeftKey, kRightKey, "X", kEnterKey, "0"});
    constexpr int kRefusals = 5;
    game_.game().console().record_frames(true);
    ASSERT_EQ(game_.run(), std::nullopt);

    EXPECT_EQ(game_.game().sound_log(), repeated_with_blanks("beep2", kRefusals));
    EXPECT_TRUE(shows(screen(), kDirectionPrompt));
    EXPECT_EQ(game_.board_differences(), "");
    EXPECT_EQ(game_.game().now_ms(), kRefusals * kFlashMs);
    // Outline, fill and label all white on white for 200 ms each time.
    std::vector<Flash> expected;
    for (int i = 0; i < kRefusals; ++i) expected.push_back({i * kFlashMs, (i + 1) * kFlashMs});
    EXPECT_EQ(flashes(game_.game().console().frames(),
                      expected_block(game_.board(), 1, kBlockInk, kWhite),
                      expected_board(game_.board()), region_of(game_.board().block(1))),
              expected);
}

TEST_F(TwoWayMove, LegalArrowAfterRefusalsStillMoves) {
    game_.game().type_keys({kRightKey, "x", kUpKey});
    game_.board().play("1U");
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.game().sound_log(), "beep2 beep2");
    EXPECT_EQ(game_.board_differences(), "");
    EXPECT_TRUE(status_line_blank(screen()));
}

TEST_F(TwoWayMove, CommandLetterAtThePromptIsCarriedOutAndLeavesThePromptText) {
    game_.play("f");
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.game().sound_log(), "");
    EXPECT_EQ(game_.board_differences(), "");
    EXPECT_TRUE(shows(screen(), kDirectionPrompt));
}

TEST_F(TwoWayMove, BlockKeyAtThePromptChoosesThatBlockInstead) {
    // Block 2 can only go up: it moves at once.
    game_.play("2U");
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.game().sound_log(), "");
    EXPECT_EQ(game_.board_differences(), "");
    EXPECT_TRUE(status_line_blank(screen()));
}

TEST_F(TwoWayMove, BlockedBlockAtThePromptIsRefusedAndEndsTheChoice) {
    ASSERT_EQ(game_.board().legal_directions(5), 0);
    game_.game().type("5");
    game_.game().type_key(kUpKey);  // at the first prompt again: no block moves
    game_.game().console().record_frames(true);
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.game().sound_log(), "beep2 beep2");
    EXPECT_EQ(
        flashes(game_.game().console().frames(), expected_block(game_.board(), 5, kBlue, kYellow),
                expected_board(game_.board()), region_of(game_.board().block(5))),
        (std::vector<Flash>{{0, kFlashMs}}));
    EXPECT_EQ(game_.game().now_ms(), kFlashMs);
    EXPECT_EQ(game_.board_differences(), "");
}

// ---------------------------------------------------------------------------
// A block that cannot move, and keys that choose nothing.

TEST(BlockedBlock, BeepsAndFlashesBlueOnYellowFor200Milliseconds) {
    // Block 5 (top left) and block 10, chosen with 0, are boxed in at the start.
    for (char key : {'5', '0'}) {
        SCOPED_TRACE(key);
        ShadowedGame game(farnswog());
        const int number = game.board().block_number(key);
        ASSERT_EQ(game.board().legal_directions(number), 0);
        game.game().type(std::string(1, key));
        game.game().console().record_frames(true);
        ASSERT_EQ(game.run(), std::nullopt);

        EXPECT_EQ(game.game().sound_log(), "beep2");
        EXPECT_EQ(game.game().now_ms(), kFlashMs);
        EXPECT_EQ(flashes(game.game().console().frames(),
                          expected_block(game.board(), number, kBlue, kYellow),
                          expected_board(game.board()), region_of(game.board().block(number))),
                  (std::vector<Flash>{{0, kFlashMs}}));
        EXPECT_EQ(game.board_differences(), "");
        // Nothing is written to explain the refusal.
        EXPECT_TRUE(shows(game.game().screen(), kFirstPrompt));
    }
}

TEST(RefusedKey, ZeroIsNoBlockInTraxolumbine) {
    ShadowedGame game(traxolumbine());
    game.game().type("0");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "beep2");
    EXPECT_EQ(game.game().now_ms(), 0);  // no flash
    EXPECT_EQ(game.board_differences(), "");
}

TEST(RefusedKey, NonCommandKeysAtTheFirstPromptOnlyBeep) {
    ShadowedGame game(farnswog());
    game.play("2L");
    game.game().type("xg");  // G is a command only in TRAXOLUMBINE
    game.game().type_keys({kEnterKey, kUpKey});
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "beep2 beep2 beep2 beep2");
    EXPECT_EQ(game.game().now_ms(), 0);
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(1));
    EXPECT_EQ(game.game().console().title(), farnswog().puzzle(1).title);
}

// ---------------------------------------------------------------------------
// The strip a block leaves is blanked; the rest of the board stays as it was.

struct StripCase {
    std::string_view name;
    const ProgramFacts& program;
    std::string_view moves_before;
    std::string_view move;
};

void PrintTo(const StripCase& strip, std::ostream* out) { *out << strip.name; }

class VacatedStrip : public ::testing::TestWithParam<StripCase> {};

TEST_P(VacatedStrip, IsBlankedBlackAndNothingElseChanges) {
    const StripCase& c = GetParam();
    ShadowedGame game(c.program);
    game.play(c.moves_before);
    game.play(c.move);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.board_differences(), "");
}

INSTANTIATE_TEST_SUITE_P(
    FourDirections, VacatedStrip,
    ::testing::Values(StripCase{"OneCellDown", farnswog(), "2L 3L", "1D"},
                      StripCase{"OneCellUp", farnswog(), "2L 3L 1D", "4U"},
                      // After 86 stored moves block 1 stands at column 13 with room on its right.
                      StripCase{"OneCellRightFromColumn13", farnswog(),
                                first_moves(farnswog().puzzle(1).solution, 86), "1R"},
                      StripCase{"TwoByTwoLeft", traxolumbine(), "2D 2D 1D 1D 9R", "9L"},
                      StripCase{"TwoByTwoRight", traxolumbine(), "2D 2D 1D 1D", "9R"},
                      StripCase{"TallLeft", traxolumbine(), "", "5L"},
                      StripCase{"WideRight", farnswog(), "2L 3L 1D 4U 8R 9D", "6R"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The move counter at row 24, column 69, light cyan on black; its trailing
// blanks run on into row 25.

struct CounterCase {
    int moves;
    std::string_view row_24;  // columns 69 to 80
    int blanks_on_row_25;
};

void PrintTo(const CounterCase& counter, std::ostream* out) { *out << counter.moves << " moves"; }

class MoveCounter : public ::testing::TestWithParam<CounterCase> {};

TEST_P(MoveCounter, ShowsTheCountWithBlanksAfterIt) {
    const CounterCase& c = GetParam();
    // TRAXOLUMBINE block 5 shuttles left and right, one way each time.
    ScriptedGame game(traxolumbine().puzzle_set());
    game.type(std::string(static_cast<std::size_t>(c.moves), '5'));
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_EQ(game.text(kStatusRow, kMoveCounterColumn, 12), c.row_24);
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kMoveCounterColumn, 12, kMoveCounterAttribute));
    EXPECT_EQ(game.text(25, 1, c.blanks_on_row_25), std::string(c.blanks_on_row_25, ' '));
    EXPECT_TRUE(game.span_has_attribute(25, 1, c.blanks_on_row_25, kMoveCounterAttribute));
    EXPECT_EQ(game.attribute(25, c.blanks_on_row_25 + 1), 0);
    EXPECT_EQ(game.attribute(kStatusRow, kMoveCounterColumn - 1), 0);
}

INSTANTIATE_TEST_SUITE_P(OneTwoAndThreeDigits, MoveCounter,
                         ::testing::Values(CounterCase{1, "Moves: 1    ", 2},
                                           CounterCase{12, "Moves: 12   ", 3},
                                           CounterCase{100, "Moves: 100  ", 4}),
                         [](const auto& info) { return std::to_string(info.param.moves); });

TEST(MoveCounterBeforeAnyMove, IsNotShown) {
    ScriptedGame game(traxolumbine().puzzle_set());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_TRUE(black_blanks(game.screen(), kStatusRow, kMoveCounterColumn, 12));
}

}  // namespace
}  // namespace blockslide::testing
