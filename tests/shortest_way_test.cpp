// The shortest ways to the goal, found by a search over the board model: the
// stored solutions are shortest, and T tells the truth from wherever the
// player stands: along every stored solution, and after random walks, where
// following its block (the way that brings the goal nearer) arrives in
// exactly the number of moves it told.
#include <gtest/gtest.h>

#include <map>
#include <random>

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
        : board(program),
          game(program.puzzle_set()),
          session(console, console),
          puzzle(program.puzzles[game_number - 1]),
          distances(distances_for(program, puzzle)) {
        game.game_number = game_number;
        console.record_frames(true);
        start_new_game(game);
    }

    void move(int number, int direction) {
        execute_move(game, number, static_cast<Direction>(direction));
        board.move(number, direction);
    }
    int distance() const { return distances.at(board.layout_key()); }

    // Asks for a tip, checks the count it shows, and returns the block it
    // flashed red on white (0: none).
    int tip() {
        const std::size_t frames_before = console.frames().size();
        const int moves_before = game.move_count;
        show_tip(game);
        EXPECT_EQ(game.move_count, moves_before);
        const std::string said =
            std::to_string(distance()) + (distance() == 1 ? " move to go" : " moves to go");
        EXPECT_EQ(text_differences(console_screen(), kStatusRow, 40 - int(said.size()) / 2, said,
                                   kLightGray, kBlack),
                  "");
        // The flashed block: red on white at its corner, then the whole of it.
        for (std::size_t at = frames_before; at < console.frames().size(); ++at) {
            const ScreenModel& frame = console.frames()[at].screen;
            for (int number = 1; number <= board.program().block_count(); ++number) {
                const ScreenRect rect = on_screen(board.block(number));
                if (frame.cell_attribute(rect.top, rect.left) != (kRed | kWhite << 4)) continue;
                ExpectedScreen flashed(board, game.game_number, -1);
                flashed.flash(number, kRed, kWhite);
                return flashed.block_differences(frame, number).empty() ? number : 0;
            }
        }
        return 0;
    }

    // The ways block `number` can go that bring the goal one move nearer.
    std::vector<int> closer(int number) const {
        std::vector<int> ways;
        for (int direction : kDirections) {
            if (number == 0 || (board.legal_directions(number) & direction) == 0) continue;
            Board next = board;
            next.move(number, direction);
            if (distances.at(next.layout_key()) == distance() - 1) ways.push_back(direction);
        }
        return ways;
    }

    Board board;
    ScriptedConsole console;
    GameState game;
    ConsoleSession session;
    const PuzzleFacts& puzzle;
    const std::unordered_map<std::string, int>& distances;

private:
    // The search over every layout is the slow part: once a puzzle.
    static const std::unordered_map<std::string, int>& distances_for(const ProgramFacts& program,
                                                                     const PuzzleFacts& puzzle) {
        static std::map<const PuzzleFacts*, std::unordered_map<std::string, int>> found;
        auto [at, added] = found.try_emplace(&puzzle);
        if (added) at->second = distances_to_goal(program, puzzle);
        return at->second;
    }
};

struct Puzzle {
    const ProgramFacts* program;
    int game_number;
};
const Puzzle kPuzzles[] = {{&farnswog(), 1}, {&traxolumbine(), 1}, {&traxolumbine(), 2}};

TEST(ShortestWay, StoredSolutionsAreShortestAndTheTipFollowsThem) {
    for (const Puzzle& at : kPuzzles) {
        TipGame play(*at.program, at.game_number);
        SCOPED_TRACE(play.puzzle.title);
        EXPECT_EQ(play.distance(), play.puzzle.fewest_moves);
        for (MoveCode move : at.program->puzzle_set().puzzles[at.game_number - 1].solution) {
            const int flashed = play.tip();
            EXPECT_FALSE(play.closer(flashed).empty()) << "block " << flashed << " before " << move;
            const int before = play.distance();
            const auto [number, direction] = play.board.decode(move);
            play.move(number, direction);
            EXPECT_EQ(play.distance(), before - 1) << move;
        }
        EXPECT_TRUE(play.game.solved);
    }
}

TEST(ShortestWay, FollowingTheTipFromAnywhereArrivesAsTold) {
    std::mt19937 random(2026);
    for (const Puzzle& at : kPuzzles) {
        for (int walk = 0; walk < 3; ++walk) {
            TipGame play(*at.program, at.game_number);
            for (int step = 0; step < 300; ++step) {
                const int number = 1 + int(random() % play.board.program().block_count());
                const int direction = kDirections[random() % 4];
                if ((play.board.legal_directions(number) & direction) == 0) continue;
                Board next = play.board;  // the walk stops short of the goal
                next.move(number, direction);
                if (play.distances.at(next.layout_key()) > 0) play.move(number, direction);
            }
            const int told = play.distance();
            int made = 0;
            for (; !play.game.solved && made <= told; ++made) {
                const int flashed = play.tip();
                const std::vector<int> ways = play.closer(flashed);
                ASSERT_FALSE(ways.empty()) << "block " << flashed << " after " << made;
                play.move(flashed, ways[random() % ways.size()]);
            }
            EXPECT_EQ(made, told);
        }
    }
}

}  // namespace
}  // namespace blockslide::test
