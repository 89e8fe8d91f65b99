#include "engine/instructions.h"

#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "console/cp437_literal.h"
#include "engine/player_input.h"
#include "engine/text_runs.h"

namespace blockslide {

namespace {

constexpr int kBoxInk = color::kGreen;
constexpr int kBoxPaper = color::kWhite;
constexpr int kTextInk = color::kBlack;

void draw_double_box(const GameState& game) {
    const InstructionBox& box = game.puzzle_set.instruction_box;
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

}  // namespace

void show_instructions(const GameState& game) {
    const InstructionBox& box = game.puzzle_set.instruction_box;
    draw_double_box(game);
    console_set_color(kTextInk, kKeepColor);
    const auto& lines = game.puzzle().instructions;
    for (int k = 1; k <= box.height && k < kInstructionEntries; ++k) {
        console_locate(box.top + k, box.left + 2);
        console_print(lines[k]);
    }
    // The key only closes the screen; it is not a command.
    wait_any_key();
}

}  // namespace blockslide
