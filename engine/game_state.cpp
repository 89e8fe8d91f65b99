#include "engine/game_state.h"

namespace blockslide {

void MoveHistory::push(MoveRecord move) {
    if (length_ == kHistoryCapacity) {
        oldest_ = (oldest_ + 1) % kHistoryCapacity;
        --length_;
    }
    ++length_;
    records_[physical(length_)] = move;
}

void MoveHistory::pop() {
    if (length_ > 0) --length_;
}

MoveRecord MoveHistory::last() const {
    return length_ == 0 ? MoveRecord{} : records_[physical(length_)];
}

const Puzzle& GameState::puzzle() const {
    // Any game number but the first means the second puzzle, where there is one.
    std::size_t index = game_number == kFirstPuzzle ? 0 : 1;
    if (index >= puzzle_set.puzzles.size()) index = 0;
    return puzzle_set.puzzles[index];
}

void set_up_puzzle(GameState& game) {
    const PuzzleSet& set = game.puzzle_set;
    for (int number = 1; number <= game.block_count(); ++number) {
        const BlockLayout& start = set.blocks[number - 1];
        Block& block = game.blocks[number];
        block.width = start.width;
        block.height = start.height;
        block.body_color = start.body_color;
        block.top_row = start.top_row;
        block.left_column = start.left_column;
        block.ink_color = kBlockInkColor;
        block.label = set.block_keys.substr(number - 1, 1);
    }
}

int block_for_key(const GameState& game, std::string_view key) {
    if (key.size() != 1) return kNoBlock;
    std::size_t position = game.puzzle_set.block_keys.find(key[0]);
    return position == std::string_view::npos ? kNoBlock : static_cast<int>(position) + 1;
}

}  // namespace blockslide
