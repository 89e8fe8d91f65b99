// The player's console on Windows, through the console API. The 80 x 25
// screen model is written cell for cell (only the cells that changed), and
// keys come from the console's input records.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/cp437.h"
#include "console/terminal.h"
#include "console/windows/win32_keys.h"

namespace blockslide {

namespace {

// Code page 437, the OEM code page of the console the games were drawn for.
constexpr UINT kOemCodePage = 437;
constexpr DWORD kKeepInputModes = ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE;
// Keys one at a time with no echo; Ctrl-C still ends the program.
constexpr DWORD kGameInputMode = ENABLE_PROCESSED_INPUT | ENABLE_EXTENDED_FLAGS;
constexpr DWORD kCursorSize = 25;  // percent of a cell, the usual underline

std::wstring wide_from_cp437(std::string_view text) {
    std::wstring wide;
    for (const char byte : text) {
        wide += static_cast<wchar_t>(kCp437ToUnicode[static_cast<unsigned char>(byte)]);
    }
    return wide;
}

// Everything the program changes in the console, as it was before.
struct ConsoleState {
    HANDLE input = nullptr;
    HANDLE output = nullptr;
    DWORD input_mode = 0;
    CONSOLE_CURSOR_INFO cursor{};
    WORD attributes = 0;
    UINT input_code_page = 0;
    UINT output_code_page = 0;
    std::array<wchar_t, MAX_PATH> title{};
};

ConsoleState g_saved;
// 1 while the console is the game's; whoever sets it to 0 restores it.
volatile LONG g_taken = 0;

void restore_console() {
    if (InterlockedExchange(&g_taken, 0) == 0) return;
    SetConsoleMode(g_saved.input, g_saved.input_mode);
    SetConsoleCursorInfo(g_saved.output, &g_saved.cursor);
    SetConsoleTextAttribute(g_saved.output, g_saved.attributes);
    SetConsoleCP(g_saved.input_code_page);
    SetConsoleOutputCP(g_saved.output_code_page);
    SetConsoleTitleW(g_saved.title.data());
}

// Ctrl-C, Ctrl-Break or the window closing: the console is put back, then
// the default handler ends the program.
BOOL WINAPI on_console_control(DWORD) {
    restore_console();
    return FALSE;
}

void take_console(HANDLE input, HANDLE output, const CONSOLE_SCREEN_BUFFER_INFO& info) {
    g_saved.input = input;
    g_saved.output = output;
    GetConsoleMode(input, &g_saved.input_mode);
    GetConsoleCursorInfo(output, &g_saved.cursor);
    g_saved.attributes = info.wAttributes;
    g_saved.input_code_page = GetConsoleCP();
    g_saved.output_code_page = GetConsoleOutputCP();
    GetConsoleTitleW(g_saved.title.data(), static_cast<DWORD>(g_saved.title.size()));
    InterlockedExchange(&g_taken, 1);
    SetConsoleCtrlHandler(on_console_control, TRUE);

    SetConsoleOutputCP(kOemCodePage);
    SetConsoleCP(kOemCodePage);
    SetConsoleMode(input, kGameInputMode | (g_saved.input_mode & kKeepInputModes));
}

// Buffer and window exactly 80 x 25. The window must always lie inside the
// buffer, so it shrinks to one cell first, then the buffer is sized, then the
// window opens over all of it.
void fit_screen(HANDLE output) {
    const SMALL_RECT one_cell{0, 0, 0, 0};
    SetConsoleWindowInfo(output, TRUE, &one_cell);
    SetConsoleScreenBufferSize(output, COORD{kScreenColumns, kScreenRows});
    const SMALL_RECT whole{0, 0, kScreenColumns - 1, kScreenRows - 1};
    SetConsoleWindowInfo(output, TRUE, &whole);
}

class Win32Backend final : public ConsoleBackend {
public:
    Win32Backend(HANDLE input, HANDLE output) : input_(input), output_(output) {
        // Where the screen starts in the buffer: its corner unless the
        // console would not take the size, then the visible window's.
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(output_, &info);
        origin_ = COORD{info.srWindow.Left, info.srWindow.Top};
    }

    ~Win32Backend() override {
        // The shell's prompt goes below the last screen, which stays.
        SetConsoleCursorPosition(output_, at(kScreenRows, 1));
        restore_console();
        SetConsoleCtrlHandler(on_console_control, FALSE);
    }

    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void present(const ScreenModel& screen) override {
        for (int row = 1; row <= kScreenRows; ++row) write_changes(screen, row);
        shown_ = screen;
        SetConsoleCursorPosition(output_, at(screen.cursor_row(), screen.cursor_column()));
        if (screen.cursor_visible() != cursor_shown_) {
            cursor_shown_ = screen.cursor_visible();
            const CONSOLE_CURSOR_INFO cursor{kCursorSize, *cursor_shown_ ? TRUE : FALSE};
            SetConsoleCursorInfo(output_, &cursor);
        }
    }

    std::string wait_key() override { return read_key(true); }
    std::string poll_key() override { return read_key(false); }

    void flush_keys() override {
        FlushConsoleInputBuffer(input_);
        repeats_ = 0;
    }

    void sleep(int milliseconds) override {
        if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
    }

    void bell() override {
        DWORD written = 0;
        WriteConsoleW(output_, L"\a", 1, &written, nullptr);
    }

    void set_title(std::string_view title) override {
        SetConsoleTitleW(wide_from_cp437(title).c_str());
    }

private:
    COORD at(int row, int column) const {
        return COORD{static_cast<SHORT>(origin_.X + column - 1),
                     static_cast<SHORT>(origin_.Y + row - 1)};
    }

    // One write per row, spanning the cells of that row that changed.
    void write_changes(const ScreenModel& screen, int row) {
        int first = 1;
        int last = kScreenColumns;
        if (shown_) {
            while (first <= last && screen.cell(row, first) == shown_->cell(row, first)) ++first;
            while (last >= first && screen.cell(row, last) == shown_->cell(row, last)) --last;
            if (first > last) return;
        }
        std::array<CHAR_INFO, kScreenColumns> cells{};
        for (int column = first; column <= last; ++column) {
            const Cell& cell = screen.cell(row, column);
            CHAR_INFO& out = cells[column - first];
            out.Char.UnicodeChar =
                static_cast<wchar_t>(cell.character == 0 ? U' ' : kCp437ToUnicode[cell.character]);
            out.Attributes = cell.attribute;
        }
        const COORD from = at(row, first);
        const COORD to = at(row, last);
        SMALL_RECT region{from.X, from.Y, to.X, to.Y};
        WriteConsoleOutputW(output_, cells.data(), COORD{static_cast<SHORT>(last - first + 1), 1},
                            COORD{0, 0}, &region);
    }

    std::string read_key(bool blocking) {
        if (repeats_ > 0) {
            --repeats_;
            return repeated_key_;
        }
        for (;;) {
            INPUT_RECORD record{};
            DWORD count = 0;
            if (!blocking) {
                if (!PeekConsoleInputW(input_, &record, 1, &count)) throw TerminalLost{};
                if (count == 0) return {};
            }
            // Blocks until there is an input event.
            if (!ReadConsoleInputW(input_, &record, 1, &count)) throw TerminalLost{};
            if (count == 0 || record.EventType != KEY_EVENT) continue;
            std::string key = key_from_console_event(record.Event.KeyEvent);
            if (key.empty()) continue;
            // A key held down may come as one record standing for several presses.
            const WORD presses = record.Event.KeyEvent.wRepeatCount;
            repeats_ = presses > 1 ? presses - 1 : 0;
            repeated_key_ = key;
            return key;
        }
    }

    HANDLE input_;
    HANDLE output_;
    COORD origin_{};
    std::optional<ScreenModel> shown_;  // what the console shows now
    std::optional<bool> cursor_shown_;  // unknown until first set
    std::string repeated_key_;
    int repeats_ = 0;
};

}  // namespace

std::unique_ptr<ConsoleBackend> open_terminal(std::string& problem) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleMode(input, &mode) || !GetConsoleScreenBufferInfo(output, &info)) {
        problem = "standard input and output must be a console window";
        return nullptr;
    }
    if (g_taken != 0) {
        problem = "the console is already open";
        return nullptr;
    }
    take_console(input, output, info);
    fit_screen(output);
    return std::make_unique<Win32Backend>(input, output);
}

}  // namespace blockslide
