// The Unix terminal's writer: console colours on terminals of 16, 8 and no colours, with every
// distinction the games' screens make kept on 8; glyphs in UTF-8, in a Latin-1 locale and from the
// line-drawing set. (What the writer sends, the end-to-end tests see through a real terminal.)
#include <gtest/gtest.h>

#include "console/screen_model.h"
#include "console/unix/cell_style.h"
#include "console/unix/glyph_table.h"
#include "console/unix/terminal_codes.h"
#include "tests/played_game.h"

namespace blockslide {
namespace {

TEST(CellStyle, ShowsConsoleColoursOnEachKindOfTerminal) {
    const CellStyle reverse{-1, -1, false, true};
    struct Row {
        int foreground, background;
        CellStyle sixteen, eight, none;
        unsigned char glyph = 'x';
    } rows[] = {
        {15, 1, {15, 4}, {7, 4, true}, reverse},   // white on blue
        {14, 0, {11, 0}, {3, 0, true}, {}},        // yellow on black
        {0, 8, {0, 8}, {0, 7}, reverse},           // the box: black on dark gray
        {6, 3, {3, 6}, {3, 6}, reverse},           // brown on cyan
        {13, 12, {13, 9}, {5, 7, true}, reverse},  // light magenta on light red
        {1, 14, {4, 11}, {4, 7}, reverse},         // a stuck block's flash
        {7, 0, {7, 0}, {7, 0}, {}},                // light gray text
        {7, 0, {7, 0}, {7, 0, true}, {}, 0xDB},    // the light gray bar
    };
    for (const Row& row : rows) {
        const Cell cell{row.glyph, make_attribute(row.foreground, row.background)};
        EXPECT_EQ(style_of(cell, color_depth(256)), row.sixteen) << int(cell.attribute);
        EXPECT_EQ(style_of(cell, color_depth(8)), row.eight) << int(cell.attribute);
        EXPECT_EQ(style_of(cell, color_depth(2)), row.none) << int(cell.attribute);
    }
    EXPECT_TRUE(looks_alike({1, 4}, {2, 4}, true));  // a blank shows its background only
    EXPECT_FALSE(looks_alike({1, 4}, {2, 4}, false));
}

// What is wrong with a cell on 8 colours, given what it was before: text that vanishes into its
// background, a full block of the box's colour beside the box, or a change of colour that the
// console shows and the terminal does not.
std::string eight_colour_fault(const Cell& was, const Cell& cell) {
    const CellStyle shown = style_of(cell, ColorDepth::kEight);
    const CellStyle box = style_of({' ', make_attribute(0, 8)}, ColorDepth::kEight);
    const int ink = attribute_foreground(cell.attribute);
    if (!is_blank(cell.character) && ink != attribute_background(cell.attribute) &&
        shown.foreground == shown.background && !shown.bold)
        return "text vanishes";
    if (cell.character == 0xDB && ink != 8 && shown.foreground == box.background && !shown.bold)
        return "a full block in the box's colour";
    const auto alike = [&](ColorDepth depth) {
        return looks_alike(style_of(was, depth), style_of(cell, depth), is_blank(cell.character));
    };
    if (was.character == cell.character && alike(ColorDepth::kEight) != alike(ColorDepth::kSixteen))
        return "a change of colour lost";
    return "";
}

// Every screen of both games on 8 colours keeps apart what the console keeps apart: the status
// texts from their background, the bar from the box, both bar colours, each flash from each body.
TEST(CellStyle, KeepsEveryScreenDistinctOnEightColours) {
    constexpr std::int64_t kLate = 1'000'000;  // after any auto-play
    for (const test::ProgramFacts* program : {&test::farnswog(), &test::traxolumbine()}) {
        test::PlayedGame game(*program, "1 3 4 5 6 7 8 9 0 @1D 2L L T Q n H <Space> F A");
        game.console.type_at(kLate, "x");
        for (MoveCode move : program->puzzle_set().puzzles[0].solution)
            game.play(std::string(move));
        game.play("<Space>");
        game.console.record_frames(true);
        ASSERT_EQ(game.run(), 0);
        const ScreenModel* before = &game.console.frames().front().screen;
        for (const auto& [at_ms, screen] : game.console.frames()) {
            for (int row = 1; row <= kScreenRows; ++row) {
                for (int column = 1; column <= kScreenColumns; ++column) {
                    ASSERT_EQ(
                        eight_colour_fault(before->cell(row, column), screen.cell(row, column)), "")
                        << "row " << row << ", column " << column << " at " << at_ms << " ms";
                }
            }
            before = &screen;
        }
    }
}

std::optional<std::string> latin1(char32_t glyph) {
    if (glyph >= 0x100) return std::nullopt;
    return std::string(1, static_cast<char>(glyph));
}

TEST(GlyphTable, SendsEachGlyphAsTheTerminalCanShowIt) {
    const GlyphTable utf8(utf8_encoding, ""), line_drawing(latin1, "``aaqqxxllkk00"),
        bare(latin1, "");
    const struct {
        const GlyphTable& table;
        unsigned char byte;
        std::string bytes;
        bool line_drawing = false;
    } rows[] = {{utf8, 0xDA, "┌"},
                {utf8, 0x00, " "},
                {line_drawing, 0x94, "\xF6"},
                {line_drawing, 0xC4, "q", true},
                {line_drawing, 0xCD, "q", true},
                {line_drawing, 0xDB, "0", true},
                {line_drawing, 0xEA, "?"},
                {bare, 0xDA, "+"},
                {bare, 0xDB, "#"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.table[row.byte].bytes, row.bytes) << int(row.byte);
        EXPECT_EQ(row.table[row.byte].line_drawing, row.line_drawing) << int(row.byte);
    }
}

// A vt100 asks its driver for delays ("$<50>"); the game's own writes need none.
TEST(TerminalCodes, LeaveOutPadding) {
    std::string problem;
    const std::optional<TerminalCodes> codes = load_terminal_codes("vt100", problem);
    ASSERT_TRUE(codes) << problem;
    EXPECT_EQ(codes->clear, "\033[H\033[J");
}

}  // namespace
}  // namespace blockslide
