// The Windows console given back as found: the game's last screen placed in
// the player's buffer the way text output would go, and the input mode's
// mouse bits changed only when the mouse is asked for.
#include <gtest/gtest.h>

#include <array>

#include "console/windows/win32_console.h"
#include "console/windows/win32_last_screen.h"

namespace blockslide {
namespace {

struct PlaceCase {
    const char* what;
    COORD size, cursor;
    SMALL_RECT window;
    bool fits;
    int scroll_up, top;
    SMALL_RECT window_after;
};

TEST(Win32LastScreen, GoesBelowTheTextWithTheCursorOnTheRowAfterIt) {
    // clang-format off
    const PlaceCase cases[] = {
        {"wine's fresh 80 x 25", {80, 25}, {0, 0}, {0, 0, 79, 24}, true, 0, 0, {0, 0, 79, 24}},
        {"below the scrollback, the window following", {120, 9001}, {0, 30}, {0, 6, 119, 35},
         true, 0, 30, {0, 25, 119, 54}},
        {"after text on the cursor's row", {80, 300}, {5, 10}, {0, 0, 79, 24}, true, 0, 11, {0, 11, 79, 35}},
        {"a full buffer scrolls", {80, 300}, {0, 299}, {0, 275, 79, 299}, true, 24, 275, {0, 275, 79, 299}},
        {"the window scrolled down past the cursor", {80, 300}, {0, 3}, {0, 100, 79, 124},
         true, 0, 3, {0, 3, 79, 27}},
        {"the window nearer the top than its height", {80, 300}, {0, 0}, {0, 40, 79, 69},
         true, 0, 0, {0, 0, 79, 29}},
        {"a buffer narrower than the screen", {79, 300}, {0, 0}, {0, 0, 78, 24}, false, 0, 0, {}},
        {"a buffer shorter than the screen", {80, 24}, {0, 0}, {0, 0, 79, 23}, false, 0, 0, {}},
    };
    // clang-format on
    for (const PlaceCase& c : cases) {
        const LastScreenPlace place = place_last_screen(c.size, c.cursor, c.window);
        EXPECT_EQ(place.fits, c.fits) << c.what;
        if (!c.fits) continue;
        EXPECT_EQ(place.scroll_up, c.scroll_up) << c.what;
        EXPECT_EQ(place.top, c.top) << c.what;
        const SMALL_RECT& w = place.window;
        EXPECT_EQ((std::array{w.Left, w.Top, w.Right, w.Bottom}),
                  (std::array{c.window_after.Left, c.window_after.Top, c.window_after.Right,
                              c.window_after.Bottom}))
            << c.what;
    }
}

TEST(Win32Console, MouseBitsChangeOnlyWhenTheMouseIsAskedFor) {
    const DWORD keys = ENABLE_PROCESSED_INPUT | ENABLE_EXTENDED_FLAGS;
    const DWORD cooked = ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_WINDOW_INPUT;
    const DWORD found =
        cooked | ENABLE_PROCESSED_INPUT | ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE;
    EXPECT_EQ(game_input_mode(found, true), keys | ENABLE_MOUSE_INPUT | ENABLE_INSERT_MODE);
    EXPECT_EQ(game_input_mode(found, false), keys | ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE);
    EXPECT_EQ(game_input_mode(found | ENABLE_MOUSE_INPUT, false),
              keys | ENABLE_MOUSE_INPUT | ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE);
    EXPECT_EQ(game_input_mode(cooked, false), keys);
}

}  // namespace
}  // namespace blockslide
