#include "console/unix/unix_terminal.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "console/cp437.h"
#include "console/keys.h"
#include "console/monotonic_clock.h"
#include "console/terminal.h"
#include "console/unix/environment_number.h"
#include "console/unix/terminal_modes.h"
#include "console/unix/terminal_output.h"
#include "console/unix/terminal_signals.h"

namespace blockslide {

namespace {

// On the way out, how long the terminal may take to read the last screen or,
// after a signal, the reset (well within the second before the alarm ends
// the program); input arriving this soon after the last means a paste is
// under way, whose rest is waited for and thrown away.
constexpr long kGoodbyeLimitMs = 500;
constexpr long kPasteGapMs = 10;
constexpr long kPasteQuietMs = 200;
constexpr long kPasteLimitMs = 2000;
constexpr std::size_t kUpdateRoom = 65536;

// The terminal's size, or else the size the environment gives, where it
// makes sense.
Placement measure_terminal() {
    constexpr long kLargestSize = 10000;
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0)
        return Placement::centred(size.ws_row, size.ws_col);
    const auto given = [](const char* name, int otherwise) {
        return static_cast<int>(environment_number(name, 1, kLargestSize).value_or(otherwise));
    };
    return Placement::centred(given("LINES", kScreenRows), given("COLUMNS", kScreenColumns));
}

}  // namespace

UnixTerminal::UnixTerminal(TerminalCodes codes, const CharacterEncoder& encoder, KeyDecoder decoder)
    : codes_(std::move(codes)),
      glyphs_(encoder, codes_.line_drawing_pairs),
      writer_(codes_, glyphs_, color_depth(codes_.colors)),
      decoder_(std::move(decoder)),
      placement_(measure_terminal()) {
    out_.reserve(kUpdateRoom);
    send(codes_.title_save);
    take_terminal();
}

UnixTerminal::~UnixTerminal() {
    out_.clear();
    give_back(out_);
    terminal_modes::stop_waiting_for_output();
    send_to_terminal(out_, kGoodbyeLimitMs);
    if (terminal_signals::ending_signal() == 0 && paste_under_way())
        terminal_modes::drain_input(kPasteQuietMs, kPasteLimitMs);
    terminal_modes::restore();
    terminal_signals::uninstall();
}

void UnixTerminal::take_terminal() {
    out_.clear();
    out_ += codes_.enter_alternate_screen;
    out_ += codes_.enable_line_drawing;
    out_ += codes_.mouse_on;
    writer_.forget();
    writer_.show_cursor(false, out_);
    send(out_);
    repaint_ = true;
}

// Attributes, cursor, screen and title as the shell had them, and the game's
// last screen kept where the terminal is large enough for it: on the shell's
// screen, ending on the row after the board's with the prompt on its own.
void UnixTerminal::give_back(std::string& out) {
    ScreenWriter& writer = writer_;
    out += shell_give_back(codes_);
    writer.forget();
    if (!shown_ || terminal_signals::ending_signal() != 0) return;
    const bool alternate = !codes_.enter_alternate_screen.empty();
    if (placement_.too_small()) {
        if (!alternate) out += codes_.clear;  // no half a board left behind
    } else if (alternate) {
        // The shell's cursor may stand mid-line (type-ahead echoed before its
        // prompt, a command that printed no newline): start the rows at its beginning.
        out += '\r';
        writer.lines(*shown_, kScreenRows - 1, placement_.columns, out);
        writer.plain(out);
    } else {
        out += format(codes_.move_to, placement_.top + kScreenRows - 1, 0);
    }
}

void UnixTerminal::present(const ScreenModel& screen) {
    after_signals();
    draw(screen);
}

void UnixTerminal::draw(const ScreenModel& screen) {
    out_.clear();
    if (repaint_ || !shown_) {
        writer_.repaint(screen, placement_, out_);
    } else {
        writer_.update(*shown_, screen, placement_, out_);
    }
    repaint_ = false;
    shown_ = screen;
    send(out_);
}

std::string UnixTerminal::wait_key() {
    for (;;) {
        after_signals();
        redraw_if_due();
        decoder_.expire(monotonic_ms());
        if (std::string key = next_key(); !key.empty()) return key;
        const std::optional<long> due = decoder_.deadline();
        read_input(due ? std::max(0L, *due - monotonic_ms()) : -1);
    }
}

// Signals are seen by the sleep that always follows.
std::string UnixTerminal::poll_key() {
    read_input(0);
    decoder_.expire(monotonic_ms());
    return next_key();
}

void UnixTerminal::flush_keys() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    while (poll(&input, 1, 0) > 0 && read(STDIN_FILENO, input_.data(), input_.size()) > 0) {
    }
    decoder_.clear();
}

// Keys typed meanwhile go to the backlog, so a held key cannot pile up more
// than it holds; signals are seen as they come.
void UnixTerminal::sleep(int milliseconds) {
    const long end = monotonic_ms() + std::max(milliseconds, 0);
    for (long left = end - monotonic_ms(); left > 0; left = end - monotonic_ms()) {
        after_signals();
        redraw_if_due();
        read_input(left);
        decoder_.expire(monotonic_ms());
    }
}

void UnixTerminal::set_title(std::string_view title) {
    title_ = title;
    if (codes_.title_start.empty()) return;
    send(codes_.title_start + cp437_to_utf8(title) + codes_.title_finish);
}

void UnixTerminal::bell() {
    send(codes_.bell.empty() ? std::string_view("\a") : std::string_view(codes_.bell));
}

// What the signal handlers noted, done here in the game's loop.
void UnixTerminal::after_signals() {
    if (const int signal_number = terminal_signals::ending_signal(); signal_number != 0)
        throw EndedBySignal{signal_number};
    terminal_signals::clear_wake();
    if (terminal_signals::take_suspend()) suspend();
    if (terminal_signals::take_continue()) {  // stopped and continued from outside
        terminal_modes::enter_game_modes();
        repaint_ = true;
        if (!title_.empty()) set_title(title_);
    }
    if (terminal_signals::take_resize()) fit_to_terminal();
}

void UnixTerminal::redraw_if_due() {
    if (repaint_ && shown_) draw(*shown_);
}

// Ctrl-Z: the terminal as the shell had it while the game is stopped, and
// the game's again once it goes on.
void UnixTerminal::suspend() {
    send(shell_give_back(codes_));
    writer_.forget();
    terminal_modes::restore();
    terminal_signals::stop_here();
    terminal_signals::take_continue();
    terminal_modes::enter_game_modes();
    send(codes_.title_save);
    take_terminal();
    placement_ = measure_terminal();
    if (!title_.empty()) set_title(title_);
}

void UnixTerminal::fit_to_terminal() {
    const Placement now = measure_terminal();
    if (now.lines == placement_.lines && now.columns == placement_.columns) return;
    placement_ = now;
    repaint_ = true;
}

// Waits up to `wait_ms` (-1: for ever) for input or a signal and hands what
// came to the decoder. Input gone for good (the terminal closed without a
// hangup signal) ends the game.
void UnixTerminal::read_input(long wait_ms) {
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0},
                         {terminal_signals::wake_descriptor(), POLLIN, 0}};
    if (poll(watched, 2, static_cast<int>(wait_ms)) <= 0) return;
    if (watched[0].revents == 0) return;
    const ssize_t count = read(STDIN_FILENO, input_.data(), input_.size());
    if (count > 0) {
        last_input_ms_ = monotonic_ms();
        decoder_.feed(std::string_view(input_.data(), static_cast<std::size_t>(count)),
                      last_input_ms_);
        return;
    }
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
    throw TerminalLost{};
}

// Keys the game left unread, or more input within moments of the last: the
// game was ended by a paste, whose rest must not reach the shell.
bool UnixTerminal::paste_under_way() {
    if (!decoder_.take().empty() || decoder_.deadline()) return true;
    return terminal_modes::input_arriving(last_input_ms_ + kPasteGapMs - monotonic_ms());
}

// The next key. A mouse button counts where it was on the game's screen;
// one outside it, or one not asked for, is dropped.
std::string UnixTerminal::next_key() {
    for (std::string key = decoder_.take(); !key.empty(); key = decoder_.take()) {
        const std::optional<MouseButton> button = mouse_button_of(key);
        if (!button) return key;
        if (codes_.mouse_on.empty()) continue;
        const int row = button->row - placement_.top;
        const int column = button->column - placement_.left;
        const bool on_screen =
            row >= 1 && row <= kScreenRows && column >= 1 && column <= kScreenColumns;
        if (!on_screen || !placement_.position_of(row, column)) continue;
        return mouse_key(MouseButton{button->pressed, row, column});
    }
    return {};
}

void UnixTerminal::send(std::string_view bytes) {
    if (!bytes.empty()) send_to_terminal(bytes);
}

}  // namespace blockslide
