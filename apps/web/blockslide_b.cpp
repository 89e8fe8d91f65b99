// blockslide-b's web page program.
#include "apps/web/play_in_browser.h"
#include "puzzles/puzzle_sets.h"

int main() {
    return blockslide::play_in_browser(blockslide::traxolumbine_puzzles());
}
