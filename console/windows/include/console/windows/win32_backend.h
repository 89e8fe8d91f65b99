// The player's console on Windows, through the console API. The 80 x 25
// screen model is written cell for cell (only the cells that changed) into
// the game's own screen buffer, and keys come from the console's input
// records through a backlog, as on a terminal.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "console/backend.h"
#include "console/key_backlog.h"
#include "console/windows/win32_console.h"

namespace blockslide {

class Win32Backend final : public ConsoleBackend {
public:
    // The console is already the game's; `mouse`: clicks become keys.
    Win32Backend(const GameConsole& console, bool mouse);
    ~Win32Backend() override;  // the console given back, the last screen kept
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void present(const ScreenModel& screen) override;
    std::string wait_key() override;
    std::string poll_key() override;
    void flush_keys() override;
    void sleep(int milliseconds) override;
    void set_title(std::string_view title) override;
    void bell() override;

private:
    void write_changes(const ScreenModel& screen, int row);
    // Reads the input records waiting (`wait`: at least one, waiting for
    // it) into the backlog.
    void read_input(bool wait);
    void take_record(const INPUT_RECORD& record);

    GameConsole console_;
    bool mouse_;
    bool left_button_down_ = false;
    KeyBacklog backlog_;
    std::optional<ScreenModel> shown_;  // what the console shows now
    std::optional<bool> cursor_shown_;  // unknown until first set
};

}  // namespace blockslide
