// "╔═╗"_cp437: box-drawing texts written as their glyphs in the source and
// turned into code-page-437 bytes by the compiler. A glyph that code page 437
// lacks is a compile error, so no wrong byte can reach the screen.
#pragma once

#include <cstddef>
#include <string_view>

#include "console/cp437.h"

namespace blockslide {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
    }
};

template <std::size_t N>
struct Cp437Text {
    char bytes[N]{};
    std::size_t length = 0;
    constexpr operator std::string_view() const { return {bytes, length}; }
    constexpr std::string_view view() const { return {bytes, length}; }
};

namespace detail {

// Only ever evaluated inside the consteval operator below, so a throw here is
// a compile error too. It is constexpr rather than consteval because clang 14
// rejects a consteval call whose arguments are the caller's local variables.
constexpr char32_t decode_utf8(const char* bytes, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) return bytes[i++];
    if ((lead & 0xE0) == 0xC0) {
        char32_t c = ((lead & 0x1F) << 6) | (byte(i + 1) & 0x3F);
        i += 2;
        return c;
    }
    if ((lead & 0xF0) == 0xE0) {
        char32_t c = ((lead & 0x0F) << 12) | ((byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
        i += 3;
        return c;
    }
    throw "code page 437 has no four-byte characters";
}

}  // namespace detail

template <Utf8Literal text>
consteval auto operator""_cp437() {
    constexpr std::size_t capacity = sizeof(text.bytes);
    Cp437Text<capacity> out;
    std::size_t i = 0;
    while (i + 1 < capacity) {
        int byte = unicode_to_cp437(detail::decode_utf8(text.bytes, i));
        if (byte < 0) throw "glyph missing from code page 437";
        out.bytes[out.length++] = static_cast<char>(byte);
    }
    return out;
}

}  // namespace blockslide
