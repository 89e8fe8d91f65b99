// Painting blocks: outline, fill and label or face; flashes and the target
// bar.
#pragma once

#include "engine/game_state.h"

namespace blockslide {

// The colours a block is drawn in instead of its own: the ink of its outline
// and the body, the background of all of it. Colour 0 never paints black
// here: kOwnInk and kOwnBody keep the block's own colours.
struct Ink {
    int color;
};
struct Body {
    int color;
};
inline constexpr Ink kOwnInk{0};
inline constexpr Body kOwnBody{0};

void draw_block(const GameState& game, int number, Ink ink = kOwnInk, Body body = kOwnBody);
// Shows the block in other colours for 200 ms, `times` times, then normally.
void flash_block(const GameState& game, int number, Ink ink, Body body, int times);
// The column of full blocks beside the goal place.
void draw_target_bar(const GameState& game, int color);

}  // namespace blockslide
