// The rules that hold between any two turns of any game, checked from the
// outside: blocks on whole cells of the board and never on one another, a
// screen that agrees with the block table, a history that replays to the
// board, and a move counter that only grows until the puzzle starts over.
// The first broken rule is printed and the process aborts, so the fuzzer
// keeps the input that broke it.
#pragma once

#include <array>
#include <vector>

#include "engine/game_state.h"
#include "engine/main_loop.h"

namespace blockslide {

struct BlockPlace {
    int top_row = 0;
    int left_column = 0;
    friend bool operator==(const BlockPlace&, const BlockPlace&) = default;
};
using Layout = std::array<BlockPlace, kMaxBlocks + 1>;  // by block number

class BoardCheck : public TurnObserver {
public:
    void between_turns(const GameState& game, bool fresh_start) override;

private:
    void check_fresh_start(const GameState& game);
    void check_counter(const GameState& game);
    void slide_window(const GameState& game);
    void check_history(const GameState& game) const;

    // The layout that history record 1 was played on: the start layout until
    // the 1000-record window drops its oldest records.
    Layout window_start_{};
    std::vector<MoveRecord> last_history_;
    int last_move_count_ = 0;
};

// Aborts unless every block lies on whole cells of the board with no two on
// one cell, and the screen's backgrounds show exactly that.
void check_board_and_screen(const GameState& game);

}  // namespace blockslide
