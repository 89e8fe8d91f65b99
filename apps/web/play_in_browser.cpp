#include "apps/web/play_in_browser.h"

#include "console/console.h"
#include "console/web/web_console.h"
#include "engine/main_loop.h"
#include "sound/sound_player.h"

namespace blockslide {

int play_in_browser(const PuzzleSet& puzzles) {
    WebConsole page;
    SilentSound silent;
    SoundPlayer& sound = page.silent_requested() ? static_cast<SoundPlayer&>(silent) : page;
    int status = 0;
    {
        ConsoleSession session(page, sound);
        status = run_game(puzzles);
    }  // the session shows the last screen as it closes
    page.show_end();
    return status;
}

}  // namespace blockslide
