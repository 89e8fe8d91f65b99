// Reading the player, mouse included: every screen of the game reads its
// keys through these, and a click or a drag arrives as the keys it stands for.
#pragma once

#include <optional>
#include <string>

#include "engine/game_state.h"
#include "engine/mouse_gestures.h"

namespace blockslide {

// The keys of the prompts of play. It keeps what the mouse has begun: a
// press waiting for its release, the keys a gesture stands for.
class PlayInput {
public:
    // A key, upper-cased. `chosen`: the block the direction prompt is for. A
    // drag the way its block cannot go is refused here, as a wrong arrow is,
    // and reading goes on.
    std::string read_key(const GameState& game, std::optional<int> chosen);

private:
    MouseGestures gestures_;
};

// Any key that closes a screen: a key, or the mouse button pressed (the
// release that follows is no second key).
std::string wait_any_key();
// The same without waiting; "" when there is none.
std::string poll_any_key();

}  // namespace blockslide
