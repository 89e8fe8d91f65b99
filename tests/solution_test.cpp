// The stored solutions: each is as short as a solution can be (a breadth-first
// search over the board model), each plays as keys through the game with
// every block answering as the model says, and only its last move solves:
// the congratulation, "done2", five white flashes and a key to end the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "engine/puzzle_set.h"
#include "tests/played_game.h"

namespace blockslide::testing {
namespace {

std::vector<std::string_view> stored(const PuzzleOf& of) {
    const auto solution = of.program->puzzle_set().puzzles[of.game_number - 1].solution;
    return {solution.begin(), solution.end()};
}

// Blocks of one shape are interchangeable, except the face block.
std::uint64_t layout_key(const Board& board) {
    std::vector<int> shapes;
    for (int number = 1; number <= board.program().block_count(); ++number) {
        const Block& block = board.block(number);
        const int shape = number == board.program().face_block ? 9 : block.columns * 3 + block.rows;
        shapes.push_back(shape << 5 | (block.row * kGridColumns + block.column));
    }
    std::sort(shapes.begin(), shapes.end());
    std::uint64_t key = 0;
    for (int shape : shapes) key = key << 5 | (shape & 31);
    return key;
}

int fewest_moves(const PuzzleOf& of) {
    std::vector<Board> level{Board(*of.program)};
    std::unordered_set<std::uint64_t> seen{layout_key(level.front())};
    for (int moves = 0; !level.empty(); ++moves) {
        std::vector<Board> next_level;
        for (const Board& board : level) {
            if (board.at_goal(of.puzzle())) return moves;
            for (int number = 1; number <= of.program->block_count(); ++number) {
                for (int direction : {kUp, kRight, kDown, kLeft}) {
                    if ((board.legal_directions(number) & direction) == 0) continue;
                    Board next = board;
                    next.move(number, direction);
                    if (seen.insert(layout_key(next)).second) next_level.push_back(next);
                }
            }
        }
        level.swap(next_level);
    }
    return -1;
}

class StoredSolution : public ::testing::TestWithParam<PuzzleOf> {};

TEST_P(StoredSolution, IsAsShortAsASolutionCanBe) {
    EXPECT_EQ(static_cast<int>(stored(GetParam()).size()), GetParam().puzzle().fewest_moves);
    EXPECT_EQ(fewest_moves(GetParam()), GetParam().puzzle().fewest_moves);
}

// Before some of the moves, every block key is answered as the model says:
// a beep and a yellow flash, a move, or the direction prompt.
TEST_P(StoredSolution, EveryBlockAnswersAsTheBoardModelSays) {
    const PuzzleOf& of = GetParam();
    const auto moves = stored(of);
    for (std::size_t made = 0; made < moves.size(); made += 4) {
        for (int number = 1; number <= of.program->block_count(); ++number) {
            PlayedGame game(*of.program, of.puzzle().choosing_keys);
            for (std::size_t k = 0; k < made; ++k) game.play(moves[k]);
            const int legal = game.board.legal_directions(number);
            game.console.type(of.program->block_keys.substr(number - 1, 1));
            if (legal == kUp || legal == kRight || legal == kDown || legal == kLeft) {
                game.board.move(number, legal);
            }
            // A refused block flashes, so it is drawn again: the face too.
            if (number == of.program->face_block) game.board.face_played = made > 0;
            game.run();
            SCOPED_TRACE("block " + std::to_string(number) + " after " + std::to_string(made));
            const bool two_ways = legal != 0 && game.board.move_count == static_cast<int>(made);
            const StatusText& status = game.board.at_goal(of.puzzle()) ? kCongratulation
                                       : two_ways                      ? kDirectionPrompt
                                       : game.board.move_count > 0     ? kBlankStatus
                                                                       : kFirstPrompt;
            EXPECT_EQ(game.differences(status), "");
            EXPECT_EQ(game.sounds().ends_with("beep2"), legal == 0);
        }
    }
}

TEST_P(StoredSolution, OnlyTheLastMoveSolvesAndAKeyThenEndsTheGame) {
    const PuzzleOf& of = GetParam();
    const auto moves = stored(of);
    PlayedGame game(*of.program, of.puzzle().choosing_keys);
    for (std::size_t k = 0; k + 1 < moves.size(); ++k) game.play(moves[k]);
    PlayedGame unsolved = game;
    EXPECT_EQ(unsolved.run(), std::nullopt);
    EXPECT_EQ(unsolved.differences(kBlankStatus), "");
    EXPECT_FALSE(unsolved.board.at_goal(of.puzzle()));

    game.console.record_frames(true);
    game.play(moves.back());
    game.play("<Right> ~1");
    EXPECT_EQ(game.run(), 0);
    EXPECT_EQ(game.console.keys_left(), 1u);
    EXPECT_EQ(game.differences(kCongratulation), "");
    EXPECT_EQ(game.sounds(), of.game_number == 1 ? "done2" : "ding2 done2");
    EXPECT_EQ(game.flashes(of.program->face_block, 0, kWhite), 5);
    EXPECT_EQ(game.console.now_ms(), 9 * kFlashMs);
    for (int number = 1; number <= of.program->block_count(); ++number) {
        const GridCell cell = of.puzzle().solved[number - 1];
        EXPECT_EQ(game.board.block(number).column, cell.column) << number;
        EXPECT_EQ(game.board.block(number).row, cell.row) << number;
    }
}

INSTANTIATE_TEST_SUITE_P(EachPuzzle, StoredSolution, ::testing::ValuesIn(every_puzzle()));

// In blockslide-b each goal place solves only its own puzzle.
TEST(OtherGoal, DoesNotSolve) {
    for (int game_number : {1, 2}) {
        PlayedGame game(traxolumbine(), game_number == 1 ? "G" : "");
        for (std::string_view move : stored({&traxolumbine(), game_number})) game.play(move);
        EXPECT_EQ(game.run(), std::nullopt);
        EXPECT_EQ(game.differences(kBlankStatus), "");
        EXPECT_EQ(game.sounds(), game_number == 1 ? "ding2" : "");
    }
}

}  // namespace
}  // namespace blockslide::testing
