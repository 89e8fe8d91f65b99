// What the pieces of terminal input name, once the key decoder has read
// them whole: a character, a CSI or SS3 sequence, a mouse report.
#pragma once

#include <span>
#include <string>

namespace blockslide::key_sequences {

// The key of a character typed at the terminal; "" for one the games'
// character set lacks.
std::string character(char32_t code_point);

// ESC [ parameters final: `private_marker` is the first parameter byte when
// it is one of < = > ? (0 otherwise), `numbers` the parameters read as
// numbers. "" for a sequence that is no key (a reply, a mouse report).
std::string csi(char private_marker, std::span<const int> numbers, char final_byte);

// ESC O number final.
std::string ss3(int number, char final_byte);

// A mouse report of any encoding, as xterm numbers its buttons: the low two
// bits are the button (3: released, which one unsaid), 32 is motion, 64 and
// up the wheel and extra buttons. `released` marks an SGR release. Only the
// left button gives a key; rows and columns count from 1.
std::string mouse(int button_code, int column, int row, bool released);

// Whether ESC [ numbers final is a mouse report (urxvt's or SGR's).
bool is_mouse_report(char private_marker, std::span<const int> numbers, char final_byte);

}  // namespace blockslide::key_sequences
