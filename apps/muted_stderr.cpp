#include "apps/muted_stderr.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace blockslide {

#ifdef _WIN32
// PlaySound prints nothing, so there is nothing to keep off the screen there.
MutedStderr::MutedStderr() = default;
MutedStderr::~MutedStderr() = default;
#else

MutedStderr::MutedStderr() {
    if (!isatty(STDERR_FILENO)) return;
    const int null_device = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null_device < 0) return;
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ >= 0) dup2(null_device, STDERR_FILENO);
    close(null_device);
}

MutedStderr::~MutedStderr() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
}

#endif

}  // namespace blockslide
