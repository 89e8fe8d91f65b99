// Reading one turn of play keys: a block key, perhaps an arrow, or a command.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// How a turn ended: a command letter (upper-case), a completed move (no
// letter), or Esc at the direction prompt (`quit_requested`).
struct PlayerTurn {
    char command = kNoCommand;
    bool quit_requested = false;

    static constexpr char kNoCommand = '\0';
};

// Reads keys until a command letter, one completed move, or Esc at the
// direction prompt. Esc as the first key of a turn ends the program.
PlayerTurn select_and_move(GameState& game);

// The letter of the tip (T), a command besides the program's own.
inline constexpr char kTipLetter = 'T';

// A key or a drag the way the block cannot go: the refusal cue and one
// flash of the block on white.
void refuse_wrong_way(const GameState& game, int number);

// The set of directions in which the block can move one cell, read from the
// background colours of the screen cells beside it: a cell is free when its
// background is black.
int find_legal_directions(const GameState& game, int number);

}  // namespace blockslide
