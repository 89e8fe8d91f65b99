// SDL playback heard through SDL's disk driver (every sample the device gets
// goes to a file, in real time), and through a driver that cannot open.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>

#include "console/console.h"
#include "console/scripted_backend.h"
#include "engine/main_loop.h"
#include "puzzles/puzzle_sets.h"
#include "sound/clips.h"
#include "sound/sdl_sound.h"

namespace blockslide {
namespace {

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
        SdlSound sound(SdlSound::Opening::now, [] { ADD_FAILURE() << "a bell with a device"; });
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
        const auto start = clip ? std::ranges::search(out, clip_samples).begin() : out.end();
        ASSERT_TRUE(clip == nullptr || start != out.end()) << "the clip never played whole";
        EXPECT_TRUE(silent(out.begin(), start));
        EXPECT_TRUE(silent(start + clip_samples.size(), out.end()));
    }
    const Samples done = as_played("DONE2"), beep = as_played("BEEP2");
    const Samples out = heard({{100, "done2"}, {300, "beep2"}});
    const auto beep_at = std::ranges::search(out, beep).begin();
    ASSERT_NE(beep_at, out.end());
    EXPECT_TRUE(silent(beep_at + beep.size(), out.end())) << "the first clip went on";
    const auto done_at = std::ranges::find_if(out, [](std::int16_t s) { return s != 0; });
    const auto done_first = std::ranges::find_if(done, [](std::int16_t s) { return s != 0; });
    ASSERT_TRUE(done_at < beep_at && beep_at - done_at < std::ssize(done));
    EXPECT_TRUE(std::equal(done_at, beep_at, done_first)) << "not the first clip's start";
}

TEST(NoSoundDevice, BeepRingsTheBellAndTheGameGoesOn) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    int bells = 0;
    SdlSound sound(SdlSound::Opening::now, [&] { ++bells; });
    for (const char* cue : {"ding2", "done2", "notify2", "beep", "BEEP2"}) sound.play(cue);
    EXPECT_EQ(bells, 1);
    ScriptedBackend keys;
    keys.type("x1BQ");  // three refusals, then the quit question waits
    ConsoleSession session(keys, sound);
    EXPECT_THROW(run_game(farnswog_puzzles()), ScriptExhausted);
    EXPECT_EQ(bells, 4);

    // Opened in the background, the device never holds play up.
    int late_bells = 0;
    SdlSound background(SdlSound::Opening::in_background, [&] { ++late_bells; });
    for (int i = 0; i < 100 && late_bells == 0; ++i) background.play("beep2"), pause_ms(20);
    EXPECT_EQ(late_bells, 1);
}

}  // namespace
}  // namespace blockslide
