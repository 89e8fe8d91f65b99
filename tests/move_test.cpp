// Choosing and moving blocks from the keyboard in both programs: one-way and
// two-way blocks, refusals with their sound and flash, the vacated strip,
// the move counter and leaving with Esc.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <string>
#include <string_view>
#include <vector>

#include "console/cp437.h"
#include "console/keys.h"
#include "puzzles/puzzle_sets.h"
#include "tests/scripted_game.h"

namespace blockslide::testing {
namespace {

// ---------------------------------------------------------------------------
// The two programs' start layouts and faces.

struct BlockPlace {
    int width;
    int height;
    int body_color;
    int top_row;
    int left_column;
};

enum class FaceStyle { kNiceMan, kZombie };

struct ProgramFacts {
    const PuzzleSet& (*puzzles)();
    std::vector<BlockPlace> blocks;  // block 1 first
    int face_block;
    std::string_view face_digit;
    std::string_view zombie_mouth_left;
    std::string_view zombie_mouth_right;
};

const ProgramFacts& farnswog() {
    static const ProgramFacts facts{
        .puzzles = farnswog_puzzles,
        .blocks = {{11, 5, 6, 2, 57},
                   {11, 5, 3, 7, 57},
                   {11, 5, 2, 12, 57},
                   {11, 5, 4, 17, 57},
                   {22, 5, 2, 2, 13},
                   {22, 5, 5, 2, 35},
                   {22, 5, 6, 17, 13},
                   {22, 5, 3, 17, 35},
                   {11, 10, 4, 7, 35},
                   {22, 10, 1, 7, 13}},
        .face_block = 10,
        .face_digit = "0",
        .zombie_mouth_left = "[",
        .zombie_mouth_right = "]",
    };
    return facts;
}

const ProgramFacts& traxolumbine() {
    static const ProgramFacts facts{
        .puzzles = traxolumbine_puzzles,
        .blocks = {{11, 5, 3, 2, 35},
                   {11, 5, 4, 7, 35},
                   {11, 10, 2, 12, 13},
                   {11, 10, 5, 12, 24},
                   {11, 10, 3, 12, 46},
                   {11, 10, 4, 12, 57},
                   {22, 5, 6, 2, 46},
                   {22, 5, 2, 7, 46},
                   {22, 10, 1, 2, 13}},
        .face_block = 9,
        .face_digit = "9",
        .zombie_mouth_left = "{",
        .zombie_mouth_right = "}",
    };
    return facts;
}

// The first 86 moves of the FARNSWOG stored solution; after them block 1
// stands at column 13 with a free cell on its right.
constexpr std::string_view kFarnswogOpening =
    "2L 3L 1D 4U 8R 9D 6R 2L 2U 9U 8L 4D 1D 6D 2R 2R 9U 3L 1L 4U "
    "8R 3D 9D 5R 5R 0U 7U 3L 3L 8L 8L 1D 4D 6D 2D 2L 5R 9U 6L 4U "
    "4U 6R 7R 3U 8L 1L 6D 7R 7R 1U 1L 9D 9D 5L 4U 2R 5D 4L 2U 5R "
    "9U 9U 8R 3D 1L 7L 7L 5D 4D 4R 9R 0R 1U 1U 3U 3U 7L 8L 5L 6L "
    "4D 4D 2D 2D 9R 0R";

constexpr int kBlue = 1;
constexpr int kMagenta = 5;
constexpr int kDarkGray = 8;
constexpr int kLightCyan = 11;
constexpr int kYellow = 14;
constexpr int kWhite = 15;

constexpr int kBlockInk = kWhite;
constexpr int kLabelInk = kWhite;

constexpr int kUp = 1;
constexpr int kRight = 2;
constexpr int kDown = 4;
constexpr int kLeft = 8;

constexpr int kCellWidth = 11;
constexpr int kCellHeight = 5;
constexpr int kStatusRow = 24;
constexpr int kStatusBlankColumn = 13;
constexpr int kStatusBlankWidth = 50;
constexpr std::string_view kDirectionPrompt = "Specify direction (arrow)";
constexpr int kDirectionPromptColumn = 28;
constexpr std::string_view kQuitQuestion = " Do you wish to quit the game? (Y/n) ";
constexpr int kQuitQuestionColumn = 22;
constexpr int kMoveCounterColumn = 69;
constexpr int kFlashMilliseconds = 200;

// ---------------------------------------------------------------------------
// Expected screens, compared cell by cell.

std::vector<std::string> glyphs_of(std::string_view utf8) {
    std::vector<std::string> glyphs;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : 3;
        glyphs.emplace_back(utf8.substr(i, length));
        i += length;
    }
    return glyphs;
}

std::string repeated(std::string_view glyph, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += glyph;
    return text;
}

struct Region {
    int top;
    int left;
    int bottom;
    int right;
    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
};

constexpr Region kBoardInterior{2, 13, 21, 67};

Region region_of(const BlockPlace& block) {
    return {block.top_row, block.left_column, block.top_row + block.height - 1,
            block.left_column + block.width - 1};
}

struct ExpectedCell {
    std::string glyph = " ";
    int attribute = 0;
};

class ExpectedScreen {
public:
    void put(int row, int column, std::string_view utf8, int foreground, int background) {
        for (const std::string& glyph : glyphs_of(utf8)) {
            at(row, column++) = ExpectedCell{glyph, foreground | background << 4};
        }
    }
    const ExpectedCell& at(int row, int column) const {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }

    // "" when the region matches, otherwise the first differences.
    std::string differences(const ScreenModel& screen, Region region) const {
        std::string report;
        int count = 0;
        for (int row = region.top; row <= region.bottom; ++row) {
            for (int column = region.left; column <= region.right; ++column) {
                const ExpectedCell& want = at(row, column);
                const Cell& got = screen.cell(row, column);
                const std::string glyph = cp437_glyph_utf8(got.character);
                if (glyph == want.glyph && got.attribute == want.attribute) continue;
                if (++count <= 12) {
                    report += "(" + std::to_string(row) + "," + std::to_string(column) +
                              "): got '" + glyph + "' attribute " + std::to_string(got.attribute) +
                              ", want '" + want.glyph + "' attribute " +
                              std::to_string(want.attribute) + "\n";
                }
            }
        }
        if (count > 12) report += std::to_string(count - 12) + " more\n";
        return report;
    }

private:
    ExpectedCell& at(int row, int column) {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }
    std::array<ExpectedCell, kScreenRows * kScreenColumns> cells_{};
};

struct FacePiece {
    int row_offset;
    int column_offset;
    std::string text;
    bool is_digit;
};

std::vector<FacePiece> face_pieces(const ProgramFacts& program, FaceStyle style) {
    const std::string digit(program.face_digit);
    if (style == FaceStyle::kNiceMan) {
        return {{2, 7, "╓≈≈≈≈≈╖", false}, {3, 6, "┌╝ ö ö ╚┐", false},
                {4, 6, "└╕", false},      {4, 8, "  " + digit + "  ", true},
                {4, 13, "╒┘", false},     {5, 7, "│ ╘═╛ │", false},
                {6, 7, "└─┬─┬─┘", false}, {7, 6, "/▀▀▀░▀▀▀\\", false}};
    }
    const std::string mouth = std::string("│") + std::string(program.zombie_mouth_left) + "Ω" +
                              std::string(program.zombie_mouth_right) + "│";
    return {{2, 8, "╓───╖", false},          {3, 7, "┌┘φ φ└┐", false},   {4, 7, "└┐", false},
            {4, 9, " " + digit + " ", true}, {4, 12, "┌┘", false},       {5, 8, mouth, false},
            {6, 8, "└┬─┬┘", false},          {7, 6, "/≈≈≈≈≈≈≈\\", false}};
}

// How the face block's face is coloured: dark gray with a yellow digit while
// no move was recorded when it was last drawn, yellow with white after.
struct FaceLook {
    FaceStyle style = FaceStyle::kNiceMan;
    bool played = false;
};

// Paints one block; `ink` and `body` are the colours it is shown in.
void paint_block(ExpectedScreen& screen, const ProgramFacts& program, int number,
                 const BlockPlace& block, int ink, int body, FaceLook face) {
    const int inner = block.width - 2;
    const int top = block.top_row;
    const int left = block.left_column;
    screen.put(top, left, "┌" + repeated("─", inner) + "┐", ink, body);
    for (int i = 1; i <= block.height - 2; ++i) {
        screen.put(top + i, left, "│" + std::string(inner, ' ') + "│", ink, body);
    }
    screen.put(top + block.height - 1, left, "└" + repeated("─", inner) + "┘", ink, body);
    if (number != program.face_block) {
        screen.put(top + (block.height - 1) / 2, left + (block.width - 1) / 2,
                   std::to_string(number % 10), kLabelInk, body);
        return;
    }
    const int face_ink = face.played ? kYellow : kDarkGray;
    const int digit_ink = face.played ? kWhite : kYellow;
    for (const FacePiece& piece : face_pieces(program, face.style)) {
        screen.put(top + piece.row_offset, left + piece.column_offset, piece.text,
                   piece.is_digit ? digit_ink : face_ink, body);
    }
}

// ---------------------------------------------------------------------------
// A board kept beside the game by the test: where each block stands by the
// rules of the puzzle, which ways it can go, and what keys a player types.

std::string arrow_key(int direction) {
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

int direction_of_letter(char letter) {
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

class ShadowBoard {
public:
    explicit ShadowBoard(const ProgramFacts& program)
        : program_(program), blocks_(program.blocks) {}

    const BlockPlace& block(int number) const { return blocks_[number - 1]; }

    int legal_directions(int number) const {
        int directions = 0;
        for (int direction : {kUp, kRight, kDown, kLeft}) {
            if (fits(number, moved(block(number), direction))) directions += direction;
        }
        return directions;
    }

    // Makes one move ("2L": block key, direction letter) and returns the keys
    // a player types for it: the block key, and an arrow when the block
    // could go two ways.
    std::vector<std::string> play(std::string_view move_code) {
        const int number = move_code[0] == '0' ? 10 : move_code[0] - '0';
        const int direction = direction_of_letter(move_code[1]);
        const int legal = legal_directions(number);
        EXPECT_NE(legal & direction, 0) << "move " << move_code << " is not legal here";
        std::vector<std::string> keys{std::string(1, move_code[0])};
        if (std::popcount(static_cast<unsigned>(legal)) == 2) keys.push_back(arrow_key(direction));
        blocks_[number - 1] = moved(block(number), direction);
        if (number == program_.face_block) face_.played = true;
        ++moves_;
        return keys;
    }

    // Plays blank-separated move codes and returns every key typed.
    std::vector<std::string> play_all(std::string_view move_codes) {
        std::vector<std::string> keys;
        for (std::size_t i = 0; i + 1 < move_codes.size(); i += 3) {
            for (std::string& key : play(move_codes.substr(i, 2))) keys.push_back(std::move(key));
        }
        return keys;
    }

    void toggle_face() {
        face_.style = face_.style == FaceStyle::kNiceMan ? FaceStyle::kZombie : FaceStyle::kNiceMan;
        face_.played = moves_ > 0;
    }

    // Every block in its own colours; the rest of the board black blanks.
    ExpectedScreen board() const {
        ExpectedScreen screen;
        for (int number = 1; number <= static_cast<int>(blocks_.size()); ++number) {
            const BlockPlace& place = block(number);
            paint_block(screen, program_, number, place, kBlockInk, place.body_color, face_);
        }
        return screen;
    }

    FaceLook face() const { return face_; }

private:
    static BlockPlace moved(BlockPlace place, int direction) {
        if (direction == kUp) place.top_row -= kCellHeight;
        if (direction == kDown) place.top_row += kCellHeight;
        if (direction == kLeft) place.left_column -= kCellWidth;
        if (direction == kRight) place.left_column += kCellWidth;
        return place;
    }

    // True when `place` lies on the board and overlaps no block but `number`.
    bool fits(int number, const BlockPlace& place) const {
        if (!kBoardInterior.contains(place.top_row, place.left_column)) return false;
        const Region area = region_of(place);
        if (!kBoardInterior.contains(area.bottom, area.right)) return false;
        for (int other = 1; other <= static_cast<int>(blocks_.size()); ++other) {
            if (other == number) continue;
            const Region taken = region_of(block(other));
            const bool apart = area.right < taken.left || taken.right < area.left ||
                               area.bottom < taken.top || taken.bottom < area.top;
            if (!apart) return false;
        }
        return true;
    }

    const ProgramFacts& program_;
    std::vector<BlockPlace> blocks_;
    FaceLook face_;
    int moves_ = 0;
};

void type_keys(ScriptedGame& game, const std::vector<std::string>& keys) {
    for (const std::string& key : keys) game.type_key(key);
}

std::string repeated_sound(std::string_view cue, int times) {
    std::string log;
    for (int i = 0; i < times; ++i) log += (i == 0 ? "" : " ") + std::string(cue);
    return log;
}

// The frames whose block region shows `look`.
std::vector<std::size_t> frames_showing(ScriptedGame& game, const ExpectedScreen& look,
                                        Region region) {
    std::vector<std::size_t> found;
    const auto& frames = game.console().frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (look.differences(frames[i].screen, region).empty()) found.push_back(i);
    }
    return found;
}

// ---------------------------------------------------------------------------
// A block with one way to go.

TEST(OneWayMove, BlockMovesAtOnceAndNothingElseOnTheBoardChanges) {
    ScriptedGame game(farnswog_puzzles());
    ShadowBoard shadow(farnswog());
    const auto keys = shadow.play("2L");
    ASSERT_EQ(keys, std::vector<std::string>{"2"});
    type_keys(game, keys);
    ASSERT_EQ(game.run(), std::nullopt);

    EXPECT_EQ(game.sound_log(), "");
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
    EXPECT_EQ(game.text(7, 46, 1), "┌");
    // "Select your first move" is blanked by the move.
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kStatusBlankColumn, kStatusBlankWidth, 0));
    EXPECT_EQ(game.text(kStatusRow, kStatusBlankColumn, kStatusBlankWidth),
              std::string(kStatusBlankWidth, ' '));
}

TEST(OneWayMove, EveryBlockThatCanMoveAtTheStartMovesAlone) {
    // FARNSWOG: blocks 2 and 3 left, block 9 right; TRAXOLUMBINE: 2 down, 4 right, 5 left.
    struct Case {
        const ProgramFacts& program;
        std::string_view move;
    };
    for (const Case& c :
         {Case{farnswog(), "2L"}, Case{farnswog(), "3L"}, Case{farnswog(), "9R"},
          Case{traxolumbine(), "2D"}, Case{traxolumbine(), "4R"}, Case{traxolumbine(), "5L"}}) {
        SCOPED_TRACE(std::string(c.move));
        ScriptedGame game(c.program.puzzles());
        ShadowBoard shadow(c.program);
        const auto keys = shadow.play(c.move);
        ASSERT_EQ(keys.size(), 1u);
        type_keys(game, keys);
        ASSERT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(game.sound_log(), "");
        EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
    }
}

// ---------------------------------------------------------------------------
// A block with two ways to go. In TRAXOLUMBINE, after 2 down, 2 down and
// 1 down, block 1 stands between two free cells: it can go up or down.

constexpr std::string_view kBlockOneBetweenTwoFreeCells = "2D 2D 1D";

class TwoWayMove : public ::testing::Test {
protected:
    TwoWayMove() : game_(traxolumbine_puzzles()), shadow_(traxolumbine()) {
        type_keys(game_, shadow_.play_all(kBlockOneBetweenTwoFreeCells));
    }
    void choose_block_one() {
        EXPECT_EQ(shadow_.legal_directions(1), kUp | kDown);
        game_.type("1");
    }
    bool shows_direction_prompt() const {
        return game_.text(kStatusRow, kDirectionPromptColumn,
                          static_cast<int>(kDirectionPrompt.size())) == kDirectionPrompt &&
               game_.span_has_attribute(kStatusRow, kDirectionPromptColumn,
                                        static_cast<int>(kDirectionPrompt.size()), 0x07);
    }
    bool status_line_blank() const {
        return game_.span_has_attribute(kStatusRow, kStatusBlankColumn, kStatusBlankWidth, 0) &&
               game_.text(kStatusRow, kStatusBlankColumn, kStatusBlankWidth) ==
                   std::string(kStatusBlankWidth, ' ');
    }
    ExpectedScreen white_flash_of_block_one() const {
        ExpectedScreen look;
        paint_block(look, traxolumbine(), 1, shadow_.block(1), kBlockInk, kWhite, {});
        return look;
    }

    ScriptedGame game_;
    ShadowBoard shadow_;
};

TEST_F(TwoWayMove, BlockKeyAsksForADirectionAndMovesNothing) {
    choose_block_one();
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_TRUE(shows_direction_prompt());
    EXPECT_EQ(shadow_.board().differences(game_.screen(), kBoardInterior), "");
    EXPECT_EQ(game_.text(kStatusRow, kMoveCounterColumn, 8), "Moves: 3");
    EXPECT_EQ(game_.sound_log(), "");
}

TEST_F(TwoWayMove, ArrowMovesTheBlockAndBlanksThePrompt) {
    for (const auto& [arrow, move] : {std::pair{kUpKey, "1U"}, std::pair{kDownKey, "1D"}}) {
        SCOPED_TRACE(move);
        ScriptedGame game(traxolumbine_puzzles());
        ShadowBoard shadow(traxolumbine());
        type_keys(game, shadow.play_all(kBlockOneBetweenTwoFreeCells));
        const auto keys = shadow.play(move);
        ASSERT_EQ(keys, (std::vector<std::string>{"1", arrow}));
        type_keys(game, keys);
        ASSERT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
        EXPECT_TRUE(game.span_has_attribute(kStatusRow, kStatusBlankColumn, kStatusBlankWidth, 0));
        EXPECT_EQ(game.text(kStatusRow, kStatusBlankColumn, kStatusBlankWidth),
                  std::string(kStatusBlankWidth, ' '));
        EXPECT_EQ(game.text(kStatusRow, kMoveCounterColumn, 8), "Moves: 4");
        EXPECT_EQ(game.sound_log(), "");
    }
}

TEST_F(TwoWayMove, RefusedKeysBeepFlashWhiteAndKeepThePrompt) {
    choose_block_one();
    // Left and right are blocked; X is no command; 0 is no block here.
    game_.type_key(kLeftKey);
    game_.type_key(kRightKey);
    game_.type("X");
    game_.type_key(kEnterKey);
    game_.type("0");
    constexpr int kRefusals = 5;
    game_.console().record_frames(true);
    ASSERT_EQ(game_.run(), std::nullopt);

    EXPECT_EQ(game_.sound_log(), repeated_sound("beep2", kRefusals));
    EXPECT_TRUE(shows_direction_prompt());
    EXPECT_EQ(shadow_.board().differences(game_.screen(), kBoardInterior), "");
    EXPECT_EQ(game_.now_ms(), kRefusals * kFlashMilliseconds);

    // Each refusal shows the block white for 200 ms: outline, fill and label
    // all white on white.
    const auto flashes =
        frames_showing(game_, white_flash_of_block_one(), region_of(shadow_.block(1)));
    ASSERT_EQ(flashes.size(), static_cast<std::size_t>(kRefusals));
    const auto& frames = game_.console().frames();
    for (int i = 0; i < kRefusals; ++i) {
        SCOPED_TRACE("flash " + std::to_string(i + 1));
        const std::size_t flash = flashes[i];
        EXPECT_EQ(frames[flash].at_ms, i * kFlashMilliseconds);
        ASSERT_LT(flash + 1, frames.size());
        EXPECT_EQ(frames[flash + 1].at_ms, (i + 1) * kFlashMilliseconds);
        EXPECT_EQ(shadow_.board().differences(frames[flash + 1].screen, kBoardInterior), "");
    }
}

TEST_F(TwoWayMove, LegalArrowAfterRefusalsStillMoves) {
    choose_block_one();
    game_.type_key(kRightKey);
    game_.type("x");
    game_.type_key(kUpKey);
    shadow_.play("1U");
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.sound_log(), "beep2 beep2");
    EXPECT_EQ(shadow_.board().differences(game_.screen(), kBoardInterior), "");
    EXPECT_TRUE(status_line_blank());
}

TEST_F(TwoWayMove, LowerCaseFaceCommandAtThePromptTogglesTheFace) {
    choose_block_one();
    game_.type("f");
    shadow_.toggle_face();
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.sound_log(), "");
    EXPECT_EQ(shadow_.board().differences(game_.screen(), kBoardInterior), "");
    // The command leaves the prompt text where it was; the next key starts a new turn.
    EXPECT_TRUE(shows_direction_prompt());
}

TEST_F(TwoWayMove, LowerCaseBackAtThePromptTakesBackThePreviousMove) {
    choose_block_one();
    game_.type("b");
    ASSERT_EQ(game_.run(), std::nullopt);
    ShadowBoard expected(traxolumbine());
    expected.play_all("2D 2D");
    EXPECT_EQ(expected.board().differences(game_.screen(), kBoardInterior), "");
    EXPECT_EQ(game_.text(kStatusRow, kMoveCounterColumn, 8), "Moves: 4");
}

TEST_F(TwoWayMove, EscapeAsksWhetherToQuitAndNoKeepsPlaying) {
    choose_block_one();
    game_.type_key(kEscapeKey);
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_EQ(game_.text(kStatusRow, kQuitQuestionColumn, static_cast<int>(kQuitQuestion.size())),
              kQuitQuestion);
    EXPECT_TRUE(game_.span_has_attribute(kStatusRow, kQuitQuestionColumn,
                                         static_cast<int>(kQuitQuestion.size()),
                                         kMagenta | kWhite << 4));
    EXPECT_EQ(game_.sound_log(), "ding2");
    EXPECT_EQ(shadow_.board().differences(game_.screen(), kBoardInterior), "");
}

TEST_F(TwoWayMove, AnswerNRemovesTheQuestionAndTheGameGoesOn) {
    choose_block_one();
    game_.type_key(kEscapeKey);
    game_.type("n");
    ASSERT_EQ(game_.run(), std::nullopt);
    EXPECT_TRUE(status_line_blank());
    EXPECT_FALSE(game_.screen().cursor_visible());

    // The next turn works as usual and the question does not come back.
    ScriptedGame again(traxolumbine_puzzles());
    ShadowBoard shadow(traxolumbine());
    type_keys(again, shadow.play_all(kBlockOneBetweenTwoFreeCells));
    again.type("1");
    again.type_key(kEscapeKey);
    again.type("N");
    type_keys(again, shadow.play("1U"));
    ASSERT_EQ(again.run(), std::nullopt);
    EXPECT_EQ(again.sound_log(), "ding2");
    EXPECT_EQ(shadow.board().differences(again.screen(), kBoardInterior), "");
    EXPECT_TRUE(again.span_has_attribute(kStatusRow, kStatusBlankColumn, kStatusBlankWidth, 0));
}

TEST_F(TwoWayMove, AnswerYesEndsTheGame) {
    choose_block_one();
    game_.type_key(kEscapeKey);
    game_.type("y");
    EXPECT_EQ(game_.run(), 0);
}

// ---------------------------------------------------------------------------
// A block that cannot move.

TEST(BlockedBlock, BeepsAndFlashesBlueOnYellowFor200Milliseconds) {
    // FARNSWOG block 5 (top left) is boxed in at the start.
    ScriptedGame game(farnswog_puzzles());
    ShadowBoard shadow(farnswog());
    ASSERT_EQ(shadow.legal_directions(5), 0);
    game.type("5");
    game.console().record_frames(true);
    ASSERT_EQ(game.run(), std::nullopt);

    EXPECT_EQ(game.sound_log(), "beep2");
    EXPECT_EQ(game.now_ms(), kFlashMilliseconds);
    ExpectedScreen flash;
    paint_block(flash, farnswog(), 5, shadow.block(5), kBlue, kYellow, {});
    const auto flashes = frames_showing(game, flash, region_of(shadow.block(5)));
    ASSERT_EQ(flashes.size(), 1u);
    const auto& frames = game.console().frames();
    EXPECT_EQ(frames[flashes[0]].at_ms, 0);
    ASSERT_LT(flashes[0] + 1, frames.size());
    EXPECT_EQ(frames[flashes[0] + 1].at_ms, kFlashMilliseconds);
    EXPECT_EQ(shadow.board().differences(frames[flashes[0] + 1].screen, kBoardInterior), "");
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
    // Nothing is written to explain the refusal.
    EXPECT_EQ(game.text(kStatusRow, 29, 22), "Select your first move");
}

TEST(BlockedBlock, ZeroChoosesTheFaceBlockInFarnswog) {
    ScriptedGame game(farnswog_puzzles());
    ShadowBoard shadow(farnswog());
    ASSERT_EQ(shadow.legal_directions(10), 0);
    game.type("0");
    game.console().record_frames(true);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "beep2");
    ExpectedScreen flash;
    paint_block(flash, farnswog(), 10, shadow.block(10), kBlue, kYellow, {});
    EXPECT_EQ(frames_showing(game, flash, region_of(shadow.block(10))).size(), 1u);
}

TEST(RefusedKey, ZeroIsNoBlockInTraxolumbine) {
    ScriptedGame game(traxolumbine_puzzles());
    ShadowBoard shadow(traxolumbine());
    game.type("0");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "beep2");
    EXPECT_EQ(game.now_ms(), 0);  // no flash
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
}

TEST(RefusedKey, NonCommandKeysAtTheFirstPromptOnlyBeep) {
    ScriptedGame game(farnswog_puzzles());
    ShadowBoard shadow(farnswog());
    game.type("xG");  // G is a command only in TRAXOLUMBINE
    game.type_key(kEnterKey);
    game.type_key(kUpKey);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "beep2 beep2 beep2 beep2");
    EXPECT_EQ(game.now_ms(), 0);
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
}

TEST(RefusedKey, LowerCaseCommandLettersAreCommandsAtTheFirstPrompt) {
    ScriptedGame game(traxolumbine_puzzles());
    ShadowBoard shadow(traxolumbine());
    game.type("f");
    shadow.toggle_face();
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");

    ScriptedGame quitting(traxolumbine_puzzles());
    quitting.type("q");
    ASSERT_EQ(quitting.run(), std::nullopt);
    EXPECT_EQ(
        quitting.text(kStatusRow, kQuitQuestionColumn, static_cast<int>(kQuitQuestion.size())),
        kQuitQuestion);
}

// ---------------------------------------------------------------------------
// The strip a block leaves is blanked; the rest of the board stays as it was.

struct StripCase {
    std::string_view name;
    const ProgramFacts& program;
    std::string_view moves_before;
    std::string_view move;
    Region strip;
};

class VacatedStrip : public ::testing::TestWithParam<StripCase> {};

ScreenModel screen_after(const ProgramFacts& program, const std::vector<std::string>& keys) {
    ScriptedGame game(program.puzzles());
    type_keys(game, keys);
    EXPECT_EQ(game.run(), std::nullopt);
    return game.screen();
}

TEST_P(VacatedStrip, IsBlankedBlackAndNothingElseChanges) {
    const StripCase& c = GetParam();
    ShadowBoard shadow(c.program);
    std::vector<std::string> keys = shadow.play_all(c.moves_before);
    const ScreenModel before = screen_after(c.program, keys);

    const int number = c.move[0] == '0' ? 10 : c.move[0] - '0';
    const Region old_place = region_of(shadow.block(number));
    for (std::string& key : shadow.play(c.move)) keys.push_back(std::move(key));
    const Region new_place = region_of(shadow.block(number));
    const ScreenModel after = screen_after(c.program, keys);

    for (int row = c.strip.top; row <= c.strip.bottom; ++row) {
        for (int column = c.strip.left; column <= c.strip.right; ++column) {
            EXPECT_EQ(after.cell(row, column), (Cell{' ', 0})) << row << "," << column;
        }
    }
    // The strip is exactly the part of the old place the block no longer covers.
    for (int row = old_place.top; row <= old_place.bottom; ++row) {
        for (int column = old_place.left; column <= old_place.right; ++column) {
            EXPECT_EQ(c.strip.contains(row, column), !new_place.contains(row, column))
                << "strip of the test case is wrong at " << row << "," << column;
        }
    }
    EXPECT_EQ(shadow.board().differences(after, kBoardInterior), "");
    // Every board cell outside the old and new places is untouched.
    for (int row = kBoardInterior.top; row <= kBoardInterior.bottom; ++row) {
        for (int column = kBoardInterior.left; column <= kBoardInterior.right; ++column) {
            if (old_place.contains(row, column) || new_place.contains(row, column)) continue;
            EXPECT_EQ(after.cell(row, column), before.cell(row, column)) << row << "," << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    FourDirections, VacatedStrip,
    ::testing::Values(
        // Block 1 of FARNSWOG moves down from the top right corner.
        StripCase{"OneCellDown", farnswog(), "2L 3L", "1D", {2, 57, 6, 67}},
        // Block 4 of FARNSWOG moves up from the bottom right corner.
        StripCase{"OneCellUp", farnswog(), "2L 3L 1D", "4U", {17, 57, 21, 67}},
        // Block 1 of FARNSWOG moves right from column 13.
        StripCase{"OneCellRightFromColumn13", farnswog(), kFarnswogOpening, "1R", {2, 13, 6, 23}},
        // TRAXOLUMBINE's face block goes right and comes back left.
        StripCase{"TwoByTwoLeft", traxolumbine(), "2D 2D 1D 1D 9R", "9L", {2, 35, 11, 45}},
        StripCase{"TwoByTwoRight", traxolumbine(), "2D 2D 1D 1D", "9R", {2, 13, 11, 23}},
        // A tall block moves left into the two free cells.
        StripCase{"TallLeft", traxolumbine(), "", "5L", {12, 46, 21, 56}},
        // A wide block moves right.
        StripCase{"WideRight", farnswog(), "2L 3L 1D 4U 8R 9D", "6R", {2, 35, 6, 45}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaceBlockMove, RepaintsTheFaceInPlayedColours) {
    ScriptedGame game(traxolumbine_puzzles());
    ShadowBoard shadow(traxolumbine());
    type_keys(game, shadow.play_all("2D 2D 1D 1D 9R"));
    ASSERT_EQ(game.run(), std::nullopt);
    ASSERT_TRUE(shadow.face().played);
    EXPECT_EQ(shadow.board().differences(game.screen(), kBoardInterior), "");
    // Nice Man's brow, yellow on blue, two rows below the block's top at column 24 + 7.
    EXPECT_EQ(game.text(4, 31, 7), "╓≈≈≈≈≈╖");
    EXPECT_EQ(game.attribute(4, 31), kYellow | kBlue << 4);
}

// ---------------------------------------------------------------------------
// The move counter at row 24, column 69, light cyan on black; its trailing
// blanks run on into row 25.

struct CounterCase {
    int moves;
    std::string_view row_24;  // columns 69 to 80
    int blanks_on_row_25;
};

class MoveCounter : public ::testing::TestWithParam<CounterCase> {};

TEST_P(MoveCounter, ShowsTheCountWithBlanksAfterIt) {
    const CounterCase& c = GetParam();
    // TRAXOLUMBINE block 5 shuttles left and right, one way each time.
    ScriptedGame game(traxolumbine_puzzles());
    game.type(std::string(static_cast<std::size_t>(c.moves), '5'));
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_EQ(game.text(kStatusRow, kMoveCounterColumn, 12), c.row_24);
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kMoveCounterColumn, 12, kLightCyan));
    EXPECT_EQ(game.text(25, 1, c.blanks_on_row_25), std::string(c.blanks_on_row_25, ' '));
    EXPECT_TRUE(game.span_has_attribute(25, 1, c.blanks_on_row_25, kLightCyan));
    EXPECT_EQ(game.attribute(25, c.blanks_on_row_25 + 1), 0);
    EXPECT_EQ(game.attribute(kStatusRow, kMoveCounterColumn - 1), 0);
}

INSTANTIATE_TEST_SUITE_P(OneTwoAndThreeDigits, MoveCounter,
                         ::testing::Values(CounterCase{1, "Moves: 1    ", 2},
                                           CounterCase{12, "Moves: 12   ", 3},
                                           CounterCase{100, "Moves: 100  ", 4}),
                         [](const auto& info) { return std::to_string(info.param.moves); });

TEST(MoveCounterTest, NoCountBeforeTheFirstMove) {
    ScriptedGame game(traxolumbine_puzzles());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.text(kStatusRow, kMoveCounterColumn, 12), std::string(12, ' '));
    EXPECT_TRUE(game.span_has_attribute(kStatusRow, kMoveCounterColumn, 12, 0));
}

// ---------------------------------------------------------------------------
// Esc while choosing a block ends the game at once.

TEST(EscapeAtTheFirstPrompt, EndsWithExitCodeZeroAndNoQuestion) {
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        ScriptedGame game(program->puzzles());
        game.type_key(kEscapeKey);
        game.type("y");  // would answer a question, if one were asked
        EXPECT_EQ(game.run(), 0);
        EXPECT_EQ(game.sound_log(), "");
        EXPECT_EQ(game.console().keys_left(), 1u);
        EXPECT_EQ(game.text(kStatusRow, 29, 22), "Select your first move");
    }
}

TEST(EscapeAtTheFirstPrompt, EndsTheGameAfterMovesToo) {
    ScriptedGame game(farnswog_puzzles());
    game.type("2");
    game.type_key(kEscapeKey);
    EXPECT_EQ(game.run(), 0);
    EXPECT_EQ(game.sound_log(), "");
    EXPECT_EQ(game.text(kStatusRow, kQuitQuestionColumn, static_cast<int>(kQuitQuestion.size())),
              std::string(kQuitQuestion.size(), ' '));
}

}  // namespace
}  // namespace blockslide::testing
