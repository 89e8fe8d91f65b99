#include "engine/board_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/cues.h"
#include "engine/move_execution.h"
#include "engine/status_line.h"
#include "engine/tip_search.h"

namespace blockslide {

namespace {

constexpr Ink kRecallInk{color::kRed};
constexpr Body kRecallBody{color::kWhite};
constexpr int kTipColor = color::kLightGray;

// "N moves to go", written into `room` without taking memory.
std::string_view moves_to_go(int moves, std::span<char> room) {
    const std::string_view after = moves == 1 ? " move to go" : " moves to go";
    char* end = std::to_chars(room.data(), room.data() + room.size(), moves).ptr;
    end = std::copy(after.begin(), after.end(), end);
    return {room.data(), static_cast<std::size_t>(end - room.data())};
}

Tip tip_for(const GameState& game) {
    std::array<GridBlock, kMaxBlocks> blocks;
    for (int number = 1; number <= game.block_count(); ++number) {
        const Block& block = game.block(number);
        blocks[number - 1] =
            grid_block_from_screen(block.top_row, block.left_column, block.width, block.height);
    }
    const Puzzle& puzzle = game.puzzle();
    return find_tip({std::span(blocks.data(), static_cast<std::size_t>(game.block_count())),
                     puzzle.goal_block,
                     grid_cell_from_screen(puzzle.goal_top_row, puzzle.goal_left_column)});
}

}  // namespace

void back_move(GameState& game) {
    if (game.history.empty()) {
        play_sound_or_bell(cue::kRefusal);
        return;
    }
    // No legality test: the block goes back into the cells it just left.
    const MoveRecord last = game.history.last();
    execute_back_move(game, last.block, opposite_direction(last.direction));
}

void recall_last_block(const GameState& game) {
    if (game.history.empty()) {
        play_sound_or_bell(cue::kRefusal);
        return;
    }
    flash_block(game, game.history.last().block, kRecallInk, kRecallBody, 1);
}

void show_tip(GameState& game) {
    const Tip tip = tip_for(game);
    if (tip.outcome != TipOutcome::kFound || tip.block == kNoBlock) {
        play_sound_or_bell(cue::kRefusal);
        return;
    }
    char room[32];
    blank_status_line();
    show_centred_status(moves_to_go(tip.moves, room), kTipColor, color::kBlack);
    flash_block(game, tip.block, kRecallInk, kRecallBody, 1);
}

void toggle_face(GameState& game) {
    game.face_style = other_face_style(game.face_style);
    draw_block(game, game.puzzle_set.face_block);
}

}  // namespace blockslide
