// The player's terminal on Unix, through ncursesw. The 80 x 25 screen model
// is drawn centred in whatever size the terminal has, only changed cells are
// sent, and keys come back in the one-character / 0-plus-scan-code form the
// engine reads.
#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <termios.h>
#include <unistd.h>
#include <wchar.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "console/cp437.h"
#include "console/key_decoder.h"
#include "console/keys.h"
#include "console/terminal.h"
#include "console/unix/terminal_guard.h"

namespace blockslide {

namespace {

// ---------------------------------------------------------------------------
// Terminal capabilities

// A terminfo string with its padding delays ("$<5>") taken out, since it is
// written straight to the terminal; "" when the terminal lacks it.
std::string without_padding(const char* value) {
    std::string text;
    for (const char* p = value; *p != '\0'; ++p) {
        if (p[0] == '$' && p[1] == '<') {
            const char* end = p + 2;
            while (*end != '\0' && *end != '>') ++end;
            if (*end == '>') {
                p = end;
                continue;
            }
        }
        text += *p;
    }
    return text;
}

const char* raw_capability(const char* name) {
    const char* value = tigetstr(name);
    const bool absent =
        value == nullptr || value == reinterpret_cast<char*>(static_cast<std::intptr_t>(-1));
    return absent ? nullptr : value;
}

std::string capability(const char* name) {
    const char* value = raw_capability(name);
    return value == nullptr ? std::string{} : without_padding(value);
}

bool utf8_locale() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
}

std::string_view terminal_name() {
    const char* name = std::getenv("TERM");
    return name == nullptr ? std::string_view{} : std::string_view{name};
}

// Terminal families known to put an OSC title on the window and to keep a
// stack of titles (xterm's push/pop), whether or not terminfo says so.
bool xterm_like_terminal() {
    static constexpr std::array<std::string_view, 12> kFamilies = {
        "xterm", "tmux", "screen", "rxvt",    "alacritty", "foot",
        "kitty", "vte",  "gnome",  "konsole", "wezterm",   "iterm"};
    const std::string_view name = terminal_name();
    return std::any_of(kFamilies.begin(), kFamilies.end(),
                       [name](std::string_view family) { return name.starts_with(family); });
}

// How to put text in the window title; an empty `start` means the terminal
// has no title to set, and then nothing is ever sent for one.
struct TitleCodes {
    std::string start;
    std::string finish;
    std::string save;
    std::string restore;
};

TitleCodes detect_title_codes() {
    const char* to_status_line = raw_capability("tsl");
    const char* from_status_line = raw_capability("fsl");
    const bool xterm_like = xterm_like_terminal();
    TitleCodes codes;
    if (to_status_line != nullptr && from_status_line != nullptr) {
        codes.start = without_padding(tiparm(to_status_line, 0));
        codes.finish = without_padding(from_status_line);
    } else if (xterm_like) {
        // Built rather than assigned from literals: GCC 12 at -O3 warns
        // falsely (-Wrestrict) on std::string assignment from a literal.
        codes.start = std::string{"\033]0;", 4};
        codes.finish = std::string{"\007", 1};
    }
    if (xterm_like && !codes.start.empty()) {
        codes.save = std::string{"\033[22;0t", 7};
        codes.restore = std::string{"\033[23;0t", 7};
    }
    return codes;
}

// What undoes the terminal set-up after a fatal signal, worked out now that
// the terminal's description is loaded.
std::string emergency_reset(const TitleCodes& title) {
    std::string reset;
    for (const char* name : {"sgr0", "cnorm", "rmkx", "rmcup"}) reset += capability(name);
    return reset + title.restore;
}

void configure_curses() {
    cbreak();  // keys one at a time, but Ctrl-C and Ctrl-Z still signal
    noecho();
    nonl();  // Enter arrives as CR, and curses may use LF to move down
    // Keys are read and decoded here, not by curses: the keypad stays in the
    // terminal's normal mode and curses never looks at the input.
    keypad(stdscr, FALSE);
    typeahead(-1);
    intrflush(stdscr, FALSE);
    curs_set(0);
    if (has_colors()) {
        start_color();
        // Every cell of the game has a colour pair of its own; pair 0 then
        // stays the terminal's own colours, which the attribute reset that
        // ends each update already restores, so no colours follow it.
        use_default_colors();
    }
}

// ---------------------------------------------------------------------------
// Glyphs

// A stand-in from curses' line-drawing set for a glyph the locale cannot
// show (a terminal not running UTF-8): boxes keep their shape, double lines
// become single ones, and anything else becomes '?'.
chtype substitute_glyph(char32_t glyph) {
    struct Substitute {
        std::u32string_view glyphs;
        chtype symbol;
    };
    const Substitute substitutes[] = {
        {U"─═", ACS_HLINE},      {U"│║", ACS_VLINE},      {U"┌╔╒╓", ACS_ULCORNER},
        {U"┐╗╕╖", ACS_URCORNER}, {U"└╚╘╙", ACS_LLCORNER}, {U"┘╝╛╜", ACS_LRCORNER},
        {U"├╠╞╟", ACS_LTEE},     {U"┤╣╡╢", ACS_RTEE},     {U"┬╦╤╥", ACS_TTEE},
        {U"┴╩╧╨", ACS_BTEE},     {U"┼╬╪╫", ACS_PLUS},     {U"█▄▀▌▐■", ACS_BLOCK},
        {U"░▒▓", ACS_CKBOARD},   {U"↑▲", ACS_UARROW},     {U"↓▼", ACS_DARROW},
        {U"←◄", ACS_LARROW},     {U"→►", ACS_RARROW},     {U"·∙•", ACS_BULLET},
        {U"°", ACS_DEGREE},      {U"±", ACS_PLMINUS},     {U"≤", ACS_LEQUAL},
        {U"≥", ACS_GEQUAL},      {U"π", ACS_PI},          {U"£", ACS_STERLING},
        {U"♦", ACS_DIAMOND},
    };
    for (const Substitute& substitute : substitutes) {
        if (substitute.glyphs.find(glyph) != std::u32string_view::npos) return substitute.symbol;
    }
    return '?';
}

char32_t glyph_of(std::uint8_t byte) {
    return byte == 0 ? U' ' : kCp437ToUnicode[byte];
}

// ---------------------------------------------------------------------------
// Colours

// The console numbers its colours blue-first, curses red-first.
constexpr std::array<short, 8> kCursesColor = {COLOR_BLACK,  COLOR_BLUE, COLOR_GREEN,
                                               COLOR_CYAN,   COLOR_RED,  COLOR_MAGENTA,
                                               COLOR_YELLOW, COLOR_WHITE};

constexpr int kDarkGray = 8;

// How one console attribute is drawn.
struct Style {
    attr_t attributes = A_NORMAL;
    short pair = 0;
};

// Where the 80 x 25 screen sits in the real one.
struct Layout {
    int top = 0;
    int left = 0;
    bool too_small = false;  // then row 0 carries a notice instead of the game
};

constexpr std::string_view kTooSmallNotice =
    " Please make this terminal at least 80 columns by 25 rows. ";

// Curses sends each cursor movement of an update in a write of its own, and
// over a network every write may travel in a packet of its own. While an
// update is drawn, the descriptor curses writes to points at a file in
// memory; the whole update then goes to the terminal in one write.
class UpdateBatch {
public:
    explicit UpdateBatch(int curses_output)
        : curses_output_(curses_output),
          memory_(::memfd_create("blockslide-update", MFD_CLOEXEC)) {}
    ~UpdateBatch() {
        if (memory_ >= 0) ::close(memory_);
    }
    UpdateBatch(const UpdateBatch&) = delete;
    UpdateBatch& operator=(const UpdateBatch&) = delete;

    void begin() {
        active_ =
            memory_ >= 0 && curses_output_ != STDOUT_FILENO && ::dup2(memory_, curses_output_) >= 0;
    }
    void send() {
        if (!active_) return;
        active_ = false;
        ::dup2(STDOUT_FILENO, curses_output_);
        char bytes[16384];
        off_t offset = 0;
        for (ssize_t count; (count = ::pread(memory_, bytes, sizeof bytes, offset)) > 0;) {
            terminal_guard::write_to_terminal(
                std::string_view(bytes, static_cast<std::size_t>(count)));
            offset += count;
        }
        if (::ftruncate(memory_, 0) == 0) ::lseek(memory_, 0, SEEK_SET);
    }

private:
    int curses_output_;
    int memory_;
    bool active_ = false;
};

class NcursesBackend final : public ConsoleBackend {
public:
    NcursesBackend(SCREEN* screen, std::FILE* output, TitleCodes title)
        : screen_(screen), output_(output), batch_(fileno(output)), title_(std::move(title)) {
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t glyph = glyph_of(static_cast<std::uint8_t>(byte));
            // Width 1 means the locale can encode the glyph and it takes one cell.
            const bool shows_itself = ::wcwidth(static_cast<wchar_t>(glyph)) == 1;
            substitutes_[byte] = shows_itself ? 0 : substitute_glyph(glyph);
        }
        const int usable_pairs = std::min(COLOR_PAIRS - 1, 32767);
        last_pair_ = has_colors() ? static_cast<short>(std::max(usable_pairs, 0)) : 0;
        write_title_codes(title_.save);
        size_.ws_row = static_cast<unsigned short>(LINES);
        size_.ws_col = static_cast<unsigned short>(COLS);
        layout_ = compute_layout();
    }

    ~NcursesBackend() override {
        terminal_guard::restore(final_screen_codes());
        delscreen(screen_);
        if (output_ != stdout) std::fclose(output_);
    }

    NcursesBackend(const NcursesBackend&) = delete;
    NcursesBackend& operator=(const NcursesBackend&) = delete;

    void present(const ScreenModel& screen) override {
        const bool everything = !shown_.has_value() || repaint_all_;
        if (everything) {
            wclear(stdscr);  // also makes the next refresh clear the real screen
            draw_notice();
        }
        draw_cells(screen, everything);
        shown_ = screen;
        repaint_all_ = false;
        place_cursor(screen);
        wnoutrefresh(stdscr);
        batch_.begin();
        doupdate();
        batch_.send();
    }

    std::string wait_key() override {
        for (;;) {
            std::string key = next_key(0);
            if (!key.empty()) return key;
            const std::optional<long> due = decoder_.deadline();
            read_input(due ? std::max(0L, *due - now_ms()) : kQuietCheckMs);
        }
    }

    std::string poll_key() override { return next_key(0); }

    void flush_keys() override {
        tcflush(STDIN_FILENO, TCIFLUSH);
        decoder_.clear();
    }

    // Keys typed meanwhile are read into the backlog, so a held key cannot
    // pile up more than it holds; a lost terminal or a resize is noticed too.
    void sleep(int milliseconds) override {
        const long end = now_ms() + std::max(milliseconds, 0);
        for (long left = end - now_ms(); left > 0; left = end - now_ms()) {
            read_input(std::min(left, kQuietCheckMs));
            decoder_.expire(now_ms());
        }
    }

    void bell() override { terminal_guard::write_to_terminal("\a"); }

    void set_title(std::string_view title) override {
        title_text_ = title;
        if (title_.start.empty()) return;
        write_title_codes(title_.start + cp437_to_utf8(title) + title_.finish);
    }

private:
    // Straight to the terminal. Curses empties its own output buffer at the
    // end of every doupdate, so between updates this cannot split one of its
    // sequences; a title does not move the cursor, so curses' idea of the
    // screen stays right.
    static void write_title_codes(const std::string& codes) {
        if (codes.empty()) return;
        std::fflush(stdout);
        terminal_guard::write_to_terminal(codes);
    }

    // The game's last screen stays on the terminal after it ends, with the
    // shell's prompt below it. A terminal with an alternate screen loses what
    // curses drew there when curses lets go, so it is written again on the
    // shell's screen; elsewhere it is still there and only the cursor moves
    // to the row after it.
    std::string final_screen_codes() {
        if (!shown_) return {};
        if (raw_capability("smcup") == nullptr) {
            const int row_after = layout_.top + kScreenRows;
            const char* move = raw_capability("cup");
            if (row_after < LINES && move != nullptr)
                return without_padding(tiparm(move, row_after, 0));
            return "\r\n";
        }
        const bool wraps_at_once = tigetflag("am") > 0 && tigetflag("xenl") <= 0;
        std::string codes;
        for (int row = 1; row <= kScreenRows; ++row) {
            std::optional<std::uint8_t> attribute;
            for (int column = 1; column <= kScreenColumns; ++column) {
                const Cell& cell = shown_->cell(row, column);
                if (cell.attribute != attribute) codes += attribute_codes(cell.attribute);
                attribute = cell.attribute;
                codes += glyph_codes(cell.character);
            }
            codes += capability("sgr0");
            if (!(wraps_at_once && COLS == kScreenColumns)) codes += "\r\n";
        }
        return codes;
    }

    std::string attribute_codes(std::uint8_t attribute) {
        const Style style = style_of(attribute);
        std::string codes = capability("sgr0");
        if (style.attributes & A_BOLD) codes += capability("bold");
        if (style.attributes & A_REVERSE) codes += capability("rev");
        short foreground = 0;
        short background = 0;
        const char* set_foreground = raw_capability("setaf");
        const char* set_background = raw_capability("setab");
        if (style.pair == 0 || set_foreground == nullptr || set_background == nullptr ||
            pair_content(style.pair, &foreground, &background) != OK) {
            return codes;
        }
        codes += without_padding(tiparm(set_foreground, foreground));
        return codes + without_padding(tiparm(set_background, background));
    }

    std::string glyph_codes(std::uint8_t byte) const {
        const chtype substitute = substitutes_[byte];
        if (substitute == 0) {
            char text[MB_LEN_MAX];
            std::mbstate_t state{};
            const std::size_t length =
                std::wcrtomb(text, static_cast<wchar_t>(glyph_of(byte)), &state);
            return length == static_cast<std::size_t>(-1) ? "?" : std::string(text, length);
        }
        const std::string symbol(1, static_cast<char>(substitute & A_CHARTEXT));
        if ((substitute & A_ALTCHARSET) == 0) return symbol;
        return capability("smacs") + symbol + capability("rmacs");
    }

    static Layout compute_layout() {
        Layout layout;
        layout.top = std::max(0, (LINES - kScreenRows) / 2);
        layout.left = std::max(0, (COLS - kScreenColumns) / 2);
        layout.too_small = LINES < kScreenRows || COLS < kScreenColumns;
        return layout;
    }

    bool visible(int y, int x) const {
        if (y < 0 || y >= LINES || x < 0 || x >= COLS) return false;
        return !(layout_.too_small && y == 0);
    }

    void draw_notice() {
        if (!layout_.too_small) return;
        const int length = std::min(COLS, static_cast<int>(kTooSmallNotice.size()));
        wattr_set(stdscr, A_REVERSE, 0, nullptr);
        mvwaddnstr(stdscr, 0, 0, kTooSmallNotice.data(), length);
        wattr_set(stdscr, A_NORMAL, 0, nullptr);
    }

    void draw_cells(const ScreenModel& screen, bool everything) {
        for (int row = 1; row <= kScreenRows; ++row) {
            for (int column = 1; column <= kScreenColumns; ++column) {
                const Cell& cell = screen.cell(row, column);
                if (!everything && cell == shown_->cell(row, column)) continue;
                const int y = layout_.top + row - 1;
                const int x = layout_.left + column - 1;
                if (visible(y, x)) draw_cell(y, x, cell);
            }
        }
    }

    void draw_cell(int y, int x, const Cell& cell) {
        const Style style = style_of(cell.attribute);
        if (const chtype substitute = substitutes_[cell.character]; substitute != 0) {
            mvwaddch(stdscr, y, x, substitute | style.attributes | COLOR_PAIR(style.pair));
            return;
        }
        const wchar_t text[2] = {static_cast<wchar_t>(glyph_of(cell.character)), L'\0'};
        cchar_t styled;
        setcchar(&styled, text, style.attributes, style.pair, nullptr);
        // Curses reports an error for the bottom-right cell of the terminal
        // (the cursor cannot move past it) but draws it all the same.
        mvwadd_wch(stdscr, y, x, &styled);
    }

    // A hidden cursor is left wherever the last change put it: moving it
    // would cost bytes on every update for nothing to see.
    void place_cursor(const ScreenModel& screen) {
        const int y = layout_.top + screen.cursor_row() - 1;
        const int x = layout_.left + screen.cursor_column() - 1;
        const bool show = screen.cursor_visible() && visible(y, x);
        if (show) wmove(stdscr, y, x);
        if (show != cursor_shown_) {
            leaveok(stdscr, show ? FALSE : TRUE);
            curs_set(show ? 1 : 0);
            cursor_shown_ = show;
        }
    }

    // Curses has already taken on the new size when it reports KEY_RESIZE.
    void fit_to_terminal() {
        layout_ = compute_layout();
        repaint_all_ = true;
        if (!shown_) return;
        const ScreenModel screen = *shown_;
        present(screen);
    }

    static long now_ms() {
        using namespace std::chrono;
        return static_cast<long>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }

    std::string next_key(int wait_ms) {
        read_input(wait_ms);
        decoder_.expire(now_ms());
        return decoder_.take();
    }

    // Waits up to `wait_ms` for input and hands all that has come to the
    // decoder. A signal (resize, fg) ends the wait early. Input that has
    // gone for good (the terminal closed without a hangup signal) ends the game.
    void read_input(long wait_ms) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = ::poll(&input, 1, static_cast<int>(wait_ms));
        after_signals();
        if (ready <= 0) return;
        char bytes[256];
        const ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (count > 0) {
            decoder_.feed(std::string_view(bytes, static_cast<std::size_t>(count)), now_ms());
            return;
        }
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
        throw TerminalLost{};
    }

    void after_signals() {
        if (terminal_guard::resumed() && !title_text_.empty()) set_title(title_text_);
        winsize size{};
        if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_row == 0) return;
        if (size.ws_row == size_.ws_row && size.ws_col == size_.ws_col) return;
        size_ = size;
        resizeterm(size.ws_row, size.ws_col);
        fit_to_terminal();
    }

    Style style_of(std::uint8_t attribute) {
        if (!styles_[attribute]) styles_[attribute] = make_style(attribute);
        return *styles_[attribute];
    }

    Style make_style(std::uint8_t attribute) {
        const int foreground = attribute_foreground(attribute);
        const int background = attribute_background(attribute);
        if (!has_colors()) {
            return {background != 0 ? A_REVERSE : A_NORMAL, 0};
        }
        Style style;
        short curses_foreground = kCursesColor[foreground & 7];
        short curses_background = kCursesColor[background & 7];
        if (COLORS >= 16) {
            if (foreground >= 8) curses_foreground += 8;
            if (background >= 8) curses_background += 8;
        } else {
            // Eight-colour terminals show bold text in the bright colour;
            // a bright background has no such trick and stays dim, except
            // dark gray, which would vanish into black: the box around the
            // board is drawn on light gray instead, its outline still black.
            if (foreground >= 8) style.attributes = A_BOLD;
            if (background == kDarkGray) curses_background = COLOR_WHITE;
        }
        style.pair = pair_for(curses_foreground, curses_background);
        return style;
    }

    // Pairs are set up as colour combinations are first used. When the
    // terminal has no pair left, the closest one already made is shared:
    // the right background matters more than the right text colour.
    short pair_for(short foreground, short background) {
        short& pair = pairs_[foreground * 16 + background];
        if (pair != 0) return pair;
        if (next_pair_ <= last_pair_ && init_pair(next_pair_, foreground, background) == OK) {
            pair = next_pair_++;
            return pair;
        }
        return closest_pair(foreground, background);
    }

    short closest_pair(short foreground, short background) const {
        short best = 0;
        int best_distance = 4;
        for (int index = 0; index < 256; ++index) {
            if (pairs_[index] == 0) continue;
            const int distance =
                (index / 16 != foreground ? 1 : 0) + (index % 16 != background ? 2 : 0);
            if (distance < best_distance) {
                best = pairs_[index];
                best_distance = distance;
            }
        }
        return best;
    }

    // A blocking wait still looks at the size and the terminal this often.
    static constexpr long kQuietCheckMs = 250;

    SCREEN* screen_;
    std::FILE* output_;  // curses' own descriptor of the terminal
    UpdateBatch batch_;
    TitleCodes title_;
    std::string title_text_;
    KeyDecoder decoder_{utf8_locale()};
    winsize size_{};
    Layout layout_;
    std::optional<ScreenModel> shown_;  // what the terminal shows now
    bool repaint_all_ = false;
    std::optional<bool> cursor_shown_;       // unknown until first set
    std::array<chtype, 256> substitutes_{};  // 0 where the glyph shows itself
    std::array<std::optional<Style>, 256> styles_{};
    std::array<short, 256> pairs_{};  // by curses foreground * 16 + background; 0 = none yet
    short next_pair_ = 1;
    short last_pair_ = 0;
};

// curses takes the size from these when they are set; an absurd one would
// otherwise make the terminal type look unusable.
bool usable_size_variable(const char* name) {
    constexpr long kLargestSize = 10000;
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return true;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    return *end == '\0' && number > 0 && number <= kLargestSize;
}

std::string unusable_terminal_reason() {
    const std::string_view name = terminal_name();
    if (name.empty()) return "the terminal type is not known: $TERM is not set";
    return "cannot use the terminal type \"" + std::string(name) +
           "\" named by $TERM: it is unknown or cannot place the cursor";
}

}  // namespace

std::unique_ptr<ConsoleBackend> open_terminal(std::string& problem) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        problem = "standard input and output must be a terminal";
        return nullptr;
    }
    if (terminal_guard::armed()) {
        problem = "the terminal is already open";
        return nullptr;
    }
    if (!usable_size_variable("LINES") || !usable_size_variable("COLUMNS")) {
        problem = "cannot use the terminal size given by $LINES and $COLUMNS";
        return nullptr;
    }
    // Only the character set is taken from the user's locale: it decides
    // whether the line-drawing glyphs can be sent as UTF-8. Numbers and the
    // rest keep the "C" conventions the engine expects.
    std::setlocale(LC_CTYPE, "");
    terminal_guard::remember_shell_state();

    // Curses gets a descriptor of the terminal of its own, which UpdateBatch
    // can point elsewhere while an update is drawn.
    const int curses_output = ::dup(STDOUT_FILENO);
    std::FILE* output = curses_output < 0 ? nullptr : ::fdopen(curses_output, "w");
    if (output == nullptr) {
        if (curses_output >= 0) ::close(curses_output);
        output = stdout;  // then every update goes out as curses writes it
    }
    // newterm rather than initscr: initscr ends the program on failure.
    SCREEN* screen = newterm(nullptr, output, stdin);
    if (screen == nullptr) {
        if (output != stdout) std::fclose(output);
        problem = unusable_terminal_reason();
        return nullptr;
    }
    set_term(screen);
    // A description without cursor addressing ("dumb") loads, but the
    // screen could only be printed line after line.
    if (raw_capability("cup") == nullptr) {
        delscreen(screen);
        if (output != stdout) std::fclose(output);
        terminal_guard::restore_shell_modes();  // newterm already changed them
        problem = unusable_terminal_reason();
        return nullptr;
    }
    configure_curses();
    terminal_guard::take_input_modes();
    const TitleCodes title = detect_title_codes();
    terminal_guard::arm(emergency_reset(title), title.restore);
    return std::make_unique<NcursesBackend>(screen, output, title);
}

}  // namespace blockslide
