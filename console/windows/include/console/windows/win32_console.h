// The console as the player had it, put aside while the game draws in a
// screen buffer of its own, and given back as it was: buffer, scrollback,
// window, input mode, code pages and title. Ctrl-C, Ctrl-Break and closing
// the window give it back too.
#pragma once

#include <windows.h>

#include <string>

#include "console/screen_model.h"

namespace blockslide {

// The game's side of the console: the player's input, and the 80 x 25
// screen buffer that is the active one while the game runs.
struct GameConsole {
    HANDLE input = nullptr;
    HANDLE screen = nullptr;
};

// The input mode while the game runs, from the one found: keys one at a
// time with no echo, Ctrl-C still ending the program. With `mouse` the
// buttons are reported and quick-edit is off (it would take the clicks);
// without, the mouse and quick-edit bits stay as found.
DWORD game_input_mode(DWORD found, bool mouse);

// Takes the console for the game. false, with a one-line reason in
// `problem`, when standard input and output are no console or the game's
// screen buffer cannot be made; nothing has changed then.
bool take_console(bool mouse, GameConsole& console, std::string& problem);

// The player's buffer active again and everything else as found, with the
// game's last screen written into it when there is one. Keys typed but not
// read are thrown away, so none reaches the shell.
void give_back_console(const ScreenModel* last_screen);

}  // namespace blockslide
