#include "console/unix/glyph_table.h"

#include "console/cp437.h"

namespace blockslide {

namespace {

// Glyphs the line-drawing set can stand in for: its VT100 name for them,
// and the ASCII look-alike for a terminal without that character.
struct StandIn {
    std::u32string_view glyphs;
    char vt100_name;
    char ascii;
};

constexpr StandIn kStandIns[] = {
    {U"─═", 'q', '-'},   {U"│║", 'x', '|'},   {U"┌╔╒╓", 'l', '+'}, {U"┐╗╕╖", 'k', '+'},
    {U"└╚╘╙", 'm', '+'}, {U"┘╝╛╜", 'j', '+'}, {U"├╠╞╟", 't', '+'}, {U"┤╣╡╢", 'u', '+'},
    {U"┬╦╤╥", 'w', '+'}, {U"┴╩╧╨", 'v', '+'}, {U"┼╬╪╫", 'n', '+'}, {U"█▄▀▌▐■", '0', '#'},
    {U"░▒▓", 'a', ':'},  {U"↑▲", '-', '^'},   {U"↓▼", '.', 'v'},   {U"←◄", ',', '<'},
    {U"→►", '+', '>'},   {U"·∙•", '~', 'o'},  {U"°", 'f', '\''},   {U"±", 'g', '#'},
    {U"≤", 'y', '<'},    {U"≥", 'z', '>'},    {U"π", '{', '*'},    {U"£", '}', 'f'},
    {U"♦", '`', '+'},
};

char32_t glyph_of(int byte) {
    return byte == 0 ? U' ' : kCp437ToUnicode[static_cast<std::size_t>(byte)];
}

Glyph stand_in(char32_t glyph, std::string_view pairs) {
    for (const StandIn& stand_in : kStandIns) {
        if (stand_in.glyphs.find(glyph) == std::u32string_view::npos) continue;
        for (std::size_t at = 0; at + 1 < pairs.size(); at += 2) {
            if (pairs[at] == stand_in.vt100_name) return {std::string(1, pairs[at + 1]), true};
        }
        return {std::string(1, stand_in.ascii)};
    }
    return {"?"};
}

}  // namespace

GlyphTable::GlyphTable(const CharacterEncoder& encode, std::string_view line_drawing_pairs) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t glyph = glyph_of(byte);
        std::optional<std::string> own = encode(glyph);
        glyphs_[byte] = own ? Glyph{std::move(*own)} : stand_in(glyph, line_drawing_pairs);
    }
}

std::optional<std::string> utf8_encoding(char32_t glyph) {
    return utf8_of(glyph);
}

}  // namespace blockslide
