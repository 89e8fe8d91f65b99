// Solving each puzzle by hand, key by key, from its stored minimal solution:
// the congratulation, its sound, the five white flashes of the face block
// and the key that closes the game.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <string_view>
#include <vector>

#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide::testing {
namespace {

struct BlockPlace {
    int width;
    int height;
    int top_row;
    int left_column;
};

constexpr int kUp = 1;
constexpr int kRight = 2;
constexpr int kDown = 4;
constexpr int kLeft = 8;
constexpr int kCellWidth = 11;
constexpr int kCellHeight = 5;
constexpr int kBoardTop = 2;
constexpr int kBoardBottom = 21;
constexpr int kBoardLeft = 13;
constexpr int kBoardRight = 67;

std::vector<BlockPlace> farnswog_blocks() {
    return {{11, 5, 2, 57}, {11, 5, 7, 57},  {11, 5, 12, 57}, {11, 5, 17, 57}, {22, 5, 2, 13},
            {22, 5, 2, 35}, {22, 5, 17, 13}, {22, 5, 17, 35}, {11, 10, 7, 35}, {22, 10, 7, 13}};
}

std::vector<BlockPlace> traxolumbine_blocks() {
    return {{11, 5, 2, 35},   {11, 5, 7, 35}, {11, 10, 12, 13}, {11, 10, 12, 24}, {11, 10, 12, 46},
            {11, 10, 12, 57}, {22, 5, 2, 46}, {22, 5, 7, 46},   {22, 10, 2, 13}};
}

// The stored minimal solutions, as block key and direction letter.
constexpr std::string_view kFarnswogSolution =
    "2L 3L 1D 4U 8R 9D 6R 2L 2U 9U 8L 4D 1D 6D 2R 2R 9U 3L 1L 4U "
    "8R 3D 9D 5R 5R 0U 7U 3L 3L 8L 8L 1D 4D 6D 2D 2L 5R 9U 6L 4U "
    "4U 6R 7R 3U 8L 1L 6D 7R 7R 1U 1L 9D 9D 5L 4U 2R 5D 4L 2U 5R "
    "9U 9U 8R 3D 1L 7L 7L 5D 4D 4R 9R 0R 1U 1U 3U 3U 7L 8L 5L 6L "
    "4D 4D 2D 2D 9R 0R 1R 3U 7U 5L 5L 0D 1R 1R 3R 3R 7U 5U 8U 6L "
    "6L 0D 1D 1L 9L 2U 2U 4U 4U 0R 1D 1D 3D 3D 9L 2L 4U 0U";

constexpr std::string_view kLowerRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 6U 1U 1R 9R 4R 3D 3D 8L 7L 5L 6L 1U 1U 2U 2U "
    "9R";

constexpr std::string_view kUpperRightSolution =
    "2D 2D 1D 1D 9R 3U 3U 4L 1L 1D 9D 7L 7L 8U 5U 6U 2R 2R 1R 1R "
    "9D 7D 8L 8L 5U 1U 2L 6D 5R 1U 1U 2U 2U 6L 5D 5D 2R 2U 7R 7R "
    "8D 1L 1L 2L 2L 7U 8R 1D 2L 7L 5U 5U 6R 9R 1D 1D 2D 2D 3R 4U "
    "1L 2D 3D 7L 7L 8U 9U 2R 2R 1R 1R 4D 3D 7D 8L 8L 9U 2U 2L 6L "
    "5D 5D 9R";

struct PuzzleCase {
    std::string_view name;
    const PuzzleSet& (*puzzles)();
    std::vector<BlockPlace> blocks;
    int face_block;
    std::string_view keys_before;    // chooses the puzzle
    std::string_view sounds_before;  // what choosing it sounds like
    std::string_view solution;
    int moves;
    int goal_top_row;
    int goal_left_column;
};

std::vector<PuzzleCase> puzzle_cases() {
    return {
        {"Farnswog", farnswog_puzzles, farnswog_blocks(), 10, "", "", kFarnswogSolution, 118, 7,
         46},
        {"TraxolumbineLowerRight", traxolumbine_puzzles, traxolumbine_blocks(), 9, "", "",
         kLowerRightSolution, 41, 12, 46},
        {"TraxolumbineUpperRight", traxolumbine_puzzles, traxolumbine_blocks(), 9, "G", "ding2",
         kUpperRightSolution, 83, 2, 46},
    };
}

// The board by the rules of the puzzle, kept beside the game to know which
// moves need an arrow: a block that can go two ways asks for one.
class ShadowBoard {
public:
    explicit ShadowBoard(std::vector<BlockPlace> blocks) : blocks_(std::move(blocks)) {}

    int legal_directions(int number) const {
        int directions = 0;
        for (int direction : {kUp, kRight, kDown, kLeft}) {
            if (fits(number, moved(blocks_[number - 1], direction))) directions += direction;
        }
        return directions;
    }

    // The keys for one stored move, which is made on this board.
    std::vector<std::string> play(std::string_view move_code) {
        const int number = move_code[0] == '0' ? 10 : move_code[0] - '0';
        const int direction = direction_of_letter(move_code[1]);
        const int legal = legal_directions(number);
        EXPECT_NE(legal & direction, 0) << "stored move " << move_code << " is not legal";
        std::vector<std::string> keys{std::string(1, move_code[0])};
        if (std::popcount(static_cast<unsigned>(legal)) == 2) keys.push_back(arrow_key(direction));
        blocks_[number - 1] = moved(blocks_[number - 1], direction);
        return keys;
    }

    const BlockPlace& block(int number) const { return blocks_[number - 1]; }

private:
    static int direction_of_letter(char letter) {
        switch (letter) {
            case 'U':
                return kUp;
            case 'R':
                return kRight;
            case 'D':
                return kDown;
            default:
                return kLeft;
        }
    }
    static std::string arrow_key(int direction) {
        switch (direction) {
            case kUp:
                return kUpKey;
            case kRight:
                return kRightKey;
            case kDown:
                return kDownKey;
            default:
                return kLeftKey;
        }
    }
    static BlockPlace moved(BlockPlace place, int direction) {
        if (direction == kUp) place.top_row -= kCellHeight;
        if (direction == kDown) place.top_row += kCellHeight;
        if (direction == kLeft) place.left_column -= kCellWidth;
        if (direction == kRight) place.left_column += kCellWidth;
        return place;
    }
    bool fits(int number, const BlockPlace& place) const {
        const int bottom = place.top_row + place.height - 1;
        const int right = place.left_column + place.width - 1;
        if (place.top_row < kBoardTop || bottom > kBoardBottom || place.left_column < kBoardLeft ||
            right > kBoardRight) {
            return false;
        }
        for (int other = 1; other <= static_cast<int>(blocks_.size()); ++other) {
            if (other == number) continue;
            const BlockPlace& taken = blocks_[other - 1];
            const bool apart = right < taken.left_column ||
                               taken.left_column + taken.width - 1 < place.left_column ||
                               bottom < taken.top_row ||
                               taken.top_row + taken.height - 1 < place.top_row;
            if (!apart) return false;
        }
        return true;
    }

    std::vector<BlockPlace> blocks_;
};

constexpr int kStatusRow = 24;
constexpr std::string_view kCongratulation = " CONGRATULATIONS! ";
constexpr int kCongratulationColumn = 31;
constexpr int kRedOnWhite = 4 | 15 << 4;
constexpr int kBlue = 1;
constexpr int kYellow = 14;
constexpr int kWhite = 15;
constexpr int kFlashes = 5;
constexpr int kFlashMilliseconds = 200;
constexpr int kFlashingMilliseconds = 1800;

// The sound log: the sounds of choosing the puzzle, then `cue` if any.
std::string sounds_after_choosing(const PuzzleCase& puzzle, std::string_view cue) {
    std::string log(puzzle.sounds_before);
    if (!log.empty() && !cue.empty()) log += ' ';
    return log + std::string(cue);
}

// The keys that play the first `moves` moves of the solution.
std::vector<std::string> keys_for(const PuzzleCase& puzzle, int moves) {
    ShadowBoard board(puzzle.blocks);
    std::vector<std::string> keys;
    for (char c : puzzle.keys_before) keys.emplace_back(1, c);
    for (int i = 0; i < moves; ++i) {
        for (std::string& key : board.play(puzzle.solution.substr(3 * i, 2))) {
            keys.push_back(std::move(key));
        }
    }
    return keys;
}

BlockPlace face_block_at_goal(const PuzzleCase& puzzle) {
    BlockPlace face = puzzle.blocks[puzzle.face_block - 1];
    face.top_row = puzzle.goal_top_row;
    face.left_column = puzzle.goal_left_column;
    return face;
}

// True when every cell of the block's place has this background.
bool block_background_is(const ScreenModel& screen, const BlockPlace& block, int background) {
    for (int row = block.top_row; row < block.top_row + block.height; ++row) {
        for (int column = block.left_column; column < block.left_column + block.width; ++column) {
            if (attribute_background(screen.cell(row, column).attribute) != background) {
                return false;
            }
        }
    }
    return true;
}

class SolvedPuzzle : public ::testing::TestWithParam<PuzzleCase> {
protected:
    const PuzzleCase& puzzle() const { return GetParam(); }
    // A game that has been given the whole solution, and maybe more keys.
    ScriptedGame& solved_game(const std::vector<std::string>& closing_keys = {}) {
        game_.emplace(puzzle().puzzles());
        for (const std::string& key : keys_for(puzzle(), puzzle().moves)) game_->type_key(key);
        for (const std::string& key : closing_keys) game_->type_key(key);
        game_->console().record_frames(true);
        return *game_;
    }

private:
    std::optional<ScriptedGame> game_;
};

TEST_P(SolvedPuzzle, StoredSolutionIsPlayableByHand) {
    ScriptedGame& game = solved_game();
    ASSERT_EQ(game.run(), std::nullopt);
    // No key was refused on the way, and the goal brought the closing sound.
    EXPECT_EQ(game.sound_log(), sounds_after_choosing(puzzle(), "done2"));
    const std::string count = "Moves: " + std::to_string(puzzle().moves);
    EXPECT_EQ(game.text(kStatusRow, 69, static_cast<int>(count.size())), count);
}

TEST_P(SolvedPuzzle, CongratulatesInRedOnWhiteInTheMiddleOfTheStatusLine) {
    ScriptedGame& game = solved_game();
    ASSERT_EQ(game.run(), std::nullopt);
    const int length = static_cast<int>(kCongratulation.size());
    EXPECT_EQ(game.text(kStatusRow, kCongratulationColumn, length), kCongratulation);
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kCongratulationColumn, length, kRedOnWhite));
    EXPECT_EQ(game.attribute(kStatusRow, kCongratulationColumn - 1), 0);
    EXPECT_EQ(game.attribute(kStatusRow, kCongratulationColumn + length), 0);
}

TEST_P(SolvedPuzzle, FaceBlockFlashesWhiteFiveTimesIn1800Milliseconds) {
    ScriptedGame& game = solved_game();
    ASSERT_EQ(game.run(), std::nullopt);
    const auto& sounds = game.console().sounds();
    ASSERT_FALSE(sounds.empty());
    ASSERT_EQ(sounds.back().cue, "done2");
    const std::int64_t solved_at = sounds.back().at_ms;
    EXPECT_EQ(game.now_ms(), solved_at + kFlashingMilliseconds);

    const BlockPlace face = face_block_at_goal(puzzle());
    const auto& frames = game.console().frames();
    std::vector<std::size_t> flashes;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (block_background_is(frames[i].screen, face, kWhite)) flashes.push_back(i);
    }
    ASSERT_EQ(flashes.size(), static_cast<std::size_t>(kFlashes));
    for (int k = 0; k < kFlashes; ++k) {
        SCOPED_TRACE("flash " + std::to_string(k + 1));
        const ScriptedBackend::Frame& flash = frames[flashes[k]];
        EXPECT_EQ(flash.at_ms, solved_at + 2 * k * kFlashMilliseconds);
        // Outline in the block's own white, the face yellow, its digit white.
        const int top = face.top_row;
        const int left = face.left_column;
        EXPECT_EQ(flash.screen.cell(top, left).attribute, kWhite | kWhite << 4);
        EXPECT_EQ(flash.screen.cell(top + 2, left + 7).attribute, kYellow | kWhite << 4);
        EXPECT_EQ(flash.screen.cell(top + 4, left + 10).attribute, kWhite | kWhite << 4);
        // The congratulation is already shown while the block flashes.
        EXPECT_EQ(flash.screen.cell(kStatusRow, kCongratulationColumn + 1).character, 'C');
        // Each flash is followed by the block in its own colours, 200 ms later.
        ASSERT_LT(flashes[k] + 1, frames.size());
        const ScriptedBackend::Frame& after = frames[flashes[k] + 1];
        EXPECT_EQ(after.at_ms, flash.at_ms + kFlashMilliseconds);
        EXPECT_TRUE(block_background_is(after.screen, face, kBlue));
    }
    // The game ends showing the block at its goal in its own colours.
    EXPECT_TRUE(block_background_is(game.screen(), face, kBlue));
    EXPECT_EQ(game.attribute(face.top_row, face.left_column), kWhite | kBlue << 4);
}

TEST_P(SolvedPuzzle, AnyKeyThenEndsTheGameWithExitCodeZero) {
    for (const std::string& closing_key : {kRightKey, std::string("x"), kEscapeKey}) {
        ScriptedGame& game = solved_game({closing_key, "1"});
        EXPECT_EQ(game.run(), 0);
        EXPECT_EQ(game.console().keys_left(), 1u);
        // The final screen stays as it was.
        EXPECT_EQ(
            game.text(kStatusRow, kCongratulationColumn, static_cast<int>(kCongratulation.size())),
            kCongratulation);
    }
}

TEST_P(SolvedPuzzle, OneMoveShortIsNotSolved) {
    ScriptedGame game(puzzle().puzzles());
    for (const std::string& key : keys_for(puzzle(), puzzle().moves - 1)) game.type_key(key);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), sounds_after_choosing(puzzle(), ""));
    EXPECT_EQ(
        game.text(kStatusRow, kCongratulationColumn, static_cast<int>(kCongratulation.size())),
        std::string(kCongratulation.size(), ' '));
}

INSTANTIATE_TEST_SUITE_P(EveryPuzzle, SolvedPuzzle, ::testing::ValuesIn(puzzle_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace blockslide::testing
