#include "console/cp437.h"

namespace blockslide {

std::string utf8_of(char32_t code_point) {
    std::string out;
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
    return out;
}

std::string cp437_glyph_utf8(unsigned char byte) {
    return utf8_of(byte == 0 ? U' ' : kCp437ToUnicode[byte]);
}

std::string cp437_to_utf8(std::string_view cp437_text) {
    std::string out;
    for (char c : cp437_text) out += cp437_glyph_utf8(static_cast<unsigned char>(c));
    return out;
}

}  // namespace blockslide
