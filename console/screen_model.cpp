#include "console/screen_model.h"

#include <algorithm>

namespace blockslide {

namespace {

bool on_screen(int row, int column) {
    return row >= 1 && row <= kScreenRows && column >= 1 && column <= kScreenColumns;
}

// A component of kKeepColor or more leaves the current one as it is.
void set_component(int value, int& component) {
    if (value >= 0 && value < kKeepColor) component = value;
}

}  // namespace

Cell& ScreenModel::cell_at(int row, int column) {
    return cells_[(row - 1) * kScreenColumns + (column - 1)];
}

const Cell& ScreenModel::cell(int row, int column) const {
    static const Cell off_screen{' ', 0};
    if (!on_screen(row, column)) return off_screen;
    return cells_[(row - 1) * kScreenColumns + (column - 1)];
}

std::uint8_t ScreenModel::cell_attribute(int row, int column) const {
    return cell(row, column).attribute;
}

void ScreenModel::set_color(int foreground, int background) {
    set_component(foreground, foreground_);
    set_component(background, background_);
}

void ScreenModel::locate(int row, int column) {
    if (row >= 1 && row <= kScreenRows) cursor_row_ = row;
    if (column >= 1 && column <= kScreenColumns) cursor_column_ = column;
    scroll_pending_ = false;
}

void ScreenModel::print(std::string_view cp437_text) {
    for (char c : cp437_text) put_character(static_cast<std::uint8_t>(c));
}

void ScreenModel::put_character(std::uint8_t character) {
    if (scroll_pending_) {
        scroll_up();
        cursor_column_ = 1;
        scroll_pending_ = false;
    }
    cell_at(cursor_row_, cursor_column_) = Cell{character, current_attribute()};
    if (cursor_column_ < kScreenColumns) {
        ++cursor_column_;
    } else if (cursor_row_ < kScreenRows) {
        cursor_column_ = 1;
        ++cursor_row_;
    } else {
        scroll_pending_ = true;
    }
}

void ScreenModel::newline() {
    // A pending scroll and the newline that completes it are one scroll.
    if (scroll_pending_ || cursor_row_ == kScreenRows) {
        scroll_up();
    } else {
        ++cursor_row_;
    }
    scroll_pending_ = false;
    cursor_column_ = 1;
}

void ScreenModel::scroll_up() {
    std::copy(cells_.begin() + kScreenColumns, cells_.end(), cells_.begin());
    std::fill(cells_.end() - kScreenColumns, cells_.end(), Cell{' ', current_attribute()});
}

void ScreenModel::clear() {
    cells_.fill(Cell{' ', current_attribute()});
    cursor_row_ = 1;
    cursor_column_ = 1;
    scroll_pending_ = false;
}

}  // namespace blockslide
