#include "console/windows/win32_backend.h"

#include <algorithm>
#include <array>

#include "console/cp437.h"
#include "console/monotonic_clock.h"
#include "console/terminal.h"
#include "console/windows/win32_cells.h"
#include "console/windows/win32_keys.h"

namespace blockslide {

namespace {

constexpr DWORD kCursorSize = 25;  // percent of a cell, the usual underline
constexpr std::size_t kRecordsAtOnce = 64;
// The screen is the whole of the game's buffer.
constexpr COORD kScreenOrigin{0, 0};

COORD at(int row, int column) {
    return COORD{static_cast<SHORT>(column - 1), static_cast<SHORT>(row - 1)};
}

std::wstring wide_from_cp437(std::string_view text) {
    std::wstring wide;
    for (const char byte : text) {
        wide += static_cast<wchar_t>(kCp437ToUnicode[static_cast<unsigned char>(byte)]);
    }
    return wide;
}

}  // namespace

Win32Backend::Win32Backend(const GameConsole& console, bool mouse)
    : console_(console), mouse_(mouse) {}

Win32Backend::~Win32Backend() {
    give_back_console(shown_ ? &*shown_ : nullptr);
}

void Win32Backend::present(const ScreenModel& screen) {
    for (int row = 1; row <= kScreenRows; ++row) write_changes(screen, row);
    shown_ = screen;
    SetConsoleCursorPosition(console_.screen, at(screen.cursor_row(), screen.cursor_column()));
    if (screen.cursor_visible() != cursor_shown_) {
        cursor_shown_ = screen.cursor_visible();
        const CONSOLE_CURSOR_INFO cursor{kCursorSize, *cursor_shown_ ? TRUE : FALSE};
        SetConsoleCursorInfo(console_.screen, &cursor);
    }
}

// One write per row, spanning the cells of that row that changed.
void Win32Backend::write_changes(const ScreenModel& screen, int row) {
    int first = 1;
    int last = kScreenColumns;
    if (shown_) {
        while (first <= last && screen.cell(row, first) == shown_->cell(row, first)) ++first;
        while (last >= first && screen.cell(row, last) == shown_->cell(row, last)) --last;
        if (first > last) return;
    }
    std::array<CHAR_INFO, kScreenColumns> cells{};
    for (int column = first; column <= last; ++column)
        cells[column - first] = console_cell(screen.cell(row, column));
    const COORD from = at(row, first);
    const COORD to = at(row, last);
    SMALL_RECT region{from.X, from.Y, to.X, to.Y};
    WriteConsoleOutputW(console_.screen, cells.data(),
                        COORD{static_cast<SHORT>(last - first + 1), 1}, COORD{0, 0}, &region);
}

std::string Win32Backend::wait_key() {
    read_input(false);
    while (backlog_.empty()) read_input(true);
    return backlog_.take();
}

std::string Win32Backend::poll_key() {
    read_input(false);
    return backlog_.take();
}

// Read rather than flushed, so that a button let go meanwhile is seen.
void Win32Backend::flush_keys() {
    read_input(false);
    backlog_.clear();
}

// Keys typed meanwhile go to the backlog, so a held key cannot pile up more
// than it holds.
void Win32Backend::sleep(int milliseconds) {
    const long end = monotonic_ms() + std::max(milliseconds, 0);
    for (long left = end - monotonic_ms(); left > 0; left = end - monotonic_ms()) {
        WaitForSingleObject(console_.input, static_cast<DWORD>(left));
        read_input(false);
    }
}

void Win32Backend::set_title(std::string_view title) {
    SetConsoleTitleW(wide_from_cp437(title).c_str());
}

void Win32Backend::bell() {
    DWORD written = 0;
    WriteConsoleW(console_.screen, L"\a", 1, &written, nullptr);
}

void Win32Backend::read_input(bool wait) {
    std::array<INPUT_RECORD, kRecordsAtOnce> records{};
    for (;;) {
        DWORD waiting = 0;
        if (!GetNumberOfConsoleInputEvents(console_.input, &waiting)) throw TerminalLost{};
        if (waiting == 0 && !wait) return;
        DWORD count = 0;
        // Blocks until there is a record.
        if (!ReadConsoleInputW(console_.input, records.data(), kRecordsAtOnce, &count))
            throw TerminalLost{};
        for (DWORD i = 0; i < count; ++i) take_record(records[i]);
        wait = false;
    }
}

void Win32Backend::take_record(const INPUT_RECORD& record) {
    if (record.EventType == MOUSE_EVENT && mouse_) {
        std::string key =
            mouse_key_from_console_event(record.Event.MouseEvent, kScreenOrigin, left_button_down_);
        if (!key.empty()) backlog_.push(std::move(key));
        return;
    }
    if (record.EventType != KEY_EVENT) return;
    const std::string key = key_from_console_event(record.Event.KeyEvent);
    if (key.empty()) return;
    // A held key may come as one record standing for several presses; more
    // than the backlog holds would only push each other out.
    const std::size_t presses =
        std::clamp<std::size_t>(record.Event.KeyEvent.wRepeatCount, 1, KeyBacklog::kCapacity);
    for (std::size_t press = 0; press < presses; ++press) backlog_.push(key);
}

}  // namespace blockslide
