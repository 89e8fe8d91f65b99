// The game screen as a fresh puzzle shows it in both programs: the gray box,
// the command bar, the puzzle number, the first prompt, every block with its
// label or face, the target bar and the window title.
#include <gtest/gtest.h>

#include <array>
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
// What each program shows, block by block and word by word.

struct BlockPlace {
    int width;
    int height;
    int body_color;
    int top_row;
    int left_column;
};

enum class FaceStyle { kNiceMan, kZombie };

struct ProgramFacts {
    std::string_view name;
    const PuzzleSet& (*puzzles)();
    std::string_view title;
    std::vector<BlockPlace> blocks;  // block 1 first
    int face_block;
    std::string_view face_digit;
    std::string_view zombie_mouth_left;
    std::string_view zombie_mouth_right;
    std::vector<std::string_view> command_words;
    std::string_view puzzle_number;  // empty when the program shows none
    int target_bar_first_row;
    std::string_view one_way_block_key;  // a block that can move right after the start
};

const ProgramFacts& farnswog() {
    static const ProgramFacts facts{
        .name = "Farnswog",
        .puzzles = farnswog_puzzles,
        .title = "  FARNSWOG!   move the big blue block to the far right.",
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
        .command_words = {"Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .puzzle_number = "",
        .target_bar_first_row = 7,
        .one_way_block_key = "2",
    };
    return facts;
}

const ProgramFacts& traxolumbine() {
    static const ProgramFacts facts{
        .name = "Traxolumbine",
        .puzzles = traxolumbine_puzzles,
        .title = "     TRAXOLUMBINE #1 - move the big blue block to the lower right.",
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
        .command_words = {"Game", "Back", "Last", "Redo", "Face", "Auto", "Help", "Quit"},
        .puzzle_number = "GAME #1",
        .target_bar_first_row = 12,
        .one_way_block_key = "2",
    };
    return facts;
}

constexpr int kBlack = 0;
constexpr int kLightGray = 7;
constexpr int kDarkGray = 8;
constexpr int kLightCyan = 11;
constexpr int kYellow = 14;
constexpr int kWhite = 15;

constexpr int kBlockInk = kWhite;
constexpr int kLabelInk = kWhite;
constexpr int kFreshFaceInk = kDarkGray;
constexpr int kFreshDigitInk = kYellow;
constexpr int kPlayedFaceInk = kYellow;
constexpr int kPlayedDigitInk = kWhite;

constexpr int kBoxTop = 1;
constexpr int kBoxBottom = 22;
constexpr int kBoxLeft = 11;
constexpr int kBoxRight = 69;
constexpr int kInteriorTop = 2;
constexpr int kInteriorBottom = 21;
constexpr int kInteriorLeft = 13;
constexpr int kInteriorRight = 67;
constexpr int kTargetBarColumn = 69;
constexpr int kTargetBarLength = 10;
constexpr int kCommandBarRow = 8;
constexpr int kCommandBarColumn = 4;
constexpr int kPuzzleNumberRow = 6;
constexpr int kPuzzleNumberColumn = 2;
constexpr int kStatusRow = 24;
constexpr std::string_view kFirstPrompt = "Select your first move";
constexpr int kFirstPromptColumn = 29;

// ---------------------------------------------------------------------------
// An expected screen, built from the facts above and compared cell by cell.

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

struct ExpectedCell {
    std::string glyph = " ";
    int foreground = kBlack;
    int background = kBlack;
    bool background_matters = true;
};

struct Region {
    int top;
    int left;
    int bottom;
    int right;
};

constexpr Region kWholeScreen{1, 1, kScreenRows, kScreenColumns};

class ExpectedScreen {
public:
    void put(int row, int column, std::string_view utf8, int foreground, int background) {
        for (const std::string& glyph : glyphs_of(utf8)) {
            at(row, column++) = ExpectedCell{glyph, foreground, background, true};
        }
    }
    // A cell whose background is whatever colour was current when it was drawn.
    void put_on_any_background(int row, int column, std::string_view glyph, int foreground) {
        at(row, column) = ExpectedCell{std::string(glyph), foreground, kBlack, false};
    }
    const ExpectedCell& at(int row, int column) const {
        return cells_[(row - 1) * kScreenColumns + column - 1];
    }

    // "" when the region matches, otherwise a list of the first differences.
    std::string differences(const ScreenModel& screen, Region region) const {
        std::string report;
        int count = 0;
        for (int row = region.top; row <= region.bottom; ++row) {
            for (int column = region.left; column <= region.right; ++column) {
                const ExpectedCell& want = at(row, column);
                const Cell& got = screen.cell(row, column);
                const std::string glyph = cp437_glyph_utf8(got.character);
                const bool same = glyph == want.glyph &&
                                  attribute_foreground(got.attribute) == want.foreground &&
                                  (!want.background_matters ||
                                   attribute_background(got.attribute) == want.background);
                if (same) continue;
                if (++count <= 12) {
                    report += "(" + std::to_string(row) + "," + std::to_string(column) +
                              "): got '" + glyph + "' " +
                              std::to_string(attribute_foreground(got.attribute)) + " on " +
                              std::to_string(attribute_background(got.attribute)) + ", want '" +
                              want.glyph + "' " + std::to_string(want.foreground) + " on " +
                              std::to_string(want.background) + "\n";
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

Region region_of(const BlockPlace& block) {
    return {block.top_row, block.left_column, block.top_row + block.height - 1,
            block.left_column + block.width - 1};
}

void paint_outline(ExpectedScreen& screen, const BlockPlace& block, int ink, int body) {
    const int inner = block.width - 2;
    const int top = block.top_row;
    const int left = block.left_column;
    screen.put(top, left, "┌" + repeated("─", inner) + "┐", ink, body);
    for (int i = 1; i <= block.height - 2; ++i) {
        screen.put(top + i, left, "│" + std::string(inner, ' ') + "│", ink, body);
    }
    screen.put(top + block.height - 1, left, "└" + repeated("─", inner) + "┘", ink, body);
}

void paint_labelled_block(ExpectedScreen& screen, const BlockPlace& block, int number) {
    paint_outline(screen, block, kBlockInk, block.body_color);
    screen.put(block.top_row + (block.height - 1) / 2, block.left_column + (block.width - 1) / 2,
               std::to_string(number % 10), kLabelInk, block.body_color);
}

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

void paint_face_block(ExpectedScreen& screen, const ProgramFacts& program, FaceStyle style,
                      int face_ink, int digit_ink) {
    const BlockPlace& block = program.blocks[program.face_block - 1];
    paint_outline(screen, block, kBlockInk, block.body_color);
    for (const FacePiece& piece : face_pieces(program, style)) {
        screen.put(block.top_row + piece.row_offset, block.left_column + piece.column_offset,
                   piece.text, piece.is_digit ? digit_ink : face_ink, block.body_color);
    }
}

void paint_box(ExpectedScreen& screen) {
    const std::string edge = repeated("─", kBoxRight - kBoxLeft - 1);
    screen.put(kBoxTop, kBoxLeft, "┌" + edge + "┐", kBlack, kDarkGray);
    for (int row = kInteriorTop; row <= kInteriorBottom; ++row) {
        screen.put(row, kBoxLeft, "│", kBlack, kDarkGray);
        screen.put(row, kBoxLeft + 1, "█", kDarkGray, kDarkGray);
        screen.put(row, kBoxRight - 1, "█", kDarkGray, kDarkGray);
        screen.put(row, kBoxRight, "│", kBlack, kDarkGray);
    }
    screen.put(kBoxBottom, kBoxLeft, "└" + edge + "┘", kBlack, kDarkGray);
}

void paint_command_bar(ExpectedScreen& screen, const ProgramFacts& program) {
    int row = kCommandBarRow;
    for (std::string_view word : program.command_words) {
        screen.put(row, kCommandBarColumn, word.substr(0, 1), kYellow, kBlack);
        screen.put(row, kCommandBarColumn + 1, word.substr(1), kLightGray, kBlack);
        ++row;
    }
}

void paint_target_bar(ExpectedScreen& screen, int first_row, int color) {
    for (int row = first_row; row < first_row + kTargetBarLength; ++row) {
        screen.put_on_any_background(row, kTargetBarColumn, "█", color);
    }
}

// The whole screen of a fresh puzzle, before any key.
ExpectedScreen fresh_game_screen(const ProgramFacts& program) {
    ExpectedScreen screen;
    paint_box(screen);
    paint_command_bar(screen, program);
    if (!program.puzzle_number.empty()) {
        screen.put(kPuzzleNumberRow, kPuzzleNumberColumn, program.puzzle_number, kLightCyan,
                   kBlack);
    }
    screen.put(kStatusRow, kFirstPromptColumn, kFirstPrompt, kLightGray, kBlack);
    for (int number = 1; number <= static_cast<int>(program.blocks.size()); ++number) {
        if (number == program.face_block) continue;
        paint_labelled_block(screen, program.blocks[number - 1], number);
    }
    paint_face_block(screen, program, FaceStyle::kNiceMan, kFreshFaceInk, kFreshDigitInk);
    paint_target_bar(screen, program.target_bar_first_row, kYellow);
    return screen;
}

// ---------------------------------------------------------------------------

class StartScreenTest : public ::testing::TestWithParam<const ProgramFacts*> {
protected:
    const ProgramFacts& program() const { return *GetParam(); }
    ScriptedGame& game() {
        if (!game_) game_.emplace(program().puzzles());
        return *game_;
    }
    // Plays the keys and expects the game to be still waiting afterwards.
    void play(std::string_view keys) {
        game().type(keys);
        ASSERT_EQ(game().run(), std::nullopt);
    }
    const BlockPlace& face_block() const { return program().blocks[program().face_block - 1]; }

private:
    std::optional<ScriptedGame> game_;
};

TEST_P(StartScreenTest, WholeScreenMatchesTheFreshPuzzle) {
    play("");
    EXPECT_EQ(fresh_game_screen(program()).differences(game().screen(), kWholeScreen), "");
}

TEST_P(StartScreenTest, BoxIsDarkGrayWithThinBlackOuterLines) {
    play("");
    const ScreenModel& screen = game().screen();
    const ExpectedScreen expected = fresh_game_screen(program());
    EXPECT_EQ(expected.differences(screen, {kBoxTop, kBoxLeft, kBoxTop, kBoxRight}), "");
    EXPECT_EQ(expected.differences(screen, {kBoxBottom, kBoxLeft, kBoxBottom, kBoxRight}), "");
    EXPECT_EQ(game().text(kBoxTop, kBoxLeft, 3), "┌──");
    EXPECT_EQ(game().text(kBoxBottom, kBoxRight - 2, 3), "──┘");
    for (int row = kInteriorTop; row <= kInteriorBottom; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        for (int column : {kBoxLeft, kBoxLeft + 1, kBoxRight - 1}) {
            EXPECT_EQ(game().background(row, column), kDarkGray) << "column " << column;
        }
        EXPECT_EQ(game().text(row, kBoxLeft, 2), "│█");
        EXPECT_EQ(game().attribute(row, kBoxLeft), 0x80);
        EXPECT_EQ(game().attribute(row, kBoxLeft + 1), 0x88);
        EXPECT_EQ(game().attribute(row, kBoxRight - 1), 0x88);
    }
    for (int column = kBoxLeft; column <= kBoxRight; ++column) {
        EXPECT_EQ(game().attribute(kBoxTop, column), 0x80) << "column " << column;
        EXPECT_EQ(game().attribute(kBoxBottom, column), 0x80) << "column " << column;
    }
}

TEST_P(StartScreenTest, RightEdgeOutsideTheTargetBarIsAThinLine) {
    play("");
    const int bar_first = program().target_bar_first_row;
    for (int row = kInteriorTop; row <= kInteriorBottom; ++row) {
        if (row >= bar_first && row < bar_first + kTargetBarLength) continue;
        EXPECT_EQ(game().text(row, kBoxRight, 1), "│") << "row " << row;
        EXPECT_EQ(game().attribute(row, kBoxRight), 0x80) << "row " << row;
    }
}

TEST_P(StartScreenTest, BoardCellsWithoutABlockAreBlackBlanks) {
    play("");
    std::vector<std::vector<bool>> covered(kScreenRows + 1,
                                           std::vector<bool>(kScreenColumns + 1, false));
    for (const BlockPlace& block : program().blocks) {
        const Region r = region_of(block);
        for (int row = r.top; row <= r.bottom; ++row) {
            for (int column = r.left; column <= r.right; ++column) covered[row][column] = true;
        }
    }
    int free_cells = 0;
    for (int row = kInteriorTop; row <= kInteriorBottom; ++row) {
        for (int column = kInteriorLeft; column <= kInteriorRight; ++column) {
            if (covered[row][column]) {
                EXPECT_NE(game().background(row, column), kBlack) << row << "," << column;
                continue;
            }
            ++free_cells;
            EXPECT_EQ(game().attribute(row, column), 0) << row << "," << column;
            EXPECT_EQ(game().text(row, column, 1), " ") << row << "," << column;
        }
    }
    // Two grid cells of 11 by 5 stay free.
    EXPECT_EQ(free_cells, 2 * 11 * 5);
}

TEST_P(StartScreenTest, CommandBarListsOneWordPerRow) {
    play("");
    const auto& words = program().command_words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int row = kCommandBarRow + static_cast<int>(i);
        SCOPED_TRACE(std::string(words[i]));
        EXPECT_EQ(game().text(row, kCommandBarColumn, 4), words[i]);
        EXPECT_EQ(game().attribute(row, kCommandBarColumn), 0x0E);
        EXPECT_TRUE(game().span_has_attribute(row, kCommandBarColumn + 1, 3, 0x07));
    }
    const int row_after = kCommandBarRow + static_cast<int>(words.size());
    EXPECT_EQ(game().text(row_after, kCommandBarColumn, 4), "    ");
    EXPECT_EQ(game().text(kCommandBarRow - 1, kCommandBarColumn, 4), "    ");
}

TEST_P(StartScreenTest, FirstPromptIsCentredOnTheStatusLine) {
    play("");
    EXPECT_EQ(game().text(kStatusRow, kFirstPromptColumn, static_cast<int>(kFirstPrompt.size())),
              kFirstPrompt);
    EXPECT_TRUE(game().span_has_attribute(kStatusRow, kFirstPromptColumn,
                                          static_cast<int>(kFirstPrompt.size()), 0x07));
    EXPECT_EQ(game().text(kStatusRow, kFirstPromptColumn - 1, 1), " ");
}

TEST_P(StartScreenTest, WindowTitleIsThePuzzleTitleLine) {
    play("");
    EXPECT_EQ(game().console().title(), program().title);
}

TEST_P(StartScreenTest, CursorIsHidden) {
    play("");
    EXPECT_FALSE(game().screen().cursor_visible());
}

TEST_P(StartScreenTest, EveryLabelledBlockHasOutlineFillAndCentredLabel) {
    play("");
    const ExpectedScreen expected = fresh_game_screen(program());
    for (int number = 1; number <= static_cast<int>(program().blocks.size()); ++number) {
        if (number == program().face_block) continue;
        const BlockPlace& block = program().blocks[number - 1];
        SCOPED_TRACE("block " + std::to_string(number));
        EXPECT_EQ(expected.differences(game().screen(), region_of(block)), "");
        const int label_row = block.top_row + (block.height - 1) / 2;
        const int label_column = block.left_column + (block.width - 1) / 2;
        EXPECT_EQ(game().text(label_row, label_column, 1), std::to_string(number));
        EXPECT_EQ(game().attribute(label_row, label_column), kWhite | block.body_color << 4);
        EXPECT_EQ(game().text(block.top_row, block.left_column, 1), "┌");
        EXPECT_EQ(
            game().text(block.top_row + block.height - 1, block.left_column + block.width - 1, 1),
            "┘");
    }
}

TEST_P(StartScreenTest, FaceBlockWearsTheNiceManInFreshColours) {
    play("");
    ExpectedScreen expected;
    paint_face_block(expected, program(), FaceStyle::kNiceMan, kFreshFaceInk, kFreshDigitInk);
    EXPECT_EQ(expected.differences(game().screen(), region_of(face_block())), "");
}

TEST_P(StartScreenTest, FaceKeyShowsTheZombieAndBackTheNiceMan) {
    play("F");
    ExpectedScreen zombie;
    paint_face_block(zombie, program(), FaceStyle::kZombie, kFreshFaceInk, kFreshDigitInk);
    EXPECT_EQ(zombie.differences(game().screen(), region_of(face_block())), "");
    const std::string mouth =
        std::string(program().zombie_mouth_left) + "Ω" + std::string(program().zombie_mouth_right);
    EXPECT_EQ(game().text(face_block().top_row + 5, face_block().left_column + 9, 3), mouth);

    ScriptedGame twice(program().puzzles());
    twice.type("Ff");
    ASSERT_EQ(twice.run(), std::nullopt);
    ExpectedScreen nice_man;
    paint_face_block(nice_man, program(), FaceStyle::kNiceMan, kFreshFaceInk, kFreshDigitInk);
    EXPECT_EQ(nice_man.differences(twice.screen(), region_of(face_block())), "");
}

TEST_P(StartScreenTest, FaceKeepsFreshColoursUntilTheFaceBlockIsDrawnAgain) {
    // A move of another block does not repaint the face block.
    play(program().one_way_block_key);
    ExpectedScreen expected;
    paint_face_block(expected, program(), FaceStyle::kNiceMan, kFreshFaceInk, kFreshDigitInk);
    EXPECT_EQ(expected.differences(game().screen(), region_of(face_block())), "");
}

TEST_P(StartScreenTest, FaceRedrawnAfterAMoveIsYellowWithAWhiteDigit) {
    play(std::string(program().one_way_block_key) + "F");
    ExpectedScreen zombie;
    paint_face_block(zombie, program(), FaceStyle::kZombie, kPlayedFaceInk, kPlayedDigitInk);
    EXPECT_EQ(zombie.differences(game().screen(), region_of(face_block())), "");

    ScriptedGame twice(program().puzzles());
    twice.type(std::string(program().one_way_block_key) + "FF");
    ASSERT_EQ(twice.run(), std::nullopt);
    ExpectedScreen nice_man;
    paint_face_block(nice_man, program(), FaceStyle::kNiceMan, kPlayedFaceInk, kPlayedDigitInk);
    EXPECT_EQ(nice_man.differences(twice.screen(), region_of(face_block())), "");
}

TEST_P(StartScreenTest, TargetBarIsYellowBesideTheGoal) {
    play("");
    const int first = program().target_bar_first_row;
    for (int row = first; row < first + kTargetBarLength; ++row) {
        EXPECT_EQ(game().text(row, kTargetBarColumn, 1), "█") << "row " << row;
        EXPECT_EQ(game().foreground(row, kTargetBarColumn), kYellow) << "row " << row;
    }
}

TEST_P(StartScreenTest, TargetBarTurnsLightGrayAtTheFirstKeyEvenARefusedOne) {
    play("X");
    EXPECT_EQ(game().sound_log(), "beep2");
    const int first = program().target_bar_first_row;
    for (int row = first; row < first + kTargetBarLength; ++row) {
        EXPECT_EQ(game().text(row, kTargetBarColumn, 1), "█") << "row " << row;
        EXPECT_EQ(game().foreground(row, kTargetBarColumn), kLightGray) << "row " << row;
    }
    // Nothing else on the screen changed.
    ExpectedScreen expected = fresh_game_screen(program());
    paint_target_bar(expected, first, kLightGray);
    EXPECT_EQ(expected.differences(game().screen(), kWholeScreen), "");
}

TEST_P(StartScreenTest, TargetBarTurnsLightGrayAtAFirstMove) {
    play(program().one_way_block_key);
    const int first = program().target_bar_first_row;
    for (int row = first; row < first + kTargetBarLength; ++row) {
        EXPECT_EQ(game().foreground(row, kTargetBarColumn), kLightGray) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, StartScreenTest,
                         ::testing::Values(&farnswog(), &traxolumbine()),
                         [](const auto& info) { return std::string(info.param->name); });

// ---------------------------------------------------------------------------
// What only one of the programs shows.

TEST(FarnswogStartScreen, ShowsNoPuzzleNumberAndNoGameCommand) {
    ScriptedGame game(farnswog_puzzles());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.text(kPuzzleNumberRow, 1, 10), "          ");
    EXPECT_TRUE(game.span_has_attribute(kPuzzleNumberRow, 1, 10, 0));
    EXPECT_EQ(game.text(kCommandBarRow, kCommandBarColumn, 4), "Back");
    EXPECT_EQ(game.text(kCommandBarRow + 6, kCommandBarColumn, 4), "Quit");
}

TEST(FarnswogStartScreen, FaceDigitIsZero) {
    ScriptedGame game(farnswog_puzzles());
    ASSERT_EQ(game.run(), std::nullopt);
    // Block 10 at row 7, column 13: the Nice Man's digit row is 4 rows down, from column 6.
    EXPECT_EQ(game.text(11, 19, 9), "└╕  0  ╒┘");
    EXPECT_EQ(game.attribute(11, 23), kYellow | 1 << 4);
}

TEST(TraxolumbineStartScreen, ShowsTheNumberOfPuzzleOne) {
    ScriptedGame game(traxolumbine_puzzles());
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.text(kPuzzleNumberRow, kPuzzleNumberColumn, 7), "GAME #1");
    EXPECT_TRUE(game.span_has_attribute(kPuzzleNumberRow, kPuzzleNumberColumn, 7, 0x0B));
    EXPECT_EQ(game.text(kPuzzleNumberRow, kPuzzleNumberColumn + 7, 1), " ");
    EXPECT_EQ(game.text(kCommandBarRow, kCommandBarColumn, 4), "Game");
    EXPECT_EQ(game.text(kCommandBarRow + 7, kCommandBarColumn, 4), "Quit");
}

TEST(TraxolumbineStartScreen, FaceDigitIsNine) {
    ScriptedGame game(traxolumbine_puzzles());
    ASSERT_EQ(game.run(), std::nullopt);
    // Block 9 at row 2, column 13.
    EXPECT_EQ(game.text(6, 19, 9), "└╕  9  ╒┘");
    EXPECT_EQ(game.attribute(6, 23), kYellow | 1 << 4);
}

TEST(TraxolumbineStartScreen, PuzzleTwoShowsItsNumberTitleAndBarAtTheTop) {
    ScriptedGame game(traxolumbine_puzzles());
    game.type("G");
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_EQ(game.console().title(),
              "     TRAXOLUMBINE #2 - move the big blue block to the upper right.");
    EXPECT_EQ(game.text(kPuzzleNumberRow, kPuzzleNumberColumn, 7), "GAME #2");
    ProgramFacts puzzle_two = traxolumbine();
    puzzle_two.puzzle_number = "GAME #2";
    puzzle_two.target_bar_first_row = 2;
    EXPECT_EQ(fresh_game_screen(puzzle_two).differences(game.screen(), kWholeScreen), "");
}

}  // namespace
}  // namespace blockslide::testing
