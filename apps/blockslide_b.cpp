#include "apps/play_in_terminal.h"
#include "puzzles/puzzle_sets.h"

int main(int argc, char** argv) {
    return blockslide::play_in_terminal(blockslide::traxolumbine_puzzles(),
                                        blockslide::options_from(argc, argv));
}
