// The Unix terminal's writer: console colours on terminals of 16, 8 and no colours, with every
// distinction the games' screens make kept on 8; glyphs in UTF-8, in a Latin-1 locale and from the
// line-drawing set. (What the writer sends, the end-to-end tests see through a real terminal.)
#include <gtest/gtest.h>

#include <random>

#include "console/screen_model.h"
#include "console/unix/cell_style.h"
#include "console/unix/glyph_table.h"
#include "console/unix/screen_writer.h"
#include "console/unix/terminal_codes.h"
#include "tests/played_game.h"
#include "tests/terminal_model.h"

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

// Every screen of a whole game: the start, moves with the keys and the mouse, flashes, the quit
// question, the instructions, auto-play and the congratulations.
std::vector<ScreenModel> every_screen(const test::ProgramFacts& program) {
    constexpr std::int64_t kLate = 1'000'000;  // after any auto-play
    test::PlayedGame game(program, "1 3 4 5 6 7 8 9 0 @1D 2L L T Q n H <Space> F A");
    game.console.type_at(kLate, "x");
    for (MoveCode move : program.puzzle_set().puzzles[0].solution) game.play(std::string(move));
    game.play("<Space>");
    game.console.record_frames(true);
    EXPECT_EQ(game.run(), 0);
    std::vector<ScreenModel> screens;
    for (const auto& frame : game.console.frames()) screens.push_back(frame.screen);
    return screens;
}

// Every screen of both games on 8 colours keeps apart what the console keeps apart: the status
// texts from their background, the bar from the box, both bar colours, each flash from each body.
TEST(CellStyle, KeepsEveryScreenDistinctOnEightColours) {
    for (const test::ProgramFacts* program : {&test::farnswog(), &test::traxolumbine()}) {
        const std::vector<ScreenModel> screens = every_screen(*program);
        for (std::size_t at = 1; at < screens.size(); ++at) {
            for (int row = 1; row <= kScreenRows; ++row) {
                for (int column = 1; column <= kScreenColumns; ++column) {
                    ASSERT_EQ(eight_colour_fault(screens[at - 1].cell(row, column),
                                                 screens[at].cell(row, column)),
                              "")
                        << "row " << row << ", column " << column << " of screen " << at;
                }
            }
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

// Only ASCII of its own, as in the C locale: the lines come from the line-drawing set.
std::optional<std::string> ascii(char32_t glyph) {
    if (glyph >= 0x80) return std::nullopt;
    return std::string(1, static_cast<char>(glyph));
}

struct TerminalKind {
    const char* name;
    int lines, columns;
    int top, left;  // where the screen's first cell shows, counted from 0
    CharacterEncoder encoder;
};

// 16 colours in UTF-8; 8 colours centred in 100 x 31 with ESC ( 0 lines; none, with SO lines.
const TerminalKind kKinds[] = {{"xterm-256color", 25, 80, 0, 0, utf8_encoding},
                               {"xterm", 31, 100, 3, 10, ascii},
                               {"vt100", 25, 80, 0, 0, ascii}};

// The writer draws `screens` in turn, each over the one before (now and then afresh): the terminal
// must then show each cell's glyph in its style, blanks around the screen, and the cursor where it
// stands and only when it is shown.
void expect_drawn(const TerminalKind& kind, const std::vector<ScreenModel>& screens) {
    constexpr std::size_t kRepaintEvery = 97;
    std::string problem;
    const std::optional<TerminalCodes> codes = load_terminal_codes(kind.name, problem);
    ASSERT_TRUE(codes) << problem;
    const GlyphTable glyphs(kind.encoder, codes->line_drawing_pairs);
    const ColorDepth depth = color_depth(codes->colors);
    ScreenWriter writer(*codes, glyphs, depth);
    test::TerminalModel terminal(*codes, kind.lines, kind.columns);
    const Placement where = Placement::centred(kind.lines, kind.columns);
    for (std::size_t at = 0; at < screens.size(); ++at) {
        const ScreenModel& screen = screens[at];
        std::string out;
        if (at % kRepaintEvery == 0)
            writer.repaint(screen, where, out);
        else
            writer.update(screens[at - 1], screen, where, out);
        ASSERT_TRUE(terminal.feed(out)) << kind.name << ", screen " << at;
        for (int row = 0; row < kind.lines; ++row) {
            for (int column = 0; column < kind.columns; ++column) {
                const int model_row = row - kind.top + 1, model_column = column - kind.left + 1;
                const bool on_screen = model_row >= 1 && model_row <= kScreenRows &&
                                       model_column >= 1 && model_column <= kScreenColumns;
                const Cell cell = on_screen ? screen.cell(model_row, model_column) : Cell{' ', 0};
                const Glyph& glyph = glyphs[cell.character];
                const test::TerminalModel::Shown& shown = terminal.at(row, column);
                ASSERT_TRUE(
                    shown.glyph == glyph.bytes && shown.line_drawing == glyph.line_drawing &&
                    looks_alike(shown.style, on_screen ? style_of(cell, depth) : CellStyle{},
                                is_blank(cell.character)))
                    << kind.name << ", screen " << at << ": row " << row << ", column " << column
                    << " shows " << shown.glyph << " for " << glyph.bytes;
            }
        }
        const TerminalPosition cursor{kind.top + screen.cursor_row() - 1,
                                      kind.left + screen.cursor_column() - 1};
        const bool hides = !codes->hide_cursor.empty();  // a vt100 cannot
        ASSERT_TRUE(screen.cursor_visible() ? terminal.cursor_visible && terminal.cursor == cursor
                                            : !hides || !terminal.cursor_visible)
            << kind.name << ", cursor on screen " << at;
    }
}

TEST(ScreenWriter, DrawsEveryScreenOfBothGames) {
    for (const test::ProgramFacts* program : {&test::farnswog(), &test::traxolumbine()}) {
        const std::vector<ScreenModel> screens = every_screen(*program);
        for (const TerminalKind& kind : kKinds) expect_drawn(kind, screens);
    }
}

// A few glyphs printed in random colours at random places, often by the edges; the cursor shown
// or not.
TEST(ScreenWriter, DrawsRandomChanges) {
    constexpr std::uint8_t kGlyphs[] = {' ', 0, 'x', 0xC4, 0xB3, 0xDB, 0x94, 0x01};
    std::mt19937 random(27);
    const auto below = [&random](int count) { return static_cast<int>(random() % count); };
    const auto often_at_end = [&](int size) {
        return below(2) ? size - below(2) : 1 + below(size);
    };
    ScreenModel screen;
    std::vector<ScreenModel> screens;
    for (int step = 0; step < 300; ++step) {
        if (below(3) == 0) screen.set_color(below(16), below(2) * below(16));
        if (below(2) == 0) screen.locate(often_at_end(kScreenRows), often_at_end(kScreenColumns));
        std::string text;
        for (int count = 1 + below(12); count > 0; --count)
            text += static_cast<char>(kGlyphs[below(8)]);
        screen.print(text);
        screen.show_cursor(below(3) != 0);
        screens.push_back(screen);
    }
    for (const TerminalKind& kind : kKinds) expect_drawn(kind, screens);
}

}  // namespace
}  // namespace blockslide
