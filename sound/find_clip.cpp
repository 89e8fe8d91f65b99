#include <algorithm>
#include <cctype>

#include "sound/clips.h"

namespace blockslide {

namespace {

bool same_letters(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    return std::ranges::equal(a, b, [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

const StoredClip* find_clip(std::string_view name) {
    for (const StoredClip& clip : stored_clips())
        if (same_letters(clip.name, name)) return &clip;
    return nullptr;
}

}  // namespace blockslide
