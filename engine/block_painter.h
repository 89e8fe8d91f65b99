// Painting blocks: outline, fill and label or face; flashes, the target bar
// and the face toggle.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// Override colours of 0 select the block's own ink and body colours.
void draw_block(const GameState& game, int number, int ink_override, int body_override);
// Shows the block in other colours for 200 ms, `times` times, then normally.
void flash_block(const GameState& game, int number, int ink, int body, int times);
void draw_target_bar(const GameState& game, int color);
void toggle_face(GameState& game);

inline constexpr int kFlashMilliseconds = 200;
inline constexpr int kTargetBarColumn = 69;
inline constexpr int kTargetBarRows = 10;

}  // namespace blockslide
