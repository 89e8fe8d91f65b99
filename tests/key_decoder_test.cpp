// Terminal input to keys: every sequence a terminal may send, whole or
// arriving in pieces, gives one key or none; on Windows, every console key
// event gives one character, a scan code, or nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "console/key_decoder.h"
#include "console/keys.h"
#ifdef _WIN32
#include "console/windows/win32_keys.h"
#endif

namespace blockslide {
namespace {

struct Piece {
    long after_ms;  // after the previous piece
    std::string bytes;
};
struct Case {
    const char* name;
    std::vector<Piece> input;
    std::vector<std::string> keys;
    long escape_wait_ms = KeyDecoder::kDefaultEscapeWaitMs;  // ESCDELAY
};

std::string scan(int code) {
    return std::string{'\0', static_cast<char>(code)};
}
// escs("[", {"A", "B"}) is Esc [ A Esc [ B.
std::string escs(const char* lead, std::vector<const char*> ends) {
    std::string all;
    for (const char* end : ends) all += std::string("\x1b") + lead + end;
    return all;
}

std::string press(int row, int column) {
    return mouse_key({true, row, column});
}
std::string release(int row, int column) {
    return mouse_key({false, row, column});
}
// A flood of Esc bytes, as a paste or a stuck key sends it, in reads of `piece` bytes.
std::vector<Piece> escapes(std::size_t count, std::size_t piece) {
    std::vector<Piece> input;
    for (std::size_t sent = 0; sent < count; sent += piece)
        input.push_back({0, std::string(std::min(piece, count - sent), '\x1b')});
    input.push_back({KeyDecoder::kDefaultEscapeWaitMs, ""});
    return input;
}

// A key held down, one key per read, past the backlog's room, then another.
std::vector<Piece> held_key_then(char last) {
    std::vector<Piece> input(20, Piece{30, "a"});
    input.push_back({30, std::string(1, last)});
    return input;
}

const std::vector<std::string> kArrows{scan(72), scan(80), scan(77), scan(75),  // A B C D
                                       scan(72), scan(80), scan(77), scan(75)};

// clang-format off
const Case kCases[] = {
    {"characters", {{0, "q\r\n\x7f"}}, {"q", "\r", "\r", "\b"}},
    {"arrows", {{0, escs("[", {"A", "B", "C", "D"}) + escs("O", {"A", "B", "C", "D"})}}, kArrows},
    {"home_and_end", {{0, escs("[", {"H", "F", "1~", "4~", "7~", "8~"}) + escs("O", {"H", "F"})}},
     {scan(71), scan(79), scan(71), scan(79), scan(71), scan(79), scan(71), scan(79)}},
    {"edit_keys_keypad_5",
     {{0, escs("[", {"2~", "3~", "5~", "6~", "E", "G", "2$"}) + escs("O", {"E"})}},
     {scan(82), scan(83), scan(73), scan(81), scan(76), scan(76), scan(82), scan(76)}},
    {"function_keys", {{0, escs("O", {"P"}) + escs("[", {"[A", "[E", "11~", "15~", "17~", "21~", "22~", "23~", "24~"})}},
     {scan(59), scan(59), scan(63), scan(59), scan(63), scan(64), scan(68), scan(133), scan(134)}},
    {"shift_ctrl_alt_arrows",
     {{0, escs("[", {"1;2D", "1;2A", "a", "1;5A", "1;5C", "1;5B", "1;5D", "1;3B", "1;3A", "1;3C", "1;3D"}) + escs("O", {"5C", "10A", "9A", "a"})}},
     {scan(75), scan(72), scan(72), scan(141), scan(116), scan(145), scan(115), scan(160), scan(152), scan(157), scan(155), scan(116), scan(72), scan(72), scan(141)}},
    {"alt_digit_is_the_digit", {{0, "\x1b" "2"}}, {"2"}},
    {"esc_alone_after_50_ms", {{0, "\x1b"}, {50, ""}}, {"\x1b"}},
    {"arrow_bytes_40_ms_apart", {{0, "\x1b"}, {40, "["}, {40, "A\x1bO"}, {40, "B"}}, {scan(72), scan(80)}},
    {"cut_off_sequence_gives_nothing", {{0, "\x1b[1;"}, {500, "x"}}, {"x"}},  // just as the wait ends
    {"sequence_cut_off_by_another", {{0, "\x1b[1\x1b[B\x1bO\r"}}, {scan(80), "\r"}},
    {"keypad_in_application_mode", {{0, escs("O", {"p", "q", "x", "y", "M", "j", "k", "l", "m", "n", "o"})}},
     {"0", "1", "8", "9", "\r", "*", "+", ",", "-", ".", "/"}},
    {"replies_and_focus_give_nothing", {{0, escs("[", {"I", "O", "?1;2c", "12;40R", ">0;9c", "1 q"}) + "z"}}, {"z"}},
    {"strings_read_whole", {{0, "\x1b]11;rgb:1234/5678/9abc\x1b\\\x1b]52;c;MTIzNA==\x07\x1bP1$r0m\x1b\\\x1b_Gi=31\x1b\\\x1b^42\x1b\\\x1bX7\x07z"}}, {"z"}},
    {"string_cut_off_by_silence", {{0, "\x1b]0;ti"}, {600, "3"}}, {"3"}},
    {"left_button_in_every_encoding",
     {{0, escs("[", {"M !!", "M#!!", "M \xc2\x84%", "32;10;5M", "35;10;5M", "<0;90;30M", "<0;90;30m"})}},
     {press(1, 1), release(1, 1), press(5, 100), press(5, 10), release(5, 10), press(30, 90), release(30, 90)}},
    {"other_buttons_wheel_and_motion_give_nothing",
     {{0, escs("[", {"M\"!!", "M`!!", "<2;1;1M", "<2;1;1m", "<64;1;1M", "<65;1;1M", "<32;3;3M", "96;1;1M"}) + "z"}}, {"z"}},
    {"x10_report_ending_in_a_high_byte", {{0, "\x1b[M !\xc5z"}}, {press(165, 1), "z"}},
    {"mouse_report_in_pieces", {{0, "\x1b[M "}, {30, "\xc2"}, {30, "\x84%2"}}, {press(5, 100), "2"}},
    {"million_escapes_in_one_read", escapes(1'000'000, 1'000'000), std::vector<std::string>(16, "\x1b")},
    {"million_escapes_in_256_byte_reads", escapes(1'000'000, 256), std::vector<std::string>(16, "\x1b")},
    {"more_numbers_than_kept", {{0, "\x1b[1;2;3;4;5;6;7;8;9;10;11A"}}, {scan(72)}},
    {"long_sequence_gives_nothing", {{0, "\x1b[" + std::string(100'000, '1') + "A"}}, {}},
    {"escdelay_longer_makes_alt", {{0, "\x1b"}, {100, "x"}}, {"x"}, 200},
    {"escdelay_shorter_makes_esc", {{0, "\x1b"}, {30, "x"}}, {"\x1b", "x"}, 25},
    {"stray_bytes_give_nothing", {{0, "\x80z\xff"}}, {"z"}},
    {"utf_8_in_pieces_euro_double_line_c1_emoji", {{0, "\xc3"}, {10, "\xa9\xe2\x82\xac\xe2\x95\x90\xc2\x80\xf0\x9f\x98\x80"}}, {"\x82", "\xcd"}},
    {"overlong_forms_give_nothing", {{0, "\xe0\x80\xb2\xe0\x80\x9b\xe0\x81\xb1\xf0\x80\x80\xb2\xf0\x8f\xbf\xbf" "y"}}, {"y"}},
    {"surrogates_give_nothing", {{0, "\xed\xa0\x80\xed\xbf\xbf" "y"}}, {"y"}},
    {"past_u_10ffff_gives_nothing", {{0, "\xf4\x90\x80\x80\xf4\xbf\xbf\xbf" "y"}}, {"y"}},
    {"held_key_then_q_keeps_q", held_key_then('q'), {"a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "q"}},
    {"paste_keeps_its_beginning", {{0, "2qy" + std::string(30, 'a')}}, {"2", "q", "y", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a", "a"}},
};
// clang-format on

class KeyDecoderTest : public testing::TestWithParam<Case> {};

TEST_P(KeyDecoderTest, GivesTheKeys) {
    KeyDecoder decoder(true, GetParam().escape_wait_ms);
    long now = 0;
    for (const Piece& piece : GetParam().input) {
        decoder.expire(now += piece.after_ms);
        decoder.feed(piece.bytes, now);
    }
    decoder.expire(now);
    std::vector<std::string> keys;
    for (std::string key = decoder.take(); !key.empty(); key = decoder.take()) keys.push_back(key);
    EXPECT_EQ(keys, GetParam().keys);
    EXPECT_FALSE(decoder.deadline().has_value()) << "bytes left waiting";
}

INSTANTIATE_TEST_SUITE_P(Sequences, KeyDecoderTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A terminal hundreds of cells wide reports positions past one byte; the key keeps them.
TEST(MouseKey, KeepsPositionsPastOneByte) {
    for (const MouseButton button : {MouseButton{true, 255, 256}, MouseButton{false, 300, 65535}}) {
        const std::optional<MouseButton> read = mouse_button_of(mouse_key(button));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ((std::tuple{read->pressed, read->row, read->column}),
                  (std::tuple{button.pressed, button.row, button.column}));
    }
}

#ifdef _WIN32
TEST(Win32Keys, ConsoleEventsGiveTheKeysTheTerminalsGive) {
    const DWORD ctrl = LEFT_CTRL_PRESSED, alt = LEFT_ALT_PRESSED, shift = SHIFT_PRESSED;
    struct Key {
        BOOL down;
        WORD virtual_key, scan_code;
        wchar_t character;
        DWORD held;  // the modifier keys' bits
        std::string key;
    };
    for (const Key& c :
         {Key{TRUE, 'B', 0x30, L'b', 0, "b"}, Key{TRUE, VK_ESCAPE, 1, 0, 0, "\x1b"},
          Key{TRUE, VK_RETURN, 0x1C, 13, 0, "\r"}, Key{TRUE, VK_UP, 72, 0, 0, scan(72)},
          Key{TRUE, VK_DOWN, 0, 0, 0, scan(80)}, Key{TRUE, VK_UP, 72, 0, shift, scan(72)},
          Key{TRUE, VK_UP, 72, 0, ctrl, scan(141)}, Key{TRUE, VK_LEFT, 0, 0, ctrl, scan(115)},
          Key{TRUE, VK_RIGHT, 77, 0, alt, scan(157)}, Key{TRUE, VK_F1, 59, 0, 0, scan(59)},
          Key{TRUE, 0, 0, L'\u2550', 0, "\xCD"}, Key{FALSE, 'A', 0x1E, L'a', 0, ""},
          Key{TRUE, VK_SHIFT, 0x2A, 0, shift, ""}, Key{TRUE, VK_CAPITAL, 0x3A, 0, 0, ""}}) {
        KEY_EVENT_RECORD event{c.down, 1, c.virtual_key, c.scan_code, {c.character}, c.held};
        EXPECT_EQ(key_from_console_event(event), c.key) << c.virtual_key << " " << c.held;
    }
    // The left button on the screen, which starts at X 10, Y 5 of the buffer.
    const DWORD left = FROM_LEFT_1ST_BUTTON_PRESSED, right = RIGHTMOST_BUTTON_PRESSED;
    struct Mouse {
        DWORD buttons, flags;
        SHORT x, y;
        bool left_was_down;
        std::string key;
    };
    for (const Mouse& c :
         {Mouse{left, 0, 10, 5, false, press(1, 1)}, Mouse{0, 0, 89, 29, true, release(25, 80)},
          Mouse{left, DOUBLE_CLICK, 20, 6, false, press(2, 11)},
          Mouse{left, MOUSE_MOVED, 30, 8, true, ""}, Mouse{right, 0, 30, 8, false, ""},
          Mouse{left | 120u << 16, MOUSE_WHEELED, 30, 8, false, ""},
          Mouse{left, 0, 90, 5, false, ""}}) {
        bool left_down = c.left_was_down;
        EXPECT_EQ(mouse_key_from_console_event({{c.x, c.y}, c.buttons, 0, c.flags}, COORD{10, 5},
                                               left_down),
                  c.key)
            << c.x << "," << c.y;
        EXPECT_EQ(left_down, (c.buttons & left) != 0 && c.flags != MOUSE_WHEELED)
            << c.x << "," << c.y;
    }
}
#endif

}  // namespace
}  // namespace blockslide
