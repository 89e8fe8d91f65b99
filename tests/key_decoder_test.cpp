// Terminal input to keys: every sequence a terminal may send, whole or
// arriving in pieces, gives one key or none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/key_decoder.h"

namespace blockslide {
namespace {

// Bytes that arrive `after_ms` after the previous piece.
struct Piece {
    long after_ms;
    std::string bytes;
};

struct Case {
    const char* name;
    std::vector<Piece> input;
    std::vector<std::string> keys;
};

std::string scan(int code) {
    return std::string{'\0', static_cast<char>(code)};
}

const std::string kEsc = "\x1b";

const Case kCases[] = {
    {"letter", {{0, "q"}}, {"q"}},
    {"carriage_return_is_Enter", {{0, "\r"}}, {"\r"}},
    {"line_feed_is_Enter", {{0, "\n"}}, {"\r"}},
    {"delete_is_backspace", {{0, "\x7f"}}, {"\b"}},
    {"arrows",
     {{0, kEsc + "[A" + kEsc + "[B" + kEsc + "[C" + kEsc + "[D"}},
     {scan(72), scan(80), scan(77), scan(75)}},
    {"keypad_arrows",
     {{0, kEsc + "OA" + kEsc + "OB" + kEsc + "OC" + kEsc + "OD"}},
     {scan(72), scan(80), scan(77), scan(75)}},
    {"home_and_end",
     {{0, kEsc + "[H" + kEsc + "[F" + kEsc + "OH" + kEsc + "OF"}},
     {scan(71), scan(79), scan(71), scan(79)}},
    {"home_and_end_with_a_number",
     {{0, kEsc + "[1~" + kEsc + "[4~" + kEsc + "[7~" + kEsc + "[8~"}},
     {scan(71), scan(79), scan(71), scan(79)}},
    {"insert__delete__page_up__page_down",
     {{0, kEsc + "[2~" + kEsc + "[3~" + kEsc + "[5~" + kEsc + "[6~"}},
     {scan(82), scan(83), scan(73), scan(81)}},
    {"keypad_5", {{0, kEsc + "[E" + kEsc + "OE" + kEsc + "[G"}}, {scan(76), scan(76), scan(76)}},
    {"function_keys",
     {{0,
       kEsc + "OP" + kEsc + "[[A" + kEsc + "[15~" + kEsc + "[21~" + kEsc + "[23~" + kEsc + "[24~"}},
     {scan(59), scan(59), scan(63), scan(68), scan(133), scan(134)}},
    {"shift_with_arrows_is_the_arrow",
     {{0, kEsc + "[1;2D" + kEsc + "[1;2A" + kEsc + "[a"}},
     {scan(75), scan(72), scan(72)}},
    {"ctrl_with_arrows",
     {{0, kEsc + "[1;5A" + kEsc + "[1;5C" + kEsc + "[1;5B" + kEsc + "[1;5D"}},
     {scan(141), scan(116), scan(145), scan(115)}},
    {"alt_with_a_digit_gives_the_digit", {{0, kEsc + "2"}}, {"2"}},
    {"alt_with_a_letter__then_a_letter", {{0, kEsc + "q" + "n"}}, {"q", "n"}},
    {"esc_alone_is_a_key_after_50_ms", {{0, kEsc}, {50, ""}}, {kEsc}},
    {"esc_and_a_letter_40_ms_later_is_alt_letter", {{0, kEsc}, {40, "x"}}, {"x"}},
    {"arrow_with_its_bytes_40_ms_apart", {{0, kEsc}, {40, "["}, {40, "A"}}, {scan(72)}},
    {"ctrl_arrow_with_pieces_300_ms_apart",
     {{0, kEsc + "["}, {300, "1;5"}, {300, "D"}},
     {scan(115)}},
    {"a_sequence_cut_off_gives_nothing", {{0, kEsc + "[1;"}, {600, "x"}}, {"x"}},
    {"esc_and_bracket_cut_off_give_nothing", {{0, kEsc + "["}, {600, "n"}}, {"n"}},
    {"focus_reports", {{0, kEsc + "[I" + kEsc + "[O" + "y"}}, {"y"}},
    {"paste_markers_around_typed_text", {{0, kEsc + "[200~12" + kEsc + "[201~"}}, {"1", "2"}},
    {"mouse_reports", {{0, kEsc + "[M !!" + kEsc + "[<0;10;5M" + kEsc + "[32;10;5M" + "z"}}, {"z"}},
    {"terminal_replies",
     {{0, kEsc + "[?1;2c" + kEsc + "[12;40R" + kEsc + "[>0;95;0c" + "k"}},
     {"k"}},
    {"utf_8_letter_in_two_pieces", {{0, "\xc3"}, {10, "\xa9"}}, {"\x82"}},
    {"more_than_16_waiting_keys_are_dropped",
     {{0, std::string(20, 'a') + "b"}},
     std::vector<std::string>(16, "a")},
};

class KeyDecoderTest : public testing::TestWithParam<Case> {};

TEST_P(KeyDecoderTest, GivesTheKeys) {
    const Case& c = GetParam();
    KeyDecoder decoder;
    long now = 0;
    for (const Piece& piece : c.input) {
        now += piece.after_ms;
        decoder.expire(now);
        decoder.feed(piece.bytes, now);
    }
    decoder.expire(now);
    std::vector<std::string> keys;
    for (std::string key = decoder.take(); !key.empty(); key = decoder.take()) keys.push_back(key);
    EXPECT_EQ(keys, c.keys);
}

INSTANTIATE_TEST_SUITE_P(Sequences, KeyDecoderTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDecoder, ClearForgetsWaitingKeysAndPieces) {
    KeyDecoder decoder;
    decoder.feed("ab" + kEsc + "[", 0);
    decoder.clear();
    decoder.feed("A", 1);
    EXPECT_EQ(decoder.take(), "A");
    EXPECT_FALSE(decoder.deadline().has_value());
}

}  // namespace
}  // namespace blockslide
