// The code-page-437 character set: every byte's glyph, checked against the
// C library's own CP437 converter, the console glyphs of the control codes,
// the way back from a glyph to its byte, and the "..."_cp437 literal.
#include "console/cp437.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "console/cp437_literal.h"

namespace blockslide {
namespace {

constexpr int kFirstPrintable = 0x20;
constexpr int kHouse = 0x7F;  // shown as the house glyph, not as DEL
constexpr char32_t kHouseGlyph = U'\u2302';

std::string hex(int byte) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0x0F];
}

// One conversion from CP437 through the C library's iconv.
class Cp437Converter {
public:
    explicit Cp437Converter(const char* to_code) : handle_(iconv_open(to_code, "CP437")) {}
    ~Cp437Converter() {
        if (ok()) iconv_close(handle_);
    }
    Cp437Converter(const Cp437Converter&) = delete;
    Cp437Converter& operator=(const Cp437Converter&) = delete;

    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // The converted bytes of one CP437 byte, or nullopt when iconv refuses it.
    std::optional<std::string> convert(int byte) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
        char input[1] = {static_cast<char>(byte)};
        char output[16] = {};
        char* in = input;
        char* out = output;
        std::size_t in_left = sizeof input;
        std::size_t out_left = sizeof output;
        if (iconv(handle_, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        return std::string(output, sizeof output - out_left);
    }

private:
    iconv_t handle_;
};

char32_t from_utf32le(const std::string& bytes) {
    char32_t code_point = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        code_point = code_point << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return code_point;
}

constexpr const char* kNoConverter =
    "the C library has no CP437 converter (iconv_open failed); on Debian it comes with the "
    "glibc gconv modules (libc-bin / gconv IBM437.so)";

class Cp437AgainstIconv : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(to_code_points_.ok()) << kNoConverter;
        ASSERT_TRUE(to_utf8_.ok()) << kNoConverter;
    }

    // The code point the system gives for a byte.
    char32_t system_code_point(int byte) {
        std::optional<std::string> converted = to_code_points_.convert(byte);
        if (!converted || converted->size() != 4) {
            ADD_FAILURE() << "iconv gave no single character for " << hex(byte);
            return 0;
        }
        return from_utf32le(*converted);
    }

    std::string system_utf8(int byte) {
        std::optional<std::string> converted = to_utf8_.convert(byte);
        if (!converted) {
            ADD_FAILURE() << "iconv refused " << hex(byte);
            return {};
        }
        return *converted;
    }

    Cp437Converter to_code_points_{"UTF-32LE"};
    Cp437Converter to_utf8_{"UTF-8"};
};

TEST_F(Cp437AgainstIconv, TableMatchesFrom0x20To0xFF) {
    for (int byte = kFirstPrintable; byte <= 0xFF; ++byte) {
        if (byte == kHouse) continue;
        EXPECT_EQ(static_cast<std::uint32_t>(kCp437ToUnicode[byte]),
                  static_cast<std::uint32_t>(system_code_point(byte)))
            << "byte " << hex(byte);
    }
}

TEST_F(Cp437AgainstIconv, GlyphUtf8MatchesFrom0x20To0xFF) {
    for (int byte = kFirstPrintable; byte <= 0xFF; ++byte) {
        if (byte == kHouse) continue;
        EXPECT_EQ(cp437_glyph_utf8(static_cast<unsigned char>(byte)), system_utf8(byte))
            << "byte " << hex(byte);
    }
}

// iconv treats 0x7F as the DEL control code; the console shows a house.
TEST(Cp437Glyphs, Byte0x7FIsTheHouse) {
    EXPECT_EQ(static_cast<std::uint32_t>(kCp437ToUnicode[kHouse]),
              static_cast<std::uint32_t>(kHouseGlyph));
    EXPECT_EQ(cp437_glyph_utf8(kHouse), "⌂");
}

// The glyphs the PC console shows for the bytes 0x01 to 0x1F.
constexpr const char* kControlGlyphs[] = {
    "☺", "☻", "♥", "♦", "♣", "♠", "•", "◘", "○", "◙", "♂", "♀", "♪", "♫", "☼",       // 0x01..0x0F
    "►", "◄", "↕", "‼", "¶", "§", "▬", "↨", "↑", "↓", "→", "←", "∟", "↔", "▲", "▼",  // 0x10..0x1F
};

TEST(Cp437Glyphs, ControlCodesShowTheirConsoleGlyphs) {
    static_assert(std::size(kControlGlyphs) == 0x1F);
    for (int byte = 0x01; byte < kFirstPrintable; ++byte) {
        EXPECT_EQ(cp437_glyph_utf8(static_cast<unsigned char>(byte)), kControlGlyphs[byte - 1])
            << "byte " << hex(byte);
    }
}

TEST(Cp437Glyphs, TextTurnsIntoUtf8GlyphByGlyph) {
    EXPECT_EQ(cp437_to_utf8("\xC9\xCD\xBB \x01 Moves: 12 \xB0\xDB\xED\xF7"),
              "╔═╗ ☺ Moves: 12 ░█φ≈");
    EXPECT_EQ(cp437_to_utf8(""), "");
}

// ---------------------------------------------------------------------------
// From a glyph back to its byte

TEST(UnicodeToCp437, IsTheInverseOfTheTableForEveryByte) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        EXPECT_EQ(unicode_to_cp437(kCp437ToUnicode[byte]), byte) << "byte " << hex(byte);
    }
}

TEST(UnicodeToCp437, RefusesCharactersOutsideTheCodePage) {
    EXPECT_EQ(unicode_to_cp437(U'€'), -1);
    EXPECT_EQ(unicode_to_cp437(U'☃'), -1);
    EXPECT_EQ(unicode_to_cp437(U'Ā'), -1);
    EXPECT_EQ(unicode_to_cp437(U'\U0001F600'), -1);
}

// It works at compile time.
static_assert(unicode_to_cp437(U'┌') == 0xDA);
static_assert(unicode_to_cp437(U'═') == 0xCD);
static_assert(unicode_to_cp437(U'A') == 'A');

// ---------------------------------------------------------------------------
// The "..."_cp437 literal

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += static_cast<char>(value);
    return text;
}

TEST(Cp437Literal, TurnsBoxDrawingGlyphsIntoTheirBytes) {
    constexpr auto corner_line = "┌─┐"_cp437;
    EXPECT_EQ(std::string(corner_line.view()), bytes({0xDA, 0xC4, 0xBF}));
    EXPECT_EQ(std::string("╔═╗║╚╝"_cp437.view()), bytes({0xC9, 0xCD, 0xBB, 0xBA, 0xC8, 0xBC}));
    EXPECT_EQ(std::string("█▀░φ≈"_cp437.view()), bytes({0xDB, 0xDF, 0xB0, 0xED, 0xF7}));
}

TEST(Cp437Literal, KeepsAsciiAsItIs) {
    EXPECT_EQ(std::string("Moves: 118"_cp437.view()), "Moves: 118");
    EXPECT_EQ(std::string(" CONGRATULATIONS! "_cp437.view()), " CONGRATULATIONS! ");
    EXPECT_EQ(std::string(""_cp437.view()), "");
}

TEST(Cp437Literal, HandlesTwoAndThreeByteSequencesSideBySide) {
    EXPECT_EQ(std::string("a§é☺┼ÿ\u00A0z"_cp437.view()),
              bytes({'a', 0x15, 0x82, 0x01, 0xC5, 0x98, 0xFF, 'z'}));
}

TEST(Cp437Literal, IsAStringViewAtCompileTime) {
    static constexpr auto kDoubleLine = "═══"_cp437;
    constexpr std::string_view line = kDoubleLine;
    static_assert(line.size() == 3);
    static_assert(line[0] == static_cast<char>(0xCD));
    EXPECT_EQ(std::string(line), bytes({0xCD, 0xCD, 0xCD}));
}

}  // namespace
}  // namespace blockslide
