// Opening the Unix terminal: the checks that decide whether it can be used,
// then its modes and signals taken over, in an order that leaves nothing
// behind when a check fails.
#include <fcntl.h>
#include <langinfo.h>
#include <unistd.h>
#include <wchar.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstring>
#include <cwchar>

#include "console/terminal.h"
#include "console/unix/environment_number.h"
#include "console/unix/terminal_modes.h"
#include "console/unix/terminal_signals.h"
#include "console/unix/unix_terminal.h"

namespace blockslide {

namespace {

bool utf8_locale() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
}

// A glyph in the locale's own character set, where it has it in one cell.
std::optional<std::string> locale_encoding(char32_t glyph) {
    const auto wide = static_cast<wchar_t>(glyph);
    if (::wcwidth(wide) != 1) return std::nullopt;
    char text[MB_LEN_MAX];
    std::mbstate_t state{};
    const std::size_t length = std::wcrtomb(text, wide, &state);
    if (length == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(text, length);
}

// ESCDELAY, in milliseconds as curses programs read it: how long a lone Esc
// waits for what might follow it.
long escape_wait_ms() {
    constexpr long kLongest = 10000;
    return environment_number("ESCDELAY", 0, kLongest).value_or(KeyDecoder::kDefaultEscapeWaitMs);
}

}  // namespace

bool prepare_standard_streams() {
    bool output_open = true;
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        if (descriptor == STDOUT_FILENO) output_open = false;
        // open() takes the lowest free number, which is this one.
        const int null_device = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null_device != descriptor && null_device >= 0) close(null_device);
    }
    return output_open;
}

std::unique_ptr<ConsoleBackend> open_terminal(const TerminalOptions& options,
                                              std::string& problem) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        problem = "standard input and output must be a terminal";
        return nullptr;
    }
    // Only the character set is taken from the user's locale: it decides
    // whether the glyphs go out as UTF-8. The rest keeps the "C" conventions.
    std::setlocale(LC_CTYPE, "");
    std::optional<TerminalCodes> codes = load_terminal_codes(nullptr, problem);
    if (!codes) return nullptr;
    if (!options.mouse) codes->mouse_on = codes->mouse_off = "";
    if (!terminal_modes::save()) {
        problem = "cannot read the terminal's modes";
        return nullptr;
    }
    // What puts the terminal back should the program end from a signal handler.
    terminal_signals::install(shell_give_back(*codes));
    terminal_modes::enter_game_modes();
    const bool utf8 = utf8_locale();
    const CharacterEncoder encoder = utf8 ? CharacterEncoder(utf8_encoding) : locale_encoding;
    return std::make_unique<UnixTerminal>(std::move(*codes), encoder,
                                          KeyDecoder(utf8, escape_wait_ms()));
}

void end_by_signal(int signal_number) {
    terminal_signals::end_by(signal_number);
}

}  // namespace blockslide
