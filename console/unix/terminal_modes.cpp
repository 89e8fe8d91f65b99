#include "console/unix/terminal_modes.h"
#include "console/monotonic_clock.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace blockslide::terminal_modes {

namespace {

// Plain globals: a signal handler reads them.
termios g_shell_modes{};
bool g_saved = false;
int g_input_flags = -1;
int g_output_flags = -1;

}  // namespace

bool save() {
    g_saved = tcgetattr(STDIN_FILENO, &g_shell_modes) == 0;
    g_input_flags = fcntl(STDIN_FILENO, F_GETFL);
    g_output_flags = fcntl(STDOUT_FILENO, F_GETFL);
    return g_saved;
}

void enter_game_modes() {
    if (!g_saved) return;
    termios modes = g_shell_modes;
    modes.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | IEXTEN);
    modes.c_lflag |= ISIG;
    modes.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | ICRNL | INLCR | IGNCR);
    modes.c_oflag &= ~static_cast<tcflag_t>(ONLCR | OCRNL | ONLRET);
    modes.c_cc[VMIN] = 1;
    modes.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &modes);
    if (g_input_flags != -1) fcntl(STDIN_FILENO, F_SETFL, g_input_flags & ~O_NONBLOCK);
    if (g_output_flags != -1) fcntl(STDOUT_FILENO, F_SETFL, g_output_flags & ~O_NONBLOCK);
}

void restore() {
    // TCSANOW: TCSAFLUSH would wait for a terminal that may not be reading.
    if (g_saved) tcsetattr(STDIN_FILENO, TCSANOW, &g_shell_modes);
    tcflush(STDIN_FILENO, TCIFLUSH);
    if (g_input_flags != -1) fcntl(STDIN_FILENO, F_SETFL, g_input_flags);
    if (g_output_flags != -1) fcntl(STDOUT_FILENO, F_SETFL, g_output_flags);
}

void stop_waiting_for_output() {
    const int flags = g_output_flags != -1 ? g_output_flags : 0;
    fcntl(STDOUT_FILENO, F_SETFL, flags | O_NONBLOCK);
}

bool input_arriving(long wait_ms) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, static_cast<int>(std::max(wait_ms, 0L))) > 0;
}

void drain_input(long quiet_ms, long limit_ms) {
    static char discarded[65536];  // not on the stack, which may be small
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const long give_up = monotonic_ms() + limit_ms;
    for (long now = monotonic_ms(); now < give_up; now = monotonic_ms()) {
        const int ready = poll(&input, 1, static_cast<int>(std::min(quiet_ms, give_up - now)));
        if (ready == 0) return;  // quiet long enough
        if (ready > 0 && read(STDIN_FILENO, discarded, sizeof discarded) <= 0) return;
    }
}

}  // namespace blockslide::terminal_modes
