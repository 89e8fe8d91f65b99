#include "engine/refusals.h"

#include "console/colors.h"
#include "console/console.h"
#include "engine/block_painter.h"
#include "engine/cues.h"

namespace blockslide {

namespace {

constexpr Ink kStuckFlashInk{color::kBlue};
constexpr Body kStuckFlashBody{color::kYellow};
constexpr Body kWrongWayFlashBody{color::kWhite};

}  // namespace

void refuse_stuck_block(const GameState& game, int number) {
    play_sound_or_bell(cue::kRefusal);
    flash_block(game, number, kStuckFlashInk, kStuckFlashBody, 1);
}

void refuse_wrong_way(const GameState& game, int number) {
    play_sound_or_bell(cue::kRefusal);
    flash_block(game, number, kOwnInk, kWrongWayFlashBody, 1);
}

}  // namespace blockslide
