// The Unix terminal's writer: console colours on terminals of 16, 8 and no colours, and glyphs in
// UTF-8, in a Latin-1 locale and from the line-drawing set. (What the writer sends, the end-to-end
// tests see through a real terminal.)
#include <gtest/gtest.h>

#include "console/screen_model.h"
#include "console/unix/cell_style.h"
#include "console/unix/glyph_table.h"
#include "console/unix/terminal_codes.h"

namespace blockslide {
namespace {

TEST(CellStyle, ShowsConsoleColoursOnEachKindOfTerminal) {
    const CellStyle reverse{-1, -1, false, true};
    struct Row {
        int foreground, background;
        CellStyle sixteen, eight, none;
    } rows[] = {
        {15, 1, {15, 4}, {7, 4, true}, reverse},   // white on blue
        {14, 0, {11, 0}, {3, 0, true}, {}},        // yellow on black
        {0, 8, {0, 8}, {0, 7}, reverse},           // the box: black on dark gray
        {6, 3, {3, 6}, {3, 6}, reverse},           // brown on cyan
        {13, 12, {13, 9}, {5, 1, true}, reverse},  // light magenta on light red
    };
    for (const Row& row : rows) {
        const auto attribute = make_attribute(row.foreground, row.background);
        EXPECT_EQ(style_of(attribute, color_depth(256)), row.sixteen) << int(attribute);
        EXPECT_EQ(style_of(attribute, color_depth(8)), row.eight) << int(attribute);
        EXPECT_EQ(style_of(attribute, color_depth(2)), row.none) << int(attribute);
    }
    EXPECT_TRUE(looks_alike({1, 4}, {2, 4}, true));  // a blank shows its background only
    EXPECT_FALSE(looks_alike({1, 4}, {2, 4}, false));
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
