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
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "console/terminal.h"
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

// A size given in the environment has to be a sensible number.
bool usable_size_variable(const char* name) {
    constexpr long kLargestSize = 10000;
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return true;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    return *end == '\0' && number > 0 && number <= kLargestSize;
}

// ESCDELAY, in milliseconds as curses programs read it: how long a lone Esc
// waits for what might follow it.
long escape_wait_ms() {
    constexpr long kLongest = 10000;
    const char* value = std::getenv("ESCDELAY");
    if (value == nullptr || *value == '\0') return KeyDecoder::kDefaultEscapeWaitMs;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    const bool usable = *end == '\0' && number >= 0 && number <= kLongest;
    return usable ? number : KeyDecoder::kDefaultEscapeWaitMs;
}

// What puts the terminal back if the program ends from a signal handler.
std::string emergency_reset(const TerminalCodes& codes) {
    return codes.mouse_off + codes.reset_attributes + codes.show_cursor +
           codes.leave_alternate_screen + codes.title_restore;
}

}  // namespace

void prepare_standard_streams() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number, which is this one.
        const int null_device = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null_device != descriptor && null_device >= 0) close(null_device);
    }
}

std::unique_ptr<ConsoleBackend> open_terminal(const TerminalOptions& options,
                                              std::string& problem) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        problem = "standard input and output must be a terminal";
        return nullptr;
    }
    if (!usable_size_variable("LINES") || !usable_size_variable("COLUMNS")) {
        problem = "cannot use the terminal size given by $LINES and $COLUMNS";
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
    terminal_signals::install(emergency_reset(*codes));
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
