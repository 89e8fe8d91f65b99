#include "tests/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "console/keys.h"

namespace blockslide::testing {
namespace {

constexpr std::string_view kDirectionLetters = "URDL";  // the codes 1, 2, 4, 8
constexpr int kHistoryCapacity = 1000;

Block shifted(Block block, int direction) {
    block.row += (direction == kDown) - (direction == kUp);
    block.column += (direction == kRight) - (direction == kLeft);
    return block;
}

bool covers(const Block& block, int column, int row) {
    return column >= block.column && column < block.column + block.columns && row >= block.row &&
           row < block.row + block.rows;
}

}  // namespace

bool Board::covered(int column, int row) const {
    return std::ranges::any_of(blocks_, [&](const Block& b) { return covers(b, column, row); });
}

int Board::legal_directions(int number) const {
    int legal = 0;
    for (int direction : {kUp, kRight, kDown, kLeft}) {
        const Block to = shifted(block(number), direction);
        bool fits = to.column >= 0 && to.row >= 0 && to.column + to.columns <= kGridColumns &&
                    to.row + to.rows <= kGridRows;
        for (int column = to.column; fits && column < to.column + to.columns; ++column) {
            for (int row = to.row; row < to.row + to.rows; ++row)
                fits = fits && (covers(block(number), column, row) || !covered(column, row));
        }
        legal += fits ? direction : 0;
    }
    return legal;
}

std::pair<int, int> Board::decode(std::string_view move) const {
    const auto number = program_->block_keys.find(move.front()) + 1;
    const auto letter = kDirectionLetters.find(move.back());
    if (move.size() != 2 || number == 0 || letter == std::string_view::npos) return {0, 0};
    return {static_cast<int>(number), 1 << letter};
}

std::vector<std::string> Board::play(std::string_view move) {
    const auto [number, direction] = decode(move);
    if (number == 0 || (legal_directions(number) & direction) == 0) {
        ADD_FAILURE() << "the move " << move << " is not legal here";
        return {};
    }
    std::vector<std::string> keys{std::string(1, move.front())};
    if (std::popcount(static_cast<unsigned>(legal_directions(number))) == 2)
        keys.push_back(
            extended_key(kArrowScanCodes[std::countr_zero(static_cast<unsigned>(direction))]));
    this->move(number, direction);
    return keys;
}

// A moved block is drawn before its move is recorded or taken back.
void Board::move(int number, int direction) {
    blocks_[number - 1] = shifted(block(number), direction);
    if (number == program_->face_block) face_played = !history_.empty();
    ++move_count;
    if (history_length() == kHistoryCapacity) history_.erase(history_.begin());
    history_.push_back({number, direction});
}

void Board::back() {
    const auto [number, direction] = history_.back();
    const int reverse = direction == kUp || direction == kDown ? 5 - direction : 10 - direction;
    blocks_[number - 1] = shifted(block(number), reverse);
    face_played = face_played || number == program_->face_block;
    ++move_count;
    history_.pop_back();
}

}  // namespace blockslide::testing
