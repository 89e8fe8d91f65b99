// Keys waiting to be read, like a PC's keyboard buffer: it holds a few, and
// when a held key fills it the oldest waiting key makes room, so the key
// typed last is never the one lost.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace blockslide {

class KeyBacklog {
public:
    static constexpr std::size_t kCapacity = 16;

    void push(std::string key);
    // The oldest waiting key, or "".
    std::string take();
    void clear() { count_ = 0; }
    bool empty() const { return count_ == 0; }

private:
    std::array<std::string, kCapacity> keys_{};
    std::size_t oldest_ = 0;
    std::size_t count_ = 0;
};

}  // namespace blockslide
