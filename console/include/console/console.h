// The console operations the games are written against. They act on one
// process-wide screen model and the backend attached to it.
#pragma once

#include <string>
#include <string_view>

#include "console/backend.h"
#include "console/screen_model.h"
#include "sound/sound_player.h"

namespace blockslide {

// Attaches a backend and a sound player and starts a fresh screen model
// (blank, 7 on 0, cursor at 1,1). While attached, every operation below goes
// through them.
class ConsoleSession {
public:
    ConsoleSession(ConsoleBackend& backend, SoundPlayer& sound);
    ~ConsoleSession();  // presents the final screen, then detaches
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;
};

void console_set_title(std::string_view text);
void console_show_cursor(bool visible);
void console_clear();
void console_locate(int row, int column);
void console_set_color(int foreground, int background);
void console_print(std::string_view cp437_text);
void console_newline();
int console_cell_attribute(int row, int column);
std::string console_wait_key();
std::string console_poll_key();
void console_flush_keys();
void console_sleep(int milliseconds);
// Starts a cue once the screen shows what it belongs to; a cue that cannot
// be played is not heard.
void play_sound(std::string_view cue);
// The same, but when no sound device can play it the terminal's bell rings.
void play_sound_or_bell(std::string_view cue);

}  // namespace blockslide
