// The clips each program carries: the files of resources/, byte for byte, as plain 16-bit PCM WAVE
// files of the games' sizes, audible and not clipped; on Windows also as WAVE resources in US
// English under their cue names. SDL playback heard through SDL's disk driver (every sample the
// device gets goes to a file, in real time), and through a driver that cannot open.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include "sound/sdl_sound.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/scripted/scripted_console.h"
#include "engine/main_loop.h"
#include "puzzles/puzzle_sets.h"
#include "sound/clips.h"

namespace blockslide {
namespace {

struct ClipFormat {
    const char *file, *name;
    std::uint32_t channels, data_bytes;
};
// clang-format off
constexpr ClipFormat kClips[] = {{"beep2", "BEEP2", 1, 17088}, {"ding2", "DING2", 2, 80764},
                                 {"done2", "DONE2", 2, 119292}, {"notify2", "NOTIFY2", 1, 10988}};
// clang-format on
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

#ifndef _WIN32
using Samples = std::vector<std::int16_t>;  // interleaved left, right
void pause_ms(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A clip's samples (after its 44-byte header) as a stereo device plays them.
Samples as_played(const char* name) {
    const auto wave = find_clip(name)->wave;
    Samples samples;
    for (std::size_t at = 44; at + 1 < wave.size(); at += 2)
        samples.insert(samples.end(), wave[22] == 1 ? 2 : 1,  // mono: both channels
                       static_cast<std::int16_t>(wave[at] | wave[at + 1] << 8));
    return samples;
}

// What the disk driver gets when each cue is played after its pause.
Samples heard(const std::vector<std::pair<int, const char*>>& cues) {
    const std::string path = ::testing::TempDir() + "sound" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    {
        SdlSound sound(SdlSound::Opening::now);
        for (const auto& [pause, cue] : cues) pause_ms(pause), sound.play(cue);
        pause_ms(1600);
    }
    Samples samples(std::filesystem::file_size(path) / 2);
    std::ifstream(path, std::ios::binary)
        .read(reinterpret_cast<char*>(samples.data()), samples.size() * 2);
    std::filesystem::remove(path);
    return samples;
}

bool silent(Samples::const_iterator from, Samples::const_iterator to) {
    return std::all_of(from, to, [](std::int16_t s) { return s == 0; });
}

TEST(DiskSound, EachCueReachesTheDeviceSampleForSampleAndALaterCueCutsItOff) {
    for (const auto& [cue, clip] : {std::pair{"beep2", "BEEP2"},
                                    {"DING2", "DING2"},
                                    {"Done2", "DONE2"},
                                    {"notify", nullptr}}) {
        SCOPED_TRACE(cue);
        const Samples out = heard({{100, cue}});
        ASSERT_GT(out.size(), 22050u);
        const Samples clip_samples = clip ? as_played(clip) : Samples{};
        const auto start =
            std::search(out.begin(), out.end(), clip_samples.begin(), clip_samples.end());
        ASSERT_TRUE(clip == nullptr || start != out.end()) << "the clip never played whole";
        EXPECT_TRUE(silent(out.begin(), start));
        EXPECT_TRUE(silent(start + clip_samples.size(), out.end()));
    }
    const Samples done = as_played("DONE2"), beep = as_played("BEEP2");
    const Samples out = heard({{100, "done2"}, {300, "beep2"}});
    const auto beep_at = std::search(out.begin(), out.end(), beep.begin(), beep.end());
    ASSERT_NE(beep_at, out.end());
    EXPECT_TRUE(silent(beep_at + beep.size(), out.end())) << "the first clip went on";
    const auto done_at = std::ranges::find_if(out, [](std::int16_t s) { return s != 0; });
    const auto done_first = std::ranges::find_if(done, [](std::int16_t s) { return s != 0; });
    ASSERT_TRUE(done_at < beep_at && beep_at - done_at < std::ssize(done));
    EXPECT_TRUE(std::equal(done_at, beep_at, done_first)) << "not the first clip's start";
}

TEST(NoSoundDevice, NoCuePlaysAndRefusalsRingTheBell) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSound sound(SdlSound::Opening::now);
    for (const char* cue : {"ding2", "done2", "beep2"}) EXPECT_FALSE(sound.play(cue));
    ScriptedConsole keys;
    keys.type("x1BQ");  // three refusals, then the quit question waits
    ConsoleSession session(keys, sound);
    EXPECT_THROW(run_game(farnswog_puzzles()), ScriptExhausted);
    EXPECT_EQ(keys.cues().size(), 3u);
    for (const auto& cue : keys.cues()) EXPECT_EQ(cue.name, "bell");
}

#endif

}  // namespace
}  // namespace blockslide
