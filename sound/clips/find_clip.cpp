#include <algorithm>
#include <cctype>

#include "sound/clips.h"

namespace blockslide {

namespace {

bool same_letters(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    // std::equal rather than std::ranges::equal: emscripten 3.1's library has no ranges::equal.
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

const StoredClip* find_clip(std::string_view name) {
    for (const StoredClip& clip : stored_clips())
        if (same_letters(clip.name, name)) return &clip;
    return nullptr;
}

}  // namespace blockslide
