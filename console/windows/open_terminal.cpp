// Opening the Windows console, and the rest of what the platform supplies
// to the entry point.
#include <windows.h>

#include <cstdlib>

#include "console/terminal.h"
#include "console/windows/win32_backend.h"
#include "console/windows/win32_console.h"

namespace blockslide {

// The program opens no files and reaches its console through the standard
// handles, so a closed stream has nothing to give way to.
bool prepare_standard_streams() {
    return GetStdHandle(STD_OUTPUT_HANDLE) != nullptr;
}

std::unique_ptr<ConsoleBackend> open_terminal(const TerminalOptions& options,
                                              std::string& problem) {
    GameConsole console;
    if (!take_console(options.mouse, console, problem)) return nullptr;
    return std::make_unique<Win32Backend>(console, options.mouse);
}

// No console operation throws EndedBySignal here: Ctrl-C and the window
// closing end the program from the control handler. Should one come, the
// signal's number is the exit status.
void end_by_signal(int signal_number) {
    std::exit(signal_number);
}

}  // namespace blockslide
