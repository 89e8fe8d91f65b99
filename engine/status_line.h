// Row 24 carries every prompt and message, centred by one rule; and the
// small printing helpers the screens share.
#pragma once

#include <string_view>

namespace blockslide {

inline constexpr int kStatusLine = 24;
inline constexpr int kStatusBlankColumn = 13;
inline constexpr int kStatusBlankWidth = 50;

// A run of blanks to print, without building a string each time.
inline std::string_view blanks(int count) {
    static constexpr std::string_view kRun =
        "                                                                                ";
    return kRun.substr(0, static_cast<std::size_t>(count));
}

// Prints the same piece (a line glyph) several times in a row.
void print_repeated(std::string_view piece, int times);

// The first column of a centred text: 40 - length / 2.
inline int centred_column(std::string_view text) {
    return 40 - static_cast<int>(text.size()) / 2;
}

// Blanks columns 13 to 62 of the status line, black on black.
void blank_status_line();
// Prints `text` centred on the status line in the given colours.
void show_centred_status(std::string_view text, int foreground, int background);

}  // namespace blockslide
