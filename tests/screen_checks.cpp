#include "tests/screen_checks.h"

#include "console/cp437.h"

namespace blockslide::testing {

std::string text_at(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += cp437_glyph_utf8(screen.cell(row, column + i).character);
    return text;
}

std::string move_counter(const ScreenModel& screen) {
    std::string text =
        text_at(screen, kStatusRow, kMoveCounterColumn, kScreenColumns - kMoveCounterColumn + 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string counter_after(int moves) {
    return "Moves: " + std::to_string(moves);
}

::testing::AssertionResult shows(const ScreenModel& screen, const StatusText& text) {
    const std::string shown = text_at(screen, kStatusRow, text.column, text.length());
    if (shown != text.text) {
        return ::testing::AssertionFailure()
               << "row " << kStatusRow << " from column " << text.column << " shows \"" << shown
               << "\" instead of \"" << text.text << "\"";
    }
    for (int i = 0; i < text.length(); ++i) {
        const int attribute = screen.cell_attribute(kStatusRow, text.column + i);
        if (attribute != text.attribute) {
            return ::testing::AssertionFailure()
                   << "\"" << text.text << "\" has attribute " << attribute << " at column "
                   << text.column + i << " instead of " << text.attribute;
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult black_blanks(const ScreenModel& screen, int row, int column,
                                        int length) {
    for (int i = 0; i < length; ++i) {
        const Cell& cell = screen.cell(row, column + i);
        if (cell.character != ' ' || cell.attribute != 0) {
            return ::testing::AssertionFailure()
                   << "(" << row << "," << column + i << ") is '"
                   << cp437_glyph_utf8(cell.character) << "' with attribute " << int{cell.attribute}
                   << ", not a black blank";
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult status_line_blank(const ScreenModel& screen) {
    return black_blanks(screen, kStatusRow, kStatusBlankColumn, kStatusBlankWidth);
}

std::vector<std::int64_t> sound_times(const ScriptedBackend& console, std::string_view cue) {
    std::vector<std::int64_t> times;
    for (const auto& sound : console.sounds()) {
        if (sound.cue == cue) times.push_back(sound.at_ms);
    }
    return times;
}

}  // namespace blockslide::testing
