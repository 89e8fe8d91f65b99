#include "tests/played_game.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/cp437.h"
#include "console/keys.h"
#include "engine/main_loop.h"

namespace blockslide::testing {
namespace {

constexpr int kStatusWidth = 50;
constexpr int kBoxTop = 1, kBoxBottom = 22, kBoxLeft = 11, kBoxRight = 69, kBarRows = 10;

std::string key_named(std::string_view name) {
    constexpr std::string_view kNames[] = {"<Up>", "<Right>", "<Down>", "<Left>"};
    for (int i = 0; i < 4; ++i)
        if (name == kNames[i]) return extended_key(kArrowScanCodes[i]);
    return name == "<Esc>" ? kEscapeKey : name == "<Enter>" ? kEnterKey : " ";
}

}  // namespace

std::string repeated(std::string_view text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

void ScreenCheck::text(int row, int column, std::string_view utf8, int ink, int paper) {
    for (std::size_t at = 0, length = 1; at < utf8.size(); at += length, ++column, length = 1) {
        while (at + length < utf8.size() && (utf8[at + length] & 0xC0) == 0x80) ++length;
        checked_[(row - 1) * kScreenColumns + column - 1] = true;
        const std::string shown = cp437_glyph_utf8(screen_.cell(row, column).character);
        const int attribute = screen_.cell_attribute(row, column);
        if (shown == utf8.substr(at, length) && (ink < 0 || attribute % 16 == ink) &&
            (paper < 0 || attribute / 16 == paper))
            continue;
        const auto colours = [](int ink, int paper) {
            return " " + std::to_string(ink) + " on " + std::to_string(paper);
        };
        report_ += "at " + std::to_string(row) + "," + std::to_string(column) + " \"" + shown +
                   "\"" + colours(attribute % 16, attribute / 16) + ", not \"" +
                   std::string(utf8.substr(at, length)) + "\"" + colours(ink, paper) + "\n";
    }
}

void ScreenCheck::status(const StatusText& status) {
    const int start = kBlankStatus.column, after = status.column + int(status.text.size());
    text(kStatusRow, start, repeated(" ", status.column - start), 0, 0);
    text(kStatusRow, status.column, status.text, status.ink, status.paper);
    text(kStatusRow, after, repeated(" ", start + kStatusWidth - after), 0, 0);
}

// "Moves: n" from column 69, or further left when it would pass column 80,
// then blanks to column 80; row 25 stays blank.
void ScreenCheck::move_counter(int moves) {
    if (moves == 0) return;
    const std::string shown = "Moves: " + std::to_string(moves);
    const int column = std::min(kCounterColumn, kScreenColumns + 1 - int(shown.size()));
    text(kStatusRow, column, shown + repeated(" ", kScreenColumns + 1 - column - int(shown.size())),
         kLightCyan, 0);
    text(kStatusRow + 1, 1, repeated(" ", kScreenColumns), -1, 0);
}

void ScreenCheck::board(const Board& board) {
    for (int number = 1; number <= board.program().block_count(); ++number) block(board, number);
    for (int cell = 0; cell < kGridColumns * kGridRows; ++cell) {
        const int column = cell % kGridColumns, row = cell / kGridColumns;
        for (int line = 0; line < kCellHeight && !board.covered(column, row); ++line) {
            text(kBoardTop + row * kCellHeight + line, kBoardLeft + column * kCellWidth,
                 repeated(" ", kCellWidth), 0, 0);
        }
    }
}

// Every cell on the body colour, a white outline (or the flash's ink), and the label in white at
// the middle, or on the face block the middle of its face: dark gray with a yellow digit while no
// move was recorded at its drawing, yellow with a white digit once one was.
void ScreenCheck::block(const Board& board, int number, int ink, int body) {
    const Block& at = board.block(number);
    ink = ink != 0 ? ink : kWhite;
    body = body != 0 ? body : at.color;
    const int top = kBoardTop + at.row * kCellHeight, left = kBoardLeft + at.column * kCellWidth;
    const int width = at.columns * kCellWidth, height = at.rows * kCellHeight;
    const std::string edge = repeated("─", width - 2);
    text(top, left, "┌" + edge + "┐", ink, body);
    text(top + height - 1, left, "└" + edge + "┘", ink, body);
    for (int row = top + 1; row < top + height - 1; ++row) {
        for (int column = left + 1; column < left + width - 1; ++column)
            text(row, column, cp437_glyph_utf8(screen_.cell(row, column).character), -1, body);
        text(row, left, "│", ink, body);
        text(row, left + width - 1, "│", ink, body);
    }
    const ProgramFacts& program = board.program();
    if (number != program.face_block) {
        return text(top + (height - 1) / 2, left + (width - 1) / 2,
                    program.block_keys.substr(number - 1, 1), kWhite, body);
    }
    const int face = board.face_played ? kYellow : kDarkGray;
    const int digit = board.face_played ? kWhite : kYellow;
    const std::string mouth(program.zombie_mouth), number_shown(program.face_digit);
    if (board.zombie) {
        text(top + 2, left + 8, "╓───╖", face, body);
        text(top + 3, left + 7, "┌┘φ φ└┐", face, body);
        text(top + 6, left + 8, "└┬─┬┘", face, body);
        text(top + 4, left + 7, "└┐", face, body);
        text(top + 4, left + 9, " " + number_shown + " ", digit, body);
        text(top + 4, left + 12, "┌┘", face, body);
        text(top + 5, left + 8, "│" + mouth.substr(0, 1) + "Ω" + mouth.substr(1) + "│", face, body);
    } else {
        text(top + 2, left + 7, "╓≈≈≈≈≈╖", face, body);
        text(top + 3, left + 6, "┌╝ ö ö ╚┐", face, body);
        text(top + 6, left + 7, "└─┬─┬─┘", face, body);
        text(top + 4, left + 6, "└╕", face, body);
        text(top + 4, left + 8, "  " + number_shown + "  ", digit, body);
        text(top + 4, left + 13, "╒┘", face, body);
        text(top + 5, left + 7, "│ ╘═╛ │", face, body);
    }
    text(top + 7, left + 6, board.zombie ? "/≈≈≈≈≈≈≈\\" : "/▀▀▀░▀▀▀\\", face, body);
}

void ScreenCheck::frame(const ProgramFacts& program, int game_number, int bar_color) {
    const std::string edge = repeated("─", kBoxRight - kBoxLeft - 1);
    text(kBoxTop, kBoxLeft, "┌" + edge + "┐", kBlack, kDarkGray);
    text(kBoxBottom, kBoxLeft, "└" + edge + "┘", kBlack, kDarkGray);
    const int bar_top = program.puzzles[game_number - 1].bar_first_row;
    for (int row = kBoxTop + 1; row < kBoxBottom; ++row) {
        text(row, kBoxLeft, "│", kBlack, kDarkGray);
        text(row, kBoxLeft + 1, "█", kDarkGray, kDarkGray);
        text(row, kBoxRight - 1, "█", kDarkGray, kDarkGray);
        if (row >= bar_top && row < bar_top + kBarRows) {
            text(row, kBoxRight, "█", bar_color, -1);  // on whatever background
        } else {
            text(row, kBoxRight, "│", kBlack, kDarkGray);
        }
    }
    int row = 8;  // the command bar, each word from column 4
    for (std::string_view word : program.command_words) {
        text(row, 4, word.substr(0, 1), kYellow, 0);
        text(row++, 5, word.substr(1), kLightGray, 0);
    }
    if (program.numbered) text(6, 2, "GAME #" + std::to_string(game_number), kLightCyan, 0);
}

void ScreenCheck::rest_blank() {
    for (int cell = 0; cell < kScreenRows * kScreenColumns; ++cell) {
        if (!checked_[cell]) text(cell / kScreenColumns + 1, cell % kScreenColumns + 1, " ", 0, 0);
    }
}

PlayedGame::PlayedGame(const ProgramFacts& program, std::string_view steps)
    : program(program), board(program) {
    play(steps);
}

void PlayedGame::play(std::string_view steps) {
    for (std::size_t at = 0, end; at < steps.size(); at = end + 1) {
        end = std::min(steps.find(' ', at), steps.size());
        const std::string_view step = steps.substr(at, end - at);
        if (step.empty()) continue;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(step[0])));
        if (step[0] == '<') {
            console.type_key(key_named(step));
        } else if (step[0] == '~') {
            console.type(step.substr(1));
        } else if (step[0] == '=') {
            board.play(step.substr(1));
        } else if (step.size() == 2 && board.decode(step).first != 0) {
            for (const std::string& key : board.play(step)) console.type_key(key);
        } else {
            console.type(step);
            if (step.size() != 1 || std::string_view("FBRGH").find(letter) == step.npos) continue;
            if (letter == 'F') board.toggle_face();
            if (letter == 'B' && board.history_length() > 0) board.back();
            if (letter == 'G') game_number = 3 - game_number;
            if (letter != 'F' && letter != 'B') board.start_over();
        }
    }
}

std::optional<int> PlayedGame::run() {
    ConsoleSession session(console, console);
    std::optional<int> exit_code;
    try {
        exit_code = run_game(program.puzzle_set());
    } catch (const ScriptExhausted&) {
    }
    screen = console_screen();
    return exit_code;
}

std::string PlayedGame::sounds() const {
    std::string log;
    for (const auto& cue : console.cues()) log += (log.empty() ? "" : " ") + cue.name;
    return log;
}

int PlayedGame::flashes(int number, int ink, int body) const {
    int shown = 0;
    for (const auto& frame : console.frames()) {
        ScreenCheck check(frame.screen);
        check.block(board, number, ink, body);
        shown += check.differences().empty();
    }
    return shown;
}

std::string PlayedGame::differences(const StatusText& status) const {
    ScreenCheck check(screen);
    check.board(board);
    check.status(status);
    check.move_counter(board.move_count);
    return check.differences();
}

}  // namespace blockslide::testing
