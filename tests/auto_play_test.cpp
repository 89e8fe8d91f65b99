// The auto-play demonstration in whole games, on the virtual clock: the
// redraw with the gray bar and the caption, 500 ms before the first move and
// 750 ms after each, a key stopping it between moves, the closing flashes and
// "<any key>", and the fresh start that always follows.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/screen_checks.h"
#include "tests/shadowed_game.h"

namespace blockslide::testing {
namespace {

using Frames = std::vector<ScriptedBackend::Frame>;

const ScriptedBackend::Frame* first_frame_showing_the_caption(const Frames& frames) {
    for (const auto& frame : frames) {
        if (shows(frame.screen, kAutoPlayCaption)) return &frame;
    }
    return nullptr;
}

bool any_frame_shows(const Frames& frames, std::string_view text) {
    for (const auto& frame : frames) {
        for (int row = 1; row <= kScreenRows; ++row) {
            if (text_at(frame.screen, row, 1, kScreenColumns).find(text) != std::string::npos) {
                return true;
            }
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// The redraw at the start of the replay.

class AutoPlayStart : public ::testing::TestWithParam<std::string> {};

TEST_P(AutoPlayStart, DingsAndRedrawsTheStartWithAGrayBarAndTheCaption) {
    ShadowedGame game(farnswog());
    game.game().console().record_frames(true);
    game.play(GetParam());
    game.game().type("A");
    // The history is not emptied first: after a manual move the face is
    // drawn in the colours of a game with moves.
    game.board().lay_out_start();
    game.run();

    const auto* redrawn = first_frame_showing_the_caption(game.game().console().frames());
    ASSERT_NE(redrawn, nullptr);
    EXPECT_EQ(redrawn->at_ms, 0);
    ExpectedScreen expected = game_screen(game.board(), 1, kLightGray);
    expected.put_status(kAutoPlayCaption);  // over "Select your first move"
    EXPECT_EQ(expected.differences(redrawn->screen, kWholeScreen), "");
    EXPECT_EQ(sound_times(game.game().console(), "ding2"), std::vector<std::int64_t>{0});
}

INSTANTIATE_TEST_SUITE_P(AfterAManualMoveOrNone, AutoPlayStart, ::testing::Values("", "2L"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.empty() ? "FreshPuzzle" : "AfterAMove";
                         });

// ---------------------------------------------------------------------------
// A replay that runs to its end.

class CompleteReplay : public ::testing::TestWithParam<PuzzleOfProgram> {
protected:
    const ProgramFacts& program() const { return *GetParam().program; }
    const PuzzleFacts& puzzle() const { return *GetParam().puzzle; }
    // Up to and including "A"; the caller may add keys after it.
    void start(ShadowedGame& game) {
        game.game().console().record_frames(true);
        game.play(puzzle().choosing_keys);
        game.game().type("a");
        game.board().lay_out_start();
    }
};

TEST_P(CompleteReplay, MakesEveryStoredMoveAtTheStatedPace) {
    ShadowedGame game(program());
    start(game);
    game.run();
    const Frames& frames = game.game().console().frames();

    // The first frame counting move k shows the board after k stored moves,
    // with the caption still there and the bar gray.
    std::size_t frame = 0;
    int k = 0;
    for (std::string_view move : split_moves(puzzle().solution)) {
        game.board().play(move);
        ++k;
        SCOPED_TRACE("move " + std::to_string(k) + " " + std::string(move));
        while (frame < frames.size() && move_counter(frames[frame].screen) != counter_after(k)) {
            ++frame;
        }
        ASSERT_LT(frame, frames.size());
        EXPECT_EQ(frames[frame].at_ms, replay_move_time(k));
        EXPECT_EQ(expected_board(game.board()).differences(frames[frame].screen, kBoardInterior),
                  "");
        EXPECT_TRUE(shows(frames[frame].screen, kAutoPlayCaption));
    }
    EXPECT_EQ(k, puzzle().solution_length);
    const Region bar_column{kBoardTop, kTargetBarColumn, kBoardBottom, kTargetBarColumn};
    EXPECT_EQ(game_screen(game.board(), puzzle().game_number, kLightGray)
                  .differences(frames[frame].screen, bar_column),
              "");
    EXPECT_FALSE(any_frame_shows(frames, counter_after(k + 1)));
}

TEST_P(CompleteReplay, EndsWithThreeWhiteFlashesOfTheFaceBlockAndAnyKey) {
    ShadowedGame game(program());
    start(game);
    game.board().play_all(puzzle().solution);
    EXPECT_EQ(game.run(), std::nullopt);  // waits for the closing key

    const std::int64_t last_move_done = replay_move_time(puzzle().solution_length) + kReplayPauseMs;
    std::vector<Flash> expected;
    for (int i = 0; i < 3; ++i) {
        expected.push_back(
            {last_move_done + 2 * i * kFlashMs, last_move_done + (2 * i + 1) * kFlashMs});
    }
    const int face = program().face_block;
    EXPECT_EQ(flashes(game.game().console().frames(), expected_block(game.board(), face, 0, kWhite),
                      expected_board(game.board()), region_of(game.board().block(face))),
              expected);
    EXPECT_EQ(game.game().now_ms(), replay_end_time(puzzle().solution_length));

    const ScreenModel& screen = game.game().screen();
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(screen), counter_after(puzzle().solution_length));
    EXPECT_TRUE(shows(screen, kAnyKey));
    // The caption is gone: the rest of the status line is black blanks.
    EXPECT_TRUE(
        black_blanks(screen, kStatusRow, kStatusBlankColumn, kAnyKey.column - kStatusBlankColumn));
    const int after_any_key = kAnyKey.column + kAnyKey.length();
    EXPECT_TRUE(black_blanks(screen, kStatusRow, after_any_key,
                             kStatusBlankColumn + kStatusBlankWidth - after_any_key));
}

TEST_P(CompleteReplay, AKeyInThePauseAfterTheLastMoveEndsTheWaitAndStartsAfresh) {
    ShadowedGame game(program());
    start(game);
    game.board().play_all(puzzle().solution);
    game.board().start_over();
    const int moves = puzzle().solution_length;
    game.game().console().type_at(replay_move_time(moves) + kReplayPauseMs / 2, "x");
    EXPECT_EQ(game.run(), std::nullopt);

    // All moves and all three flashes still happen; the key ends the wait.
    EXPECT_EQ(game.game().now_ms(), replay_end_time(moves));
    EXPECT_EQ(sound_times(game.game().console(), "ding2").back(), replay_end_time(moves));
    EXPECT_TRUE(sound_times(game.game().console(), "done2").empty());
    EXPECT_FALSE(any_frame_shows(game.game().console().frames(), "CONGRATULATIONS"));
    EXPECT_EQ(game.screen_differences(kYellow), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, CompleteReplay, ::testing::ValuesIn(every_puzzle()),
                         [](const ::testing::TestParamInfo<PuzzleOfProgram>& info) {
                             return std::string(info.param.puzzle->name);
                         });

// ---------------------------------------------------------------------------
// A key stops the replay between two moves.

struct StoppingKey {
    std::string name;
    std::int64_t typed_at_ms;
    int moves_made;
    std::int64_t stopped_at_ms;
};

void PrintTo(const StoppingKey& key, std::ostream* out) {
    *out << key.name;
}

class StoppedReplay : public ::testing::TestWithParam<StoppingKey> {};

TEST_P(StoppedReplay, StopsBetweenMovesAndStartsAfresh) {
    const StoppingKey& key = GetParam();
    ShadowedGame game(farnswog());
    game.game().console().record_frames(true);
    game.game().type("A");
    game.game().console().type_at(key.typed_at_ms, "x");
    game.board().lay_out_start();
    const std::vector<std::string_view> solution = split_moves(farnswog().puzzle(1).solution);
    for (int k = 0; k < key.moves_made; ++k) game.board().play(solution[k]);
    const ExpectedScreen board_when_stopped = expected_board(game.board());
    game.board().clear_history();
    game.board().start_over();
    game.play("2L");  // a manual move in the fresh game
    EXPECT_EQ(game.run(), std::nullopt);

    EXPECT_EQ(sound_times(game.game().console(), "ding2"),
              (std::vector<std::int64_t>{0, key.stopped_at_ms}));
    EXPECT_EQ(game.game().now_ms(), key.stopped_at_ms);

    // The last replayed position, as it stood when the key was noticed.
    const Frames& frames = game.game().console().frames();
    const ScriptedBackend::Frame* last_replayed = nullptr;
    for (const auto& frame : frames) {
        if (shows(frame.screen, kAutoPlayCaption)) last_replayed = &frame;
    }
    ASSERT_NE(last_replayed, nullptr);
    EXPECT_EQ(last_replayed->at_ms, key.stopped_at_ms);
    EXPECT_EQ(move_counter(last_replayed->screen), counter_after(key.moves_made));
    EXPECT_EQ(board_when_stopped.differences(last_replayed->screen, kBoardInterior), "");
    // No closing flashes and no "<any key>".
    EXPECT_FALSE(any_frame_shows(frames, kAnyKey.text));

    // The fresh start, where a manual move clears the status line again.
    EXPECT_EQ(game.board_differences(), "");
    EXPECT_EQ(move_counter(game.game().screen()), counter_after(1));
    EXPECT_TRUE(status_line_blank(game.game().screen()));
}

INSTANTIATE_TEST_SUITE_P(
    KeyTimes, StoppedReplay,
    ::testing::Values(
        // A key in the first 500 ms is seen only after move 1 and its pause.
        StoppingKey{"DuringTheFirstPause", 100, 1, replay_move_time(2)},
        StoppingKey{"RightAsMoveTwoIsDue", replay_move_time(2), 1, replay_move_time(2)},
        StoppingKey{"DuringThePauseAfterMoveFour", replay_move_time(4) + 250, 4,
                    replay_move_time(5)}),
    [](const ::testing::TestParamInfo<StoppingKey>& info) { return info.param.name; });

TEST(AutoPlayKeys, AKeyAlreadyPendingWhenAutoPlayStartsIsDiscarded) {
    const int moves = farnswog().puzzle(1).solution_length;
    ScriptedGame game(farnswog().puzzle_set());
    game.type("Ax");  // "x" is typed together with "A", before the caption shows
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.now_ms(), replay_end_time(moves));
    EXPECT_TRUE(shows(game.screen(), kAnyKey));
    EXPECT_EQ(game.sound_log(), "ding2");
    EXPECT_EQ(game.console().keys_left(), 0u);
}

}  // namespace
}  // namespace blockslide::testing
