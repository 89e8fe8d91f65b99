// The auto-play demonstration on the virtual clock: the redraw with the gray
// bar and the caption, 500 ms before the first move and 750 ms after each, a
// key stopping it between moves, the closing flashes and "<any key>", and
// the fresh start that always follows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

TEST(AutoPlay, DingsAndRedrawsTheStartWithAGrayBarAndTheCaption) {
    // After a manual move the history is not emptied first, so the face is
    // drawn in the colours of a game with moves.
    for (std::string_view before : {"", "2L"}) {
        SCOPED_TRACE(before);
        ShadowedGame game(farnswog(), before);
        game.console().record_frames(true);
        game.type("A");
        game.board.lay_out_start();
        game.run();

        const auto* redrawn = game.frame_showing(kAutoPlayCaption);
        ASSERT_NE(redrawn, nullptr);
        EXPECT_EQ(redrawn->at_ms, 0);
        ExpectedScreen expected = game.start_screen(kLightGray);
        expected.put_status(kAutoPlayCaption);  // over "Select your first move"
        EXPECT_EQ(expected.differences(redrawn->screen), "");
        EXPECT_EQ(game.sound_log(), "ding2");
        EXPECT_EQ(game.console().sounds().front().at_ms, 0);
    }
}

class CompleteReplay : public ::testing::TestWithParam<PuzzleOfProgram> {};

TEST_P(CompleteReplay, MakesEveryStoredMoveFlashesThreeTimesAndStartsAfreshAtAKey) {
    const ProgramFacts& program = *GetParam().program;
    const PuzzleFacts& puzzle = *GetParam().puzzle;
    const int moves = puzzle.solution_length;
    ShadowedGame game(program, puzzle.choosing_keys);
    game.console().record_frames(true);
    game.type("a");
    // Typed in the pause after the last move: not seen by the replay, it
    // ends the wait after the flashes at once.
    game.console().type_at(replay_move_time(moves) + kReplayPauseMs / 2, "x");
    game.board.lay_out_start();
    EXPECT_EQ(game.run(), std::nullopt);
    const auto& frames = game.console().frames();

    // The first frame counting move k shows the board after k stored moves,
    // with the caption still there.
    std::size_t frame = 0;
    int k = 0;
    for (std::string_view move : split_moves(puzzle.solution)) {
        game.board.play(move);
        SCOPED_TRACE("move " + std::to_string(++k) + " " + std::string(move));
        while (frame < frames.size() && move_counter(frames[frame].screen) != counter_after(k)) {
            ++frame;
        }
        ASSERT_LT(frame, frames.size());
        EXPECT_EQ(frames[frame].at_ms, replay_move_time(k));
        EXPECT_EQ(game.board.expected_board().differences(frames[frame].screen, kBoardInterior),
                  "");
        EXPECT_TRUE(shows(frames[frame].screen, kAutoPlayCaption));
    }
    ASSERT_EQ(k, moves);
    EXPECT_EQ(game.start_screen(kLightGray).differences(frames[frame].screen, kTargetBar), "");

    const std::int64_t last_pause_over = replay_move_time(moves) + kReplayPauseMs;
    EXPECT_EQ(game.flashes_of(program.face_block, 0, kWhite),
              flash_series(last_pause_over, 3, 2 * kFlashMs));
    // "<any key>" alone on the status line, over the last replayed position.
    const auto* waiting = game.frame_showing(kAnyKey);
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->at_ms, replay_end_time(moves));
    EXPECT_EQ(move_counter(waiting->screen), counter_after(moves));
    EXPECT_EQ(game.board.expected_board().differences(waiting->screen, kBoardInterior), "");
    EXPECT_EQ(status_line_differences(waiting->screen, &kAnyKey), "");

    // Then "ding2" and the fresh start, never the congratulation.
    EXPECT_EQ(game.now_ms(), replay_end_time(moves));
    EXPECT_EQ(game.console().sounds().back().at_ms, replay_end_time(moves));
    EXPECT_EQ(game.sound_log(), puzzle.choosing_keys.empty() ? "ding2 ding2" : "ding2 ding2 ding2");
    EXPECT_EQ(game.frame_showing(kCongratulation), nullptr);
    game.board.start_over();
    EXPECT_EQ(game.start_screen(kYellow).differences(game.screen()), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, CompleteReplay, ::testing::ValuesIn(every_puzzle()),
                         puzzle_name);

TEST(StoppedReplay, StopsBetweenMovesWithoutFlashesAndStartsAfresh) {
    struct Stop {
        std::int64_t typed_at_ms;
        int moves_made;
        std::int64_t stopped_at_ms;
    };
    const std::vector<std::string_view> solution = split_moves(farnswog().puzzle(1).solution);
    // A key in the first 500 ms is seen only after move 1 and its pause.
    for (const Stop& stop :
         {Stop{100, 1, replay_move_time(2)}, Stop{replay_move_time(2), 1, replay_move_time(2)},
          Stop{replay_move_time(4) + 250, 4, replay_move_time(5)}}) {
        SCOPED_TRACE(stop.typed_at_ms);
        ShadowedGame game(farnswog());
        game.console().record_frames(true);
        game.type("A");
        game.console().type_at(stop.typed_at_ms, "x");
        game.board.lay_out_start();
        for (int k = 0; k < stop.moves_made; ++k) game.board.play(solution[k]);
        const ExpectedScreen board_when_stopped = game.board.expected_board();
        game.board.clear_history();
        game.board.start_over();
        game.play("2L");  // a manual move in the fresh game clears the status line
        EXPECT_EQ(game.run(), std::nullopt);

        EXPECT_EQ(game.now_ms(), stop.stopped_at_ms);
        EXPECT_EQ(game.console().sounds().back().at_ms, stop.stopped_at_ms);
        const auto* last_replayed = game.frame_showing(kAutoPlayCaption, true);
        ASSERT_NE(last_replayed, nullptr);
        EXPECT_EQ(last_replayed->at_ms, stop.stopped_at_ms);
        EXPECT_EQ(move_counter(last_replayed->screen), counter_after(stop.moves_made));
        EXPECT_EQ(board_when_stopped.differences(last_replayed->screen, kBoardInterior), "");
        EXPECT_EQ(game.frame_showing(kAnyKey), nullptr);
        EXPECT_TRUE(game.matches("ding2 ding2"));
        EXPECT_EQ(status_line_differences(game.screen(), kBlankStatus), "");
    }
}

TEST(StoppedReplay, AKeyAlreadyPendingWhenAutoPlayStartsIsDiscarded) {
    ScriptedGame game(farnswog().puzzle_set());
    game.type("Ax");
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.now_ms(), replay_end_time(farnswog().puzzle(1).solution_length));
    EXPECT_TRUE(shows(game.screen(), kAnyKey));
    EXPECT_EQ(game.sound_log(), "ding2");
    EXPECT_EQ(game.console().keys_left(), 0u);
}

}  // namespace
}  // namespace blockslide::testing
