#include "apps/program_main.h"
#include "puzzles/puzzle_sets.h"

namespace {

constexpr blockslide::ProgramText kProgram{
    .name = "blockslide-a",
    .about =
        "FARNSWOG!, a sliding-block puzzle: slide the big blue block with the face\n"
        "(block 0) to the far right, beside the light bar on the edge of the box.",
    .keys =
        "Keys: 1-9 and 0 slide that block, an arrow chooses where it could go two ways;\n"
        "B back, L last block, R start over, F face, A watch the solution,\n"
        "T a tip (the fewest moves left and the block to move next),\n"
        "H instructions, Q quit (asks first), Esc quit at once.\n"
        "Mouse: click a block to slide it, drag it the way it should go, click a command.",
};

}  // namespace

int main(int argc, char** argv) {
    return blockslide::program_main(kProgram, blockslide::farnswog_puzzles(), argc, argv);
}
