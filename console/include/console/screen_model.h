// The 80 x 25 text screen as the games see it: every rule of printing,
// wrapping, scrolling and colour lives here once, for every backend.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace blockslide {

inline constexpr int kScreenRows = 25;
inline constexpr int kScreenColumns = 80;
// Colour components of this value or more keep the current component.
inline constexpr int kKeepColor = 16;

inline constexpr std::uint8_t make_attribute(int foreground, int background) {
    return static_cast<std::uint8_t>(foreground | background << 4);
}
inline constexpr int attribute_foreground(std::uint8_t attribute) {
    return attribute & 0x0F;
}
inline constexpr int attribute_background(std::uint8_t attribute) {
    return attribute >> 4;
}

struct Cell {
    std::uint8_t character = ' ';  // code page 437
    std::uint8_t attribute = make_attribute(7, 0);
    friend bool operator==(const Cell&, const Cell&) = default;
};

class ScreenModel {
public:
    // Positions are 1-based (row 1..25, column 1..80).
    void set_color(int foreground, int background);
    void locate(int row, int column);
    void print(std::string_view cp437_text);
    void newline();
    void clear();
    void show_cursor(bool visible) { cursor_visible_ = visible; }

    const Cell& cell(int row, int column) const;
    // The attribute of a cell, or 0 for a position off the screen.
    std::uint8_t cell_attribute(int row, int column) const;
    int cursor_row() const { return cursor_row_; }
    int cursor_column() const { return cursor_column_; }
    bool cursor_visible() const { return cursor_visible_; }
    std::uint8_t current_attribute() const { return make_attribute(foreground_, background_); }

private:
    void put_character(std::uint8_t character);
    void scroll_up();
    Cell& cell_at(int row, int column);

    std::array<Cell, kScreenRows * kScreenColumns> cells_{};
    int cursor_row_ = 1;
    int cursor_column_ = 1;
    int foreground_ = 7;
    int background_ = 0;
    // Set after the bottom-right cell is written: the scroll it calls for
    // waits for the next character or newline, and a locate cancels it.
    bool scroll_pending_ = false;
    bool cursor_visible_ = true;
};

}  // namespace blockslide
