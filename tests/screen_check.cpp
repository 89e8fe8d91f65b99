#include "tests/screen_check.h"

#include "console/cp437.h"

namespace blockslide::testing {
namespace {

constexpr int kStatusFirstColumn = 13;
constexpr int kStatusWidth = 50;
constexpr int kBoxTop = 1, kBoxBottom = 22, kBoxLeft = 11, kBoxRight = 69;
constexpr int kBarRows = 10;
constexpr int kCommandBarRow = 8;
constexpr int kCommandBarColumn = 4;

// The cells a UTF-8 text takes, one glyph each.
int glyph_length(std::string_view utf8, std::size_t at) {
    int length = 1;
    while (at + length < utf8.size() && (utf8[at + length] & 0xC0) == 0x80) ++length;
    return length;
}

}  // namespace

std::string repeated(std::string_view glyph, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += glyph;
    return text;
}

void ScreenCheck::cell(int row, int column, std::string_view glyph, int ink, int paper) {
    checked_[(row - 1) * kScreenColumns + column - 1] = true;
    const std::string shown = cp437_glyph_utf8(screen_.cell(row, column).character);
    const int attribute = screen_.cell_attribute(row, column);
    if (shown != glyph || (ink >= 0 && attribute % 16 != ink) ||
        (paper >= 0 && attribute / 16 != paper)) {
        report_ += "row " + std::to_string(row) + ", column " + std::to_string(column) + ": \"" +
                   shown + "\" " + std::to_string(attribute % 16) + " on " +
                   std::to_string(attribute / 16) + ", expected \"" + std::string(glyph) + "\" " +
                   std::to_string(ink) + " on " + std::to_string(paper) + "\n";
    }
}

void ScreenCheck::text(int row, int column, std::string_view utf8, int ink, int paper) {
    for (std::size_t at = 0; at < utf8.size(); ++column) {
        const int length = glyph_length(utf8, at);
        cell(row, column, utf8.substr(at, length), ink, paper);
        at += length;
    }
}

void ScreenCheck::status(const StatusText& status) {
    const int after = status.column + static_cast<int>(status.text.size());
    text(kStatusRow, kStatusFirstColumn, repeated(" ", status.column - kStatusFirstColumn), 0, 0);
    text(kStatusRow, status.column, status.text, status.attribute % 16, status.attribute / 16);
    text(kStatusRow, after, repeated(" ", kStatusFirstColumn + kStatusWidth - after), 0, 0);
}

// "Moves:", the count with a blank before and after it, then five blanks,
// which run past column 80 on into row 25.
void ScreenCheck::move_counter(int moves) {
    if (moves == 0) return;
    const std::string shown = "Moves: " + std::to_string(moves) + repeated(" ", 6);
    const int on_row = kScreenColumns - kCounterColumn + 1;
    text(kStatusRow, kCounterColumn, shown.substr(0, on_row), kLightCyan, 0);
    text(kStatusRow + 1, 1, shown.substr(on_row), kLightCyan, 0);
}

void ScreenCheck::board(const Board& board) {
    for (int number = 1; number <= board.program().block_count(); ++number) block(board, number);
    for (int column = 0; column < kGridColumns; ++column) {
        for (int row = 0; row < kGridRows; ++row) {
            if (board.covered(column, row)) continue;
            for (int line = 0; line < kCellHeight; ++line) {
                text(kBoardTop + row * kCellHeight + line, kBoardLeft + column * kCellWidth,
                     repeated(" ", kCellWidth), 0, 0);
            }
        }
    }
}

// Every cell on the block's body colour, a white outline (or the flash's ink)
// and its label in white at the middle, the face block its face instead.
void ScreenCheck::block(const Board& board, int number, int ink, int body) {
    const Block& at = board.block(number);
    ink = ink != 0 ? ink : kWhite;
    body = body != 0 ? body : at.color;
    const int top = kBoardTop + at.row * kCellHeight, left = kBoardLeft + at.column * kCellWidth;
    const int width = at.columns * kCellWidth, height = at.rows * kCellHeight;
    for (int row = top + 1; row < top + height - 1; ++row) {
        for (int column = left + 1; column < left + width - 1; ++column) {
            cell(row, column, cp437_glyph_utf8(screen_.cell(row, column).character), -1, body);
        }
        text(row, left, "│", ink, body);
        text(row, left + width - 1, "│", ink, body);
    }
    text(top, left, "┌" + repeated("─", width - 2) + "┐", ink, body);
    text(top + height - 1, left, "└" + repeated("─", width - 2) + "┘", ink, body);
    if (number == board.program().face_block) return face(board, at, body);
    text(top + (height - 1) / 2, left + (width - 1) / 2,
         board.program().block_keys.substr(number - 1, 1), kWhite, body);
}

// The face's middle rows: dark gray with a yellow digit while no move was
// recorded at its drawing, yellow with a white digit once one was.
void ScreenCheck::face(const Board& board, const Block& at, int body) {
    const int top = kBoardTop + at.row * kCellHeight, left = kBoardLeft + at.column * kCellWidth;
    const int ink = board.face_played ? kYellow : kDarkGray;
    const int digit_ink = board.face_played ? kWhite : kYellow;
    const std::string digit(board.program().face_digit);
    const std::string_view mouth = board.program().zombie_mouth;
    if (board.zombie) {
        text(top + 4, left + 7, "└┐", ink, body);
        text(top + 4, left + 9, " " + digit + " ", digit_ink, body);
        text(top + 4, left + 12, "┌┘", ink, body);
        text(top + 5, left + 8, "│" + std::string(1, mouth[0]) + "Ω" + mouth[1] + "│", ink, body);
    } else {
        text(top + 4, left + 6, "└╕", ink, body);
        text(top + 4, left + 8, "  " + digit + "  ", digit_ink, body);
        text(top + 4, left + 13, "╒┘", ink, body);
        text(top + 5, left + 7, "│ ╘═╛ │", ink, body);
    }
}

void ScreenCheck::frame(const ProgramFacts& program, int game_number, int bar_color) {
    const int box_width = kBoxRight - kBoxLeft - 1;
    text(kBoxTop, kBoxLeft, "┌" + repeated("─", box_width) + "┐", kBlack, kDarkGray);
    text(kBoxBottom, kBoxLeft, "└" + repeated("─", box_width) + "┘", kBlack, kDarkGray);
    const int bar_top = program.puzzles[game_number - 1].bar_first_row;
    for (int row = kBoxTop + 1; row < kBoxBottom; ++row) {
        text(row, kBoxLeft, "│", kBlack, kDarkGray);
        text(row, kBoxLeft + 1, "█", kDarkGray, kDarkGray);
        text(row, kBoxRight - 1, "█", kDarkGray, kDarkGray);
        if (row >= bar_top && row < bar_top + kBarRows) {
            text(row, kBarColumn, "█", bar_color, -1);
        } else {
            text(row, kBarColumn, "│", kBlack, kDarkGray);
        }
    }
    int row = kCommandBarRow;
    for (std::string_view word : program.command_words) {
        text(row, kCommandBarColumn, word.substr(0, 1), kYellow, 0);
        text(row++, kCommandBarColumn + 1, word.substr(1), kLightGray, 0);
    }
    if (program.numbered) text(6, 2, "GAME #" + std::to_string(game_number), kLightCyan, 0);
}

void ScreenCheck::rest_blank() {
    for (int row = 1; row <= kScreenRows; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column) {
            if (!checked_[(row - 1) * kScreenColumns + column - 1]) cell(row, column, " ", 0, 0);
        }
    }
}

}  // namespace blockslide::testing
