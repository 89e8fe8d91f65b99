// The move history in whole games of blockslide-a: Back takes moves back one
// by one and counts as a move, Last flashes the block moved last, both only
// beep on an empty history, and the history keeps the most recent 1000 moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/keys.h"
#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/screen_checks.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

// Three moves from the start, each its block's only way.
constexpr std::string_view kThreeMoves = "2L 1D 6R";

TEST(BackCommand, TakesBackEachMoveInTurnCountingItAndOnlyBeepsOnceNoneIsLeft) {
    for (int backs = 1; backs <= 4; ++backs) {
        SCOPED_TRACE(std::to_string(backs) + " backs");
        ShadowedGame game(farnswog());
        game.play(kThreeMoves);
        game.play(repeated_with_blanks(backs % 2 == 0 ? "b" : "B", backs));
        ASSERT_EQ(game.run(), std::nullopt);
        // After three backs the box and the board are as at the start (left
        // of the bar, which turned gray at the first key).
        const Region box_left_of_the_bar{kBoxTop, 1, kBoxBottom, kTargetBarColumn - 1};
        EXPECT_EQ(game_screen(game.board(), 1, kYellow)
                      .differences(game.game().screen(), box_left_of_the_bar),
                  "");
        EXPECT_EQ(move_counter(game.game().screen()), counter_after(3 + std::min(backs, 3)));
        EXPECT_EQ(game.game().attribute(kStatusRow, kMoveCounterColumn), kMoveCounterAttribute);
        EXPECT_EQ(game.game().sound_log(), backs == 4 ? "beep2" : "");
    }
}

TEST(BackCommand, MovesABlockThatWentRightBackLeftAndBlanksTheColumnItLeaves) {
    ShadowedGame game(farnswog());
    game.play("9R b");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(2));
}

TEST(BackCommand, AtTheDirectionPromptCancelsThePreviousMoveAndBlanksThePrompt) {
    // After 2 left, block 3 can go up or left: "3" asks for a direction.
    ShadowedGame asking(farnswog());
    asking.play("2L");
    asking.game().type("3");
    ASSERT_EQ(asking.run(), std::nullopt);
    ASSERT_TRUE(shows(asking.game().screen(), kDirectionPrompt));

    ShadowedGame backed(farnswog());
    backed.play("2L");
    backed.game().type("3");
    backed.play("b");
    ASSERT_EQ(backed.run(), std::nullopt);
    EXPECT_EQ(backed.board_differences(), "");
    EXPECT_TRUE(status_line_blank(backed.game().screen()));
    EXPECT_EQ(move_counter(backed.game().screen()), counter_after(2));
    EXPECT_EQ(backed.game().sound_log(), "");

    // The history is empty again: one more B only beeps.
    ShadowedGame emptied(farnswog());
    emptied.play("2L");
    emptied.game().type("3");
    emptied.play("b b");
    ASSERT_EQ(emptied.run(), std::nullopt);
    EXPECT_EQ(emptied.game().sound_log(), "beep2");
    EXPECT_EQ(emptied.board_differences(), "");
}

// The flashes of block `number` in red on white, the L highlight.
std::vector<Flash> last_block_flashes(ShadowedGame& game, int number) {
    return flashes(game.game().console().frames(),
                   expected_block(game.board(), number, kRed, kWhite), expected_board(game.board()),
                   region_of(game.board().block(number)));
}

TEST(LastCommand, FlashesTheMovedBlockRedOnWhiteFor200MsWithoutMovingIt) {
    ShadowedGame game(farnswog());
    game.game().console().record_frames(true);
    game.play("2L");
    game.game().type("L");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(last_block_flashes(game, 2), (std::vector<Flash>{{0, kFlashMs}}));
    EXPECT_EQ(game.game().now_ms(), kFlashMs);
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(1));
    EXPECT_EQ(game.game().sound_log(), "");
}

TEST(LastCommand, AfterBackFlashesTheBlockOfTheMoveBefore) {
    ShadowedGame game(farnswog());
    game.game().console().record_frames(true);
    game.play("2L 1D b");
    game.game().type("l");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(last_block_flashes(game, 2), (std::vector<Flash>{{0, kFlashMs}}));
    EXPECT_TRUE(last_block_flashes(game, 1).empty());
    EXPECT_EQ(game.game().now_ms(), kFlashMs);
    EXPECT_EQ(game.board_differences(), "");
}

TEST(HistoryCommands, LastAndBackRightAfterTheStartOnlyBeep) {
    ShadowedGame game(farnswog());
    game.game().type("Lb");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "beep2 beep2");
    EXPECT_EQ(game.game().now_ms(), 0);  // no flash
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), "");
}

// ---------------------------------------------------------------------------
// A long game: block 9 slides right and back 500 times (the start layout
// again), then 2 left; block 1 slides down and up 499 times; then 3 left
// (chosen with an arrow) and 1 down. 3001 moves, the last 1000 of them from
// the layout with only block 2 moved.

constexpr int kHistoryCapacity = 1000;
constexpr int kLongGameMoves = 3001;

std::string long_game() {
    return repeated_with_blanks("9R 9L", 1000) + " 2L " + repeated_with_blanks("1D 1U", 499) +
           " 3L 1D";
}

TEST(LongHistory, BackTakesBackTheNewestMovesOneByOne) {
    for (int backs = 0; backs <= 3; ++backs) {
        SCOPED_TRACE(backs);
        ShadowedGame game(farnswog());
        game.play(long_game());
        game.play(repeated_with_blanks("B", backs));
        ASSERT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(game.board_differences(), "");
        EXPECT_EQ(move_counter(game.game().screen()), counter_after(kLongGameMoves + backs));
        EXPECT_EQ(game.game().sound_log(), "");
    }
}

TEST(LongHistory, KeepsTheNewest1000MovesSoExactly1000BacksSucceed) {
    ShadowedGame game(farnswog());
    game.play(long_game());
    game.play(repeated_with_blanks("B", kHistoryCapacity));
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.game().sound_log(), "");
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(4001));

    ShadowedGame one_more(farnswog());
    one_more.play(long_game());
    one_more.play(repeated_with_blanks("B", kHistoryCapacity));
    one_more.game().type("B");
    ASSERT_EQ(one_more.run(), std::nullopt);
    EXPECT_EQ(one_more.game().sound_log(), "beep2");
    EXPECT_EQ(one_more.board_differences(), "");
    EXPECT_EQ(move_counter(one_more.game().screen()), counter_after(4001));
}

// Auto-play of the 118 stored moves on top of a full history of 1000 records.
void start_auto_play_on_a_full_history(ShadowedGame& game) {
    game.play(repeated_with_blanks("9R 9L", kHistoryCapacity / 2));
    game.game().type("A");
    game.board().lay_out_start();
    game.board().play_all(farnswog().puzzle(1).solution);
}

TEST(LongHistory, AutoPlayOnAFullHistoryReplaysTheSolutionAndThenStartsAfresh) {
    const int moves = farnswog().puzzle(1).solution_length;
    ShadowedGame replaying(farnswog());
    start_auto_play_on_a_full_history(replaying);
    ASSERT_EQ(replaying.run(), std::nullopt);
    EXPECT_EQ(replaying.board_differences(), "");
    EXPECT_EQ(move_counter(replaying.game().screen()), counter_after(moves));
    EXPECT_TRUE(shows(replaying.game().screen(), kAnyKey));
    EXPECT_EQ(replaying.game().now_ms(), replay_end_time(moves));

    // A key in the pause after the last move ends it; the fresh start has an
    // empty history.
    ShadowedGame after(farnswog());
    start_auto_play_on_a_full_history(after);
    after.game().console().type_at(replay_move_time(moves) + kReplayPauseMs / 2, "x");
    after.board().start_over();
    after.game().type("B");
    ASSERT_EQ(after.run(), std::nullopt);
    EXPECT_EQ(after.game().sound_log(), "ding2 ding2 beep2");
    EXPECT_EQ(after.board_differences(), "");
    EXPECT_EQ(move_counter(after.game().screen()), "");
}

}  // namespace
}  // namespace blockslide::testing
