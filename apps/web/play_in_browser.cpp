#include "apps/web/play_in_browser.h"

#include <memory>

#include "console/console.h"
#include "console/web/web_console.h"
#include "engine/main_loop.h"
#include "sound/sound_device.h"
#include "sound/sound_player.h"

namespace blockslide {

int play_in_browser(const PuzzleSet& puzzles) {
    WebConsole page;
    const std::unique_ptr<SoundPlayer> sound =
        page.silent_requested() ? std::make_unique<SilentSound>() : open_sound_device();
    int status = 0;
    {
        ConsoleSession session(page, *sound);
        status = run_game(puzzles);
    }  // the session shows the last screen as it closes
    page.show_end();
    return status;
}

}  // namespace blockslide
