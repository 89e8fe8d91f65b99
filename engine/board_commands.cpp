#include "engine/board_commands.h"

#include "console/colors.h"
#include "console/console.h"
#include "engine/cues.h"
#include "engine/block_painter.h"
#include "engine/move_execution.h"

namespace blockslide {

namespace {

constexpr int kRecallInk = color::kRed;
constexpr int kRecallBody = color::kWhite;

}  // namespace

void back_move(GameState& game) {
    if (game.history.empty()) {
        play_sound_or_bell(cue::kRefusal);
        return;
    }
    // No legality test: the block goes back into the cells it just left.
    const MoveRecord last = game.history.last();
    execute_move(game, last.block, opposite_direction(last.direction), MoveMaker::kBack);
}

void recall_last_block(const GameState& game) {
    if (game.history.empty()) {
        play_sound_or_bell(cue::kRefusal);
        return;
    }
    flash_block(game, game.history.last().block, kRecallInk, kRecallBody, 1);
}

void toggle_face(GameState& game) {
    game.face_style = other_face_style(game.face_style);
    draw_block(game, game.program.face_block);
}

}  // namespace blockslide
