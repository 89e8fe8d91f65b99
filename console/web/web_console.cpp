#include "console/web/web_console.h"

#include <emscripten.h>

#include <algorithm>

#include "console/cp437.h"
#include "console/keys.h"

// The page's side of each call is in web/blockslide.js, the object `blockslide`.
// clang-format off
EM_JS(void, web_draw, (const std::uint32_t* changes, int count, int cursor), {
    blockslide.draw(HEAPU32, changes >> 2, count, cursor);
});
EM_JS(int, web_take_key, (), { return blockslide.takeKey(); });
EM_ASYNC_JS(void, web_wait_key, (), { await blockslide.keyTyped(); });
EM_ASYNC_JS(void, web_sleep, (int milliseconds), {
    await new Promise(wake => setTimeout(wake, milliseconds));
});
EM_JS(void, web_set_title, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(int, web_silent, (), { return blockslide.silent; });
EM_JS(void, web_ended, (), { blockslide.ended(); });
// clang-format on

namespace blockslide {

namespace {

// How the page hands over a key, as one number: below kExtendedBase a
// character (a control character as itself, any other as Unicode); from
// kExtendedBase a key with no character, by its scan code; from kMouseBase
// the left button, kMousePressed for a press, then its row * 256 + column.
constexpr int kNoKey = -1;
constexpr int kFirstPrintable = 0x20;
constexpr int kExtendedBase = 0x10000;
constexpr int kMouseBase = 0x20000;
constexpr int kMousePressed = 0x10000;
constexpr int kRowShift = 8;
constexpr int kColumnMask = 0xFF;

// The key a page key stands for, or "" for one the game has no key for.
std::string key_of(int code) {
    if (code >= kMouseBase) {
        const int place = code & (kMousePressed - 1);
        return mouse_key(MouseButton{.pressed = (code & kMousePressed) != 0,
                                     .row = place >> kRowShift,
                                     .column = place & kColumnMask});
    }
    if (code >= kExtendedBase) return extended_key(code - kExtendedBase);
    if (code < kFirstPrintable) return character_key(static_cast<char>(code));
    const int byte = unicode_to_cp437(static_cast<char32_t>(code));
    return byte < 0 ? std::string() : character_key(static_cast<char>(byte));
}

int cell_index(int row, int column) {
    return (row - 1) * kScreenColumns + column - 1;
}

}  // namespace

bool WebConsole::silent_requested() const {
    return web_silent() != 0;
}

void WebConsole::show_end() {
    web_ended();
}

// Only the cells that changed go to the page: each as its index and
// attribute, then the Unicode glyph it shows.
void WebConsole::present(const ScreenModel& screen) {
    changes_.clear();
    for (int row = 1; row <= kScreenRows; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column) {
            const Cell& cell = screen.cell(row, column);
            if (cell == shown_.cell(row, column)) continue;
            const char32_t glyph = kCp437ToUnicode[cell.character];
            changes_.push_back(static_cast<std::uint32_t>(cell_index(row, column)) << 8 |
                               cell.attribute);
            changes_.push_back(glyph == 0 ? U' ' : glyph);
        }
    }
    const int cursor =
        screen.cursor_visible() ? cell_index(screen.cursor_row(), screen.cursor_column()) : -1;
    if (changes_.empty() && cursor == shown_cursor_) return;
    web_draw(changes_.data(), static_cast<int>(changes_.size() / 2), cursor);
    shown_ = screen;
    shown_cursor_ = cursor;
}

std::string WebConsole::wait_key() {
    take_page_keys();
    while (backlog_.empty()) {
        web_wait_key();
        take_page_keys();
    }
    return backlog_.take();
}

std::string WebConsole::poll_key() {
    take_page_keys();
    return backlog_.take();
}

// Whatever the page holds goes too.
void WebConsole::flush_keys() {
    take_page_keys();
    backlog_.clear();
}

void WebConsole::sleep(int milliseconds) {
    web_sleep(std::max(milliseconds, 0));
    take_page_keys();
}

void WebConsole::set_title(std::string_view title) {
    web_set_title(cp437_to_utf8(title).c_str());
}

void WebConsole::take_page_keys() {
    for (int code = web_take_key(); code != kNoKey; code = web_take_key()) {
        std::string key = key_of(code);
        if (!key.empty()) backlog_.push(std::move(key));
    }
}

}  // namespace blockslide
