// The stored solutions played through the game's own moves. The program
// stores exactly the listed moves; before every move its legality test,
// which reads the screen, agrees with the shadow board for every block; the
// goal is reached on the last move and not before; and the board ends where
// the puzzle tables say.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/scripted_backend.h"
#include "engine/game_state.h"
#include "engine/main_loop.h"
#include "engine/moves.h"
#include "tests/game_facts.h"
#include "tests/game_screen.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

// A game on a scripted console, laid out and drawn by the program's own
// puzzle start, ready for moves.
class StartedGame {
public:
    StartedGame(const ProgramFacts& program, int game_number)
        : session_(backend_), game_(program.puzzle_set()) {
        game_.game_number = game_number;
        start_new_game(game_);
    }
    GameState& state() { return game_; }

private:
    ScriptedBackend backend_;
    ConsoleSession session_;
    GameState game_;
};

struct Replay {
    int moves = 0;
    int first_solving_move = 0;  // 0: `solved` was never set
    int first_goal_move = 0;     // on the shadow board; 0: never
    std::string disagreements;   // legal directions of the game and the shadow board
};

// Plays a listing as the game would, through the legality test and the move
// execution, with the shadow board in step. Before each move the legal
// directions of every block are compared.
Replay replay(GameState& game, ShadowBoard& board, const PuzzleFacts& goal,
              std::string_view listing) {
    constexpr std::size_t kEnoughReport = 2000;
    Replay result;
    for (std::string_view move : split_moves(listing)) {
        for (int block = 1; block <= game.block_count(); ++block) {
            find_legal_directions(game, block);
            if (game.legal_directions != board.legal_directions(block) &&
                result.disagreements.size() < kEnoughReport) {
                result.disagreements += "before move " + std::to_string(result.moves + 1) +
                                        ", block " + std::to_string(block) + ": " +
                                        std::to_string(game.legal_directions) + " instead of " +
                                        std::to_string(board.legal_directions(block)) + "\n";
            }
        }
        const int block = board.block_number(move.front());
        const int direction = direction_of_letter(move.back());
        find_legal_directions(game, block);
        if ((game.legal_directions & direction) == 0) break;
        board.play(move);
        execute_move(game, block, direction);
        ++result.moves;
        if (game.solved && result.first_solving_move == 0) result.first_solving_move = result.moves;
        if (board.goal_reached(goal) && result.first_goal_move == 0) {
            result.first_goal_move = result.moves;
        }
    }
    return result;
}

std::string stored_listing(const Puzzle& puzzle) {
    std::string listing;
    for (MoveCode move : puzzle.solution)
        listing += (listing.empty() ? "" : " ") + std::string(move);
    return listing;
}

class StoredSolution : public ::testing::TestWithParam<PuzzleOfProgram> {
protected:
    const ProgramFacts& program() const { return *GetParam().program; }
    const PuzzleFacts& puzzle() const { return *GetParam().puzzle; }
};

TEST_P(StoredSolution, IsTheListedOne) {
    const Puzzle& stored = program().puzzle_set().puzzles[puzzle().game_number - 1];
    EXPECT_EQ(stored_listing(stored), puzzle().solution);
}

TEST_P(StoredSolution, EveryMoveIsLegalAndOnlyTheLastReachesTheGoal) {
    StartedGame started(program(), puzzle().game_number);
    ShadowBoard board(program());
    const Replay result = replay(started.state(), board, puzzle(), puzzle().solution);

    EXPECT_EQ(result.disagreements, "");
    EXPECT_EQ(result.moves, puzzle().solution_length);
    EXPECT_EQ(result.first_goal_move, puzzle().solution_length);
    EXPECT_EQ(result.first_solving_move, puzzle().solution_length);
    // Where the table says, on the shadow board and on the screen.
    for (int number = 1; number <= program().block_count(); ++number) {
        const GridCell cell = puzzle().solved_cells[number - 1];
        EXPECT_EQ(board.block(number).top_row, cell_top_row(cell.row)) << "block " << number;
        EXPECT_EQ(board.block(number).left_column, cell_left_column(cell.column))
            << "block " << number;
    }
    EXPECT_EQ(expected_board(board).differences(console_screen(), kBoardInterior), "");
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, StoredSolution, ::testing::ValuesIn(every_puzzle()),
                         [](const ::testing::TestParamInfo<PuzzleOfProgram>& info) {
                             return std::string(info.param.puzzle->name);
                         });

TEST(StartLayout, LeavesTwoCellsFreeAndOnlyThreeMovesLegal) {
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()}) {
        SCOPED_TRACE(std::string(program->name));
        const ShadowBoard board(*program);
        EXPECT_EQ(board.free_cells(), program->start_free_cells);
        EXPECT_EQ(board.legal_moves(), std::vector<std::string>(program->start_moves.begin(),
                                                                program->start_moves.end()));
    }
}

// Block 9 ends at the lower right after the first list and at the upper
// right after the second; each place is the goal of one puzzle only.
TEST(TraxolumbineGoal, TheOtherPuzzlesGoalPlaceDoesNotSolve) {
    for (const PuzzleFacts& listed : traxolumbine().puzzles) {
        const PuzzleFacts& played = traxolumbine().puzzle(3 - listed.game_number);
        SCOPED_TRACE(std::string(listed.name) + " played in " + std::string(played.name));
        StartedGame started(traxolumbine(), played.game_number);
        ShadowBoard board(traxolumbine());
        const Replay result = replay(started.state(), board, listed, listed.solution);
        EXPECT_EQ(result.moves, listed.solution_length);
        EXPECT_EQ(result.first_goal_move, listed.solution_length);
        EXPECT_EQ(result.first_solving_move, 0);
    }
}

}  // namespace
}  // namespace blockslide::testing
