#include "console/windows/win32_last_screen.h"

#include <algorithm>
#include <vector>

#include "console/windows/win32_cells.h"

namespace blockslide {

namespace {

SHORT short_of(int value) {
    return static_cast<SHORT>(value);
}

// Moves the buffer's contents up by `lines`, as output at its bottom row
// does, filling the rows freed at the bottom with blanks.
void scroll_buffer(HANDLE output, const CONSOLE_SCREEN_BUFFER_INFO& info, int lines) {
    const SMALL_RECT moved{0, short_of(lines), short_of(info.dwSize.X - 1),
                           short_of(info.dwSize.Y - 1)};
    CHAR_INFO blank{};
    blank.Char.UnicodeChar = L' ';
    blank.Attributes = info.wAttributes;
    ScrollConsoleScreenBufferW(output, &moved, nullptr, COORD{0, 0}, &blank);
}

// One buffer row: the screen's row (none: a blank row), then blanks to the
// buffer's right edge.
void write_row(HANDLE output, const CONSOLE_SCREEN_BUFFER_INFO& info, const ScreenModel* screen,
               int screen_row, int buffer_row) {
    CHAR_INFO blank{};
    blank.Char.UnicodeChar = L' ';
    blank.Attributes = info.wAttributes;
    std::vector<CHAR_INFO> cells(static_cast<std::size_t>(info.dwSize.X), blank);
    if (screen != nullptr) {
        for (int column = 1; column <= kScreenColumns; ++column)
            cells[column - 1] = console_cell(screen->cell(screen_row, column));
    }
    SMALL_RECT region{0, short_of(buffer_row), short_of(info.dwSize.X - 1), short_of(buffer_row)};
    WriteConsoleOutputW(output, cells.data(), COORD{info.dwSize.X, 1}, COORD{0, 0}, &region);
}

}  // namespace

LastScreenPlace place_last_screen(COORD size, COORD cursor, SMALL_RECT window) {
    LastScreenPlace place;
    if (size.X < kScreenColumns || size.Y <= kLastScreenRows) return place;
    place.fits = true;
    const int first = cursor.X == 0 ? cursor.Y : cursor.Y + 1;
    const int below = first + kLastScreenRows;  // where the cursor ends
    place.scroll_up = std::max(0, below - (size.Y - 1));
    place.top = first - place.scroll_up;
    place.window = window;
    const int cursor_row = place.top + kLastScreenRows;
    if (cursor_row < window.Top || cursor_row > window.Bottom) {
        // The window follows the cursor, as it does when text is written.
        const int height = window.Bottom - window.Top;
        place.window.Bottom = short_of(std::max(cursor_row, height));
        place.window.Top = short_of(place.window.Bottom - height);
    }
    return place;
}

void write_last_screen(HANDLE output, const ScreenModel& screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(output, &info)) return;
    const LastScreenPlace place =
        place_last_screen(info.dwSize, info.dwCursorPosition, info.srWindow);
    if (!place.fits) return;
    if (place.scroll_up > 0) scroll_buffer(output, info, place.scroll_up);
    for (int row = 1; row <= kLastScreenRows; ++row)
        write_row(output, info, &screen, row, place.top + row - 1);
    // The blank row goes last, so that a console which draws on a terminal
    // (wine's) leaves that terminal in the buffer's colours for the prompt.
    const int cursor_row = place.top + kLastScreenRows;
    write_row(output, info, nullptr, 0, cursor_row);
    if (place.window.Top != info.srWindow.Top) SetConsoleWindowInfo(output, TRUE, &place.window);
    SetConsoleCursorPosition(output, COORD{0, short_of(cursor_row)});
}

}  // namespace blockslide
