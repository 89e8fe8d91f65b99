// The stored solutions played through the game's own moves: every stored
// move must pass the legality test that reads the screen, the goal must be
// reached on the last move and not before, and the board must end where the
// puzzle tables say, both in the block records and on the screen.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/scripted_backend.h"
#include "engine/game_state.h"
#include "engine/main_loop.h"
#include "engine/moves.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

constexpr int kGridColumns = 5;
constexpr int kGridRows = 4;
constexpr int kCellScreenWidth = 11;
constexpr int kCellScreenHeight = 5;
constexpr int kFirstCellRow = 2;
constexpr int kFirstCellColumn = 13;

constexpr int screen_row(int grid_row) {
    return kFirstCellRow + kCellScreenHeight * grid_row;
}
constexpr int screen_column(int grid_column) {
    return kFirstCellColumn + kCellScreenWidth * grid_column;
}

constexpr int kUpCode = 1;
constexpr int kRightCode = 2;
constexpr int kDownCode = 4;
constexpr int kLeftCode = 8;

constexpr int kFarnswogMoves = 118;
constexpr int kLowerRightMoves = 41;
constexpr int kUpperRightMoves = 83;
constexpr int kLowerRightGame = 1;
constexpr int kUpperRightGame = 2;

// Size in cells and body colour, by block number (entry 0 unused).
struct BlockLook {
    int cells_wide;
    int cells_high;
    int body_color;
};

constexpr BlockLook kFarnswogLooks[] = {
    {0, 0, 0}, {1, 1, 6}, {1, 1, 3}, {1, 1, 2}, {1, 1, 4}, {2, 1, 2},
    {2, 1, 5}, {2, 1, 6}, {2, 1, 3}, {1, 2, 4}, {2, 2, 1},
};
constexpr BlockLook kTraxolumbineLooks[] = {
    {0, 0, 0}, {1, 1, 3}, {1, 1, 4}, {1, 2, 2}, {1, 2, 5},
    {1, 2, 3}, {1, 2, 4}, {2, 1, 6}, {2, 1, 2}, {2, 2, 1},
};

// A block's top-left grid cell.
struct Placement {
    int block;
    int column;
    int row;
};

constexpr Placement kFarnswogStart[] = {
    {1, 4, 0}, {2, 4, 1}, {3, 4, 2}, {4, 4, 3}, {5, 0, 0},
    {6, 2, 0}, {7, 0, 3}, {8, 2, 3}, {9, 2, 1}, {10, 0, 1},
};
constexpr Placement kFarnswogSolved[] = {
    {1, 2, 3}, {2, 3, 0}, {3, 2, 2}, {4, 4, 0}, {5, 0, 1},
    {6, 0, 3}, {7, 0, 0}, {8, 0, 2}, {9, 2, 0}, {10, 3, 1},
};
constexpr Placement kTraxolumbineStart[] = {
    {1, 2, 0}, {2, 2, 1}, {3, 0, 2}, {4, 1, 2}, {5, 3, 2},
    {6, 4, 2}, {7, 3, 0}, {8, 3, 1}, {9, 0, 0},
};
constexpr Placement kLowerRightSolved[] = {
    {1, 4, 0}, {2, 4, 1}, {3, 0, 2}, {4, 1, 2}, {5, 2, 0},
    {6, 3, 0}, {7, 0, 1}, {8, 0, 0}, {9, 3, 2},
};
constexpr Placement kUpperRightSolved[] = {
    {1, 2, 3}, {2, 2, 2}, {3, 1, 2}, {4, 0, 2}, {5, 4, 2},
    {6, 3, 2}, {7, 0, 1}, {8, 0, 0}, {9, 3, 0},
};

using GridCell = std::pair<int, int>;  // column, row

// Which block covers each grid cell (0: free) when the blocks stand at `placements`.
using CoverMap = std::array<std::array<int, kGridColumns>, kGridRows>;

CoverMap cover_map(std::span<const BlockLook> looks, std::span<const Placement> placements) {
    CoverMap cover{};
    for (const Placement& place : placements) {
        const BlockLook& look = looks[place.block];
        for (int dy = 0; dy < look.cells_high; ++dy) {
            for (int dx = 0; dx < look.cells_wide; ++dx) {
                int& cell = cover.at(place.row + dy).at(place.column + dx);
                EXPECT_EQ(cell, 0)
                    << "the table puts blocks " << cell << " and " << place.block << " on one cell";
                cell = place.block;
            }
        }
    }
    return cover;
}

std::vector<GridCell> free_cells(const CoverMap& cover) {
    std::vector<GridCell> cells;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (cover[row][column] == 0) cells.emplace_back(column, row);
        }
    }
    return cells;
}

int screen_background(int row, int column) {
    return console_screen().cell_attribute(row, column) >> 4;
}

// Every difference between the game and the expected layout: block records
// out of place, and grid cells with a character cell whose background is not
// the covering block's body colour (0 for a free cell). Empty when they agree.
std::string layout_differences(const GameState& game, std::span<const BlockLook> looks,
                               std::span<const Placement> placements) {
    std::ostringstream differences;
    for (const Placement& place : placements) {
        const Block& block = game.block(place.block);
        if (block.top_row != screen_row(place.row) ||
            block.left_column != screen_column(place.column)) {
            differences << "block " << place.block << " at row " << block.top_row << " column "
                        << block.left_column << ", expected row " << screen_row(place.row)
                        << " column " << screen_column(place.column) << "\n";
        }
    }
    const CoverMap cover = cover_map(looks, placements);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const int block = cover[row][column];
            const int expected = block == 0 ? 0 : looks[block].body_color;
            int wrong_characters = 0;
            for (int dy = 0; dy < kCellScreenHeight; ++dy) {
                for (int dx = 0; dx < kCellScreenWidth; ++dx) {
                    if (screen_background(screen_row(row) + dy, screen_column(column) + dx) !=
                        expected) {
                        ++wrong_characters;
                    }
                }
            }
            if (wrong_characters > 0) {
                differences << "cell c" << column << " r" << row << " ("
                            << (block == 0 ? "free" : "block " + std::to_string(block))
                            << "): " << wrong_characters << " character cells without background "
                            << expected << ", top-left has "
                            << screen_background(screen_row(row), screen_column(column)) << "\n";
            }
        }
    }
    return differences.str();
}

// A stored move's block: the position of its first character among the block keys.
int block_of(const GameState& game, MoveCode move) {
    const std::size_t position = game.puzzles->block_keys.find(move.front());
    return position == std::string_view::npos ? 0 : static_cast<int>(position) + 1;
}

int direction_of(MoveCode move) {
    switch (move.back()) {
        case 'U':
            return kUpCode;
        case 'R':
            return kRightCode;
        case 'D':
            return kDownCode;
        case 'L':
            return kLeftCode;
        default:
            return 0;
    }
}

// A game on a scripted console, laid out and drawn by the program's own
// restart, ready for moves.
class StartedGame {
   public:
    StartedGame(const PuzzleSet& puzzles, int game_number) : session_(backend_), game_(puzzles) {
        game_.game_number = game_number;
        start_new_game(game_);
    }
    GameState& state() { return game_; }

   private:
    ScriptedBackend backend_;
    ConsoleSession session_;
    GameState game_;
};

// The directions in which a block can move, worked out on a grid filled from
// the block records instead of from the screen.
int directions_from_records(const GameState& game, int number) {
    CoverMap cover{};
    for (int n = 1; n <= game.block_count(); ++n) {
        const Block& block = game.block(n);
        for (int dy = 0; dy < block.height / kCellScreenHeight; ++dy) {
            for (int dx = 0; dx < block.width / kCellScreenWidth; ++dx) {
                cover.at((block.top_row - kFirstCellRow) / kCellScreenHeight + dy)
                    .at((block.left_column - kFirstCellColumn) / kCellScreenWidth + dx) = n;
            }
        }
    }
    const Block& block = game.block(number);
    const int column = (block.left_column - kFirstCellColumn) / kCellScreenWidth;
    const int row = (block.top_row - kFirstCellRow) / kCellScreenHeight;
    const int cells_wide = block.width / kCellScreenWidth;
    const int cells_high = block.height / kCellScreenHeight;
    struct Shift {
        int code;
        int dx;
        int dy;
    };
    int directions = 0;
    for (const Shift& shift : {Shift{kUpCode, 0, -1}, Shift{kRightCode, 1, 0},
                               Shift{kDownCode, 0, 1}, Shift{kLeftCode, -1, 0}}) {
        bool room = true;
        for (int dy = 0; dy < cells_high; ++dy) {
            for (int dx = 0; dx < cells_wide; ++dx) {
                const int c = column + dx + shift.dx;
                const int r = row + dy + shift.dy;
                room = room && c >= 0 && c < kGridColumns && r >= 0 && r < kGridRows &&
                       (cover[r][c] == 0 || cover[r][c] == number);
            }
        }
        if (room) directions += shift.code;
    }
    return directions;
}

struct ReplayOutcome {
    int moves_made = 0;         // moves found legal and executed, in order
    int first_solved_move = 0;  // 0: `solved` was never set
    std::string refusal;        // why the replay stopped early
    // Blocks whose legal directions, read from the screen, differ from those
    // of the block records, before some move.
    std::string wrong_legal_directions;
};

void compare_legal_directions(GameState& game, ReplayOutcome& outcome) {
    constexpr std::size_t kEnoughReport = 2000;
    for (int block = 1; block <= game.block_count(); ++block) {
        find_legal_directions(game, block);
        const int expected = directions_from_records(game, block);
        if (game.legal_directions != expected &&
            outcome.wrong_legal_directions.size() < kEnoughReport) {
            outcome.wrong_legal_directions +=
                "before move " + std::to_string(outcome.moves_made + 1) + ", block " +
                std::to_string(block) + ": " + std::to_string(game.legal_directions) +
                " instead of " + std::to_string(expected) + "\n";
        }
    }
}

// Plays stored moves as the game would: the legality test first, then the
// move. Before each move every block's legal directions are checked too.
ReplayOutcome replay(GameState& game, std::span<const MoveCode> moves) {
    ReplayOutcome outcome;
    for (MoveCode move : moves) {
        compare_legal_directions(game, outcome);
        const int block = block_of(game, move);
        const int direction = direction_of(move);
        if (block == 0 || direction == 0) {
            outcome.refusal = "cannot decode \"" + std::string(move) + "\"";
            break;
        }
        find_legal_directions(game, block);
        if ((game.legal_directions & direction) == 0) {
            outcome.refusal = "move " + std::to_string(outcome.moves_made + 1) + " \"" +
                              std::string(move) + "\" is not legal: legal directions " +
                              std::to_string(game.legal_directions);
            break;
        }
        execute_move(game, block, direction);
        ++outcome.moves_made;
        if (game.solved && outcome.first_solved_move == 0) {
            outcome.first_solved_move = outcome.moves_made;
        }
    }
    return outcome;
}

std::span<const MoveCode> solution_of(const GameState& game, int game_number) {
    return game.puzzles->puzzles[game_number - 1].solution;
}

// Every block number with legal_directions not 0 right after a start.
std::vector<std::pair<int, int>> movable_blocks(GameState& game) {
    std::vector<std::pair<int, int>> movable;
    for (int block = 1; block <= game.block_count(); ++block) {
        find_legal_directions(game, block);
        if (game.legal_directions != 0) movable.emplace_back(block, game.legal_directions);
    }
    return movable;
}

std::string screen_text(int row, int column, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text +=
            static_cast<char>(console_screen().cell(row, column + static_cast<int>(i)).character);
    }
    return text;
}

// ---------------------------------------------------------------------------
// FARNSWOG

TEST(FarnswogSolution, StartLayoutIsDrawnAndOnlyThreeMovesAreLegal) {
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    EXPECT_EQ(layout_differences(game, kFarnswogLooks, kFarnswogStart), "");
    EXPECT_EQ(free_cells(cover_map(kFarnswogLooks, kFarnswogStart)),
              (std::vector<GridCell>{{3, 1}, {3, 2}}));

    const std::vector<std::pair<int, int>> expected = {
        {2, kLeftCode}, {3, kLeftCode}, {9, kRightCode}};
    EXPECT_EQ(movable_blocks(game), expected);
}

TEST(FarnswogSolution, StoredMovesAreAllLegalAndSolveOnlyOnTheLastMove) {
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    const std::span<const MoveCode> solution = solution_of(game, 1);
    ASSERT_EQ(solution.size(), std::size_t{kFarnswogMoves});

    const ReplayOutcome outcome = replay(game, solution);
    EXPECT_EQ(outcome.refusal, "");
    EXPECT_EQ(outcome.wrong_legal_directions, "");
    EXPECT_EQ(outcome.moves_made, kFarnswogMoves);
    EXPECT_EQ(outcome.first_solved_move, kFarnswogMoves);
    EXPECT_TRUE(game.solved);
    EXPECT_EQ(game.move_count, kFarnswogMoves);
    EXPECT_EQ(game.history_length(), kFarnswogMoves);
    constexpr std::string_view kCounter = "Moves: 118";
    constexpr int kLightCyanOnBlack = 11;
    EXPECT_EQ(screen_text(kMoveCounterRow, kMoveCounterColumn, kCounter.size()), kCounter);
    for (int i = 0; i < static_cast<int>(kCounter.size()); ++i) {
        EXPECT_EQ(console_screen().cell_attribute(kMoveCounterRow, kMoveCounterColumn + i),
                  kLightCyanOnBlack);
    }
}

TEST(FarnswogSolution, SolvedBoardStandsWhereTheTableSays) {
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    ASSERT_EQ(replay(game, solution_of(game, 1)).moves_made, kFarnswogMoves);

    EXPECT_EQ(layout_differences(game, kFarnswogLooks, kFarnswogSolved), "");
    EXPECT_EQ(free_cells(cover_map(kFarnswogLooks, kFarnswogSolved)),
              (std::vector<GridCell>{{3, 3}, {4, 3}}));
}

TEST(FarnswogSolution, StartingAgainAfterTheSolutionRestoresTheStartLayout) {
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    ASSERT_EQ(replay(game, solution_of(game, 1)).first_solved_move, kFarnswogMoves);

    start_new_game(game);
    EXPECT_FALSE(game.solved);
    EXPECT_EQ(game.move_count, 0);
    EXPECT_EQ(game.history_length(), 0);
    EXPECT_EQ(layout_differences(game, kFarnswogLooks, kFarnswogStart), "");
    const ReplayOutcome again = replay(game, solution_of(game, 1));
    EXPECT_EQ(again.refusal, "");
    EXPECT_EQ(again.first_solved_move, kFarnswogMoves);
}

TEST(FarnswogSolution, AnotherBlockOnTheGoalPlaceDoesNotSolve) {
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    const std::span<const MoveCode> first_move = solution_of(game, 1).first(1);
    ASSERT_EQ(first_move.front(), "2L");
    ASSERT_EQ(replay(game, first_move).moves_made, 1);

    EXPECT_EQ(game.block(2).top_row, game.puzzle().goal_top_row);
    EXPECT_EQ(game.block(2).left_column, game.puzzle().goal_left_column);
    EXPECT_FALSE(game.solved);
}

TEST(FarnswogSolution, KeyZeroMovesBlockTen) {
    constexpr int kFirstZeroMove = 26;  // "0U"
    StartedGame started(farnswog_puzzles(), 1);
    GameState& game = started.state();
    const std::span<const MoveCode> solution = solution_of(game, 1);
    ASSERT_EQ(solution[kFirstZeroMove - 1], "0U");
    ASSERT_EQ(replay(game, solution.first(kFirstZeroMove - 1)).moves_made, kFirstZeroMove - 1);
    ASSERT_EQ(game.block(10).top_row, screen_row(1));

    ASSERT_EQ(replay(game, solution.subspan(kFirstZeroMove - 1, 1)).moves_made, 1);
    EXPECT_EQ(game.block(10).top_row, screen_row(0));
    EXPECT_EQ(game.block(10).left_column, screen_column(0));
}

// ---------------------------------------------------------------------------
// TRAXOLUMBINE

TEST(TraxolumbineSolution, StartLayoutIsDrawnAndOnlyThreeMovesAreLegalInBothGames) {
    for (int game_number : {kLowerRightGame, kUpperRightGame}) {
        SCOPED_TRACE("game " + std::to_string(game_number));
        StartedGame started(traxolumbine_puzzles(), game_number);
        GameState& game = started.state();
        EXPECT_EQ(layout_differences(game, kTraxolumbineLooks, kTraxolumbineStart), "");
        EXPECT_EQ(free_cells(cover_map(kTraxolumbineLooks, kTraxolumbineStart)),
                  (std::vector<GridCell>{{2, 2}, {2, 3}}));

        const std::vector<std::pair<int, int>> expected = {
            {2, kDownCode}, {4, kRightCode}, {5, kLeftCode}};
        EXPECT_EQ(movable_blocks(game), expected);
    }
}

TEST(TraxolumbineSolution, LowerRightMovesAreAllLegalAndSolveOnlyOnTheLastMove) {
    StartedGame started(traxolumbine_puzzles(), kLowerRightGame);
    GameState& game = started.state();
    const std::span<const MoveCode> solution = solution_of(game, kLowerRightGame);
    ASSERT_EQ(solution.size(), std::size_t{kLowerRightMoves});

    const ReplayOutcome outcome = replay(game, solution);
    EXPECT_EQ(outcome.refusal, "");
    EXPECT_EQ(outcome.wrong_legal_directions, "");
    EXPECT_EQ(outcome.moves_made, kLowerRightMoves);
    EXPECT_EQ(outcome.first_solved_move, kLowerRightMoves);
    EXPECT_EQ(game.move_count, kLowerRightMoves);
    EXPECT_EQ(layout_differences(game, kTraxolumbineLooks, kLowerRightSolved), "");
    EXPECT_EQ(free_cells(cover_map(kTraxolumbineLooks, kLowerRightSolved)),
              (std::vector<GridCell>{{2, 2}, {2, 3}}));
}

TEST(TraxolumbineSolution, UpperRightMovesAreAllLegalAndSolveOnlyOnTheLastMove) {
    StartedGame started(traxolumbine_puzzles(), kUpperRightGame);
    GameState& game = started.state();
    const std::span<const MoveCode> solution = solution_of(game, kUpperRightGame);
    ASSERT_EQ(solution.size(), std::size_t{kUpperRightMoves});

    const ReplayOutcome outcome = replay(game, solution);
    EXPECT_EQ(outcome.refusal, "");
    EXPECT_EQ(outcome.wrong_legal_directions, "");
    EXPECT_EQ(outcome.moves_made, kUpperRightMoves);
    EXPECT_EQ(outcome.first_solved_move, kUpperRightMoves);
    EXPECT_EQ(game.move_count, kUpperRightMoves);
    EXPECT_EQ(layout_differences(game, kTraxolumbineLooks, kUpperRightSolved), "");
    EXPECT_EQ(free_cells(cover_map(kTraxolumbineLooks, kUpperRightSolved)),
              (std::vector<GridCell>{{2, 0}, {2, 1}}));
}

// The lower-right list ends with block 9 at row 12, column 46 and the
// upper-right list at row 2, column 46; each place is the goal of one game only.
TEST(TraxolumbineSolution, GoalPlaceOfTheOtherGameDoesNotSolve) {
    struct Case {
        int list;
        int played_in_game;
        int final_top_row;
    };
    for (const Case& c : {Case{kLowerRightGame, kUpperRightGame, screen_row(2)},
                          Case{kUpperRightGame, kLowerRightGame, screen_row(0)}}) {
        SCOPED_TRACE("list " + std::to_string(c.list) + " in game " +
                     std::to_string(c.played_in_game));
        StartedGame started(traxolumbine_puzzles(), c.played_in_game);
        GameState& game = started.state();
        const std::span<const MoveCode> solution = solution_of(game, c.list);

        const ReplayOutcome outcome = replay(game, solution);
        EXPECT_EQ(outcome.refusal, "");
        EXPECT_EQ(outcome.wrong_legal_directions, "");
        EXPECT_EQ(outcome.moves_made, static_cast<int>(solution.size()));
        EXPECT_EQ(outcome.first_solved_move, 0);
        EXPECT_EQ(game.block(9).top_row, c.final_top_row);
        EXPECT_EQ(game.block(9).left_column, screen_column(3));
    }
}

}  // namespace
}  // namespace blockslide
