#include "console/unix/screen_writer.h"

#include <algorithm>

namespace blockslide {

namespace {

// One SGR sequence for a whole change of style, with ISO 6429 colours.
void append_iso_style(const CellStyle& from, const CellStyle& to, bool reset, std::string& out) {
    out += "\033[";
    bool first = true;
    const auto parameter = [&](int value) {
        if (!first) out += ';';
        out += std::to_string(value);
        first = false;
    };
    if (reset) parameter(0);
    if (to.bold && !from.bold) parameter(1);
    if (to.reverse && !from.reverse) parameter(7);
    if (to.foreground >= 0 && to.foreground != from.foreground)
        parameter(to.foreground < 8 ? 30 + to.foreground : 90 + to.foreground - 8);
    if (to.background >= 0 && to.background != from.background)
        parameter(to.background < 8 ? 40 + to.background : 100 + to.background - 8);
    out += 'm';
}

}  // namespace

Placement Placement::centred(int lines, int columns) {
    return {lines, columns, std::max(0, (lines - kScreenRows) / 2),
            std::max(0, (columns - kScreenColumns) / 2)};
}

std::optional<TerminalPosition> Placement::position_of(int row, int column) const {
    const TerminalPosition at{top + row - 1, left + column - 1};
    const bool on_terminal = at.row < lines && at.column < columns;
    if (!on_terminal || (too_small() && at.row == 0)) return std::nullopt;
    return at;
}

void ScreenWriter::forget() {
    cursor_.reset();
    style_.reset();
    line_drawing_.reset();
    cursor_visible_.reset();
}

void ScreenWriter::repaint(const ScreenModel& screen, const Placement& where, std::string& out) {
    plain(out);
    out += codes_.clear;
    cursor_ = TerminalPosition{0, 0};
    if (where.too_small()) draw_notice(where, out);
    for (int row = 1; row <= kScreenRows; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column)
            put(screen, row, column, where, out);
    }
    place_cursor(screen, where, out);
}

void ScreenWriter::update(const ScreenModel& shown, const ScreenModel& screen,
                          const Placement& where, std::string& out) {
    for (int row = 1; row <= kScreenRows; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column) {
            if (!looks_same(shown.cell(row, column), screen.cell(row, column)))
                put(screen, row, column, where, out);
        }
    }
    place_cursor(screen, where, out);
}

void ScreenWriter::lines(const ScreenModel& screen, int rows, int terminal_columns,
                         std::string& out) {
    // A terminal that wraps as soon as its last column is written has moved
    // on to the next line by itself.
    const bool wrapped =
        codes_.auto_margins && !codes_.late_wrap && terminal_columns == kScreenColumns;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= kScreenColumns; ++column)
            write_glyph(screen.cell(row, column), out);
        plain(out);  // so the new line is not painted in the row's colours
        if (!wrapped) out += "\r\n";
    }
    cursor_.reset();
}

void ScreenWriter::plain(std::string& out) {
    set_line_drawing(false, out);
    if (style_ == CellStyle{}) return;
    out += codes_.reset_attributes;
    style_ = CellStyle{};
    // Some terminals' reset also leaves the line-drawing set.
    line_drawing_.reset();
}

void ScreenWriter::show_cursor(bool visible, std::string& out) {
    if (cursor_visible_ == visible) return;
    out += visible ? codes_.show_cursor : codes_.hide_cursor;
    cursor_visible_ = visible;
}

bool ScreenWriter::looks_same(const Cell& a, const Cell& b) const {
    const bool same_glyph =
        a.character == b.character ||
        (glyphs_[a.character].bytes == glyphs_[b.character].bytes &&
         glyphs_[a.character].line_drawing == glyphs_[b.character].line_drawing);
    if (!same_glyph) return false;
    return looks_alike(style_of(a, depth_), style_of(b, depth_), is_blank(b.character));
}

void ScreenWriter::put(const ScreenModel& screen, int row, int column, const Placement& where,
                       std::string& out) {
    const std::optional<TerminalPosition> at = where.position_of(row, column);
    if (!at) return;
    // Where writing the last cell scrolls the terminal, it is left alone: it
    // is blank in every screen of the game.
    const bool last_cell = at->row == where.lines - 1 && at->column == where.columns - 1;
    if (last_cell && codes_.auto_margins && !codes_.late_wrap) return;
    go_to(*at, screen, where, out);
    write_glyph(screen.cell(row, column), out);
    if (at->column + 1 < where.columns) {
        cursor_ = TerminalPosition{at->row, at->column + 1};
    } else {
        cursor_.reset();  // wrapped, or waiting to: either way, not to be relied on
    }
}

void ScreenWriter::write_glyph(const Cell& cell, std::string& out) {
    const Glyph& glyph = glyphs_[cell.character];
    set_style(style_of(cell, depth_), is_blank(cell.character), out);
    set_line_drawing(glyph.line_drawing, out);
    out += glyph.bytes;
}

void ScreenWriter::go_to(TerminalPosition to, const ScreenModel& screen, const Placement& where,
                         std::string& out) {
    if (cursor_ == to) return;
    const std::string move = moves_.between(cursor_, to);
    if (!overwrite(to, screen, where, out, move.size())) out += move;
    cursor_ = to;
}

// Printing the cells between the cursor and `to` again, when they show in
// the style in force and that costs fewer than `budget` bytes.
bool ScreenWriter::overwrite(TerminalPosition to, const ScreenModel& screen, const Placement& where,
                             std::string& out, std::size_t budget) {
    if (!cursor_ || cursor_->row != to.row || cursor_->column > to.column || !style_) return false;
    const int row = to.row - where.top + 1;
    std::size_t cost = 0;
    for (int x = cursor_->column; x < to.column; ++x) {
        const Cell& cell = screen.cell(row, x - where.left + 1);
        const Glyph& glyph = glyphs_[cell.character];
        const bool same_style =
            looks_alike(*style_, style_of(cell, depth_), is_blank(cell.character));
        cost += glyph.bytes.size();
        if (!same_style || glyph.line_drawing != line_drawing_ || cost >= budget) return false;
    }
    for (int x = cursor_->column; x < to.column; ++x)
        out += glyphs_[screen.cell(row, x - where.left + 1).character].bytes;
    return true;
}

void ScreenWriter::place_cursor(const ScreenModel& screen, const Placement& where,
                                std::string& out) {
    const std::optional<TerminalPosition> at =
        where.position_of(screen.cursor_row(), screen.cursor_column());
    const bool visible = screen.cursor_visible() && at.has_value();
    if (visible) go_to(*at, screen, where, out);
    show_cursor(visible, out);
}

void ScreenWriter::set_style(const CellStyle& wanted, bool blank, std::string& out) {
    if (style_ && looks_alike(*style_, wanted, blank)) return;
    CellStyle target = wanted;
    if (blank && style_) {  // what a blank does not show is left as it is
        target.foreground = style_->foreground;
        target.bold = style_->bold;
    }
    const CellStyle from = style_.value_or(CellStyle{});
    const bool reset = !style_ || (from.bold && !target.bold) ||
                       (from.reverse && !target.reverse) ||
                       (target.foreground < 0 && from.foreground >= 0) ||
                       (target.background < 0 && from.background >= 0);
    const CellStyle base = reset ? CellStyle{} : from;
    if (codes_.ansi_colors) {
        append_iso_style(base, target, reset, out);
    } else {
        if (reset) out += codes_.reset_attributes;
        if (target.bold && !base.bold) out += codes_.bold;
        if (target.reverse && !base.reverse) out += codes_.reverse;
        if (target.foreground >= 0 && target.foreground != base.foreground)
            out += format(codes_.foreground, target.foreground);
        if (target.background >= 0 && target.background != base.background)
            out += format(codes_.background, target.background);
        if (reset) line_drawing_.reset();
    }
    style_ = target;
}

void ScreenWriter::set_line_drawing(bool on, std::string& out) {
    if (line_drawing_ == on) return;
    out += on ? codes_.enter_line_drawing : codes_.leave_line_drawing;
    line_drawing_ = on;
}

void ScreenWriter::draw_notice(const Placement& where, std::string& out) {
    go_to(TerminalPosition{0, 0}, ScreenModel{}, where, out);
    set_style(CellStyle{.reverse = true}, false, out);
    const std::size_t shown = std::min<std::size_t>(kTooSmallNotice.size(), where.columns);
    out.append(kTooSmallNotice.substr(0, shown));
    cursor_.reset();
    plain(out);
}

}  // namespace blockslide
