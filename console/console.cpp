#include "console/console.h"

#include <cassert>
#include <exception>

namespace blockslide {

namespace {

ScreenModel g_screen;
ConsoleBackend* g_backend = nullptr;
SoundPlayer* g_sound = nullptr;

ConsoleBackend& backend() {
    assert(g_backend != nullptr && "console operation with no backend attached");
    return *g_backend;
}

// Whatever the game drew must be visible before it waits on anything.
ConsoleBackend& presented_backend() {
    backend().present(g_screen);
    return backend();
}

}  // namespace

ConsoleSession::ConsoleSession(ConsoleBackend& attached, SoundPlayer& sound) {
    g_screen = ScreenModel{};
    g_backend = &attached;
    g_sound = &sound;
}

ConsoleSession::~ConsoleSession() {
    // The last of what was drawn goes out, unless the game is unwinding
    // because the terminal cannot take it.
    try {
        if (std::uncaught_exceptions() == 0) g_backend->present(g_screen);
    } catch (...) {  // a signal came meanwhile: the terminal is given back next
    }
    g_backend = nullptr;
    g_sound = nullptr;
}

void console_set_title(std::string_view text) {
    backend().set_title(text);
}
void console_show_cursor(bool visible) {
    g_screen.show_cursor(visible);
}
void console_clear() {
    g_screen.clear();
}
void console_locate(int row, int column) {
    g_screen.locate(row, column);
}
void console_set_color(int foreground, int background) {
    g_screen.set_color(foreground, background);
}
void console_print(std::string_view cp437_text) {
    g_screen.print(cp437_text);
}
void console_newline() {
    g_screen.newline();
}
int console_cell_attribute(int row, int column) {
    return g_screen.cell_attribute(row, column);
}

std::string console_wait_key() {
    return presented_backend().wait_key();
}
std::string console_poll_key() {
    return presented_backend().poll_key();
}
void console_flush_keys() {
    backend().flush_keys();
}
void console_sleep(int milliseconds) {
    presented_backend().sleep(milliseconds);
}
// A cue is heard with the screen it belongs to.
void play_sound(std::string_view cue) {
    presented_backend();
    g_sound->play(cue);
}
void play_sound_or_bell(std::string_view cue) {
    ConsoleBackend& shown = presented_backend();
    if (!g_sound->play(cue)) shown.bell();
}

}  // namespace blockslide
