#include "console/unix/terminal_output.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "console/monotonic_clock.h"
#include "console/unix/terminal_signals.h"

namespace blockslide {

namespace {

// A stalled terminal is looked at again this often for a signal.
constexpr int kStallCheckMs = 100;

}  // namespace

bool send_to_terminal(std::string_view bytes, long limit_ms) {
    const long give_up = limit_ms == kNoLimit ? -1 : monotonic_ms() + limit_ms;
    while (!bytes.empty()) {
        const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno != EINTR && errno != EAGAIN) return false;  // gone
        if (limit_ms == kNoLimit && terminal_signals::ending_signal() != 0) return false;
        const long now = monotonic_ms();
        if (give_up >= 0 && now >= give_up) return false;
        const long wait =
            give_up < 0 ? kStallCheckMs : std::min<long>(kStallCheckMs, give_up - now);
        pollfd output{STDOUT_FILENO, POLLOUT, 0};
        poll(&output, 1, static_cast<int>(wait));
    }
    return true;
}

}  // namespace blockslide
