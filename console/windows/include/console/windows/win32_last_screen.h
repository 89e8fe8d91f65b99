// The game's last screen left in the player's own screen buffer, below
// what was there, the way text written to it would have gone.
#pragma once

#include <windows.h>

#include "console/screen_model.h"

namespace blockslide {

// Rows of the last screen kept: the bottom one is blank in every screen.
inline constexpr int kLastScreenRows = kScreenRows - 1;

struct LastScreenPlace {
    bool fits = false;    // the buffer is wide and tall enough
    int scroll_up = 0;    // lines the buffer's contents go up first, the top ones lost
    int top = 0;          // the buffer row of the screen's first row, after that
    SMALL_RECT window{};  // the window then, showing the row below the screen
};

// Where the rows go in a buffer of `size` with its cursor and window as
// given: from the start of the cursor's row (or of the next one, when
// something stands before the cursor), the cursor then at the start of the
// row after them.
LastScreenPlace place_last_screen(COORD size, COORD cursor, SMALL_RECT window);

// Writes the rows there, blank to the buffer's right edge and on the row
// below in the buffer's own colours, and leaves the cursor on that row.
void write_last_screen(HANDLE output, const ScreenModel& screen);

}  // namespace blockslide
