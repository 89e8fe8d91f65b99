// A fuzzer's bytes read as a player at a terminal: which game, and the keys
// typed with the times they are typed at.
//
// Byte 0 picks the game: bit 0 set is blockslide-a, clear blockslide-b; bit 2
// set reads the terminal's bytes as Latin-1 instead of UTF-8 ("a" and "b" are
// the UTF-8 games). Every later byte is typed at the terminal and goes
// through the key decoder, except that 0xFF followed by n is a pause of n
// tenths of a second.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace blockslide {

struct TypedKey {
    std::int64_t at_ms;
    std::string key;
};

struct FuzzScript {
    bool first_game = true;  // blockslide-a
    std::vector<TypedKey> keys;
};

FuzzScript read_fuzz_script(std::span<const std::uint8_t> bytes);

}  // namespace blockslide
