#include "engine/block_painter.h"

#include <array>
#include <string>

#include "console/colors.h"
#include "console/console.h"
#include "console/cp437_literal.h"
#include "engine/screen_layout.h"
#include "engine/text_runs.h"

namespace blockslide {

namespace {

constexpr int kLabelColor = color::kWhite;
constexpr int kFlashMilliseconds = 200;
constexpr auto kFullBlock = "█"_cp437;

// Face colours: dark gray with a yellow digit on a fresh puzzle, yellow with
// a white digit once a move is recorded.
constexpr int kFreshFaceColor = color::kDarkGray;
constexpr int kFreshDigitColor = color::kYellow;
constexpr int kPlayedFaceColor = color::kYellow;
constexpr int kPlayedDigitColor = color::kWhite;

void draw_outline(const Block& block) {
    const int inner = block.width - 2;
    console_locate(block.top_row, block.left_column);
    console_print("┌"_cp437);
    print_repeated("─"_cp437, inner);
    console_print("┐"_cp437);
    for (int i = 1; i <= block.height - 2; ++i) {
        console_locate(block.top_row + i, block.left_column);
        console_print("│"_cp437);
        console_print(blanks(inner));
        console_print("│"_cp437);
    }
    console_locate(block.top_row + block.height - 1, block.left_column);
    console_print("└"_cp437);
    print_repeated("─"_cp437, inner);
    console_print("┘"_cp437);
}

// Glyphs of the two faces, kept here for the whole run: face rows point into them.
constexpr auto kNiceManBrow = "╓≈≈≈≈≈╖"_cp437;
constexpr auto kNiceManEyes = "┌╝ ö ö ╚┐"_cp437;
constexpr auto kNiceManLeftCheek = "└╕"_cp437;
constexpr auto kNiceManRightCheek = "╒┘"_cp437;
constexpr auto kNiceManMouth = "│ ╘═╛ │"_cp437;
constexpr auto kNiceManChin = "└─┬─┬─┘"_cp437;
constexpr auto kNiceManShirt = "/▀▀▀░▀▀▀\\"_cp437;
constexpr auto kZombieBrow = "╓───╖"_cp437;
constexpr auto kZombieEyes = "┌┘φ φ└┐"_cp437;
constexpr auto kZombieLeftCheek = "└┐"_cp437;
constexpr auto kZombieRightCheek = "┌┘"_cp437;
constexpr auto kZombieJaw = "│"_cp437;
constexpr auto kZombieTeeth = "Ω"_cp437;
constexpr auto kZombieChin = "└┬─┬┘"_cp437;
constexpr auto kZombieShirt = "/≈≈≈≈≈≈≈\\"_cp437;

// A face is six rows of pieces printed left to right; the digit piece is
// printed in its own colour.
struct FacePiece {
    std::string_view text;
    bool is_digit = false;
};
struct FaceRow {
    int row_offset;
    int column_offset;
    std::array<FacePiece, 5> pieces;
};
using FaceDrawing = std::array<FaceRow, 6>;

FaceDrawing nice_man(const FaceLiterals& face) {
    return {{
        {2, 7, {{{kNiceManBrow}}}},
        {3, 6, {{{kNiceManEyes}}}},
        {4, 6, {{{kNiceManLeftCheek}, {face.nice_man_digit, true}, {kNiceManRightCheek}}}},
        {5, 7, {{{kNiceManMouth}}}},
        {6, 7, {{{kNiceManChin}}}},
        {7, 6, {{{kNiceManShirt}}}},
    }};
}

FaceDrawing zombie(const FaceLiterals& face) {
    return {{
        {2, 8, {{{kZombieBrow}}}},
        {3, 7, {{{kZombieEyes}}}},
        {4, 7, {{{kZombieLeftCheek}, {face.zombie_digit, true}, {kZombieRightCheek}}}},
        {5,
         8,
         {{{kZombieJaw},
           {face.zombie_mouth_left},
           {kZombieTeeth},
           {face.zombie_mouth_right},
           {kZombieJaw}}}},
        {6, 8, {{{kZombieChin}}}},
        {7, 6, {{{kZombieShirt}}}},
    }};
}

void draw_face(const GameState& game, const Block& block) {
    const bool fresh = game.history.empty();
    const int face_color = fresh ? kFreshFaceColor : kPlayedFaceColor;
    const int digit_color = fresh ? kFreshDigitColor : kPlayedDigitColor;
    const FaceLiterals& literals = game.puzzle_set.face;
    const FaceDrawing drawing =
        game.face_style == FaceStyle::kZombie ? zombie(literals) : nice_man(literals);

    console_set_color(face_color, kKeepColor);
    for (const FaceRow& row : drawing) {
        console_locate(block.top_row + row.row_offset, block.left_column + row.column_offset);
        for (const FacePiece& piece : row.pieces) {
            if (piece.is_digit) console_set_color(digit_color, kKeepColor);
            console_print(piece.text);
            if (piece.is_digit) console_set_color(face_color, kKeepColor);
        }
    }
}

void draw_label(const Block& block) {
    console_locate(block.top_row + (block.height - 1) / 2,
                   block.left_column + (block.width - 1) / 2);
    console_print(block.label);
}

}  // namespace

void draw_block(const GameState& game, int number, Ink ink_override, Body body_override) {
    const Block& block = game.block(number);
    const int ink = ink_override.color != kOwnInk.color ? ink_override.color : block.ink_color;
    const int body = body_override.color != kOwnBody.color ? body_override.color : block.body_color;
    console_set_color(ink, body);
    draw_outline(block);
    console_set_color(kLabelColor, body);
    if (number == game.puzzle_set.face_block) {
        draw_face(game, block);
    } else {
        draw_label(block);
    }
}

void flash_block(const GameState& game, int number, Ink ink, Body body, int times) {
    for (int k = 1; k <= times; ++k) {
        draw_block(game, number, ink, body);
        console_sleep(kFlashMilliseconds);
        draw_block(game, number);
        if (k < times) console_sleep(kFlashMilliseconds);
    }
}

void draw_target_bar(const GameState& game, int color) {
    console_set_color(color, kKeepColor);
    const int first_row = game.puzzle().target_bar_first_row;
    for (int row = first_row; row < first_row + kTargetBarRows; ++row) {
        console_locate(row, kTargetBarColumn);
        console_print(kFullBlock);
    }
}

}  // namespace blockslide
