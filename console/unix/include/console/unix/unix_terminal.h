// The player's terminal on Unix, driven through its terminfo description:
// the 80 x 25 screen model drawn centred in whatever size the terminal has,
// only the cells that change sent, in one write per update; keys read and
// decoded here; suspend, resize and signals handled in the game's own loop.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "console/backend.h"
#include "console/key_decoder.h"
#include "console/unix/glyph_table.h"
#include "console/unix/screen_writer.h"
#include "console/unix/terminal_codes.h"

namespace blockslide {

class UnixTerminal final : public ConsoleBackend {
public:
    // The terminal's modes and signals are already the game's.
    UnixTerminal(TerminalCodes codes, const CharacterEncoder& encoder, KeyDecoder decoder);
    ~UnixTerminal() override;  // the terminal back as it was
    UnixTerminal(const UnixTerminal&) = delete;
    UnixTerminal& operator=(const UnixTerminal&) = delete;

    void present(const ScreenModel& screen) override;
    std::string wait_key() override;
    std::string poll_key() override;
    void flush_keys() override;
    void sleep(int milliseconds) override;
    void set_title(std::string_view title) override;
    void bell() override;

private:
    void take_terminal();
    void give_back(std::string& out);
    void draw(const ScreenModel& screen);
    // What the signal handlers noted, done here.
    void after_signals();
    // The screen shown again, when a resize or a continue calls for it.
    void redraw_if_due();
    void suspend();
    void fit_to_terminal();
    void read_input(long wait_ms);
    bool paste_under_way();
    std::string next_key();
    void send(std::string_view bytes);

    TerminalCodes codes_;
    GlyphTable glyphs_;
    ScreenWriter writer_;
    KeyDecoder decoder_;
    Placement placement_;
    std::optional<ScreenModel> shown_;
    bool repaint_ = true;
    std::string out_;  // one update's bytes, its room kept from one to the next
    std::string title_;
    long last_input_ms_ = 0;
    std::array<char, 4096> input_{};  // bytes as read, kept off the stack
};

}  // namespace blockslide
