// Code page 437: every byte's glyph against the C library's CP437 converter, the console glyphs
// of the control codes, the way back from a glyph to its byte, and the "..."_cp437 literal.
#include "console/cp437.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "console/cp437_literal.h"

namespace blockslide {
namespace {

constexpr int kHouse = 0x7F;  // the console shows a house where iconv sees the DEL control code

// The UTF-8 that glibc's iconv gives for one CP437 byte, or "" when it refuses it.
std::string iconv_utf8(iconv_t converter, int byte) {
    char input[1] = {static_cast<char>(byte)};
    char output[8] = {};
    char* in = input;
    char* out = output;
    std::size_t in_left = sizeof input;
    std::size_t out_left = sizeof output;
    if (iconv(converter, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1)) return "";
    return std::string(output, sizeof output - out_left);
}

TEST(Cp437, GlyphsFrom0x20To0xFFMatchTheCLibrarysConverter) {
    iconv_t converter = iconv_open("UTF-8", "CP437");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1)) << "no CP437 converter in the C library";
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == kHouse) continue;
        EXPECT_EQ(cp437_glyph_utf8(static_cast<unsigned char>(byte)), iconv_utf8(converter, byte))
            << "byte " << byte;
    }
    iconv_close(converter);
    EXPECT_EQ(cp437_glyph_utf8(kHouse), "⌂");
}

TEST(Cp437, ControlCodesShowTheirConsoleGlyphs) {
    constexpr const char* kControlGlyphs[] = {
        "☺", "☻", "♥", "♦", "♣", "♠", "•", "◘", "○", "◙", "♂", "♀", "♪", "♫", "☼",       // 0x01..
        "►", "◄", "↕", "‼", "¶", "§", "▬", "↨", "↑", "↓", "→", "←", "∟", "↔", "▲", "▼",  // 0x10..
    };
    static_assert(std::size(kControlGlyphs) == 0x1F);
    for (int byte = 0x01; byte < 0x20; ++byte)
        EXPECT_EQ(cp437_glyph_utf8(static_cast<unsigned char>(byte)), kControlGlyphs[byte - 1])
            << "byte " << byte;
    EXPECT_EQ(cp437_to_utf8("\xC9\xCD\xBB \x01 Moves: 12 \xB0\xDB\xED\xF7"),
              "╔═╗ ☺ Moves: 12 ░█φ≈");
}

TEST(Cp437, UnicodeToCp437InvertsTheTableAndRefusesOtherCharacters) {
    for (int byte = 0; byte <= 0xFF; ++byte)
        EXPECT_EQ(unicode_to_cp437(kCp437ToUnicode[byte]), byte) << "byte " << byte;
    for (char32_t outside : {U'€', U'☃', U'Ā', U'\U0001F600'})
        EXPECT_EQ(unicode_to_cp437(outside), -1);
}

TEST(Cp437, LiteralGivesTheBytesOfItsGlyphs) {
    static constexpr auto kDoubleLine = "═══"_cp437;
    static_assert(std::string_view(kDoubleLine) == "\xCD\xCD\xCD");
    EXPECT_EQ("┌─┐"_cp437.view(), "\xDA\xC4\xBF");
    EXPECT_EQ("╔═╗║╚╝"_cp437.view(), "\xC9\xCD\xBB\xBA\xC8\xBC");
    EXPECT_EQ("█▀░φ≈"_cp437.view(), "\xDB\xDF\xB0\xED\xF7");
    EXPECT_EQ(" CONGRATULATIONS! "_cp437.view(), " CONGRATULATIONS! ");
    EXPECT_EQ(""_cp437.view(), "");
    EXPECT_EQ("a§é☺┼ÿ\u00A0z"_cp437.view(),
              "a\x15\x82\x01\xC5\x98\xFF"
              "z");
}

}  // namespace
}  // namespace blockslide
