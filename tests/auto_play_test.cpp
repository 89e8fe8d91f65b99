// The auto-play demonstration in whole games, on the virtual clock: the
// redraw with the gray bar and the caption, 500 ms before the first move and
// 750 ms after each, a key stopping it between moves, the closing flashes and
// "<any key>", and the fresh start that always follows.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "console/cp437.h"
#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide {
namespace {

using testing::ScriptedGame;

constexpr int kBlack = 0;
constexpr int kLightGray = 7;
constexpr int kDarkGray = 8;
constexpr int kLightRed = 12;
constexpr int kYellow = 14;
constexpr int kWhite = 15;
constexpr int kBlockInk = kWhite;

constexpr int attribute_of(int foreground, int background) {
    return foreground + 16 * background;
}

constexpr int kStatusRow = 24;
constexpr int kCounterColumn = 69;
constexpr int kTargetBarColumn = 69;
constexpr int kTargetBarRows = 10;

constexpr std::string_view kCaption = "Auto-Play in Progress <any key to stop>";
constexpr int kCaptionColumn = 21;
constexpr std::string_view kAnyKey = "<any key>";
constexpr int kAnyKeyColumn = 36;
constexpr std::string_view kFirstPrompt = "Select your first move";
constexpr int kFirstPromptColumn = 29;

constexpr std::int64_t kFirstMovePauseMs = 500;
constexpr std::int64_t kMovePauseMs = 750;
constexpr std::int64_t kClosingFlashesMs = 1000;  // three 200 ms flashes, 200 ms apart
constexpr std::int64_t kFlashMs = 200;

// When move k of a replay started at time 0 is made.
constexpr std::int64_t move_time(int k) {
    return kFirstMovePauseMs + (k - 1) * kMovePauseMs;
}
constexpr std::int64_t replay_end_time(int moves) {
    return kFirstMovePauseMs + moves * kMovePauseMs + kClosingFlashesMs;
}

// Board interior.
constexpr int kBoardTop = 2;
constexpr int kBoardBottom = 21;
constexpr int kBoardLeft = 13;
constexpr int kBoardRight = 67;

struct Shape {
    int width;
    int height;
    int body;
};
struct Place {
    int top;
    int left;
};
constexpr Place cell(int c, int r) {
    return {2 + 5 * r, 13 + 11 * c};
}
using Layout = std::vector<Place>;  // indexed by block number - 1

const std::vector<Shape> kFarnswogShapes = {
    {11, 5, 6}, {11, 5, 3}, {11, 5, 2}, {11, 5, 4},  {22, 5, 2},
    {22, 5, 5}, {22, 5, 6}, {22, 5, 3}, {11, 10, 4}, {22, 10, 1},
};
const Layout kFarnswogStart = {cell(4, 0), cell(4, 1), cell(4, 2), cell(4, 3), cell(0, 0),
                               cell(2, 0), cell(0, 3), cell(2, 3), cell(2, 1), cell(0, 1)};
const Layout kFarnswogSolved = {cell(2, 3), cell(3, 0), cell(2, 2), cell(4, 0), cell(0, 1),
                                cell(0, 3), cell(0, 0), cell(0, 2), cell(2, 0), cell(3, 1)};
constexpr int kFarnswogFaceBlock = 10;
constexpr int kFarnswogBarTop = 7;

const std::vector<Shape> kTraxolumbineShapes = {
    {11, 5, 3},  {11, 5, 4}, {11, 10, 2}, {11, 10, 5}, {11, 10, 3},
    {11, 10, 4}, {22, 5, 6}, {22, 5, 2},  {22, 10, 1},
};
const Layout kTraxolumbineStart = {cell(2, 0), cell(2, 1), cell(0, 2), cell(1, 2), cell(3, 2),
                                   cell(4, 2), cell(3, 0), cell(3, 1), cell(0, 0)};
const Layout kLowerRightSolved = {cell(4, 0), cell(4, 1), cell(0, 2), cell(1, 2), cell(2, 0),
                                  cell(3, 0), cell(0, 1), cell(0, 0), cell(3, 2)};
const Layout kUpperRightSolved = {cell(2, 3), cell(2, 2), cell(1, 2), cell(0, 2), cell(4, 2),
                                  cell(3, 2), cell(0, 1), cell(0, 0), cell(3, 0)};
constexpr int kTraxolumbineFaceBlock = 9;

Layout moved(Layout layout, int number, Place place) {
    layout[number - 1] = place;
    return layout;
}

std::string glyphs(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += cp437_glyph_utf8(screen.cell(row, column + i).character);
    return text;
}

std::string move_counter(const ScreenModel& screen) {
    std::string text = glyphs(screen, kStatusRow, kCounterColumn, 80 - kCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string counter_after(int moves) {
    return "Moves: " + std::to_string(moves);
}

bool shows_caption(const ScreenModel& screen) {
    return glyphs(screen, kStatusRow, kCaptionColumn, static_cast<int>(kCaption.size())) ==
           kCaption;
}

::testing::AssertionResult shows_layout(const ScreenModel& screen, const std::vector<Shape>& shapes,
                                        const Layout& layout) {
    std::array<std::array<bool, 81>, 26> covered{};
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const Shape& shape = shapes[i];
        const Place& place = layout[i];
        const int bottom = place.top + shape.height - 1;
        const int right = place.left + shape.width - 1;
        for (int row = place.top; row <= bottom; ++row) {
            for (int column = place.left; column <= right; ++column) {
                covered[row][column] = true;
                if (attribute_background(screen.cell(row, column).attribute) != shape.body) {
                    return ::testing::AssertionFailure()
                           << "block " << number << " expected at row " << place.top << ", column "
                           << place.left << ": cell (" << row << ", " << column
                           << ") has attribute " << int(screen.cell(row, column).attribute);
                }
            }
        }
        const std::string corners =
            glyphs(screen, place.top, place.left, 1) + glyphs(screen, place.top, right, 1) +
            glyphs(screen, bottom, place.left, 1) + glyphs(screen, bottom, right, 1);
        if (corners != "┌┐└┘" ||
            attribute_foreground(screen.cell(place.top, place.left).attribute) != kBlockInk) {
            return ::testing::AssertionFailure()
                   << "block " << number << " outline shows " << corners;
        }
    }
    for (int row = kBoardTop; row <= kBoardBottom; ++row) {
        for (int column = kBoardLeft; column <= kBoardRight; ++column) {
            const Cell& c = screen.cell(row, column);
            if (!covered[row][column] && (c.character != ' ' || c.attribute != 0)) {
                return ::testing::AssertionFailure()
                       << "free board cell (" << row << ", " << column << ") is not a black blank";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult shows_target_bar(const ScreenModel& screen, int first_row, int color) {
    for (int row = first_row; row < first_row + kTargetBarRows; ++row) {
        if (glyphs(screen, row, kTargetBarColumn, 1) != "█" ||
            attribute_foreground(screen.cell(row, kTargetBarColumn).attribute) != color) {
            return ::testing::AssertionFailure()
                   << "target bar cell at row " << row << " is "
                   << glyphs(screen, row, kTargetBarColumn, 1) << " in colour "
                   << int(screen.cell(row, kTargetBarColumn).attribute);
        }
    }
    return ::testing::AssertionSuccess();
}

// The face block drawn on white with its own white outline: the closing flash.
bool shows_white_flash(const ScreenModel& screen, const Shape& shape, Place place) {
    for (int row = place.top; row < place.top + shape.height; ++row) {
        for (int column = place.left; column < place.left + shape.width; ++column) {
            if (attribute_background(screen.cell(row, column).attribute) != kWhite) return false;
        }
    }
    return screen.cell(place.top, place.left).attribute == attribute_of(kBlockInk, kWhite);
}

const ScriptedBackend::Frame* first_frame(ScriptedGame& game,
                                          const std::function<bool(const ScreenModel&)>& test) {
    for (const auto& frame : game.console().frames()) {
        if (test(frame.screen)) return &frame;
    }
    return nullptr;
}

const ScriptedBackend::Frame* last_frame(ScriptedGame& game,
                                         const std::function<bool(const ScreenModel&)>& test) {
    const auto& frames = game.console().frames();
    for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
        if (test(it->screen)) return &*it;
    }
    return nullptr;
}

std::vector<std::int64_t> sound_times(ScriptedGame& game, std::string_view cue) {
    std::vector<std::int64_t> times;
    for (const auto& sound : game.console().sounds()) {
        if (sound.cue == cue) times.push_back(sound.at_ms);
    }
    return times;
}

bool any_frame_shows(ScriptedGame& game, std::string_view text) {
    for (const auto& frame : game.console().frames()) {
        for (int row = 1; row <= kScreenRows; ++row) {
            if (glyphs(frame.screen, row, 1, kScreenColumns).find(text) != std::string::npos)
                return true;
        }
    }
    return false;
}

// Face colours of the Nice Man on blockslide-a's face block at its start
// place (row 7, column 13): the brow at offset (2, 7), the digit at (4, 10).
constexpr int kFaceBrowRow = 9;
constexpr int kFaceBrowColumn = 20;
constexpr int kFaceDigitRow = 11;
constexpr int kFaceDigitColumn = 23;

TEST(AutoPlayStart, DingsAndRedrawsTheStartWithAGrayBarAndTheCaption) {
    ScriptedGame game(farnswog_puzzles());
    game.console().record_frames(true);
    game.type("2");  // a manual move first
    game.type("A");
    game.run();
    const auto* redrawn = first_frame(game, shows_caption);
    ASSERT_NE(redrawn, nullptr);
    EXPECT_EQ(redrawn->at_ms, 0);
    const ScreenModel& screen = redrawn->screen;
    EXPECT_TRUE(shows_layout(screen, kFarnswogShapes, kFarnswogStart));
    EXPECT_TRUE(shows_target_bar(screen, kFarnswogBarTop, kLightGray));
    EXPECT_EQ(glyphs(screen, kStatusRow, 1, 80),
              std::string(kCaptionColumn - 1, ' ') + std::string(kCaption) +
                  std::string(80 - kCaptionColumn + 1 - kCaption.size(), ' '));
    for (int i = 0; i < static_cast<int>(kCaption.size()); ++i) {
        EXPECT_EQ(screen.cell(kStatusRow, kCaptionColumn + i).attribute,
                  attribute_of(kLightRed, kBlack));
    }
    EXPECT_EQ(glyphs(screen, 8, 4, 4), "Back");  // the frame is drawn afresh
    EXPECT_EQ(move_counter(screen), "");
    EXPECT_EQ(sound_times(game, "ding2"), std::vector<std::int64_t>{0});

    // The history is not emptied before the replay, so the face is drawn in
    // the colours of a game with moves: yellow with a white digit.
    EXPECT_EQ(attribute_foreground(screen.cell(kFaceBrowRow, kFaceBrowColumn).attribute), kYellow);
    EXPECT_EQ(attribute_foreground(screen.cell(kFaceDigitRow, kFaceDigitColumn).attribute), kWhite);
    EXPECT_EQ(glyphs(screen, kFaceDigitRow, kFaceDigitColumn, 1), "0");

    // The first replayed move is counted from 1 again.
    const auto* first_move = first_frame(
        game, [](const ScreenModel& s) { return shows_caption(s) && !move_counter(s).empty(); });
    ASSERT_NE(first_move, nullptr);
    EXPECT_EQ(move_counter(first_move->screen), counter_after(1));
}

TEST(AutoPlayStart, OnAFreshPuzzleDrawsTheFaceInItsFreshColours) {
    ScriptedGame game(farnswog_puzzles());
    game.console().record_frames(true);
    game.type("A");
    game.run();
    const auto* redrawn = first_frame(game, shows_caption);
    ASSERT_NE(redrawn, nullptr);
    const ScreenModel& screen = redrawn->screen;
    EXPECT_EQ(attribute_foreground(screen.cell(kFaceBrowRow, kFaceBrowColumn).attribute),
              kDarkGray);
    EXPECT_EQ(attribute_foreground(screen.cell(kFaceDigitRow, kFaceDigitColumn).attribute),
              kYellow);
}

struct StoredSolution {
    std::string name;
    std::function<const PuzzleSet&()> puzzles;
    std::string keys_before;  // "g" selects puzzle 2 of blockslide-b
    int moves;
    std::vector<Shape> shapes;
    Layout start;
    Layout solved;
    int face_block;
    int bar_top;
};

void PrintTo(const StoredSolution& solution, std::ostream* out) {
    *out << solution.name;
}

class CompleteReplay : public ::testing::TestWithParam<StoredSolution> {
protected:
    // Plays up to and including "A"; the caller adds keys after it.
    void start(ScriptedGame& game) {
        game.console().record_frames(true);
        game.type(GetParam().keys_before);
        game.type("a");
    }
    const Shape& face_shape() const { return GetParam().shapes[GetParam().face_block - 1]; }
    Place face_place() const { return GetParam().solved[GetParam().face_block - 1]; }
};

TEST_P(CompleteReplay, MakesEveryStoredMoveAtTheStatedPace) {
    const StoredSolution& solution = GetParam();
    ScriptedGame game(solution.puzzles());
    start(game);
    game.run();

    std::vector<std::int64_t> counted_at(solution.moves + 2, -1);
    for (const auto& frame : game.console().frames()) {
        const std::string counter = move_counter(frame.screen);
        for (int k = 1; k <= solution.moves + 1; ++k) {
            if (counter == counter_after(k) && counted_at[k] < 0 && shows_caption(frame.screen))
                counted_at[k] = frame.at_ms;
        }
    }
    for (int k = 1; k <= solution.moves; ++k) {
        EXPECT_EQ(counted_at[k], move_time(k)) << "move " << k;
    }
    EXPECT_EQ(counted_at[solution.moves + 1], -1);

    // The caption stays on the status line while the moves are made.
    const auto* last_move = first_frame(game, [&](const ScreenModel& s) {
        return move_counter(s) == counter_after(solution.moves);
    });
    ASSERT_NE(last_move, nullptr);
    EXPECT_TRUE(shows_caption(last_move->screen));
    EXPECT_TRUE(shows_target_bar(last_move->screen, solution.bar_top, kLightGray));
}

TEST_P(CompleteReplay, EndsWithThreeWhiteFlashesOfTheFaceBlockAndAnyKey) {
    const StoredSolution& solution = GetParam();
    ScriptedGame game(solution.puzzles());
    start(game);
    EXPECT_EQ(game.run(), std::nullopt);  // waits for the closing key

    const std::int64_t last_move_done = move_time(solution.moves) + kMovePauseMs;
    std::vector<std::int64_t> flashes;
    for (const auto& frame : game.console().frames()) {
        if (shows_white_flash(frame.screen, face_shape(), face_place()))
            flashes.push_back(frame.at_ms);
    }
    EXPECT_EQ(flashes, (std::vector<std::int64_t>{last_move_done, last_move_done + 2 * kFlashMs,
                                                  last_move_done + 4 * kFlashMs}));
    EXPECT_EQ(game.now_ms(), replay_end_time(solution.moves));

    const ScreenModel& screen = game.screen();
    EXPECT_TRUE(shows_layout(screen, solution.shapes, solution.solved));
    EXPECT_EQ(move_counter(screen), counter_after(solution.moves));
    EXPECT_EQ(game.text(kStatusRow, kAnyKeyColumn, static_cast<int>(kAnyKey.size())), kAnyKey);
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kAnyKeyColumn, static_cast<int>(kAnyKey.size()),
                                        attribute_of(kLightRed, kBlack)));
    // The caption is gone: the rest of the status line is black blanks.
    EXPECT_EQ(game.text(kStatusRow, 13, kAnyKeyColumn - 13), std::string(kAnyKeyColumn - 13, ' '));
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, 13, kAnyKeyColumn - 13, 0));
    EXPECT_EQ(game.text(kStatusRow, 45, 18), std::string(18, ' '));
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, 45, 18, 0));
}

TEST_P(CompleteReplay, AKeyInThePauseAfterTheLastMoveEndsTheWaitAndStartsAfresh) {
    const StoredSolution& solution = GetParam();
    ScriptedGame game(solution.puzzles());
    start(game);
    const std::int64_t in_last_pause = move_time(solution.moves) + kMovePauseMs / 2;
    game.console().type_at(in_last_pause, "x");
    EXPECT_EQ(game.run(), std::nullopt);

    // All moves and all three flashes still happen; the key ends the wait.
    EXPECT_EQ(game.now_ms(), replay_end_time(solution.moves));
    EXPECT_EQ(sound_times(game, "ding2").back(), replay_end_time(solution.moves));
    EXPECT_EQ(game.sound_log().find("done2"), std::string::npos);
    EXPECT_FALSE(any_frame_shows(game, "CONGRATULATIONS"));

    const ScreenModel& screen = game.screen();
    EXPECT_TRUE(shows_layout(screen, solution.shapes, solution.start));
    EXPECT_TRUE(shows_target_bar(screen, solution.bar_top, kYellow));
    EXPECT_EQ(game.text(kStatusRow, kFirstPromptColumn, static_cast<int>(kFirstPrompt.size())),
              kFirstPrompt);
    EXPECT_EQ(move_counter(screen), "");
}

INSTANTIATE_TEST_SUITE_P(
    EachPuzzle, CompleteReplay,
    ::testing::Values(
        StoredSolution{"Farnswog", farnswog_puzzles, "", 118, kFarnswogShapes, kFarnswogStart,
                       kFarnswogSolved, kFarnswogFaceBlock, kFarnswogBarTop},
        StoredSolution{"TraxolumbineLowerRight", traxolumbine_puzzles, "", 41, kTraxolumbineShapes,
                       kTraxolumbineStart, kLowerRightSolved, kTraxolumbineFaceBlock, 12},
        StoredSolution{"TraxolumbineUpperRight", traxolumbine_puzzles, "g", 83, kTraxolumbineShapes,
                       kTraxolumbineStart, kUpperRightSolved, kTraxolumbineFaceBlock, 2}),
    [](const ::testing::TestParamInfo<StoredSolution>& info) { return info.param.name; });

struct StoppingKey {
    std::string name;
    std::int64_t typed_at_ms;
    int moves_made;
    std::int64_t stopped_at_ms;
    Layout board_when_stopped;
};

void PrintTo(const StoppingKey& key, std::ostream* out) {
    *out << key.name;
}

class StoppedReplay : public ::testing::TestWithParam<StoppingKey> {};

TEST_P(StoppedReplay, StopsBetweenMovesAndStartsAfresh) {
    const StoppingKey& key = GetParam();
    ScriptedGame game(farnswog_puzzles());
    game.console().record_frames(true);
    game.type("A");
    game.console().type_at(key.typed_at_ms, "x");
    game.type("2");  // a manual move in the fresh game
    EXPECT_EQ(game.run(), std::nullopt);

    EXPECT_EQ(sound_times(game, "ding2"), (std::vector<std::int64_t>{0, key.stopped_at_ms}));
    EXPECT_EQ(game.now_ms(), key.stopped_at_ms);

    // The last replayed position, as it stood when the key was noticed.
    const auto* last_replayed = last_frame(game, shows_caption);
    ASSERT_NE(last_replayed, nullptr);
    EXPECT_EQ(last_replayed->at_ms, key.stopped_at_ms);
    EXPECT_EQ(move_counter(last_replayed->screen), counter_after(key.moves_made));
    EXPECT_TRUE(shows_layout(last_replayed->screen, kFarnswogShapes, key.board_when_stopped));

    // No closing flashes, no "<any key>".
    for (const auto& frame : game.console().frames()) {
        EXPECT_FALSE(shows_white_flash(frame.screen, kFarnswogShapes[kFarnswogFaceBlock - 1],
                                       kFarnswogStart[kFarnswogFaceBlock - 1]));
    }
    EXPECT_FALSE(any_frame_shows(game, "<any key>"));

    // The fresh start, where a manual move clears the status line again.
    EXPECT_TRUE(shows_layout(game.screen(), kFarnswogShapes, moved(kFarnswogStart, 2, cell(3, 1))));
    EXPECT_EQ(move_counter(game.screen()), counter_after(1));
    EXPECT_EQ(game.text(kStatusRow, 13, 50), std::string(50, ' '));
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, 13, 50, 0));
}

// The stored solution starts "2L" "3L" "1D" "4U".
const Layout kAfterOneMove = moved(kFarnswogStart, 2, cell(3, 1));
const Layout kAfterFourMoves =
    moved(moved(moved(moved(kFarnswogStart, 2, cell(3, 1)), 3, cell(3, 2)), 1, cell(4, 1)), 4,
          cell(4, 2));

INSTANTIATE_TEST_SUITE_P(
    KeyTimes, StoppedReplay,
    ::testing::Values(
        // A key in the first 500 ms is seen only after move 1 and its pause.
        StoppingKey{"DuringTheFirstPause", 100, 1, move_time(2), kAfterOneMove},
        StoppingKey{"RightAsMoveTwoIsDue", move_time(2), 1, move_time(2), kAfterOneMove},
        StoppingKey{"DuringThePauseAfterMoveFour", move_time(4) + 250, 4, move_time(5),
                    kAfterFourMoves}),
    [](const ::testing::TestParamInfo<StoppingKey>& info) { return info.param.name; });

TEST(AutoPlayKeys, AKeyAlreadyPendingWhenAutoPlayStartsIsDiscarded) {
    ScriptedGame game(farnswog_puzzles());
    game.type("Ax");  // "x" is typed together with "A", before the caption shows
    EXPECT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.now_ms(), replay_end_time(118));
    EXPECT_EQ(game.text(kStatusRow, kAnyKeyColumn, static_cast<int>(kAnyKey.size())), kAnyKey);
    EXPECT_EQ(game.sound_log(), "ding2");
    EXPECT_EQ(game.console().keys_left(), 0u);
}

}  // namespace
}  // namespace blockslide
