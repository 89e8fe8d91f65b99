#include "console/unix/terminal_guard.h"

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace blockslide::terminal_guard {

namespace {

// A signal can arrive at any moment, so everything its handler needs is
// prepared while the terminal is opened, in plain buffers: the handler may
// only use async-signal-safe calls (write, tcsetattr, raise), never curses.

constexpr std::array<int, 4> kFatalSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Bytes kept with no allocation, so a signal handler can write them.
struct FixedBytes {
    std::array<char, 512> bytes{};
    std::size_t length = 0;

    void assign(std::string_view text) {
        length = std::min(text.size(), bytes.size());
        std::copy_n(text.data(), length, bytes.data());
    }
};

// Set while curses owns the terminal; whoever clears it restores the terminal.
volatile sig_atomic_t g_armed = 0;
FixedBytes g_reset;          // attributes off, cursor on, keypad off, main screen, title back
FixedBytes g_title_restore;  // just the title part, for the ordinary path after endwin
termios g_shell_modes{};
int g_shell_file_flags = -1;  // of standard input, -1 if unknown
volatile sig_atomic_t g_resumed = 0;
std::array<bool, kFatalSignals.size()> g_ignored_at_start{};

void write_all(const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // nothing more can be done for a terminal that is gone
        data += written;
        length -= static_cast<std::size_t>(written);
    }
}

// Whichever fatal signal comes first puts the terminal back as the shell
// expects it, then the signal is raised again with its default action so the
// process ends exactly as it would have.
void give_back_input() {
    tcflush(STDIN_FILENO, TCIFLUSH);
    if (g_shell_file_flags != -1) fcntl(STDIN_FILENO, F_SETFL, g_shell_file_flags);
}

void on_fatal_signal(int signal_number) {
    if (g_armed) {
        g_armed = 0;
        write_all(g_reset.bytes.data(), g_reset.length);
        tcsetattr(STDIN_FILENO, TCSANOW, &g_shell_modes);
        give_back_input();
    }
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    sigemptyset(&default_action.sa_mask);
    sigaction(signal_number, &default_action, nullptr);
    // Blocked until this handler returns, then delivered with the default action.
    raise(signal_number);
}

void on_continue(int) {
    g_resumed = 1;
}

sigset_t fatal_signal_set() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal_number : kFatalSignals) sigaddset(&set, signal_number);
    return set;
}

}  // namespace

void remember_shell_state() {
    tcgetattr(STDIN_FILENO, &g_shell_modes);
    // Asked before newterm, which puts its own handlers on SIGINT and SIGTERM.
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        struct sigaction current {};
        sigaction(kFatalSignals[i], nullptr, &current);
        g_ignored_at_start[i] = current.sa_handler == SIG_IGN;
    }
}

void take_input_modes() {
    termios modes{};
    if (tcgetattr(STDIN_FILENO, &modes) == 0) {
        modes.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
        tcsetattr(STDIN_FILENO, TCSANOW, &modes);
        def_prog_mode();  // so curses puts it back after Ctrl-Z and fg
    }
    g_shell_file_flags = fcntl(STDIN_FILENO, F_GETFL);
    if (g_shell_file_flags != -1 && (g_shell_file_flags & O_NONBLOCK) != 0) {
        fcntl(STDIN_FILENO, F_SETFL, g_shell_file_flags & ~O_NONBLOCK);
    }
}

void restore_shell_modes() {
    tcsetattr(STDIN_FILENO, TCSANOW, &g_shell_modes);
}

void arm(std::string_view reset, std::string_view title_restore) {
    g_reset.assign(reset);
    g_title_restore.assign(title_restore);
    g_armed = 1;
    struct sigaction action {};
    action.sa_handler = on_fatal_signal;
    // While one is being handled the others wait, so the restore runs once.
    action.sa_mask = fatal_signal_set();
    for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
        if (!g_ignored_at_start[i]) sigaction(kFatalSignals[i], &action, nullptr);
    }
    struct sigaction resume {};
    resume.sa_handler = on_continue;
    sigemptyset(&resume.sa_mask);
    sigaction(SIGCONT, &resume, nullptr);
}

bool resumed() {
    const bool was_resumed = g_resumed != 0;
    g_resumed = 0;
    return was_resumed;
}

bool armed() {
    return g_armed != 0;
}

void restore(std::string_view final_screen) {
    // A Ctrl-C in the middle of endwin must not start the emergency path
    // halfway through this one; it is delivered (and ends the program) after.
    const sigset_t fatal = fatal_signal_set();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &fatal, &previous);
    if (g_armed) {
        g_armed = 0;
        curs_set(1);
        endwin();  // flushes curses' output, so the title escape comes after it
        write_all(g_title_restore.bytes.data(), g_title_restore.length);
        write_all(final_screen.data(), final_screen.size());
        give_back_input();
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void write_to_terminal(std::string_view bytes) {
    write_all(bytes.data(), bytes.size());
}

}  // namespace blockslide::terminal_guard
