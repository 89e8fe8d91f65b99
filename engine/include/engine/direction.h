// The four ways a block can slide. A set of directions is the sum of their
// codes, so each code is one bit.
#pragma once

namespace blockslide {

enum Direction : int { kUp = 1, kRight = 2, kDown = 4, kLeft = 8 };

inline constexpr Direction opposite_direction(Direction direction) {
    switch (direction) {
        case kUp:
            return kDown;
        case kDown:
            return kUp;
        case kRight:
            return kLeft;
        case kLeft:
            return kRight;
    }
    return direction;
}

// True when `directions` holds exactly one direction.
inline constexpr bool is_single_direction(int directions) {
    return directions == kUp || directions == kRight || directions == kDown || directions == kLeft;
}

}  // namespace blockslide
