// A fuzzer's bytes read as a player at a terminal, through the key decoder.
//
// Byte 0 picks the game: bit 0 set is blockslide-a, clear blockslide-b; bit 2
// set reads the terminal's bytes as Latin-1 instead of UTF-8 ("a" and "b" are
// the UTF-8 games). Every later byte is typed at the terminal, except that
// 0xFF followed by n is a pause of n tenths of a second. On the way the
// decoder's promises are checked: every key one the games know, no more keys
// waiting than its backlog holds, nothing pending once a wait has run out.
#pragma once

#include <cstdint>
#include <span>

#include "console/scripted/scripted_console.h"

namespace blockslide {

// With a console, each byte reaches the decoder alone and keys are typed there
// as they come out. Without one, the bytes between pauses come at once and
// keys are taken only at pauses longer than 0, as by a busy game, so that the
// backlog fills. Returns whether the bytes pick blockslide-a.
bool type_fuzz_script(std::span<const std::uint8_t> bytes, ScriptedConsole* console);

// Prints the broken rule on one line and aborts: the fuzzer keeps the input.
[[noreturn]] __attribute__((format(printf, 1, 2))) void broken_rule(const char* format, ...);

}  // namespace blockslide
