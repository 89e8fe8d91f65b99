#include "console/key_backlog.h"

#include <utility>

namespace blockslide {

void KeyBacklog::push(std::string key) {
    if (count_ == kCapacity) {
        oldest_ = (oldest_ + 1) % kCapacity;
        --count_;
    }
    push_if_room(std::move(key));
}

void KeyBacklog::push_if_room(std::string key) {
    if (count_ == kCapacity) return;
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
