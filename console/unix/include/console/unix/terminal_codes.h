// What the terminal understands, as its terminfo description says: looked up
// once when the terminal is opened and kept as plain strings, so that the
// writer, and a signal handler, can use them without asking again.
#pragma once

#include <optional>
#include <string>

namespace blockslide {

struct TerminalCodes {
    // Fixed strings, padding taken out; "" where the terminal has none.
    std::string reset_attributes;  // sgr0
    std::string bold;
    std::string reverse;
    std::string clear;  // the whole screen, cursor home
    std::string hide_cursor;
    std::string show_cursor;
    std::string enter_alternate_screen;  // smcup
    std::string leave_alternate_screen;  // rmcup
    std::string enable_line_drawing;     // enacs, sent once before smacs is used
    std::string enter_line_drawing;      // smacs
    std::string leave_line_drawing;      // rmacs
    std::string line_drawing_pairs;      // acsc: VT100 name, then the terminal's own
    std::string carriage_return;
    std::string down;   // one row (cud1)
    std::string up;     // cuu1
    std::string left;   // cub1
    std::string right;  // cuf1
    std::string bell;
    // Templates with parameters, for format().
    std::string move_to;     // cup: row, column
    std::string column;      // hpa
    std::string row;         // vpa
    std::string right_by;    // cuf
    std::string left_by;     // cub
    std::string down_by;     // cud
    std::string up_by;       // cuu
    std::string foreground;  // setaf
    std::string background;  // setab
    // The window title: `title_start` empty when it cannot be set.
    std::string title_start;
    std::string title_finish;
    std::string title_save;
    std::string title_restore;
    // Mouse reporting (xterm's, SGR-encoded): empty when the terminal has none.
    std::string mouse_on;
    std::string mouse_off;

    int colors = 0;
    bool auto_margins = false;  // am: writing the last column moves on
    bool late_wrap = false;     // xenl: ... only when the next character comes
    bool ansi_colors = false;   // setaf and setab are ISO 6429's, so one SGR can set both
};

// The codes of the terminal type `name` ($TERM when null). Nothing, with the
// reason in `problem`, when the type is unknown or cannot place the cursor.
std::optional<TerminalCodes> load_terminal_codes(const char* name, std::string& problem);

// What gives the terminal back to the shell as it was: mouse reports off, the
// terminal's own attributes, character set and cursor, the normal screen and
// the shell's title. Plain bytes, so a signal handler can send them too.
std::string shell_give_back(const TerminalCodes& codes);

// A template with its parameters filled in, padding taken out; "" for an
// empty template.
std::string format(const std::string& code, int first, int second = 0);

}  // namespace blockslide
