#include "apps/play_in_terminal.h"
#include "puzzles/puzzle_sets.h"

int main() {
    return blockslide::play_in_terminal(blockslide::traxolumbine_puzzles());
}
