#include "tests/game_screen.h"

#include <string>
#include <vector>

namespace blockslide::testing {

namespace {

std::string repeated(std::string_view glyph, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += glyph;
    return text;
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

// A run of face glyphs at an offset from the block's top-left corner.
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
    const std::string mouth = "│" + std::string(program.zombie_mouth_left) + "Ω" +
                              std::string(program.zombie_mouth_right) + "│";
    return {{2, 8, "╓───╖", false},          {3, 7, "┌┘φ φ└┐", false},   {4, 7, "└┐", false},
            {4, 9, " " + digit + " ", true}, {4, 12, "┌┘", false},       {5, 8, mouth, false},
            {6, 8, "└┬─┬┘", false},          {7, 6, "/≈≈≈≈≈≈≈\\", false}};
}

}  // namespace

void paint_frame(ExpectedScreen& screen, const ProgramFacts& program, int game_number) {
    const std::string edge = repeated("─", kBoxRight - kBoxLeft - 1);
    screen.put(kBoxTop, kBoxLeft, "┌" + edge + "┐", kBlack, kDarkGray);
    for (int row = kBoardTop; row <= kBoardBottom; ++row) {
        screen.put(row, kBoxLeft, "│", kBlack, kDarkGray);
        screen.put(row, kBoxLeft + 1, "█", kDarkGray, kDarkGray);
        screen.put(row, kBoxRight - 1, "█", kDarkGray, kDarkGray);
        screen.put(row, kBoxRight, "│", kBlack, kDarkGray);
    }
    screen.put(kBoxBottom, kBoxLeft, "└" + edge + "┘", kBlack, kDarkGray);

    int row = kCommandBarRow;
    for (std::string_view word : program.command_words) {
        screen.put(row, kCommandBarColumn, word.substr(0, 1), kYellow, kBlack);
        screen.put(row++, kCommandBarColumn + 1, word.substr(1), kLightGray, kBlack);
    }
    if (!program.puzzle_number_caption.empty()) {
        screen.put(kPuzzleNumberRow, kPuzzleNumberColumn,
                   std::string(program.puzzle_number_caption) + std::to_string(game_number),
                   kLightCyan, kBlack);
    }
    screen.put_status(kFirstPrompt);
}

void paint_target_bar(ExpectedScreen& screen, int first_row, int color) {
    for (int row = first_row; row < first_row + kTargetBarRows; ++row) {
        screen.put_on_any_background(row, kTargetBarColumn, "█", color);
    }
}

void paint_block(ExpectedScreen& screen, const ProgramFacts& program, int number,
                 const BlockPlace& place, FaceLook face, int ink, int body) {
    ink = ink != 0 ? ink : kBlockInk;
    body = body != 0 ? body : place.body_color;
    paint_outline(screen, place, ink, body);
    if (number != program.face_block) {
        screen.put(place.top_row + (place.height - 1) / 2,
                   place.left_column + (place.width - 1) / 2,
                   program.block_keys.substr(number - 1, 1), kLabelInk, body);
        return;
    }
    const int face_ink = face.played ? kPlayedFaceInk : kFreshFaceInk;
    const int digit_ink = face.played ? kPlayedDigitInk : kFreshDigitInk;
    for (const FacePiece& piece : face_pieces(program, face.style)) {
        screen.put(place.top_row + piece.row_offset, place.left_column + piece.column_offset,
                   piece.text, piece.is_digit ? digit_ink : face_ink, body);
    }
}

ExpectedScreen expected_board(const ShadowBoard& board) {
    ExpectedScreen screen;
    for (int number = 1; number <= board.program().block_count(); ++number) {
        paint_block(screen, board.program(), number, board.block(number), board.face());
    }
    return screen;
}

ExpectedScreen expected_block(const ShadowBoard& board, int number, int ink, int body) {
    ExpectedScreen screen;
    paint_block(screen, board.program(), number, board.block(number), board.face(), ink, body);
    return screen;
}

ExpectedScreen game_screen(const ShadowBoard& board, int game_number, int bar_color) {
    ExpectedScreen screen = expected_board(board);
    paint_frame(screen, board.program(), game_number);
    paint_target_bar(screen, board.program().puzzle(game_number).target_bar_first_row, bar_color);
    return screen;
}

}  // namespace blockslide::testing
