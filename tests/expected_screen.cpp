#include "tests/expected_screen.h"

#include <map>

#include "console/cp437.h"

namespace blockslide::test {
namespace {

constexpr int kStatusStart = 13, kStatusWidth = 50;
constexpr int kMostReported = 8;

std::string picture_glyph(std::span<const std::string_view> picture, int row, int column) {
    static std::map<const char*, std::vector<std::string>> read;  // the pictures are constant
    const std::string_view line = picture[row - 1];
    auto [at, added] = read.try_emplace(line.data());
    if (added) at->second = glyphs_of(line);
    return column <= static_cast<int>(at->second.size()) ? at->second[column - 1] : " ";
}

bool is_blank(const std::string& glyph) {
    return glyph == " ";
}

std::string compare(const ScreenModel& screen, int row, int column, const ExpectedCell& wanted) {
    const std::string shown = cp437_glyph_utf8(screen.cell(row, column).character);
    const int attribute = screen.cell_attribute(row, column);
    if (shown == wanted.glyph && (wanted.ink < 0 || attribute % 16 == wanted.ink) &&
        (wanted.paper < 0 || attribute / 16 == wanted.paper))
        return {};
    return "at " + std::to_string(row) + "," + std::to_string(column) + " \"" + shown + "\" " +
           std::to_string(attribute % 16) + " on " + std::to_string(attribute / 16) + ", not \"" +
           wanted.glyph + "\" " + std::to_string(wanted.ink) + " on " +
           std::to_string(wanted.paper) + "\n";
}

}  // namespace

std::vector<std::string> glyphs_of(std::string_view utf8) {
    std::vector<std::string> glyphs;
    for (std::size_t at = 0, length; at < utf8.size(); at += length) {
        for (length = 1; at + length < utf8.size() && (utf8[at + length] & 0xC0) == 0x80;) ++length;
        glyphs.emplace_back(utf8.substr(at, length));
    }
    return glyphs;
}

std::string text_differences(const ScreenModel& screen, int row, int column, std::string_view utf8,
                             int ink, int paper) {
    std::string report;
    for (const std::string& glyph : glyphs_of(utf8)) {
        report += compare(screen, row, column++, {glyph, ink, paper});
    }
    return report;
}

ExpectedScreen::ExpectedScreen(const Board& board, int game_number, int bar_color) : board_(board) {
    frame(game_number, bar_color);
    for (int number = 1; number <= board.program().block_count(); ++number) block(number, 0, 0);
}

// The picture outside the board: its walls and bar, the command bar, the
// puzzle's number.
void ExpectedScreen::frame(int game_number, int bar_color) {
    const ProgramFacts& program = board_.program();
    const int bar_top = program.puzzles[game_number - 1].bar_first_row;
    for (int row = kBoxTopRow; row <= kBoxBottomRow; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column) {
            const bool inside = row > kBoxTopRow && row < kBoxBottomRow && column > kBoxLeftColumn + 1 &&
                                column < kBoxRightColumn - 1;
            if (inside) continue;
            ExpectedCell& cell = at(row, column);
            cell.glyph = picture_glyph(program.start_screen, row, column);
            if (column >= kBoxLeftColumn && column <= kBoxRightColumn) {
                const bool edge = row == kBoxTopRow || row == kBoxBottomRow;
                const bool wall = !edge && (column == kBoxLeftColumn + 1 || column == kBoxRightColumn - 1);
                cell = {cell.glyph, wall ? kDarkGray : kBlack, kDarkGray};
            } else if (!is_blank(cell.glyph)) {
                cell.ink = row == 6 ? kLightCyan : column == 4 ? kYellow : kLightGray;
            }
        }
        if (row == kBoxTopRow || row == kBoxBottomRow) continue;
        const bool bar = row >= bar_top && row < bar_top + kTargetBarRows;
        at(row, kBoxRightColumn) =
            bar ? ExpectedCell{"█", bar_color, -1} : ExpectedCell{"│", kBlack, kDarkGray};
    }
    if (is_blank(at(6, 2).glyph)) return;  // no puzzle number on this program's frame
    at(6, 8).glyph = std::to_string(game_number);
}

// The block's cells as the picture shows it at its start place (the face's
// as the Zombie's picture shows it), on its body colour; a white outline and
// label; the face dark gray with a yellow digit until a move is recorded,
// yellow with a white digit after.
void ExpectedScreen::block(int number, int ink, int body, bool redrawn) {
    const ProgramFacts& program = board_.program();
    const ScreenRect from = on_screen(program.blocks[number - 1]);
    const ScreenRect to = on_screen(board_.block(number));
    const bool face = number == program.face_block;
    const bool zombie = face && board_.zombie;
    const std::string_view changed = program.zombie_digit_and_mouth;
    const bool played = redrawn ? board_.history_length() > 0 : board_.face_played;
    for (int i = 0; i < to.height; ++i) {
        for (int j = 0; j < to.width; ++j) {
            std::string glyph =
                zombie ? picture_glyph(kZombieFaceBlock, i + 1, j + 1)
                       : picture_glyph(program.start_screen, from.top + i, from.left + j);
            if (zombie && (glyph == "0" || glyph == "[" || glyph == "]"))
                glyph = changed[std::string_view("0[]").find(glyph[0])];
            const bool outline = i == 0 || j == 0 || i == to.height - 1 || j == to.width - 1;
            int glyph_ink = is_blank(glyph) ? -1 : kWhite;
            if (outline) glyph_ink = ink != 0 ? ink : kWhite;
            if (face && !outline && !is_blank(glyph)) {
                const bool digit = glyph[0] >= '0' && glyph[0] <= '9';
                glyph_ink = played ? (digit ? kWhite : kYellow) : (digit ? kYellow : kDarkGray);
            }
            const int paper = body != 0 ? body : program.blocks[number - 1].color;
            at(to.top + i, to.left + j) = {glyph, glyph_ink, paper};
        }
    }
}

void ExpectedScreen::text(int row, int column, std::string_view utf8, int ink, int paper) {
    for (const std::string& glyph : glyphs_of(utf8)) at(row, column++) = {glyph, ink, paper};
}

void ExpectedScreen::status(const StatusText& status) {
    text(kStatusRow, kStatusStart, std::string(kStatusWidth, ' '), -1, kBlack);
    text(kStatusRow, status.column, status.text, status.ink, status.paper);
}

// "Moves: n" from column 69, or further left when it would pass column 80,
// then blanks to column 80.
void ExpectedScreen::move_counter(int moves) {
    if (moves == 0) return;
    const std::string shown = "Moves: " + std::to_string(moves);
    const int column = std::min(kMoveCounterColumn, kScreenColumns + 1 - int(shown.size()));
    text(kStatusRow, column, shown, kLightCyan, kBlack);
}

std::string ExpectedScreen::differences(const ScreenModel& screen) const {
    std::string report;
    for (int row = 1, found = 0; row <= kScreenRows && found < kMostReported; ++row) {
        for (int column = 1; column <= kScreenColumns && found < kMostReported; ++column) {
            const std::string difference = compare(screen, row, column, at(row, column));
            found += !difference.empty();
            report += difference;
        }
    }
    return report;
}

std::string ExpectedScreen::block_differences(const ScreenModel& screen, int number) const {
    const ScreenRect rect = on_screen(board_.block(number));
    std::string report;
    for (int row = rect.top; row < rect.top + rect.height; ++row) {
        for (int column = rect.left; column < rect.left + rect.width; ++column)
            report += compare(screen, row, column, at(row, column));
    }
    return report;
}

}  // namespace blockslide::test
