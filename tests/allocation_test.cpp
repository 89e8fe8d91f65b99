// After start-up a turn and the drawing it causes take no heap memory: every
// operator new of this executable is counted while a game is being played.
#include <gtest/gtest.h>
#include <cstdlib>
#include <new>
#include <string>
#include "console/console.h"
#include "console/keys.h"
#include "console/scripted_backend.h"
#include "engine/main_loop.h"
#include "puzzles/puzzle_sets.h"

static struct {
    bool on = false;
    long allocations = 0;
} g_count;
void* operator new(std::size_t size) {
    if (g_count.on) ++g_count.allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc{};
}
// clang-format off
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
// clang-format on
using namespace blockslide;
constexpr int kCycles = 10;
std::string_view row_24() {
    static char text[kScreenColumns];
    for (int column = 1; column <= kScreenColumns; ++column)
        text[column - 1] = static_cast<char>(console_screen().cell(24, column).character);
    return {text, sizeof text};
}

// Plays the stored solution but its last move, then takes it all back with B,
// with L and F between, cycle after cycle; the first cycle warms up, the
// others are counted. Arrows are typed only when the game asks for one.
struct CyclingPlayer : ScriptedBackend {
    explicit CyclingPlayer(const Puzzle& puzzle) : moves(puzzle.solution) {}
    int steps() const { return 2 * (static_cast<int>(moves.size()) - 1); }  // per cycle
    std::string wait_key() override {
        static const std::string* const kArrows[] = {&kUpKey, &kRightKey, &kDownKey, &kLeftKey};
        if (row_24().find("Specify direction (arrow)") != std::string_view::npos)
            return *kArrows[std::string_view("URDL").find(moves[move][1])];
        if (++keys % 9 == 0 && step % steps() != 0) return keys % 2 ? "L" : "F";
        g_count.on = step >= steps() && step < kCycles * steps();
        if (step == kCycles * steps()) return kEscapeKey;
        const int within = step++ % steps();
        if (within >= steps() / 2) return "B";
        return std::string(1, moves[move = within][0]);
    }
    std::span<const MoveCode> moves;
    int keys = 0, step = 0, move = 0;
};

TEST(Allocation, NoHeapMemoryPerMoveBackLastOrFace) {
    g_count.on = true;  // the counter itself works
    const std::string probe(64, 'x');
    ASSERT_EQ(g_count.allocations, 1) << "operator new is not the counting one";
    for (const PuzzleSet* set : {&farnswog_puzzles(), &traxolumbine_puzzles()}) {
        g_count = {};
        CyclingPlayer player(set->puzzles[0]);
        ConsoleSession session(player, player);
        EXPECT_EQ(run_game(*set), 0);
        const std::string counter = "Moves: " + std::to_string(kCycles * player.steps()) + " ";
        EXPECT_TRUE(row_24().substr(68).starts_with(counter)) << row_24();
        EXPECT_TRUE(player.sounds().empty());
        EXPECT_EQ(g_count.allocations, 0) << set->puzzles[0].title;
    }
}
