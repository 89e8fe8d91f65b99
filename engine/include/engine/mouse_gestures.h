// The mouse on the board, turned into the keys the game already reads: a
// click on a block is its key, a drag from a block to the cell beside it is
// its key and, where it could go two ways, the arrow; at the direction prompt
// a click on a free cell the chosen block can go to is that arrow; a click on
// a word of the command bar is its letter. A gesture ends when the button is
// let go, so a press followed by a release elsewhere does nothing.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "console/keys.h"

namespace blockslide {

struct GameState;

class MouseGestures {
public:
    // Takes one press or release. `chosen`: the block the direction prompt
    // is for, or none at the first prompt.
    void take(const GameState& game, const MouseButton& button, std::optional<int> chosen);
    // The next key a gesture stands for, or "".
    std::string next_key();
    // The block of a drag the way it cannot go, once: refused as a wrong
    // arrow is.
    std::optional<int> take_refusal();

private:
    void clicked(const GameState& game, const MouseButton& button, std::optional<int> chosen);
    void dragged(const GameState& game, int number, int direction);
    void add_key(std::string key);

    std::optional<MouseButton> pressed_;
    std::array<std::string, 2> keys_{};
    std::size_t key_count_ = 0;
    std::size_t next_ = 0;
    std::optional<int> refused_;
};

}  // namespace blockslide
