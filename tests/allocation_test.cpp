// A turn and the drawing it causes take no heap memory: a game that makes
// its moves, Back, Last, Face and Tip four times over allocates no more than
// one that makes them once. This executable's operator new counts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/played_game.h"

static bool g_counting = false;
static long g_allocations = 0;
void* operator new(std::size_t size) {
    g_allocations += g_counting;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc{};
}
[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace blockslide::test {
namespace {

// The stored solution but its last move, with L, F and T between, then all
// of it taken back with B: `cycles` times. Returns the allocations counted.
long allocations_playing(const ProgramFacts& program, int cycles) {
    const auto solution = program.puzzle_set().puzzles[0].solution;
    std::string cycle;
    for (std::size_t at = 0; at + 1 < solution.size(); ++at)
        cycle += std::string(solution[at]) + (at % 5 == 4 ? " ~L F ~T " : " ");
    cycle += repeated("B ", static_cast<int>(solution.size()) - 1);
    PlayedGame game(program, repeated(cycle, cycles));
    g_allocations = 0;
    g_counting = true;
    game.run();
    g_counting = false;
    EXPECT_EQ(game.expected().differences(game.screen), "") << "after " << cycles;
    EXPECT_EQ(game.cues(), "");
    return g_allocations;
}

TEST(Allocation, NoHeapMemoryPerMoveBackLastFaceOrTip) {
    g_counting = true;  // the counter itself works
    const std::string probe(64, 'x');
    g_counting = false;
    ASSERT_EQ(g_allocations, 1) << "operator new is not the counting one";
    for (const ProgramFacts* program : {&farnswog(), &traxolumbine()})
        EXPECT_EQ(allocations_playing(*program, 4), allocations_playing(*program, 1));
}

}  // namespace
}  // namespace blockslide::test
