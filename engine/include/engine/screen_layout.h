// Where everything stands on the 80 x 25 screen, written once: the board and
// its cells, the box round it with the goal bar in its right edge, the command
// list, the puzzle's number, the status line and the move counter. Rows and
// columns count from 1.
#pragma once

#include <string_view>

namespace blockslide {

// The board: 5 x 4 cells from row 2, column 13; a cell is 11 columns by 5 rows.
inline constexpr int kCellWidth = 11;
inline constexpr int kCellHeight = 5;
inline constexpr int kBoardColumns = 5;  // in cells
inline constexpr int kBoardRows = 4;
inline constexpr int kBoardTopRow = 2;
inline constexpr int kBoardLeftColumn = 13;
inline constexpr int kBoardRightColumn = kBoardLeftColumn + kBoardColumns * kCellWidth - 1;
inline constexpr int kBoardBottomRow = kBoardTopRow + kBoardRows * kCellHeight - 1;

// The box round the board: a line on its outer edge and a solid wall inside
// that, two columns each side, one row above and below.
inline constexpr int kBoxTopRow = kBoardTopRow - 1;
inline constexpr int kBoxBottomRow = kBoardBottomRow + 1;
inline constexpr int kBoxLeftColumn = kBoardLeftColumn - 2;
inline constexpr int kBoxRightColumn = kBoardRightColumn + 2;
// The goal bar: ten rows of the box's right edge, beside the goal place.
inline constexpr int kTargetBarColumn = kBoxRightColumn;
inline constexpr int kTargetBarRows = 2 * kCellHeight;

// The command list, one word a row.
inline constexpr int kCommandBarRow = 8;
inline constexpr int kCommandBarColumn = 4;
// The puzzle's number, where a program has more than one.
inline constexpr int kGameCaptionRow = 6;
inline constexpr int kGameCaptionColumn = 2;

// Every prompt and message: centred on row 24, and blanked there from column
// 13 for 50 columns.
inline constexpr int kStatusRow = 24;
inline constexpr int kStatusBlankColumn = 13;
inline constexpr int kStatusBlankWidth = 50;
// The move counter, on the status row under the box's right edge.
inline constexpr int kMoveCounterColumn = kBoxRightColumn;

// The first column of a centred text: 40 - length / 2.
inline constexpr int centred_column(std::string_view text) {
    return 40 - static_cast<int>(text.size()) / 2;
}

}  // namespace blockslide
