// Terminal input to keys: every sequence a terminal may send, whole or
// arriving in pieces, gives one key or none.
#include <gtest/gtest.h>

#include <cctype>
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
    {"carriage return is Enter", {{0, "\r"}}, {"\r"}},
    {"line feed is Enter", {{0, "\n"}}, {"\r"}},
    {"delete is backspace", {{0, "\x7f"}}, {"\b"}},
    {"arrows",
     {{0, kEsc + "[A" + kEsc + "[B" + kEsc + "[C" + kEsc + "[D"}},
     {scan(72), scan(80), scan(77), scan(75)}},
    {"keypad arrows",
     {{0, kEsc + "OA" + kEsc + "OB" + kEsc + "OC" + kEsc + "OD"}},
     {scan(72), scan(80), scan(77), scan(75)}},
    {"home and end",
     {{0, kEsc + "[H" + kEsc + "[F" + kEsc + "OH" + kEsc + "OF"}},
     {scan(71), scan(79), scan(71), scan(79)}},
    {"home and end with a number",
     {{0, kEsc + "[1~" + kEsc + "[4~" + kEsc + "[7~" + kEsc + "[8~"}},
     {scan(71), scan(79), scan(71), scan(79)}},
    {"insert, delete, page up, page down",
     {{0, kEsc + "[2~" + kEsc + "[3~" + kEsc + "[5~" + kEsc + "[6~"}},
     {scan(82), scan(83), scan(73), scan(81)}},
    {"keypad 5", {{0, kEsc + "[E" + kEsc + "OE" + kEsc + "[G"}}, {scan(76), scan(76), scan(76)}},
    {"function keys",
     {{0,
       kEsc + "OP" + kEsc + "[[A" + kEsc + "[15~" + kEsc + "[21~" + kEsc + "[23~" + kEsc + "[24~"}},
     {scan(59), scan(59), scan(63), scan(68), scan(133), scan(134)}},
    {"shift with arrows is the arrow",
     {{0, kEsc + "[1;2D" + kEsc + "[1;2A" + kEsc + "[a"}},
     {scan(75), scan(72), scan(72)}},
    {"ctrl with arrows",
     {{0, kEsc + "[1;5A" + kEsc + "[1;5C" + kEsc + "[1;5B" + kEsc + "[1;5D"}},
     {scan(141), scan(116), scan(145), scan(115)}},
    {"alt with a digit gives the digit", {{0, kEsc + "2"}}, {"2"}},
    {"alt with a letter, then a letter", {{0, kEsc + "q" + "n"}}, {"q", "n"}},
    {"esc alone is a key after 50 ms", {{0, kEsc}, {50, ""}}, {kEsc}},
    {"esc alone is not yet a key at 40 ms", {{0, kEsc}, {40, "x"}}, {"x"}},
    {"arrow with its bytes 40 ms apart", {{0, kEsc}, {40, "["}, {40, "A"}}, {scan(72)}},
    {"ctrl arrow with pieces 300 ms apart",
     {{0, kEsc + "["}, {300, "1;5"}, {300, "D"}},
     {scan(115)}},
    {"a sequence cut off gives nothing", {{0, kEsc + "[1;"}, {600, "x"}}, {"x"}},
    {"esc and bracket cut off give nothing", {{0, kEsc + "["}, {600, "n"}}, {"n"}},
    {"focus reports", {{0, kEsc + "[I" + kEsc + "[O" + "y"}}, {"y"}},
    {"paste markers around typed text", {{0, kEsc + "[200~12" + kEsc + "[201~"}}, {"1", "2"}},
    {"mouse reports", {{0, kEsc + "[M !!" + kEsc + "[<0;10;5M" + kEsc + "[32;10;5M" + "z"}}, {"z"}},
    {"terminal replies",
     {{0, kEsc + "[?1;2c" + kEsc + "[12;40R" + kEsc + "[>0;95;0c" + "k"}},
     {"k"}},
    {"utf-8 letter in two pieces", {{0, "\xc3"}, {10, "\xa9"}}, {"\x82"}},
    {"more than 16 waiting keys are dropped",
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
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p != '\0'; ++p) {
                                 const bool word = std::isalnum(static_cast<unsigned char>(*p));
                                 name += word ? *p : '_';
                             }
                             return name;
                         });

TEST(KeyDecoder, LoneEscDeadlineIs50Ms) {
    KeyDecoder decoder;
    decoder.feed(kEsc, 1000);
    ASSERT_TRUE(decoder.deadline().has_value());
    EXPECT_LE(*decoder.deadline(), 1050);
    decoder.expire(1049);
    EXPECT_EQ(decoder.take(), "");
}

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
