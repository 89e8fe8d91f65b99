// A terminal as its description says it behaves, small enough to trust: it takes the bytes a
// program sends and keeps what each cell shows and where the cursor is. A byte it does not
// understand fails the test, so nothing sent is silently lost.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "console/unix/cell_style.h"
#include "console/unix/cursor_moves.h"
#include "console/unix/terminal_codes.h"

namespace blockslide::test {

class TerminalModel {
public:
    struct Shown {
        std::string glyph = " ";    // UTF-8, or the letter sent in the line-drawing set
        bool line_drawing = false;  // the letter is from that set
        CellStyle style;
    };

    TerminalModel(const TerminalCodes& codes, int lines, int columns)
        : margins_(codes), lines_(lines), columns_(columns), cells_(lines * columns) {}
    const Shown& at(int row, int column) const { return cells_[row * columns_ + column]; }

    bool feed(std::string_view bytes) {
        for (std::size_t at = 0, length = 0; at < bytes.size(); at += length) {
            const auto byte = static_cast<unsigned char>(bytes[at]);
            const int ones = std::countl_one(byte);  // of a UTF-8 lead byte: its length
            length = ones == 0 ? byte >= 0x20 && byte != 0x7F : ones > 1 && ones < 5 ? ones : 0;
            if (length > 0 && at + length <= bytes.size()) {
                print(bytes.substr(at, length));
            } else if (!control(bytes.substr(at), length)) {
                ADD_FAILURE() << "the terminal does not understand "
                              << testing::PrintToString(std::string(bytes.substr(at, 16)));
                return false;
            }
        }
        return true;
    }

    TerminalPosition cursor;
    bool cursor_visible = true;

private:
    // A control character or sequence at the start of `bytes`, and its `length`. Where a step
    // back or forward goes from a wrap still to come, terminals do not agree: it is refused.
    bool control(std::string_view bytes, std::size_t& length) {
        static const std::regex kControl(
            R"(\x1B(?:\(([0B])|\[\?(25|12)([hl])|\[([\d;]*)([A-Za-z]))|([\r\n\b\x0E\x0F]))");
        std::cmatch match;
        if (!std::regex_search(bytes.begin(), bytes.end(), match, kControl,
                               std::regex_constants::match_continuous))
            return false;
        length = match.length(0);
        if (match[1].matched) g0_line_drawing_ = match[1] == "0";
        if (match[2] == "25") cursor_visible = match[3] == "h";  // blinking shows in no cell
        const char final = match[5].matched   ? *match[5].first
                           : match[6].matched ? *match[6].first
                                              : 0;
        shifted_out_ =
            final == '\016' || (shifted_out_ && final != '\017');  // to G1: lines (enacs)
        std::vector<int> parameters{0};
        for (const char digit : match[4].str())
            digit == ';' ? parameters.push_back(0)
                         : void(parameters.back() = parameters.back() * 10 + digit - '0');
        const int first = std::max(parameters[0], 1),
                  second = std::max(parameters.size() > 1 ? parameters[1] : 1, 1);
        const int row = cursor.row, column = cursor.column;
        const std::map<char, TerminalPosition> moves = {{'H', {first - 1, second - 1}},
                                                        {'G', {row, first - 1}},
                                                        {'d', {first - 1, column}},
                                                        {'A', {row - first, column}},
                                                        {'B', {row + first, column}},
                                                        {'C', {row, column + first}},
                                                        {'D', {row, column - first}},
                                                        {'\b', {row, column - 1}},
                                                        {'\r', {row, 0}},
                                                        {'\n', {row + 1, column}}};
        if (const auto to = moves.find(final); to != moves.end()) {
            const bool sideways_from_wrap =
                wrap_pending_ && (final == 'C' || final == 'D' || final == '\b');
            move(to->second.row, to->second.column, final == '\n');
            return !sideways_from_wrap;
        }
        if (final == 'J' && (parameters == std::vector{0} || parameters == std::vector{2})) {
            erase(parameters[0] == 0 ? row * columns_ + column : 0);
            return true;
        }
        return final == 'm' ? select_graphic_rendition(parameters) : !match[5].matched;
    }

    // ISO 6429's attributes and its sixteen colours, as terminals number them.
    bool select_graphic_rendition(const std::vector<int>& parameters) {
        for (const int code : parameters) {
            const int group = code / 10 - (code >= 90 ? 6 : 0);  // 9x and 10x: bright 3x and 4x
            if (code == 0) {
                style_ = {};
            } else if (code == 1 || code == 7) {
                (code == 1 ? style_.bold : style_.reverse) = true;
            } else if ((group == 3 || group == 4) && code % 10 < 8) {
                (group == 3 ? style_.foreground : style_.background) = code % 10 + (code >= 90) * 8;
            } else {
                return false;
            }
        }
        return true;
    }

    void print(std::string_view glyph) {
        if (wrap_pending_) move(cursor.row + 1, 0, true);
        // The line-drawing set may give any letter a glyph of its own: only a blank stays as it is.
        const bool drawing = (shifted_out_ || g0_line_drawing_) && glyph != " ";
        cells_[cursor.row * columns_ + cursor.column] = {std::string(glyph), drawing, style_};
        if (cursor.column + 1 < columns_)
            ++cursor.column;
        else if (margins_.auto_margins && margins_.late_wrap)
            wrap_pending_ = true;
        else if (margins_.auto_margins)
            move(cursor.row + 1, 0, true);
    }

    // Moves stop at the edges; past the bottom, if `scrolls`, the lines scroll up.
    void move(int row, int column, bool scrolls = false) {
        if (scrolls && row == lines_) {
            cells_.erase(cells_.begin(), cells_.begin() + columns_);
            cells_.resize(cells_.size() + columns_);
            erase((lines_ - 1) * columns_);
        }
        cursor = {std::clamp(row, 0, lines_ - 1), std::clamp(column, 0, columns_ - 1)};
        wrap_pending_ = false;
    }

    // From cell `from` to the end of the screen, blanks in the background in force (as with bce).
    void erase(int from) {
        const Shown blank{" ", false, {.background = style_.background}};
        std::fill(cells_.begin() + from, cells_.end(), blank);
    }

    TerminalCodes margins_;  // am and xenl
    int lines_, columns_;
    std::vector<Shown> cells_;
    CellStyle style_;
    bool wrap_pending_ = false;
    bool g0_line_drawing_ = false, shifted_out_ = false;
};

}  // namespace blockslide::test
