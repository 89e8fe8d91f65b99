#include "tests/board_model.h"

#include <algorithm>
#include <bit>

namespace blockslide::test {
namespace {

constexpr std::string_view kDirectionLetters = "URDL";  // the codes 1, 2, 4, 8
constexpr int kHistoryCapacity = 1000;
constexpr int kDirections[] = {kUp, kRight, kDown, kLeft};

Block shifted(Block block, int direction) {
    block.row += (direction == kDown) - (direction == kUp);
    block.column += (direction == kRight) - (direction == kLeft);
    return block;
}

bool covers(const Block& block, int column, int row) {
    return column >= block.column && column < block.column + block.columns && row >= block.row &&
           row < block.row + block.rows;
}

int reverse_of(int direction) {
    return direction == kUp || direction == kDown ? 5 - direction : 10 - direction;
}

}  // namespace

ScreenRect on_screen(const Block& block) {
    return {kBoardTopRow + block.row * kCellHeight, kBoardLeftColumn + block.column * kCellWidth,
            block.columns * kCellWidth, block.rows * kCellHeight};
}

int Board::block_at(int column, int row) const {
    for (int number = 1; number <= program_->block_count(); ++number)
        if (covers(block(number), column, row)) return number;
    return 0;
}

int Board::legal_directions(int number) const {
    int legal = 0;
    for (int direction : kDirections) {
        const Block to = shifted(block(number), direction);
        bool fits = to.column >= 0 && to.row >= 0 && to.column + to.columns <= kBoardColumns &&
                    to.row + to.rows <= kBoardRows;
        for (int column = to.column; fits && column < to.column + to.columns; ++column) {
            for (int row = to.row; row < to.row + to.rows; ++row) {
                const int there = block_at(column, row);
                fits = fits && (there == 0 || there == number);
            }
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

std::vector<std::string> Board::keys_for(int number, int direction) const {
    const int legal = legal_directions(number);
    if ((legal & direction) == 0) return {};
    std::vector<std::string> keys{std::string(1, program_->block_keys[number - 1])};
    if (std::popcount(static_cast<unsigned>(legal)) == 2) {
        const int arrow = std::countr_zero(static_cast<unsigned>(direction));
        keys.push_back(std::string{'\0', static_cast<char>(kArrowScanCodes[arrow])});
    }
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

bool Board::back() {
    if (history_.empty()) return false;
    const auto [number, direction] = history_.back();
    blocks_[number - 1] = shifted(block(number), reverse_of(direction));
    face_played = face_played || number == program_->face_block;
    ++move_count;
    history_.pop_back();
    return true;
}

}  // namespace blockslide::test
