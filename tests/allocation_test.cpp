// After start-up a turn and the drawing it causes take no heap memory: every
// operator new of this executable is counted while a game is being played.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "console/console.h"
#include "console/keys.h"
#include "console/scripted/scripted_console.h"
#include "engine/main_loop.h"
#include "puzzles/puzzle_sets.h"

static bool g_counting = false;
static long g_allocations = 0;
void* operator new(std::size_t size) {
    g_allocations += g_counting;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc{};
}
// clang-format off
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
// clang-format on

using namespace blockslide;
constexpr int kCycles = 10;

// Plays the stored solution but its last move, then takes it all back with B,
// with L, F and T between, cycle after cycle; the first cycle warms up, the
// others are counted. Arrows are typed only when the game asks for one.
struct CyclingPlayer : ScriptedConsole {
    explicit CyclingPlayer(const Puzzle& puzzle) : moves(puzzle.solution) {}
    int steps() const { return 2 * (static_cast<int>(moves.size()) - 1); }  // per cycle
    std::string wait_key() override {
        static const std::string* const kArrows[] = {&kUpKey, &kRightKey, &kDownKey, &kLeftKey};
        if (console_screen().cell(24, 28).character == 'S')  // "Specify direction (arrow)"
            return *kArrows[std::string_view("URDL").find(moves[move][1])];
        if (++keys % 9 == 0 && step % steps() != 0) return std::string(1, "LFT"[keys / 9 % 3]);
        g_counting = step >= steps() && step < kCycles * steps();
        if (step == kCycles * steps()) return kEscapeKey;
        const int within = step++ % steps();
        return within >= steps() / 2 ? "B" : std::string(1, moves[move = within][0]);
    }
    std::span<const MoveCode> moves;
    int keys = 0, step = 0, move = 0;
};

TEST(Allocation, NoHeapMemoryPerMoveBackLastFaceOrTip) {
    g_counting = true;  // the counter itself works
    const std::string probe(64, 'x');
    ASSERT_EQ(g_allocations, 1) << "operator new is not the counting one";
    for (const PuzzleSet* set : {&farnswog_puzzles(), &traxolumbine_puzzles()}) {
        g_counting = false;
        g_allocations = 0;
        CyclingPlayer player(set->puzzles[0]);
        ConsoleSession session(player, player);
        EXPECT_EQ(run_game(*set), 0);
        const std::string counter = "Moves: " + std::to_string(kCycles * player.steps()) + " ";
        for (int at = 0; at < static_cast<int>(counter.size()); ++at)  // each move and B counted
            EXPECT_EQ(console_screen().cell(24, 69 + at).character, counter[at]) << at;
        EXPECT_TRUE(player.cues().empty());
        EXPECT_EQ(g_allocations, 0) << set->puzzles[0].title;
    }
}
