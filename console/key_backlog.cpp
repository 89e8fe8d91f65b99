#include "console/key_backlog.h"

#include <utility>

namespace blockslide {

void KeyBacklog::push(std::string key, bool make_room) {
    if (count_ == kCapacity && !make_room) return;
    if (count_ == kCapacity) {
        oldest_ = (oldest_ + 1) % kCapacity;
        --count_;
    }
    keys_[(oldest_ + count_) % kCapacity] = std::move(key);
    ++count_;
}

std::string KeyBacklog::take() {
    if (count_ == 0) return {};
    std::string key = std::move(keys_[oldest_]);
    oldest_ = (oldest_ + 1) % kCapacity;
    --count_;
    return key;
}

}  // namespace blockslide
