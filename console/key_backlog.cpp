#include "console/key_backlog.h"

#include <utility>

namespace blockslide {

void KeyBacklog::push(std::string key) {
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
