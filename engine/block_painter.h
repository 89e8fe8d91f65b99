// Painting blocks: outline, fill and label or face; flashes and the target
// bar.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Override colours of 0 select the block's own ink and body colours.
inline constexpr int kOwnColor = 0;

void draw_block(const GameState& game, int number, int ink_override = kOwnColor,
                int body_override = kOwnColor);
// Shows the block in other colours for 200 ms, `times` times, then normally.
void flash_block(const GameState& game, int number, int ink, int body, int times);
// The column of full blocks beside the goal place.
void draw_target_bar(const GameState& game, int color);

}  // namespace blockslide
