// The terminal's modes: the shell's kept as they were found, the game's set
// while it plays, and the shell's put back on every way out, with input that
// arrived meanwhile thrown away so that it does not reach the shell.
#pragma once

namespace blockslide::terminal_modes {

// Keeps the shell's modes and file flags of the terminal.
bool save();
// Keys one at a time without echo, Ctrl-C and Ctrl-Z still signals, no flow
// control (Ctrl-S and Ctrl-Q are keys), CR left as CR, LF sent as LF, and
// blocking reads even if an earlier program left the terminal non-blocking.
void enter_game_modes();
// The shell's modes and flags back, discarding unread input. Async-signal-safe.
void restore();
// The terminal's file flags as found, with O_NONBLOCK: writes never wait.
// Async-signal-safe.
void stop_waiting_for_output();

// Whether input is waiting unread or arrives within `wait_ms`.
bool input_arriving(long wait_ms);
// Reads and drops input until the terminal has been quiet for `quiet_ms`,
// for at most `limit_ms`: the rest of a paste that ended the game.
void drain_input(long quiet_ms, long limit_ms);

}  // namespace blockslide::terminal_modes
