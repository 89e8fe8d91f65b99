// Runs of one piece of text, printed without building a string each time.
#pragma once

#include <cstddef>
#include <string_view>

#include "console/console.h"

namespace blockslide {

// A run of `count` blanks, at most a screen row's worth.
inline std::string_view blanks(int count) {
    static constexpr std::string_view kRun =
        "                                                                                ";
    return kRun.substr(0, static_cast<std::size_t>(count));
}

// Prints the same piece (a line glyph) several times in a row.
inline void print_repeated(std::string_view piece, int times) {
    for (int i = 0; i < times; ++i) console_print(piece);
}

}  // namespace blockslide
