// The clips each program carries: the files of resources/, byte for byte, as plain 16-bit PCM WAVE
// files of the games' sizes, audible, not clipped, and whole in mono; on Windows also as WAVE
// resources in US English under their cue names. On Unix the mixer plays each clip whole and cuts
// it without a click; a device that fails or sticks is let go, and another opened later. (What
// reaches a real sound server, cue by cue, with none and with one that never answers: tests/e2e.)
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <atomic>
#include <future>
#include <thread>

#include "sound/unix/clip_mixer.h"
#include "sound/unix/streaming_sound.h"
#endif

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numbers>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "sound/clips.h"

namespace blockslide {
namespace {

struct ClipFormat {
    std::string file, name;
    std::uint32_t channels, data_bytes;
    double note_hz;  // the fundamental that must dominate the mono mix; 0: none checked
};

// The clips resources/clips.txt lists; ding2 must ring at 880 Hz.
std::vector<ClipFormat> listed_clips() {
    std::ifstream manifest(BLOCKSLIDE_RESOURCES "/clips.txt");
    std::vector<ClipFormat> clips;
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        ClipFormat clip{};
        if (line.starts_with("#") || !(fields >> clip.file >> clip.channels >> clip.data_bytes))
            continue;
        std::ranges::transform(clip.file, std::back_inserter(clip.name), ::toupper);
        clip.note_hz = clip.file == "ding2" ? 880 : 0;
        clips.push_back(clip);
    }
    return clips;
}
constexpr std::uint32_t kRate = 22050, kBits = 16;
constexpr std::size_t kSamplesAt = 44;  // RIFF header, 16-byte "fmt " chunk, data header

double rms(const std::vector<double>& x) {
    return std::sqrt(std::inner_product(x.begin(), x.end(), x.begin(), 0.0) / x.size());
}

// The power of one frequency in the signal (Goertzel's algorithm).
double power_at(const std::vector<double>& x, double hz) {
    const double c = 2 * std::cos(2 * std::numbers::pi * hz / kRate);
    double a = 0, b = 0;
    for (double v : x) std::tie(a, b) = std::pair(v + c * a - b, a);
    return a * a + b * b - c * a * b;
}

class Clip : public ::testing::TestWithParam<ClipFormat> {};

TEST_P(Clip, IsTheResourceFileAsAPcmWaveWholeInMono) {
    const ClipFormat& clip = GetParam();
    std::ifstream file(BLOCKSLIDE_RESOURCES "/" + clip.file + ".wav", std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    const StoredClip* stored = find_clip(clip.file);
    ASSERT_EQ(stored_clips().size(), listed_clips().size());
    ASSERT_TRUE(stored != nullptr && stored->name == clip.name);
    ASSERT_TRUE(std::ranges::equal(stored->wave, bytes)) << "not the file in resources/";
#ifdef _WIN32
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const HRSRC found = FindResourceExA(nullptr, "WAVE", clip.file.c_str(), english);
    ASSERT_NE(found, nullptr);
    const auto* resource = static_cast<const unsigned char*>(LockResource(LoadResource(0, found)));
    EXPECT_TRUE(std::ranges::equal(std::span(resource, SizeofResource(0, found)), bytes));
#endif
    const auto field = [&](std::size_t at, int size) {  // little-endian
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
        return value;
    };
    // "RIFF" and its size, "WAVEfmt ", 16, PCM, the format, "data" and its size.
    ASSERT_EQ(bytes.size(), kSamplesAt + clip.data_bytes);
    const std::uint32_t frame = clip.channels * kBits / 8;
    EXPECT_EQ((std::vector{field(0, 4), field(4, 4), field(8, 4), field(12, 4), field(16, 4),
                           field(20, 2), field(22, 2), field(24, 4), field(28, 4), field(32, 2),
                           field(34, 2), field(36, 4), field(40, 4)}),
              (std::vector{0x46464952u, std::uint32_t(bytes.size() - 8), 0x45564157u, 0x20746d66u,
                           16u, 1u, clip.channels, kRate, kRate * frame, frame, kBits, 0x61746164u,
                           clip.data_bytes}));
    // Clearly audible, below full scale, faded to silence at both ends; in mono, (L+R)/2, a stereo
    // clip keeps its level and its note.
    std::vector<double> left, right, mono;
    for (std::size_t at = kSamplesAt; at + frame <= bytes.size(); at += frame) {
        left.push_back(std::int16_t(field(at, 2)));
        right.push_back(std::int16_t(field(at + frame - 2, 2)));
        mono.push_back((left.back() + right.back()) / 2);
    }
    const double loudest = std::ranges::max(left, {}, [](double v) { return std::abs(v); });
    EXPECT_GT(std::abs(loudest), 32767 / 4);
    EXPECT_LT(std::abs(loudest), 32767);
    EXPECT_LT(std::abs(left.front()) + std::abs(left.back()), 64);
    EXPECT_GT(20 * std::log10(rms(mono) / std::max(rms(left), rms(right))), -3.0)
        << "the channels cancel in mono";
    if (clip.note_hz > 0) {
        EXPECT_GT(power_at(mono, clip.note_hz), 4 * power_at(mono, 2 * clip.note_hz))
            << clip.note_hz << " Hz does not dominate the mono mix";
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, Clip, ::testing::ValuesIn(listed_clips()),
                         [](const auto& info) { return info.param.file; });

#ifndef _WIN32
using Samples = std::vector<std::int16_t>;  // interleaved left, right

Samples pulled(ClipMixer& mixer, std::size_t frames) {
    Samples out(frames * 2);
    mixer.fill(out);
    return out;
}

int largest_step(const Samples& s) {
    int step = 0;
    for (std::size_t at = 2; at < s.size(); ++at)
        step = std::max(step, std::abs(s[at] - s[at - 2]));
    return step;
}

// A clip plays whole at its own rate (a mono one on both sides); wherever it is cut, by a later cue
// or by the player's end, the output moves no further from one frame to the next than the clip
// itself ever does: the cut makes no click.
TEST(ClipMixer, PlaysEachClipWholeAndCutsItNoSteeperThanItsOwnSteps) {
    for (const char* name : {"beep2", "Ding2", "DONE2", "notify2"}) {  // any case
        const auto wave = find_clip(name)->wave;
        Samples clip;
        for (std::size_t at = kSamplesAt; at + 1 < wave.size(); at += 2)
            clip.insert(clip.end(), wave[22] == 1 ? 2 : 1,
                        std::int16_t(wave[at] | wave[at + 1] << 8));
        ClipMixer whole;
        whole.cue(name);
        Samples out = pulled(whole, clip.size() / 2 + 500);
        EXPECT_EQ(Samples(out.begin(), out.begin() + clip.size()), clip) << name;
        EXPECT_EQ(Samples(out.begin() + clip.size(), out.end()), Samples(1000)) << name;
        for (std::size_t cut = 1; cut < clip.size() / 2; cut += 41) {
            for (bool by_cue : {true, false}) {
                ClipMixer mixer;
                mixer.cue(name);
                Samples cut_off = pulled(mixer, cut);
                by_cue ? mixer.cue(name) : mixer.fade_out();
                const Samples rest = pulled(mixer, 500);
                cut_off.insert(cut_off.end(), rest.begin(), rest.end());
                ASSERT_LE(largest_step(cut_off), largest_step(clip)) << name << " cut at " << cut;
            }
        }
    }
}

using namespace std::chrono_literals;

// A device whose writes fail, or else wait until released.
struct FakeOutput final : PcmOutput {
    explicit FakeOutput(std::shared_future<void> released) : released(std::move(released)) {}
    std::size_t period_frames() const override { return 4; }
    std::size_t buffer_frames() const override { return 8; }
    bool write(std::span<const std::int16_t>) override {
        ++writes;
        return released.valid() && (released.wait(), true);
    }
    void pause() override {}
    std::shared_future<void> released;
    static inline std::atomic<int> now_ms = 0, opened = 0, writes = 0;
};

bool eventually(const auto& done) {  // within seconds, at the device thread's pace
    for (int polls = 0; polls < 5000 && !done(); ++polls) std::this_thread::sleep_for(1ms);
    return done();
}

// The first device fails its first write, the second one's never returns: either counts as gone
// (play() refuses cues, never waiting), until a cue a back-off later opens the next device.
TEST(StreamingSound, RefusesCuesWhileItsDeviceIsGoneAndOpensAnotherLater) {
    std::promise<void> release;
    FakeOutput::opened = FakeOutput::writes = 0;
    StreamingSound sound(
        [released = release.get_future().share()] {
            return std::make_unique<FakeOutput>(++FakeOutput::opened == 1 ? decltype(released)()
                                                                          : released);
        },
        [] { return std::chrono::steady_clock::time_point(FakeOutput::now_ms.load() * 1ms); });
    const auto play_at = [&](std::chrono::milliseconds now) {
        FakeOutput::now_ms = int(now.count());
        return sound.play("beep2");
    };
    const auto stuck = StreamingSound::kStuckAfter, reopen = StreamingSound::kReopenAfter;
    EXPECT_TRUE(eventually([&] { return play_at(0ms); }));
    EXPECT_TRUE(eventually([&] { return !play_at(0ms); })) << "the failed write";
    EXPECT_FALSE(play_at(reopen - 1ms) || FakeOutput::opened != 1 || play_at(reopen));
    EXPECT_TRUE(eventually([&] { return play_at(reopen); }) && FakeOutput::opened == 2);
    ASSERT_TRUE(eventually([&] { return FakeOutput::writes == 2; }));
    EXPECT_TRUE(play_at(reopen + stuck - 1ms));
    EXPECT_FALSE(play_at(reopen + stuck) || play_at(2 * reopen + stuck - 1ms) ||
                 play_at(2 * reopen + stuck));
    EXPECT_TRUE(eventually([&] { return play_at(2 * reopen + stuck); }) && FakeOutput::opened == 3);
    release.set_value();
}
#endif

}  // namespace
}  // namespace blockslide
