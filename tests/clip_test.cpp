// The clips each program carries: the files of resources/, byte for byte, as
// plain 16-bit PCM WAVE files of the games' sizes, audible and not clipped;
// on Windows also as WAVE resources in US English under their cue names.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "sound/clips.h"

namespace blockslide {
namespace {

struct ClipFormat {
    const char *file, *name;
    std::uint32_t channels, data_bytes;
};
constexpr ClipFormat kClips[] = {{"beep2", "BEEP2", 1, 17088},
                                 {"ding2", "DING2", 2, 80764},
                                 {"done2", "DONE2", 2, 119292},
                                 {"notify2", "NOTIFY2", 1, 10988}};
constexpr std::uint32_t kRate = 22050, kBits = 16, kFull = 32767;
constexpr std::size_t kSamplesAt = 44;  // RIFF header, 16-byte "fmt " chunk, data header

class Clip : public ::testing::TestWithParam<ClipFormat> {};

TEST_P(Clip, IsTheResourceFileAsAPcmWave) {
    const ClipFormat& clip = GetParam();
    std::ifstream file(std::string(BLOCKSLIDE_RESOURCES "/") + clip.file + ".wav",
                       std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    const StoredClip* stored = find_clip(clip.file);
    ASSERT_TRUE(stored != nullptr && stored->name == clip.name);
    ASSERT_TRUE(std::ranges::equal(stored->wave, bytes)) << "not the file in resources/";
    ASSERT_EQ(bytes.size(), kSamplesAt + clip.data_bytes);
#ifdef _WIN32
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const HRSRC found = FindResourceExA(nullptr, "WAVE", clip.file, english);
    ASSERT_NE(found, nullptr);
    const auto* resource = static_cast<const unsigned char*>(LockResource(LoadResource(0, found)));
    EXPECT_TRUE(std::ranges::equal(std::span(resource, SizeofResource(0, found)), bytes));
#endif
    auto field = [&](std::size_t at, int size) {  // little-endian
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
        return value;
    };
    auto sample = [&](std::size_t at) { return std::abs(std::int16_t(field(at, 2))); };
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    const std::uint32_t frame_bytes = clip.channels * kBits / 8;
    // RIFF size, fmt size, format tag, channels, rate, bytes per second, frame, bits, "data", size
    EXPECT_EQ((std::vector{field(4, 4), field(16, 4), field(20, 2), field(22, 2), field(24, 4),
                           field(28, 4), field(32, 2), field(34, 2), field(36, 4), field(40, 4)}),
              (std::vector{static_cast<std::uint32_t>(bytes.size() - 8), 16u, 1u, clip.channels,
                           kRate, kRate * frame_bytes, frame_bytes, kBits, 0x61746164u /* "data" */,
                           clip.data_bytes}));
    // Clearly audible, below full scale, and faded to silence at both ends.
    int loudest = 0;
    for (std::size_t at = kSamplesAt; at < bytes.size(); at += 2)
        loudest = std::max(loudest, sample(at));
    EXPECT_GT(loudest, int(kFull / 4));
    EXPECT_LT(loudest, int(kFull));
    EXPECT_LT(sample(kSamplesAt) + sample(bytes.size() - 2), 64);
}

INSTANTIATE_TEST_SUITE_P(Stored, Clip, ::testing::ValuesIn(kClips),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
}  // namespace blockslide
