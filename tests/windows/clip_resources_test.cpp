#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// Each program carries the clips of resources/ byte for byte, as WAVE
// resources in US English (1033), found by the cue names the games play.
TEST(ClipResources, EveryClipIsStoredUnderItsCueName) {
    for (const char* cue : {"beep2", "ding2", "done2", "notify2"}) {
        const HRSRC found =
            FindResourceExA(nullptr, "WAVE", cue, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        ASSERT_NE(found, nullptr) << cue;
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
        const std::string stored(bytes, SizeofResource(nullptr, found));

        std::ifstream file(std::string(CLIP_DIRECTORY "/") + cue + ".wav", std::ios::binary);
        ASSERT_TRUE(file) << cue;
        const std::string clip{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(stored.substr(0, 4), "RIFF") << cue;
        EXPECT_TRUE(stored == clip) << cue;
    }
}

}  // namespace
