#include "fuzz/board_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "console/colors.h"
#include "console/console.h"

namespace blockslide {

namespace {

// The board: 5 x 4 cells from row 2, column 13, in a frame of background 8
// that runs round it on rows 1 and 22 and columns 11-12 and 68-69.
constexpr int kBoardTopRow = 2;
constexpr int kBoardLeftColumn = 13;
constexpr int kBoardColumns = 5;
constexpr int kBoardRows = 4;
constexpr int kFrameTopRow = 1;
constexpr int kFrameBottomRow = 22;
constexpr int kFrameLeftColumn = 11;
constexpr int kFrameRightColumn = 69;
constexpr int kFrameBackground = color::kDarkGray;
constexpr int kFreeBackground = color::kBlack;
// The target bar covers ten frame cells of column 69 with a full block, drawn
// on whatever background was current: there only the glyph shows.
constexpr int kTargetBarRows = 10;
constexpr std::uint8_t kFullBlockGlyph = 0xDB;

using Grid = std::array<std::array<int, kBoardColumns>, kBoardRows>;  // block numbers

[[noreturn]] void broken(const std::string& rule) {
    std::fprintf(stderr, "broken rule: %s\n", rule.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string block_name(int number) {
    return "block " + std::to_string(number);
}

// The cells a block covers: from `column`, `row`, so many of each.
struct CellSpan {
    int column;
    int row;
    int columns;
    int rows;
};

// Blocks are one or two cells in each direction.
constexpr int kMaxBlockCells = 2;

// The cells of a block at `place`, or nothing when it is not on whole cells
// inside the board.
std::optional<CellSpan> cells_of(const Block& block, BlockPlace place) {
    const int left = place.left_column - kBoardLeftColumn;
    const int top = place.top_row - kBoardTopRow;
    if (block.width % kCellWidth != 0 || block.height % kCellHeight != 0 ||
        left % kCellWidth != 0 || top % kCellHeight != 0 || left < 0 || top < 0)
        return std::nullopt;
    const CellSpan span{left / kCellWidth, top / kCellHeight, block.width / kCellWidth,
                        block.height / kCellHeight};
    const bool sized = span.columns >= 1 && span.columns <= kMaxBlockCells && span.rows >= 1 &&
                       span.rows <= kMaxBlockCells;
    if (!sized || span.column + span.columns > kBoardColumns || span.row + span.rows > kBoardRows)
        return std::nullopt;
    return span;
}

// Puts `mark` on the cells that block `number` covers at `place` (kNoBlock
// takes it off again); the broken rule, or "".
std::string mark_cells(Grid& grid, const GameState& game, int number, BlockPlace place, int mark) {
    const std::optional<CellSpan> span = cells_of(game.block(number), place);
    if (!span) {
        return block_name(number) + " is not on whole cells of the board: row " +
               std::to_string(place.top_row) + ", column " + std::to_string(place.left_column);
    }
    for (int r = span->row; r < span->row + span->rows; ++r) {
        for (int c = span->column; c < span->column + span->columns; ++c) {
            if (mark != kNoBlock && grid[r][c] != kNoBlock)
                return block_name(number) + " and " + block_name(grid[r][c]) + " share a cell";
            grid[r][c] = mark;
        }
    }
    return "";
}

std::string cover(const GameState& game, const Layout& layout, Grid& grid) {
    for (auto& row : grid) row.fill(kNoBlock);
    for (int number = 1; number <= game.block_count(); ++number) {
        std::string problem = mark_cells(grid, game, number, layout[number], number);
        if (!problem.empty()) return problem;
    }
    return "";
}

BlockPlace shifted(BlockPlace place, Direction direction) {
    switch (direction) {
        case kUp:
            return {place.top_row - kCellHeight, place.left_column};
        case kDown:
            return {place.top_row + kCellHeight, place.left_column};
        case kRight:
            return {place.top_row, place.left_column + kCellWidth};
        case kLeft:
            return {place.top_row, place.left_column - kCellWidth};
    }
    return place;
}

// Plays one recorded move on `layout`, whose cells `grid` holds.
std::string replay(const GameState& game, Layout& layout, Grid& grid, MoveRecord move) {
    const int number = move.block;
    if (number < 1 || number > game.block_count())
        return "the history holds a move of " + block_name(number);
    const BlockPlace from = layout[number];
    const BlockPlace to = shifted(from, move.direction);
    if (to == from) return "the history holds a move of no direction";
    mark_cells(grid, game, number, from, kNoBlock);
    layout[number] = to;
    return mark_cells(grid, game, number, to, number);
}

Layout current_layout(const GameState& game) {
    Layout layout{};
    for (int number = 1; number <= game.block_count(); ++number)
        layout[number] = {game.block(number).top_row, game.block(number).left_column};
    return layout;
}

Layout start_layout(const GameState& game) {
    Layout layout{};
    for (int number = 1; number <= game.block_count(); ++number) {
        const BlockLayout& start = game.program.blocks[number - 1];
        layout[number] = {start.top_row, start.left_column};
    }
    return layout;
}

int expected_background(const GameState& game, const Grid& grid, int row, int column) {
    const bool interior = row > kFrameTopRow && row < kFrameBottomRow &&
                          column >= kBoardLeftColumn &&
                          column < kBoardLeftColumn + kBoardColumns * kCellWidth;
    if (!interior) return kFrameBackground;
    const int number =
        grid[(row - kBoardTopRow) / kCellHeight][(column - kBoardLeftColumn) / kCellWidth];
    return number == kNoBlock ? kFreeBackground : game.block(number).body_color;
}

bool in_target_bar(const GameState& game, int row, int column) {
    const int first_row = game.puzzle().target_bar_first_row;
    return column == kFrameRightColumn && row >= first_row && row < first_row + kTargetBarRows;
}

}  // namespace

void check_board_and_screen(const GameState& game) {
    Grid grid;
    const std::string problem = cover(game, current_layout(game), grid);
    if (!problem.empty()) broken(problem);
    for (int row = kFrameTopRow; row <= kFrameBottomRow; ++row) {
        for (int column = kFrameLeftColumn; column <= kFrameRightColumn; ++column) {
            if (in_target_bar(game, row, column)) {
                if (console_screen().cell(row, column).character != kFullBlockGlyph)
                    broken("the target bar has a gap at row " + std::to_string(row));
                continue;
            }
            const int expected = expected_background(game, grid, row, column);
            const int shown = attribute_background(console_screen().cell_attribute(row, column));
            if (shown != expected) {
                broken("the screen at row " + std::to_string(row) + ", column " +
                       std::to_string(column) + " has background " + std::to_string(shown) +
                       ", the block table says " + std::to_string(expected));
            }
        }
    }
}

void BoardCheck::between_turns(const GameState& game, bool fresh_start) {
    check_board_and_screen(game);
    if (fresh_start) {
        check_fresh_start(game);
    } else {
        check_counter(game);
        slide_window(game);
    }
    check_history(game);
    last_history_.clear();
    for (int index = 1; index <= game.history.length(); ++index)
        last_history_.push_back(game.history.at(index));
    last_move_count_ = game.move_count;
}

void BoardCheck::check_fresh_start(const GameState& game) {
    if (game.move_count != 0 || !game.history.empty())
        broken("a puzzle started with moves counted or recorded");
    if (current_layout(game) != start_layout(game))
        broken("a puzzle started away from its start layout");
    window_start_ = start_layout(game);
}

void BoardCheck::check_counter(const GameState& game) {
    if (game.move_count < last_move_count_) {
        broken("the move counter went down from " + std::to_string(last_move_count_) + " to " +
               std::to_string(game.move_count));
    }
    if (game.history.length() > kHistoryCapacity || game.history.length() > game.move_count)
        broken("the history holds more moves than were made, or than it has room for");
}

// Once the window is full, each new move drops the oldest record: the
// layout the window starts from moves on by the dropped records.
void BoardCheck::slide_window(const GameState& game) {
    const int before = static_cast<int>(last_history_.size());
    const int now = game.history.length();
    if (now < before) return;  // Back took records off the top
    const int dropped = before + (game.move_count - last_move_count_) - now;
    if (dropped < 0) broken("the history gained records with no move made");
    if (dropped == 0) return;
    if (now != kHistoryCapacity || dropped > before)
        broken("the history lost " + std::to_string(dropped) + " records short of being full");
    Grid grid;
    cover(game, window_start_, grid);
    for (int index = 0; index < dropped; ++index) {
        const std::string problem = replay(game, window_start_, grid, last_history_[index]);
        if (!problem.empty()) broken("a record leaving the history: " + problem);
    }
}

void BoardCheck::check_history(const GameState& game) const {
    Layout layout = window_start_;
    Grid grid;
    cover(game, layout, grid);
    for (int index = 1; index <= game.history.length(); ++index) {
        const std::string problem = replay(game, layout, grid, game.history.at(index));
        if (!problem.empty())
            broken("history record " + std::to_string(index) + " does not replay: " + problem);
    }
    if (layout != current_layout(game))
        broken("the history does not replay to the layout on the board");
}

}  // namespace blockslide
