// Signals while the game has the terminal. The handlers only take note and
// wake the game's loop (a byte down a pipe), which does the work: suspend,
// resize, resume, or unwinding to the entry point to end with the signal's
// status. They never block: output is made non-blocking the moment a signal
// that ends the program comes, and should the loop not get there within a
// second, an alarm restores the terminal from the handler itself (waiting a
// quarter of a second at most for a terminal that has stopped reading to
// take the reset) and ends the program. A crash restores it too, the same
// way, before dying as it would have.
#pragma once

#include <string_view>

namespace blockslide::terminal_signals {

// Catches every signal whose default is to end the program (except those
// the program was started with ignored), the crash signals, Ctrl-Z, resizes
// and continuing. `emergency_reset` is what puts the terminal back.
void install(std::string_view emergency_reset);
// The previous actions back; pending notes dropped.
void uninstall();

// The first signal caught that ends the program, or 0.
int ending_signal();
// Whether Ctrl-Z, a resize or a continue came since the last call.
bool take_suspend();
bool take_resize();
bool take_continue();
// Readable whenever a signal has come; emptied by clear_wake().
int wake_descriptor();
void clear_wake();

// Stops the program as Ctrl-Z would have, returning once it is continued.
void stop_here();
// Ends the program with `signal_number`'s own status.
[[noreturn]] void end_by(int signal_number);

}  // namespace blockslide::terminal_signals
