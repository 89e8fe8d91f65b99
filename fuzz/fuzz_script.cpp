#include "fuzz/fuzz_script.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "console/key_decoder.h"
#include "console/keys.h"

namespace blockslide {

namespace {

constexpr std::uint8_t kFirstGameBit = 0x01;
constexpr std::uint8_t kLatin1Bit = 0x04;
constexpr std::uint8_t kPauseMark = 0xFF;
constexpr std::int64_t kPauseUnitMs = 100;
constexpr int kScanCodes[] = {
    kScanUp,       kScanRight,    kScanDown,         kScanLeft,      kScanHome,     kScanEnd,
    kScanPageUp,   kScanPageDown, kScanInsert,       kScanDelete,    kScanF11,      kScanF12,
    kScanShiftTab, kScanCtrlUp,   kScanKeypadCentre, kScanCtrlRight, kScanCtrlDown, kScanCtrlLeft,
    kScanAltUp,    kScanAltRight, kScanAltDown,      kScanAltLeft};

// One character but NUL; NUL and a scan code; or the left button at a place.
bool is_game_key(std::string_view key) {
    if (key.size() == 1) return key[0] != '\0';
    if (key.size() == 2 && key[0] == '\0') {
        const int code = static_cast<unsigned char>(key[1]);
        return (code >= kScanF1 && code < kScanF1 + 10) ||  // F1 to F10 in a row
               std::ranges::find(kScanCodes, code) != std::end(kScanCodes);
    }
    const std::optional<MouseButton> button = mouse_button_of(key);
    return button && button->row >= 1 && button->column >= 1;
}

// Takes every waiting key, typing it at `at_ms` on the console if there is one.
void read_keys(KeyDecoder& decoder, std::int64_t at_ms, ScriptedConsole* console) {
    std::size_t waiting = 0;
    for (std::string key = decoder.take(); !key.empty(); key = decoder.take(), ++waiting) {
        if (!is_game_key(key))
            broken_rule("the decoder gave a key the games do not know, from %02x", key[0] & 0xFF);
        if (console) console->type_at(at_ms, std::move(key));
    }
    if (waiting > KeyBacklog::kCapacity)
        broken_rule("%d keys waited to be read", static_cast<int>(waiting));
}

// Lets the time pass, settling a lone Esc or an unfinished sequence whose
// wait runs out on the way.
void pause(KeyDecoder& decoder, std::int64_t& now_ms, std::int64_t pause_ms,
           ScriptedConsole* console) {
    const std::int64_t later_ms = now_ms + pause_ms;
    for (std::optional<long> due = decoder.deadline(); due && *due <= later_ms;
         due = decoder.deadline()) {
        decoder.expire(*due);
        if (decoder.deadline()) broken_rule("input still pending once its wait ran out");
        read_keys(decoder, *due, console);
    }
    now_ms = later_ms;
    if (console || pause_ms > 0) read_keys(decoder, now_ms, console);
}

}  // namespace

bool type_fuzz_script(std::span<const std::uint8_t> bytes, ScriptedConsole* console) {
    if (bytes.empty()) return true;
    KeyDecoder decoder((bytes[0] & kLatin1Bit) == 0);
    std::int64_t now_ms = 0;
    std::size_t i = 1;
    while (i < bytes.size()) {
        if (bytes[i] == kPauseMark) {
            if (i + 1 < bytes.size()) pause(decoder, now_ms, bytes[i + 1] * kPauseUnitMs, console);
            i += 2;
            continue;
        }
        // A busy game reads what came between two pauses at once.
        std::size_t end = i + 1;
        while (!console && end < bytes.size() && bytes[end] != kPauseMark) ++end;
        decoder.feed(std::string_view(reinterpret_cast<const char*>(&bytes[i]), end - i), now_ms);
        if (console) read_keys(decoder, now_ms, console);
        i = end;
    }
    // The player stops typing; whatever is unfinished settles.
    pause(decoder, now_ms, 2 * KeyDecoder::kSequenceWaitMs, console);
    return (bytes[0] & kFirstGameBit) != 0;
}

void broken_rule(const char* format, ...) {
    std::fputs("broken rule: ", stderr);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::abort();
}

}  // namespace blockslide
