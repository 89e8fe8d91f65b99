// The bytes that bring a terminal from what it shows to what the 80 x 25
// screen model holds: only the cells that look different, the cursor moved
// the shortest way, one colour change where a cell needs one. The same
// writer draws the first screen, every update, a repaint and the last screen
// left on the shell's screen, into a buffer the caller sends in one write.
#pragma once

#include <optional>
#include <string>

#include "console/screen_model.h"
#include "console/unix/cell_style.h"
#include "console/unix/cursor_moves.h"
#include "console/unix/glyph_table.h"
#include "console/unix/terminal_codes.h"

namespace blockslide {

// Where the game's screen stands on a terminal of `lines` x `columns`:
// centred in a larger one; in a smaller one from the corner, with a notice
// on the top row in place of what would be there.
struct Placement {
    int lines = kScreenRows;
    int columns = kScreenColumns;
    int top = 0;  // of row 1, counted from 0
    int left = 0;

    static Placement centred(int lines, int columns);
    bool too_small() const { return lines < kScreenRows || columns < kScreenColumns; }
    // Where a cell of the model shows, if it does.
    std::optional<TerminalPosition> position_of(int row, int column) const;
};

inline constexpr std::string_view kTooSmallNotice =
    " Please make this terminal at least 80 columns by 25 rows. ";

class ScreenWriter {
public:
    ScreenWriter(const TerminalCodes& codes, const GlyphTable& glyphs, ColorDepth depth)
        : codes_(codes), glyphs_(glyphs), depth_(depth), moves_(codes) {}

    // Whatever the terminal was left in is unknown: the next output says all.
    void forget();
    // The terminal cleared and every cell of `screen` drawn.
    void repaint(const ScreenModel& screen, const Placement& where, std::string& out);
    // The cells that look different from `shown`, which the terminal shows.
    void update(const ScreenModel& shown, const ScreenModel& screen, const Placement& where,
                std::string& out);
    // Rows 1 to `rows` as lines of text from the cursor on, which ends at the
    // start of the line after them: the last screen on the shell's screen.
    void lines(const ScreenModel& screen, int rows, int terminal_columns, std::string& out);
    // The terminal's own attributes and character set again.
    void plain(std::string& out);
    // The cursor shown or hidden.
    void show_cursor(bool visible, std::string& out);

private:
    bool looks_same(const Cell& a, const Cell& b) const;
    void put(const ScreenModel& screen, int row, int column, const Placement& where,
             std::string& out);
    void write_glyph(const Cell& cell, std::string& out);
    void go_to(TerminalPosition to, const ScreenModel& screen, const Placement& where,
               std::string& out);
    bool overwrite(TerminalPosition to, const ScreenModel& screen, const Placement& where,
                   std::string& out, std::size_t budget);
    void place_cursor(const ScreenModel& screen, const Placement& where, std::string& out);
    void set_style(const CellStyle& wanted, bool blank, std::string& out);
    void set_line_drawing(bool on, std::string& out);
    void draw_notice(const Placement& where, std::string& out);

    const TerminalCodes& codes_;
    const GlyphTable& glyphs_;
    ColorDepth depth_;
    CursorMoves moves_;
    // What the terminal is in now, where known.
    std::optional<TerminalPosition> cursor_;
    std::optional<CellStyle> style_;
    std::optional<bool> line_drawing_;
    std::optional<bool> cursor_visible_;
};

}  // namespace blockslide
