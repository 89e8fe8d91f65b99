#include "engine/screen_frame.h"

#include <string>

#include "console/colors.h"
#include "console/console.h"
#include "console/cp437_literal.h"
#include "engine/screen_layout.h"
#include "engine/status_line.h"
#include "engine/text_runs.h"

namespace blockslide {

namespace {

constexpr int kBoxColor = color::kDarkGray;
constexpr int kBoxLineColor = color::kBlack;
constexpr int kBoxInnerWidth = kBoxRightColumn - kBoxLeftColumn - 1;
constexpr int kGameCaptionColor = color::kLightCyan;
constexpr int kCommandLetterColor = color::kYellow;
constexpr int kCommandRestColor = color::kLightGray;
constexpr int kPromptColor = color::kLightGray;
constexpr std::string_view kFirstPrompt = "Select your first move";

void draw_box_edge(int row, std::string_view left, std::string_view right) {
    console_locate(row, kBoxLeftColumn);
    console_print(left);
    print_repeated("─"_cp437, kBoxInnerWidth);
    console_print(right);
}

// The walls are a thin black line outside a solid gray bar, both on gray,
// so every cell of the box stops a block.
void draw_box() {
    console_set_color(kBoxLineColor, kBoxColor);
    draw_box_edge(kBoxTopRow, "┌"_cp437, "┐"_cp437);
    for (int row = kBoardTopRow; row <= kBoardBottomRow; ++row) {
        console_locate(row, kBoxLeftColumn);
        console_set_color(kBoxLineColor, kKeepColor);
        console_print("│"_cp437);
        console_set_color(kBoxColor, kKeepColor);
        console_print("█"_cp437);
        console_locate(row, kBoardRightColumn + 1);
        console_set_color(kBoxColor, kKeepColor);
        console_print("█"_cp437);
        console_set_color(kBoxLineColor, kKeepColor);
        console_print("│"_cp437);
    }
    draw_box_edge(kBoxBottomRow, "└"_cp437, "┘"_cp437);
}

void draw_game_caption(const GameState& game) {
    const std::string_view caption = game.puzzle_set.game_caption;
    if (caption.empty()) return;
    console_set_color(kGameCaptionColor, color::kBlack);
    console_locate(kGameCaptionRow, kGameCaptionColumn);
    console_print(caption);
    console_print(std::to_string(game.game_number));
}

void draw_command_bar(const GameState& game) {
    int row = kCommandBarRow;
    for (const CommandWord& word : game.puzzle_set.command_bar) {
        console_locate(row++, kCommandBarColumn);
        console_set_color(kCommandLetterColor, color::kBlack);
        console_print(word.letter);
        console_set_color(kCommandRestColor, kKeepColor);
        console_print(word.rest);
    }
}

}  // namespace

void draw_screen_frame(const GameState& game) {
    console_show_cursor(false);
    console_set_color(color::kBlack, color::kBlack);
    console_clear();
    draw_box();
    draw_game_caption(game);
    draw_command_bar(game);
    show_centred_status(kFirstPrompt, kPromptColor, color::kBlack);
}

}  // namespace blockslide
