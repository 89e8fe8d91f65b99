// The stored solutions played through the game's own moves: the program
// stores exactly the listed moves, its legality test (which reads the screen)
// agrees with the shadow board for every block before every move, only the
// last move reaches the goal, and the board ends where the tables say.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/scripted_backend.h"
#include "engine/game_state.h"
#include "engine/main_loop.h"
#include "engine/move_execution.h"
#include "engine/selection.h"
#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct Replay {
    int moves = 0;
    int first_solving_move = 0;  // 0: `solved` was never set
    int first_goal_move = 0;     // on the shadow board; 0: never
    std::string disagreements;   // legal directions of the game and the shadow board
    ScreenModel screen;          // at the end
};

// Plays `listing` in puzzle `game_number`, laid out by the program's own
// puzzle start, with the shadow board in step.
Replay replay(const ProgramFacts& program, int game_number, ShadowBoard& board,
              const PuzzleFacts& goal, std::string_view listing) {
    ScriptedBackend backend;
    ConsoleSession session(backend, backend);
    GameState game(program.puzzle_set());
    game.game_number = game_number;
    start_new_game(game);
    Replay result;
    for (std::string_view move : split_moves(listing)) {
        for (int block = 1; block <= game.block_count(); ++block) {
            const int legal = find_legal_directions(game, block);
            if (legal != board.legal_directions(block) && result.disagreements.size() < 2000) {
                result.disagreements += "before move " + std::to_string(result.moves + 1) +
                                        ", block " + std::to_string(block) + ": " +
                                        std::to_string(legal) + "\n";
            }
        }
        const int block = board.block_number(move[0]);
        board.play(move);
        execute_move(game, block,
                     static_cast<Direction>(1 << std::string_view("URDL").find(move[1])));
        ++result.moves;
        if (game.solved && result.first_solving_move == 0) result.first_solving_move = result.moves;
        if (board.goal_reached(goal) && result.first_goal_move == 0) {
            result.first_goal_move = result.moves;
        }
    }
    result.screen = console_screen();
    return result;
}

class StoredSolution : public ::testing::TestWithParam<PuzzleOfProgram> {};

TEST_P(StoredSolution, IsTheListedOneAndEveryMoveIsLegalAndOnlyTheLastSolves) {
    const ProgramFacts& program = *GetParam().program;
    const PuzzleFacts& puzzle = *GetParam().puzzle;
    std::string stored;
    for (MoveCode move : program.puzzle_set().puzzles[puzzle.game_number - 1].solution) {
        stored += (stored.empty() ? "" : " ") + std::string(move);
    }
    EXPECT_EQ(stored, puzzle.solution);

    ShadowBoard board(program);
    const Replay result = replay(program, puzzle.game_number, board, puzzle, puzzle.solution);
    EXPECT_EQ(result.disagreements, "");
    EXPECT_EQ(result.moves, puzzle.solution_length);
    EXPECT_EQ(result.first_goal_move, puzzle.solution_length);
    EXPECT_EQ(result.first_solving_move, puzzle.solution_length);
    for (int number = 1; number <= program.block_count(); ++number) {
        const GridCell cell = puzzle.solved_cells[number - 1];
        EXPECT_EQ(board.block(number).top_row, kBoardTop + kCellHeight * cell.row) << number;
        EXPECT_EQ(board.block(number).left_column, kBoardLeft + kCellWidth * cell.column) << number;
    }
    EXPECT_EQ(board.expected_board().differences(result.screen, kBoardInterior), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, StoredSolution, ::testing::ValuesIn(every_puzzle()),
                         puzzle_name);

// Each goal place solves only its own puzzle.
TEST(TraxolumbineGoal, TheOtherPuzzlesGoalPlaceDoesNotSolve) {
    for (const PuzzleFacts& listed : traxolumbine().puzzles) {
        SCOPED_TRACE(listed.name);
        ShadowBoard board(traxolumbine());
        const Replay result =
            replay(traxolumbine(), 3 - listed.game_number, board, listed, listed.solution);
        EXPECT_EQ(result.first_goal_move, listed.solution_length);
        EXPECT_EQ(result.first_solving_move, 0);
    }
}

}  // namespace
}  // namespace blockslide::testing
