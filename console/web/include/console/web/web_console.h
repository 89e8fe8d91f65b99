// The console of a web page: the screen model drawn as text in the page, the
// page's keys, clicks and taps read as keys. The game's waits suspend it (emscripten's Asyncify) so that the
// browser's own thread never blocks; keys typed meanwhile wait in the page
// until the game reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/backend.h"
#include "console/key_backlog.h"
#include "console/screen_model.h"

namespace blockslide {

class WebConsole final : public ConsoleBackend {
public:
    // The page was asked for no sound (?silent in its address).
    bool silent_requested() const;
    // Tells the page the program has ended: its last screen stays.
    void show_end();

    void present(const ScreenModel& screen) override;
    std::string wait_key() override;
    std::string poll_key() override;
    void flush_keys() override;
    void sleep(int milliseconds) override;
    void set_title(std::string_view title) override;
    void bell() override {}  // a page has none: the refusal's clip is its sound

private:
    // Moves the keys the page holds into the backlog.
    void take_page_keys();

    KeyBacklog backlog_;
    ScreenModel shown_;  // the page starts as a fresh screen model does
    int shown_cursor_ = -1;
    std::vector<std::uint32_t> changes_;
};

}  // namespace blockslide
