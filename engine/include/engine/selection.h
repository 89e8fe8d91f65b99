// Reading one turn of play keys: a block key, perhaps an arrow, or a command.
#pragma once

#include "engine/game_state.h"
#include "engine/player_input.h"

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
PlayerTurn select_and_move(GameState& game, PlayInput& input);

// The letter of the tip (T), a command besides the program's own.
inline constexpr char kTipLetter = 'T';

}  // namespace blockslide
