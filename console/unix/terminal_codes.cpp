#include "console/unix/terminal_codes.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "console/unix/terminfo.h"

namespace blockslide {

namespace {

// Padding ("$<5>") means a delay to a real terminal's driver; the bytes go
// straight out here, so it is taken out.
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

const char* raw(const char* name) {
    return terminfo::string(name);
}

std::string fixed(const char* name) {
    const char* value = raw(name);
    return value == nullptr ? std::string{} : without_padding(value);
}

std::string template_of(const char* name) {
    const char* value = raw(name);
    return value == nullptr ? std::string{} : std::string(value);
}

std::string_view terminal_name() {
    const char* name = std::getenv("TERM");
    return name == nullptr ? std::string_view{} : std::string_view{name};
}

// Terminal families known to put an OSC title on the window and to keep a
// stack of titles (xterm's push and pop), whatever their description says.
bool xterm_like() {
    static constexpr std::array<std::string_view, 12> kFamilies = {
        "xterm", "tmux", "screen", "rxvt",    "alacritty", "foot",
        "kitty", "vte",  "gnome",  "konsole", "wezterm",   "iterm"};
    const std::string_view name = terminal_name();
    return std::any_of(kFamilies.begin(), kFamilies.end(),
                       [name](std::string_view family) { return name.starts_with(family); });
}

void find_title_codes(TerminalCodes& codes) {
    const char* to_status_line = raw("tsl");
    const char* from_status_line = raw("fsl");
    if (to_status_line != nullptr && from_status_line != nullptr) {
        codes.title_start = without_padding(terminfo::filled(to_status_line, 0, 0));
        codes.title_finish = without_padding(from_status_line);
    } else if (xterm_like()) {
        codes.title_start = "\033]0;";
        codes.title_finish = "\007";
    }
    if (xterm_like() && !codes.title_start.empty()) {
        codes.title_save = "\033[22;0t";
        codes.title_restore = "\033[23;0t";
    }
}

void find_cursor_codes(TerminalCodes& codes) {
    codes.carriage_return = fixed("cr");
    codes.down = fixed("cud1");
    codes.up = fixed("cuu1");
    codes.left = fixed("cub1");
    codes.right = fixed("cuf1");
    codes.move_to = template_of("cup");
    codes.column = template_of("hpa");
    codes.row = template_of("vpa");
    codes.right_by = template_of("cuf");
    codes.left_by = template_of("cub");
    codes.down_by = template_of("cud");
    codes.up_by = template_of("cuu");
}

void find_colour_codes(TerminalCodes& codes) {
    codes.colors = std::max(terminfo::number("colors"), 0);
    codes.foreground = template_of("setaf");
    codes.background = template_of("setab");
    // ISO 6429 colours (30-37, 90-97 and their backgrounds) can share one
    // sequence; a terminal whose own codes look like that takes them.
    const auto looks_iso = [](const std::string& code, int base) {
        return format(code, 1) == "\033[" + std::to_string(base + 1) + "m" &&
               format(code, 7) == "\033[" + std::to_string(base + 7) + "m";
    };
    codes.ansi_colors = looks_iso(codes.foreground, 30) && looks_iso(codes.background, 40) &&
                        (codes.colors < 16 || format(codes.foreground, 9) == "\033[91m");
}

}  // namespace

std::string shell_give_back(const TerminalCodes& codes) {
    return codes.mouse_off + codes.leave_line_drawing + codes.reset_attributes + codes.show_cursor +
           codes.leave_alternate_screen + codes.title_restore;
}

std::string format(const std::string& code, int first, int second) {
    if (code.empty()) return {};
    const char* filled = terminfo::filled(code.c_str(), first, second);
    return filled == nullptr ? std::string{} : without_padding(filled);
}

std::optional<TerminalCodes> load_terminal_codes(const char* name, std::string& problem) {
    const std::string shown(name != nullptr ? std::string_view(name) : terminal_name());
    // setupterm rather than curses' screen: the game keeps its own screen.
    if (!terminfo::set_up(name) || raw("cup") == nullptr) {
        problem = shown.empty() ? "the terminal type is not known: $TERM is not set"
                                : "cannot use the terminal type \"" + shown +
                                      "\" named by $TERM: it is unknown or cannot place the cursor";
        return std::nullopt;
    }
    TerminalCodes codes;
    codes.reset_attributes = fixed("sgr0");
    codes.bold = fixed("bold");
    codes.reverse = fixed("rev");
    codes.clear = fixed("clear");
    codes.hide_cursor = fixed("civis");
    codes.show_cursor = fixed("cnorm");
    codes.enter_alternate_screen = fixed("smcup");
    codes.leave_alternate_screen = fixed("rmcup");
    codes.enable_line_drawing = fixed("enacs");
    codes.enter_line_drawing = fixed("smacs");
    codes.leave_line_drawing = fixed("rmacs");
    codes.line_drawing_pairs = fixed("acsc");
    codes.bell = fixed("bel");
    codes.auto_margins = terminfo::flag("am");
    codes.late_wrap = terminfo::flag("xenl");
    find_cursor_codes(codes);
    find_colour_codes(codes);
    find_title_codes(codes);
    // A description with a mouse key reports the mouse as xterm does; so do
    // the xterm-like families, whatever their description says.
    if (raw("kmous") != nullptr || xterm_like()) {
        codes.mouse_on = "\033[?1000h\033[?1006h";
        codes.mouse_off = "\033[?1006l\033[?1000l";
    }
    return codes;
}

}  // namespace blockslide
