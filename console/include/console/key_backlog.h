// Keys waiting to be read, like a PC's keyboard buffer: it holds a few. When
// a held key has filled it, the oldest waiting key makes room for a new one,
// so the key typed last is never the one lost; but keys that come all at
// once, as a paste does, only take the room there is, so that what the paste
// begins with is what counts.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace blockslide {

class KeyBacklog {
public:
    static constexpr std::size_t kCapacity = 16;

    // A key typed: the oldest waiting key goes if there is no room.
    void push(std::string key);
    // A key that came at once with others before it: kept only if there is room.
    void push_if_room(std::string key);
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
