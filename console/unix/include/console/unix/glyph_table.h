// What to send for each code-page-437 byte: its glyph in UTF-8, or in the
// terminal's own character set, or a stand-in from the terminal's line-drawing
// set (double lines become single ones), or a plain ASCII look-alike, or '?'.
// Pure, so it is tested as a table.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace blockslide {

struct Glyph {
    std::string bytes;
    bool line_drawing = false;  // sent between the line-drawing set's codes
};

// The bytes of a character in the terminal's character set, when it has it
// and it takes one cell.
using CharacterEncoder = std::function<std::optional<std::string>(char32_t)>;

class GlyphTable {
public:
    // `line_drawing_pairs`: the terminal's acsc (VT100 name, then its own
    // character), empty where it has no line-drawing set.
    GlyphTable(const CharacterEncoder& encode, std::string_view line_drawing_pairs);
    const Glyph& operator[](std::uint8_t byte) const { return glyphs_[byte]; }

private:
    std::array<Glyph, 256> glyphs_;
};

// The encoder of a UTF-8 terminal.
std::optional<std::string> utf8_encoding(char32_t glyph);

}  // namespace blockslide
