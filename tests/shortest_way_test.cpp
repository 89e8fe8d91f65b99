// Each stored solution is shortest, as a search of every layout on the board model shows; so from
// each of its positions T counts the moves left in it. From there, as from the ends of random
// walks, the block T flashes has a way that brings the count one lower, so that following the
// tip reaches the goal in exactly the number of moves it first told.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <unordered_set>

#include "console/console.h"
#include "engine/board_commands.h"
#include "engine/main_loop.h"
#include "engine/move_execution.h"
#include "tests/played_game.h"

namespace blockslide::test {
namespace {

constexpr int kDirections[] = {kUp, kRight, kDown, kLeft};

// A game driven move by move beside its board model, asking for tips.
class TipGame {
public:
    TipGame(const ProgramFacts& program, int game_number)
        : board(program), game(program.puzzle_set()), session(console, console) {
        game.game_number = game_number;
        console.record_frames(true);
        start_new_game(game);
    }

    void move(int number, int direction) {
        execute_move(game, number, static_cast<Direction>(direction));
        board.move(number, direction);
    }

    // Asks for a tip: the count it shows, centred on the status line, and
    // the block it flashed red on white (0: none).
    std::pair<int, int> tip() {
        const std::size_t frames_before = console.frames().size();
        const int moves_before = game.move_count;
        show_tip(game);
        EXPECT_EQ(game.move_count, moves_before);
        std::string line;
        for (int column = 1; column <= kScreenColumns; ++column)
            line += static_cast<char>(console.screen().cell(kStatusRow, column).character);
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) return {-1, 0};  // no count: the callers' checks fail
        const int told = std::atoi(&line[start]);
        const std::string said =
            std::to_string(told) + (told == 1 ? " move to go" : " moves to go");
        EXPECT_EQ(line.substr(start, said.size()), said);
        EXPECT_EQ(int(start) + 1, 40 - int(said.size()) / 2) << said;
        for (std::size_t at = frames_before; at < console.frames().size(); ++at) {
            const ScreenModel& frame = console.frames()[at].screen;
            for (int number = 1; number <= board.program().block_count(); ++number) {
                const ScreenRect rect = on_screen(board.block(number));
                if (frame.cell_attribute(rect.top, rect.left) != (kRed | kWhite << 4)) continue;
                ExpectedScreen flashed(board, game.game_number, -1);
                flashed.flash(number, kRed, kWhite);
                return {told, flashed.block_differences(frame, number).empty() ? number : 0};
            }
        }
        return {told, 0};
    }

    // A way of the block that T counts one move nearer the goal (0: none);
    // the game is left as it was.
    int closer_way(int number, int told) {
        for (int direction : kDirections) {
            if (number == 0 || (board.legal_directions(number) & direction) == 0) continue;
            move(number, direction);
            const bool nearer = game.solved ? told == 1 : tip().first == told - 1;
            back_move(game);
            board.back();
            game.solved = false;  // a trial move, taken back: the puzzle goes on
            if (nearer) return direction;
        }
        return 0;
    }

    Board board;
    ScriptedConsole console;
    GameState game;
    ConsoleSession session;
};

// Blocks of one shape are alike, but for the face block.
std::string layout_key(const Board& board) {
    std::string cells(kBoardColumns * kBoardRows, '.');
    for (int number = 1; number <= board.program().block_count(); ++number) {
        const Block& at = board.block(number);
        const bool face = number == board.program().face_block;
        cells[at.row * kBoardColumns + at.column] = face ? 'F' : 'a' + at.columns * 3 + at.rows;
    }
    return cells;
}

// The fewest moves from the start to the goal, found breadth first.
int fewest_moves(const ProgramFacts& program, const PuzzleFacts& puzzle) {
    std::deque<std::pair<Board, int>> queue{{Board(program), 0}};
    std::unordered_set<std::string> seen{layout_key(queue.front().first)};
    for (; !queue.empty(); queue.pop_front()) {
        const auto& [board, moves] = queue.front();
        if (board.at_goal(puzzle)) return moves;
        for (int number = 1; number <= program.block_count(); ++number) {
            for (int direction : kDirections) {
                Board next = board;
                next.move(number, direction);
                if ((board.legal_directions(number) & direction) != 0 &&
                    seen.insert(layout_key(next)).second)
                    queue.push_back({next, moves + 1});
            }
        }
    }
    return -1;
}

struct Puzzle {
    const ProgramFacts* program;
    int game_number;
};
const Puzzle kPuzzles[] = {{&farnswog(), 1}, {&traxolumbine(), 1}, {&traxolumbine(), 2}};

TEST(ShortestWay, StoredSolutionsAreShortestAndTheTipCountsTheirMovesLeft) {
    for (const Puzzle& at : kPuzzles) {
        TipGame play(*at.program, at.game_number);
        const PuzzleFacts& puzzle = at.program->puzzles[at.game_number - 1];
        const auto& solution = at.program->puzzle_set().puzzles[at.game_number - 1].solution;
        ASSERT_EQ(int(solution.size()), puzzle.fewest_moves) << puzzle.title;
        EXPECT_EQ(fewest_moves(*at.program, puzzle), puzzle.fewest_moves) << puzzle.title;
        int left = puzzle.fewest_moves;
        for (MoveCode move : solution) {
            const auto [told, flashed] = play.tip();
            ASSERT_EQ(told, left--) << "before " << move;
            EXPECT_NE(play.closer_way(flashed, told), 0)
                << "block " << flashed << " before " << move;
            const auto [number, direction] = play.board.decode(move);
            play.move(number, direction);
        }
        EXPECT_TRUE(play.game.solved);
    }
}

TEST(ShortestWay, FollowingTheTipFromAnywhereArrivesAsTold) {
    std::mt19937 random(2026);
    for (const Puzzle& at : kPuzzles) {
        const PuzzleFacts& puzzle = at.program->puzzles[at.game_number - 1];
        for (int walk = 0; walk < 3; ++walk) {
            TipGame play(*at.program, at.game_number);
            for (int step = 0; step < 300; ++step) {  // a walk that stops short of the goal
                const int number = 1 + int(random() % play.board.program().block_count());
                const int direction = kDirections[random() % 4];
                Board next = play.board;
                next.move(number, direction);
                if ((play.board.legal_directions(number) & direction) != 0 && !next.at_goal(puzzle))
                    play.move(number, direction);
            }
            const int first_told = play.tip().first;
            int made = 0;
            for (; !play.game.solved && made <= first_told; ++made) {
                const auto [told, flashed] = play.tip();
                const int way = play.closer_way(flashed, told);
                ASSERT_NE(way, 0) << "block " << flashed << " after " << made;
                play.move(flashed, way);
            }
            EXPECT_EQ(made, first_told);
        }
    }
}

}  // namespace
}  // namespace blockslide::test
