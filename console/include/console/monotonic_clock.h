// Milliseconds on a clock that only goes forward, for waits and deadlines on
// every platform.
#pragma once

#include <chrono>

namespace blockslide {

inline long monotonic_ms() {
    using namespace std::chrono;
    return static_cast<long>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace blockslide
