// The Unix terminal's writer: console colours on terminals of 16, 8 and no
// colours; glyphs in UTF-8, in a Latin-1 locale and from the line-drawing set;
// and updates that bring a terminal exactly to the screen model, whatever
// changed and wherever the screen sits, seen through a small interpreter of
// the sequences those terminals understand.
#include <gtest/gtest.h>

#include <random>

#include "console/unix/screen_writer.h"

namespace blockslide {
namespace {

TEST(CellStyle, ShowsConsoleColoursOnEachKindOfTerminal) {
    struct Row {
        int foreground, background;
        CellStyle sixteen, eight, none;
    };
    const Row rows[] = {
        {15, 1, {15, 4}, {7, 4, true}, {-1, -1, false, true}},   // white on blue
        {14, 0, {11, 0}, {3, 0, true}, {}},                      // yellow on black
        {0, 8, {0, 8}, {0, 7}, {-1, -1, false, true}},           // the box: black on dark gray
        {8, 8, {8, 8}, {0, 7, true}, {-1, -1, false, true}},     // its wall
        {4, 15, {1, 15}, {1, 7}, {-1, -1, false, true}},         // red on white
        {6, 3, {3, 6}, {3, 6}, {-1, -1, false, true}},           // brown on cyan
        {13, 12, {13, 9}, {5, 1, true}, {-1, -1, false, true}},  // light magenta on light red
    };
    for (const Row& row : rows) {
        const auto attribute = make_attribute(row.foreground, row.background);
        EXPECT_EQ(style_of(attribute, ColorDepth::kSixteen), row.sixteen) << int(attribute);
        EXPECT_EQ(style_of(attribute, ColorDepth::kEight), row.eight) << int(attribute);
        EXPECT_EQ(style_of(attribute, ColorDepth::kNone), row.none) << int(attribute);
    }
    EXPECT_EQ(color_depth(256), ColorDepth::kSixteen);
    EXPECT_EQ(color_depth(8), ColorDepth::kEight);
    EXPECT_EQ(color_depth(2), ColorDepth::kNone);
    EXPECT_TRUE(looks_alike({1, 4}, {2, 4}, true));  // a blank shows its background only
    EXPECT_FALSE(looks_alike({1, 4}, {2, 4}, false));
    EXPECT_FALSE(looks_alike({1, 4}, {1, 5}, true));
}

std::optional<std::string> latin1(char32_t glyph) {
    if (glyph >= 0x100) return std::nullopt;
    return std::string(1, static_cast<char>(glyph));
}

TEST(GlyphTable, SendsEachGlyphAsTheTerminalCanShowIt) {
    const GlyphTable utf8(utf8_encoding, "");
    const GlyphTable linux_console(latin1, "++,,--..00``aaqqxxllkkjjmmttuuvvwwnn");
    const GlyphTable bare(latin1, "");
    struct Row {
        const GlyphTable& table;
        unsigned char byte;
        Glyph glyph;
    };
    const Row rows[] = {
        {utf8, 0xDA, {"┌"}},
        {utf8, 0x00, {" "}},
        {utf8, 0xEA, {"Ω"}},
        {linux_console, 0x94, {"\xF6"}},
        {linux_console, 0xC4, {"q", true}},
        {linux_console, 0xCD, {"q", true}},
        {linux_console, 0xDB, {"0", true}},
        {linux_console, 0xEA, {"?"}},
        {bare, 0xC4, {"-"}},
        {bare, 0xDA, {"+"}},
        {bare, 0xDB, {"#"}},
        {bare, '5', {"5"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.table[row.byte].bytes, row.glyph.bytes) << int(row.byte);
        EXPECT_EQ(row.table[row.byte].line_drawing, row.glyph.line_drawing) << int(row.byte);
    }
}

// Just enough of a terminal to follow the writer: cursor moves, colours,
// bold and reverse video, the line-drawing set, clearing, UTF-8 and Latin-1.
class Terminal {
public:
    Terminal(int lines, int columns, bool utf8)
        : lines_(lines), columns_(columns), utf8_(utf8), cells_(lines * columns) {}

    struct Shown {
        std::string bytes = " ";
        bool line_drawing = false;
        CellStyle style;
    };
    const Shown& at(TerminalPosition position) const {
        return cells_[position.row * columns_ + position.column];
    }

    void feed(std::string_view bytes) {
        for (std::size_t at = 0; at < bytes.size();) at = step(bytes, at);
    }

private:
    std::size_t step(std::string_view bytes, std::size_t at) {
        const unsigned char byte = bytes[at];
        if (byte == '\033') return escape(bytes, at + 1);
        if (byte == '\r') column_ = 0;
        if (byte == '\n') row_ = std::min(row_ + 1, lines_ - 1);
        if (byte == '\b') column_ = std::max(column_ - 1, 0);
        if (byte == 0x0E || byte == 0x0F) line_drawing_ = byte == 0x0E;
        if (byte < 0x20) return at + 1;
        std::size_t length = 1;
        while (utf8_ && at + length < bytes.size() && (bytes[at + length] & 0xC0) == 0x80) ++length;
        if (column_ < columns_) {
            cells_[row_ * columns_ + column_] = {std::string(bytes.substr(at, length)),
                                                 line_drawing_, style_};
        }
        column_ = std::min(column_ + 1, columns_);  // past the last column: waiting to wrap
        return at + length;
    }

    std::size_t escape(std::string_view bytes, std::size_t at) {
        if (bytes[at] == '(') {
            line_drawing_ = bytes[at + 1] == '0';
            return at + 2;
        }
        if (bytes[at] != '[') return at + 1;
        std::vector<int> numbers{0};
        std::size_t end = at + 1;
        for (; bytes[end] < 0x40; ++end) {
            if (bytes[end] == ';') numbers.push_back(0);
            if (bytes[end] >= '0' && bytes[end] <= '9')
                numbers.back() = numbers.back() * 10 + bytes[end] - '0';
        }
        const int n = std::max(numbers[0], 1);
        switch (bytes[end]) {
            case 'H':
                row_ = n - 1, column_ = std::max(numbers.size() > 1 ? numbers[1] : 1, 1) - 1;
                break;
            case 'A':
                row_ -= n;
                break;
            case 'B':
                row_ += n;
                break;
            case 'C':
                column_ += n;
                break;
            case 'D':
                column_ -= n;
                break;
            case 'G':
                column_ = n - 1;
                break;
            case 'd':
                row_ = n - 1;
                break;
            case 'J':
                std::fill(cells_.begin(), cells_.end(), Shown{" ", false, style_});
                break;
            case 'm':
                for (int number : numbers) colour(number);
                break;
        }
        return end + 1;
    }

    void colour(int number) {
        if (number == 0) style_ = CellStyle{};
        if (number == 1) style_.bold = true;
        if (number == 7) style_.reverse = true;
        if (number >= 30 && number <= 37) style_.foreground = number - 30;
        if (number >= 90 && number <= 97) style_.foreground = number - 82;
        if (number >= 40 && number <= 47) style_.background = number - 40;
        if (number >= 100 && number <= 107) style_.background = number - 92;
    }

    int lines_, columns_;
    bool utf8_;
    std::vector<Shown> cells_;
    int row_ = 0, column_ = 0;
    CellStyle style_;
    bool line_drawing_ = false;
};

// Random rectangles of random glyphs and colours, over and over.
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
    struct Kind {
        const char* type;
        bool utf8;
        int lines, columns;
    };
    for (const Kind& kind :
         {Kind{"xterm-256color", true, 25, 80}, Kind{"xterm-256color", true, 31, 99},
          Kind{"linux", false, 20, 70}, Kind{"vt100", false, 26, 80}}) {
        std::string problem;
        const std::optional<TerminalCodes> codes = load_terminal_codes(kind.type, problem);
        ASSERT_TRUE(codes) << problem;
        const GlyphTable glyphs(kind.utf8 ? CharacterEncoder(utf8_encoding) : latin1,
                                codes->line_drawing_pairs);
        const ColorDepth depth = color_depth(codes->colors);
        ScreenWriter writer(*codes, glyphs, depth);
        const Placement where = Placement::centred(kind.lines, kind.columns);
        Terminal terminal(kind.lines, kind.columns, kind.utf8);
        ScreenModel shown, screen;
        std::string out;
        for (int update = 0; update < 60; ++update) {
            scribble(screen, random);
            out.clear();
            update == 0 ? writer.repaint(screen, where, out)
                        : writer.update(shown, screen, where, out);
            terminal.feed(out);
            shown = screen;
            for (int row = 1; row <= kScreenRows; ++row) {
                for (int column = 1; column <= kScreenColumns; ++column) {
                    const std::optional<TerminalPosition> at = where.position_of(row, column);
                    if (!at) continue;
                    const Cell& cell = screen.cell(row, column);
                    const Terminal::Shown& seen = terminal.at(*at);
                    const Glyph& glyph = glyphs[cell.character];
                    ASSERT_EQ(seen.bytes, glyph.bytes)
                        << kind.type << " at " << row << "," << column;
                    ASSERT_EQ(seen.line_drawing, glyph.line_drawing) << row << "," << column;
                    ASSERT_TRUE(looks_alike(seen.style, style_of(cell.attribute, depth),
                                            is_blank(cell.character)))
                        << kind.type << " colours at " << row << "," << column;
                }
            }
        }
    }
}

}  // namespace
}  // namespace blockslide
