// Giving the terminal back on every way out: the ordinary one, and a fatal
// signal (Ctrl-C, kill, hangup) at any moment.
#pragma once

#include <string_view>

namespace blockslide::terminal_guard {

// Before curses starts: keeps the shell's terminal modes and notes which
// fatal signals the program was started with ignored (they stay ignored).
void remember_shell_state();
// Puts back the modes kept by remember_shell_state, for a terminal that
// curses touched but could not use.
void restore_shell_modes();
// Once curses is set up: no flow control (Ctrl-S and Ctrl-Q are keys, not a
// frozen screen) and blocking reads, even if an earlier program left the
// terminal non-blocking. Both come back on the way out.
void take_input_modes();
// Once curses owns the terminal: `reset` undoes everything curses and the
// game set up, `title_restore` gives the window title back. Catches the
// fatal signals, whose handler runs once, and notes a resume after a stop.
void arm(std::string_view reset, std::string_view title_restore);
bool armed();
// Whether the program was continued (fg) since the last call.
bool resumed();
// The ordinary way back, safe to call any number of times: keys typed but
// not read are thrown away, so none of them reach the shell, and
// `final_screen` is written once curses has let go of the terminal.
void restore(std::string_view final_screen = {});
// Bytes straight to the terminal, past curses.
void write_to_terminal(std::string_view bytes);

}  // namespace blockslide::terminal_guard
