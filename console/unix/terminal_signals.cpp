#include "console/unix/terminal_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <initializer_list>
#include <vector>

#include "console/unix/terminal_modes.h"

namespace blockslide::terminal_signals {

namespace {

// How long the loop has to end the program after a signal that ends it,
// before the alarm does it from the handler.
constexpr unsigned kBackstopSeconds = 1;
// How long the handlers wait for a terminal that has stopped reading to take
// the reset.
constexpr long kResetWaitMs = 250;

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};

// Signals whose default action ends the program and that are not crashes.
std::vector<int> ending_signals() {
    std::vector<int> signals = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM, SIGUSR1, SIGUSR2,
                                SIGPIPE, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ};
#ifdef SIGIO
    signals.push_back(SIGIO);
#endif
#ifdef SIGPWR
    signals.push_back(SIGPWR);
#endif
#ifdef SIGSTKFLT
    signals.push_back(SIGSTKFLT);
#endif
#ifdef SIGRTMIN
    for (int number = SIGRTMIN; number <= SIGRTMAX; ++number) signals.push_back(number);
#endif
    return signals;
}

// Everything a handler touches is here, ready before any signal can come.
volatile sig_atomic_t g_ending = 0;
volatile sig_atomic_t g_suspend = 0;
volatile sig_atomic_t g_resize = 0;
volatile sig_atomic_t g_continue = 0;
volatile sig_atomic_t g_crashed = 0;
bool g_alarm_was_ignored = false;
int g_wake[2] = {-1, -1};
std::array<char, 512> g_reset{};
std::size_t g_reset_length = 0;
std::array<struct sigaction, NSIG> g_previous{};
std::array<bool, NSIG> g_installed{};
std::array<char, 65536> g_crash_stack{};

void wake() {
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = write(g_wake[1], &byte, 1);
}

// clock_gettime, unlike the standard clocks, is async-signal-safe.
long monotonic_ms() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The reset, as far as the terminal takes it within a short wait: one that
// has stopped reading may read again a moment later.
void write_reset() {
    terminal_modes::stop_waiting_for_output();
    const char* data = g_reset.data();
    std::size_t left = g_reset_length;
    const long give_up = monotonic_ms() + kResetWaitMs;
    while (left > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, left);
        if (written > 0) {
            data += written;
            left -= static_cast<std::size_t>(written);
            continue;
        }
        const long wait = give_up - monotonic_ms();
        if ((written < 0 && errno != EAGAIN && errno != EINTR) || wait <= 0) break;
        pollfd output{STDOUT_FILENO, POLLOUT, 0};
        poll(&output, 1, static_cast<int>(wait));
    }
    terminal_modes::restore();
}

void on_ending_signal(int signal_number) {
    const int saved_errno = errno;
    if (signal_number == SIGALRM && g_ending != 0) {  // the loop did not get there in time
        write_reset();
        end_by(g_ending);
    }
    if (signal_number == SIGALRM && g_alarm_was_ignored) return;
    if (g_ending == 0) {
        g_ending = signal_number;
        alarm(kBackstopSeconds);
    }
    terminal_modes::stop_waiting_for_output();
    wake();
    errno = saved_errno;
}

void on_crash(int signal_number) {
    if (g_crashed == 0) {
        g_crashed = 1;
        write_reset();
    }
    // Delivered again when this returns, as the program would have had it.
    sigaction(signal_number, &g_previous[signal_number], nullptr);
    raise(signal_number);
}

void on_note(int signal_number) {
    const int saved_errno = errno;
    if (signal_number == SIGTSTP) g_suspend = 1;
    if (signal_number == SIGWINCH) g_resize = 1;
    if (signal_number == SIGCONT) g_continue = 1;
    wake();
    errno = saved_errno;
}

bool ignored_now(int signal_number) {
    struct sigaction current {};
    sigaction(signal_number, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

void catch_signal(int signal_number, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;  // no SA_RESTART: a blocked read or write returns
    sigfillset(&action.sa_mask);
    if (sigaction(signal_number, &action, &g_previous[signal_number]) == 0)
        g_installed[signal_number] = true;
}

// A crash may be a stack overflow: its handler needs a stack of its own.
void give_crashes_a_stack() {
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0) return;
    stack_t own{};
    own.ss_sp = g_crash_stack.data();
    own.ss_size = g_crash_stack.size();
    sigaltstack(&own, nullptr);
}

// pipe2() is not everywhere: the flags are set one by one.
void open_wake_pipe() {
    if (pipe(g_wake) != 0) {
        g_wake[0] = g_wake[1] = -1;
        return;
    }
    for (int end : g_wake) {
        fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        fcntl(end, F_SETFD, FD_CLOEXEC);
    }
}

bool take(volatile sig_atomic_t& flag) {
    const bool was_set = flag != 0;
    flag = 0;
    return was_set;
}

}  // namespace

void install(std::string_view emergency_reset) {
    g_reset_length = std::min(emergency_reset.size(), g_reset.size());
    std::copy_n(emergency_reset.data(), g_reset_length, g_reset.data());
    if (g_wake[0] == -1) open_wake_pipe();
    g_alarm_was_ignored = ignored_now(SIGALRM);
    for (int number : ending_signals()) {
        // One started with it ignored keeps it ignored (nohup, for one).
        if (number == SIGALRM || !ignored_now(number)) catch_signal(number, on_ending_signal, 0);
    }
    give_crashes_a_stack();
    for (int number : kCrashSignals) catch_signal(number, on_crash, SA_ONSTACK);
    for (int number : {SIGTSTP, SIGWINCH, SIGCONT}) {
        if (!ignored_now(number)) catch_signal(number, on_note, 0);
    }
}

void uninstall() {
    alarm(0);
    for (int number = 1; number < NSIG; ++number) {
        if (g_installed[number]) sigaction(number, &g_previous[number], nullptr);
        g_installed[number] = false;
    }
    g_suspend = 0;
    g_resize = 0;
    g_continue = 0;
    clear_wake();
}

int ending_signal() {
    return g_ending;
}

bool take_suspend() {
    return take(g_suspend);
}
bool take_resize() {
    return take(g_resize);
}
bool take_continue() {
    return take(g_continue);
}

int wake_descriptor() {
    return g_wake[0];
}

void clear_wake() {
    char bytes[64];
    while (g_wake[0] != -1 && read(g_wake[0], bytes, sizeof bytes) > 0) {
    }
}

void stop_here() {
    struct sigaction ours {};
    struct sigaction stop {};
    stop.sa_handler = SIG_DFL;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGTSTP, &stop, &ours);
    sigset_t only_stop;
    sigemptyset(&only_stop);
    sigaddset(&only_stop, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &only_stop, nullptr);
    raise(SIGTSTP);  // the program stops here until it is continued
    sigaction(SIGTSTP, &ours, nullptr);
}

void end_by(int signal_number) {
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    sigaction(signal_number, &plain, nullptr);
    sigset_t only_this;
    sigemptyset(&only_this);
    sigaddset(&only_this, signal_number);
    sigprocmask(SIG_UNBLOCK, &only_this, nullptr);
    raise(signal_number);
    _exit(128 + signal_number);  // for a signal whose default does not end the program
}

}  // namespace blockslide::terminal_signals
