#include "tests/shadow_board.h"

#include <gtest/gtest.h>

#include <bit>

#include "console/keys.h"

namespace blockslide::testing {

namespace {

BlockPlace shifted(BlockPlace place, int direction) {
    if (direction == kUp) place.top_row -= kCellHeight;
    if (direction == kDown) place.top_row += kCellHeight;
    if (direction == kLeft) place.left_column -= kCellWidth;
    if (direction == kRight) place.left_column += kCellWidth;
    return place;
}

int opposite(int direction) {
    switch (direction) {
        case kUp:
            return kDown;
        case kDown:
            return kUp;
        case kLeft:
            return kRight;
        default:
            return kLeft;
    }
}

bool covers(const BlockPlace& block, int row, int column) {
    return row >= block.top_row && row < block.top_row + block.height &&
           column >= block.left_column && column < block.left_column + block.width;
}

constexpr char kDirectionLetters[] = "URDL";

}  // namespace

int direction_of_letter(char letter) {
    switch (letter) {
        case 'U':
            return kUp;
        case 'R':
            return kRight;
        case 'D':
            return kDown;
        case 'L':
            return kLeft;
        default:
            ADD_FAILURE() << "no direction letter: " << letter;
            return 0;
    }
}

std::string arrow_key(int direction) {
    switch (direction) {
        case kUp:
            return kUpKey;
        case kRight:
            return kRightKey;
        case kDown:
            return kDownKey;
        default:
            return kLeftKey;
    }
}

std::vector<std::string_view> split_moves(std::string_view listing) {
    std::vector<std::string_view> moves;
    while (!listing.empty()) {
        const std::size_t end = listing.find(' ');
        moves.push_back(listing.substr(0, end));
        listing = end == std::string_view::npos ? std::string_view{} : listing.substr(end + 1);
    }
    return moves;
}

std::string repeated_with_blanks(std::string_view word, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += (i == 0 ? "" : " ") + std::string(word);
    return text;
}

ShadowBoard::ShadowBoard(const ProgramFacts& program)
    : program_(&program), blocks_(program.blocks) {}

int ShadowBoard::block_number(char key) const {
    const std::size_t position = program_->block_keys.find(key);
    return position == std::string_view::npos ? 0 : static_cast<int>(position) + 1;
}

int ShadowBoard::legal_directions(int number) const {
    int directions = 0;
    for (int direction : {kUp, kRight, kDown, kLeft}) {
        if (fits(number, shifted(block(number), direction))) directions += direction;
    }
    return directions;
}

std::vector<std::string> ShadowBoard::legal_moves() const {
    std::vector<std::string> moves;
    for (int number = 1; number <= program_->block_count(); ++number) {
        const int legal = legal_directions(number);
        for (int bit = 0; bit < 4; ++bit) {
            if (legal & (1 << bit)) {
                moves.push_back({program_->block_keys[number - 1], kDirectionLetters[bit]});
            }
        }
    }
    return moves;
}

std::vector<GridCell> ShadowBoard::free_cells() const {
    std::vector<GridCell> cells;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            bool taken = false;
            for (const BlockPlace& place : blocks_) {
                taken = taken || covers(place, cell_top_row(row), cell_left_column(column));
            }
            if (!taken) cells.push_back({column, row});
        }
    }
    return cells;
}

bool ShadowBoard::goal_reached(const PuzzleFacts& puzzle) const {
    const BlockPlace& face = block(program_->face_block);
    return face.top_row == puzzle.goal_top_row && face.left_column == puzzle.goal_left_column;
}

std::vector<std::string> ShadowBoard::play(std::string_view move) {
    const int number = move.empty() ? 0 : block_number(move.front());
    const int direction = move.size() == 2 ? direction_of_letter(move.back()) : 0;
    if (number == 0 || direction == 0) {
        ADD_FAILURE() << "no move: \"" << move << "\"";
        return {};
    }
    const int legal = legal_directions(number);
    EXPECT_NE(legal & direction, 0) << "move " << move << " is not legal here";
    std::vector<std::string> keys{std::string(1, move.front())};
    if (std::popcount(static_cast<unsigned>(legal)) == 2) keys.push_back(arrow_key(direction));
    move_block(number, direction);
    history_.push_back({number, direction});
    return keys;
}

std::vector<std::string> ShadowBoard::play_all(std::string_view listing) {
    std::vector<std::string> keys;
    for (std::string_view move : split_moves(listing)) {
        for (std::string& key : play(move)) keys.push_back(std::move(key));
    }
    return keys;
}

void ShadowBoard::back() {
    ASSERT_FALSE(history_.empty()) << "nothing to take back";
    const Move last = history_.back();
    move_block(last.number, opposite(last.direction));
    history_.pop_back();
}

void ShadowBoard::toggle_face() {
    face_.style = face_.style == FaceStyle::kNiceMan ? FaceStyle::kZombie : FaceStyle::kNiceMan;
    face_.played = !history_.empty();
}

void ShadowBoard::lay_out_start() {
    blocks_ = program_->blocks;
    face_.played = !history_.empty();
}

void ShadowBoard::start_over() {
    lay_out_start();
    history_.clear();
}

// A moved block is drawn before its move is recorded or taken back.
void ShadowBoard::move_block(int number, int direction) {
    blocks_[number - 1] = shifted(block(number), direction);
    if (number == program_->face_block) face_.played = !history_.empty();
}

// True when `place` lies on the board and overlaps no block but `number`.
bool ShadowBoard::fits(int number, const BlockPlace& place) const {
    if (place.top_row < kBoardTop || place.left_column < kBoardLeft ||
        place.top_row + place.height - 1 > kBoardBottom ||
        place.left_column + place.width - 1 > kBoardRight) {
        return false;
    }
    for (int other = 1; other <= program_->block_count(); ++other) {
        if (other == number) continue;
        const BlockPlace& taken = block(other);
        const bool apart = place.left_column + place.width <= taken.left_column ||
                           taken.left_column + taken.width <= place.left_column ||
                           place.top_row + place.height <= taken.top_row ||
                           taken.top_row + taken.height <= place.top_row;
        if (!apart) return false;
    }
    return true;
}

}  // namespace blockslide::testing
