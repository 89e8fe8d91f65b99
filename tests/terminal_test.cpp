// The Unix terminal's writer: console colours on terminals of 16, 8 and no colours; glyphs in
// UTF-8, in a Latin-1 locale and from the line-drawing set; and updates that bring a terminal
// exactly to the screen model, whatever changed and wherever the screen sits, seen through a small
// interpreter of the sequences those terminals understand.
#include <gtest/gtest.h>

#include <random>

#include "console/unix/screen_writer.h"

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

// Just enough of a terminal to follow the writer: cursor moves, colours, bold and reverse video,
// the line-drawing set (marked by a leading '#'), clearing, UTF-8 and Latin-1.
struct Terminal {
    Terminal(int lines, int columns, bool utf8) : lines(lines), columns(columns), utf8(utf8) {}
    int lines, columns;
    bool utf8;
    std::vector<std::pair<std::string, CellStyle>> cells{std::size_t(lines * columns)};
    int row = 0, column = 0;
    CellStyle style;
    bool line_drawing = false;

    void feed(std::string_view bytes) {
        for (std::size_t at = 0; at < bytes.size();) {
            const unsigned char byte = bytes[at++];
            if (byte == '\033' && bytes[at] == '(')
                line_drawing = bytes[at + 1] == '0', at += 2;
            else if (byte == '\033' && bytes[at] == '[')
                at = control(bytes, at + 1);
            else if (byte == '\r')
                column = 0;
            else if (byte == '\n')
                ++row;
            else if (byte == '\b')
                --column;
            else if (byte == 0x0E || byte == 0x0F)
                line_drawing = byte == 0x0E;
            else if (byte >= 0x20)
                at = print(bytes, at - 1);
        }
    }
    std::size_t print(std::string_view bytes, std::size_t at) {
        std::size_t length = 1;
        while (utf8 && (bytes[at + length] & 0xC0) == 0x80) ++length;
        if (column < columns)
            cells[row * columns + column] = {
                (line_drawing ? "#" : "") + std::string(bytes.substr(at, length)), style};
        column = std::min(column + 1, columns);  // past the last column: waiting to wrap
        return at + length;
    }
    std::size_t control(std::string_view bytes, std::size_t at) {
        std::vector<int> n{0};
        for (; bytes[at] < 0x40; ++at) {
            if (bytes[at] == ';') n.push_back(0);
            if (std::isdigit(bytes[at])) n.back() = n.back() * 10 + bytes[at] - '0';
        }
        const int count = std::max(n[0], 1);
        const char final_byte = bytes[at];
        if (final_byte == 'H') row = count - 1, column = std::max(n.size() > 1 ? n[1] : 1, 1) - 1;
        if (final_byte == 'A' || final_byte == 'B') row += final_byte == 'A' ? -count : count;
        if (final_byte == 'C' || final_byte == 'D') column += final_byte == 'D' ? -count : count;
        if (final_byte == 'G') column = count - 1;
        if (final_byte == 'd') row = count - 1;
        if (final_byte == 'J')
            std::fill(cells.begin(), cells.end(), std::pair{std::string(" "), style});
        for (int value : final_byte == 'm' ? n : std::vector<int>{}) {
            if (value == 0) style = CellStyle{};
            if (value == 1 || value == 7) (value == 1 ? style.bold : style.reverse) = true;
            if (value % 10 < 8 && value / 10 % 6 == 3)
                style.foreground = value % 10 + (value >= 90) * 8;
            if (value % 10 < 8 && value / 10 % 6 == 4)
                style.background = value % 10 + (value >= 100) * 8;
        }
        return at + 1;
    }
};

// Random rectangles of random glyphs and colours, and the cursor somewhere, shown or not.
void scribble(ScreenModel& screen, std::mt19937& random) {
    const std::string_view glyphs = "  ab5\xDA\xC4\xBF\xB3\xDB\xCD\xBA\xB0\x94\xEA\xF7";
    const int top = 1 + int(random() % kScreenRows), left = 1 + int(random() % kScreenColumns);
    screen.set_color(int(random() % 16), int(random() % 16));
    for (int row = top; row < std::min(top + 6, kScreenRows + 1); ++row) {
        screen.locate(row, left);
        for (int i = int(random() % 12); i >= 0 && left + i <= kScreenColumns; --i)
            screen.print(glyphs.substr(random() % glyphs.size(), 1));
    }
    screen.locate(1 + int(random() % kScreenRows), 1 + int(random() % kScreenColumns));
    screen.show_cursor(random() % 2 == 0);
}

TEST(ScreenWriter, BringsAnyTerminalExactlyToTheScreen) {
    std::mt19937 random(437);
    for (auto [type, utf8, lines, columns] : {std::tuple{"xterm-256color", true, 31, 99},
                                              {"linux", false, 20, 70},
                                              {"vt100", false, 25, 80}}) {
        std::string problem;
        const std::optional<TerminalCodes> codes = load_terminal_codes(type, problem);
        ASSERT_TRUE(codes) << problem;
        const GlyphTable glyphs(utf8 ? CharacterEncoder(utf8_encoding) : latin1,
                                codes->line_drawing_pairs);
        const ColorDepth depth = color_depth(codes->colors);
        ScreenWriter writer(*codes, glyphs, depth);
        const Placement where = Placement::centred(lines, columns);
        Terminal terminal{lines, columns, utf8};
        ScreenModel shown, screen;
        for (int update = 0; update < 60; ++update) {
            scribble(screen, random);
            std::string out;
            update == 0 ? writer.repaint(screen, where, out)
                        : writer.update(shown, screen, where, out);
            terminal.feed(out);
            shown = screen;
            for (int row = 1; row <= kScreenRows; ++row) {
                for (int column = 1; column <= kScreenColumns; ++column) {
                    const std::optional<TerminalPosition> at = where.position_of(row, column);
                    if (!at) continue;
                    const Cell& cell = screen.cell(row, column);
                    const auto& [seen, style] = terminal.cells[at->row * columns + at->column];
                    const Glyph& glyph = glyphs[cell.character];
                    ASSERT_EQ(seen, (glyph.line_drawing ? "#" : "") + glyph.bytes)
                        << type << " at " << row << "," << column;
                    ASSERT_TRUE(looks_alike(style, style_of(cell.attribute, depth),
                                            is_blank(cell.character)))
                        << type << " colours at " << row << "," << column;
                }
            }
        }
    }
}

}  // namespace
}  // namespace blockslide
