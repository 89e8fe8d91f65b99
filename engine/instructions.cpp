#include <string_view>

#include "console/console.h"
#include "console/cp437_literal.h"
#include "engine/shell.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr int kBoxInk = 2;
constexpr int kBoxPaper = 15;
constexpr int kTextInk = 0;

}  // namespace

void draw_double_box(const GameState& game) {
    const InstructionBox& box = game.puzzles->instruction_box;
    console_set_color(kBoxInk, kBoxPaper);
    console_locate(box.top, box.left);
    console_print("╔"_cp437);
    print_repeated("═"_cp437, box.width);
    console_print("╗"_cp437);
    for (int k = 1; k <= box.height; ++k) {
        console_locate(box.top + k, box.left);
        console_print("║"_cp437);
        console_print(blanks(box.width));
        console_print("║"_cp437);
        console_newline();
    }
    console_locate(box.top + box.height + 1, box.left);
    console_print("╚"_cp437);
    print_repeated("═"_cp437, box.width);
    console_print("╝"_cp437);
}

void show_instructions(const GameState& game) {
    const InstructionBox& box = game.puzzles->instruction_box;
    draw_double_box(game);
    console_set_color(kTextInk, kKeepColor);
    const auto& lines = game.puzzle().instructions;
    for (int k = 1; k <= box.height && k < kInstructionEntries; ++k) {
        console_locate(box.top + k, box.left + 2);
        console_print(lines[k]);
    }
    // The key only closes the screen; it is not a command.
    console_wait_key();
}

}  // namespace blockslide
