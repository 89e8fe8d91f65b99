#include "engine/tip_search.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "engine/screen_layout.h"

namespace blockslide {

namespace {

constexpr int kColumns = kBoardColumns;
constexpr int kRows = kBoardRows;
constexpr int kCells = kColumns * kRows;

// A position: three bits per cell hold the shape code of the block whose
// top-left cell it is, 0 for any other cell. 20 cells fit in 64 bits.
using Key = std::uint64_t;
constexpr int kBitsPerCell = 3;
constexpr Key kCodeMask = 7;

struct Shape {
    int columns = 0;
    int rows = 0;
};

// Codes 1 to 4 are the four block shapes; the goal block has its own code so
// that it never trades places with a block of its size.
constexpr unsigned kGoalCode = 5;
constexpr int kCodes = kGoalCode + 1;

unsigned shape_code(int columns, int rows) {
    return 1 + (columns - 1) * 2 + (rows - 1);
}

unsigned code_at(Key key, int cell) {
    return static_cast<unsigned>((key >> (kBitsPerCell * cell)) & kCodeMask);
}

Key placed(unsigned code, int cell) {
    return Key{code} << (kBitsPerCell * cell);
}

// The lowest bit of every cell that holds a block's top-left corner.
Key top_left_bits(Key key) {
    constexpr Key kFirstBitOfEachCell = 0x0249'2492'4924'9249;
    return (key | key >> 1 | key >> 2) & kFirstBitOfEachCell;
}

// One bit per board cell, row by row.
using CellMask = std::uint32_t;
constexpr CellMask kAllCells = ~CellMask{0};

CellMask cells_of(Shape shape, int column, int row) {
    const CellMask line = shape.columns == 2 ? 0b11u : 0b1u;
    const CellMask block = shape.rows == 2 ? line | line << kColumns : line;
    return block << (row * kColumns + column);
}

int cell_index(int column, int row) {
    return row * kColumns + column;
}

// Up, right, down, left.
constexpr int kStepCount = 4;
constexpr int kStepColumns[kStepCount] = {0, 1, 0, -1};
constexpr int kStepRows[kStepCount] = {-1, 0, 1, 0};

// One block's slide: the cells it enters (kAllCells when it would leave the
// board, so that it always meets a covered cell) and what it adds to the key.
struct Slide {
    CellMask entered = kAllCells;
    Key change = 0;
};

// The moves of every shape from every cell, worked out once per goal shape
// so that the searches only look them up.
class MoveRules {
public:
    void set_up(Shape goal) {
        const Shape shapes[kCodes] = {{0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2}, goal};
        for (unsigned code = 1; code < kCodes; ++code) {
            for (int cell = 0; cell < kCells; ++cell) set_up(code, shapes[code], cell);
        }
    }

    CellMask covered_cells(Key key) const {
        CellMask covered = 0;
        for (Key bits = top_left_bits(key); bits != 0; bits &= bits - 1) {
            const int cell = std::countr_zero(bits) / kBitsPerCell;
            covered |= cells_[code_at(key, cell)][cell];
        }
        return covered;
    }

    // The position after the block at `cell` takes step `step`, or 0 when it
    // cannot (no position is 0: the goal block is always somewhere).
    Key slid(Key key, CellMask covered, int cell, int step) const {
        const Slide& slide = slides_[code_at(key, cell)][cell][step];
        return (slide.entered & covered) != 0 ? 0 : key + slide.change;
    }

    template <typename Visit>
    void for_each_neighbour(Key key, Visit visit) const {
        const CellMask covered = covered_cells(key);
        for (Key bits = top_left_bits(key); bits != 0; bits &= bits - 1) {
            const int cell = std::countr_zero(bits) / kBitsPerCell;
            for (int step = 0; step < kStepCount; ++step) {
                if (const Key next = slid(key, covered, cell, step); next != 0) visit(next);
            }
        }
    }

private:
    void set_up(unsigned code, Shape shape, int cell) {
        const int column = cell % kColumns;
        const int row = cell / kColumns;
        const CellMask from = cells_of(shape, column, row);
        cells_[code][cell] = from;
        for (int step = 0; step < kStepCount; ++step) {
            const int to_column = column + kStepColumns[step];
            const int to_row = row + kStepRows[step];
            Slide& slide = slides_[code][cell][step];
            slide = {};
            if (to_column < 0 || to_row < 0 || to_column + shape.columns > kColumns ||
                to_row + shape.rows > kRows)
                continue;
            slide.entered = cells_of(shape, to_column, to_row) & ~from;
            slide.change = placed(code, cell_index(to_column, to_row)) - placed(code, cell);
        }
    }

    std::array<std::array<CellMask, kCells>, kCodes> cells_{};
    std::array<std::array<std::array<Slide, kStepCount>, kCells>, kCodes> slides_{};
};

bool fits_on_board(const GridBlock& block) {
    return block.columns >= 1 && block.columns <= 2 && block.rows >= 1 && block.rows <= 2 &&
           block.column >= 0 && block.row >= 0 && block.column + block.columns <= kColumns &&
           block.row + block.rows <= kRows;
}

// The query's position, or nothing when its blocks leave the board or overlap.
std::optional<Key> position_key(const TipQuery& query) {
    const int count = static_cast<int>(query.blocks.size());
    if (query.goal_block < 1 || query.goal_block > count) return std::nullopt;
    Key key = 0;
    CellMask covered = 0;
    for (int number = 1; number <= count; ++number) {
        const GridBlock& block = query.blocks[number - 1];
        if (!fits_on_board(block)) return std::nullopt;
        const Shape shape{block.columns, block.rows};
        const CellMask cells = cells_of(shape, block.column, block.row);
        if ((cells & covered) != 0) return std::nullopt;
        covered |= cells;
        const unsigned code =
            number == query.goal_block ? kGoalCode : shape_code(block.columns, block.rows);
        key |= placed(code, cell_index(block.column, block.row));
    }
    return key;
}

constexpr int kSlotBits = 17;  // twice the positions, so probe runs stay short
constexpr int kSlotCount = 1 << kSlotBits;
constexpr std::int32_t kNone = -1;  // an empty slot, a key not found
constexpr std::int32_t kUnreached = -1;
constexpr std::int32_t kTableFull = -2;

std::uint32_t home_slot(Key key) {
    return static_cast<std::uint32_t>((key * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits));
}

// Positions in the order the first search found them (which makes the list
// its own queue), an open-addressing index over them, and each one's distance.
struct Tables {
    std::array<Key, kTipPositionCapacity> keys;
    std::array<std::int32_t, kTipPositionCapacity> distances;
    std::array<std::uint16_t, kTipPositionCapacity> goal_search_queue;
    std::array<std::int32_t, kSlotCount> slots;
    int count = 0;

    // What the distances were measured for.
    bool built = false;
    int goal_cell = 0;
    Shape goal_shape;
    MoveRules rules;

    std::int32_t find(Key key) const {
        for (std::uint32_t slot = home_slot(key);; slot = (slot + 1) % kSlotCount) {
            const std::int32_t index = slots[slot];
            if (index == kNone) return kNone;
            if (keys[index] == key) return index;
        }
    }

    // The position's index, kTableFull when there is no room for a new one.
    std::int32_t add(Key key) {
        std::uint32_t slot = home_slot(key);
        for (; slots[slot] != kNone; slot = (slot + 1) % kSlotCount) {
            if (keys[slots[slot]] == key) return slots[slot];
        }
        if (count == kTipPositionCapacity) return kTableFull;
        keys[count] = key;
        slots[slot] = count;
        return count++;
    }

    bool explore(Key start) {
        slots.fill(kNone);
        count = 0;
        built = false;
        add(start);
        bool fits = true;
        for (int next = 0; next < count && fits; ++next) {
            rules.for_each_neighbour(keys[next], [&](Key key) { fits &= add(key) != kTableFull; });
        }
        return fits;
    }

    // A breadth-first search backwards from every goal position of the set;
    // moves are reversible, so the distances are those towards the goal.
    void measure_distances() {
        int tail = 0;
        for (int index = 0; index < count; ++index) {
            const bool at_goal = code_at(keys[index], goal_cell) == kGoalCode;
            distances[index] = at_goal ? 0 : kUnreached;
            if (at_goal) goal_search_queue[tail++] = static_cast<std::uint16_t>(index);
        }
        for (int head = 0; head < tail; ++head) {
            const int from = goal_search_queue[head];
            rules.for_each_neighbour(keys[from], [&](Key key) {
                const std::int32_t index = find(key);
                if (distances[index] != kUnreached) return;
                distances[index] = distances[from] + 1;
                goal_search_queue[tail++] = static_cast<std::uint16_t>(index);
            });
        }
    }

    // Builds the table unless it already holds the position for this goal;
    // false when the positions do not fit.
    bool prepare(Key key, int cell, Shape shape) {
        if (built && cell == goal_cell && shape.columns == goal_shape.columns &&
            shape.rows == goal_shape.rows && find(key) != kNone)
            return true;
        goal_cell = cell;
        goal_shape = shape;
        rules.set_up(shape);
        if (!explore(key)) return false;
        measure_distances();
        built = true;
        return true;
    }

    // The lowest-numbered block with a move to a position one step closer.
    int next_block(Key key, const TipQuery& query, std::int32_t distance) const {
        const CellMask covered = rules.covered_cells(key);
        for (int number = 1; number <= static_cast<int>(query.blocks.size()); ++number) {
            const GridBlock& block = query.blocks[number - 1];
            const int cell = cell_index(block.column, block.row);
            for (int step = 0; step < kStepCount; ++step) {
                const Key next = rules.slid(key, covered, cell, step);
                if (next != 0 && distances[find(next)] == distance - 1) return number;
            }
        }
        return 0;
    }
};

// Static: its pages are the program's own, untouched until the first tip.
Tables g_tables;

}  // namespace

GridCell grid_cell_from_screen(int top_row, int left_column) {
    return {.column = (left_column - kBoardLeftColumn) / kCellWidth,
            .row = (top_row - kBoardTopRow) / kCellHeight};
}

GridBlock grid_block_from_screen(int top_row, int left_column, int width, int height) {
    const GridCell cell = grid_cell_from_screen(top_row, left_column);
    return {.column = cell.column,
            .row = cell.row,
            .columns = width / kCellWidth,
            .rows = height / kCellHeight};
}

void forget_tips() {
    g_tables.built = false;
}

int tip_table_size() {
    return g_tables.built ? g_tables.count : 0;
}

Tip find_tip(const TipQuery& query) {
    const std::optional<Key> key = position_key(query);
    if (!key || query.goal.column < 0 || query.goal.column >= kColumns || query.goal.row < 0 ||
        query.goal.row >= kRows)
        return {};
    const GridBlock& goal_block = query.blocks[query.goal_block - 1];
    const Shape goal_shape{goal_block.columns, goal_block.rows};
    const int goal_cell = cell_index(query.goal.column, query.goal.row);
    Tables& tables = g_tables;
    if (!tables.prepare(*key, goal_cell, goal_shape)) return {};
    const std::int32_t distance = tables.distances[tables.find(*key)];
    if (distance == kUnreached) return {.outcome = TipOutcome::kNoWay};
    if (distance == 0) return {.outcome = TipOutcome::kFound};
    return {.outcome = TipOutcome::kFound,
            .moves = distance,
            .block = tables.next_block(*key, query, distance)};
}

}  // namespace blockslide
