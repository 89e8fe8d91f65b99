// Bytes to the terminal in one piece, waiting while it reads slowly: without
// a limit until a signal that ends the program comes, with one (on the way
// out) until the limit, whatever comes.
#pragma once

#include <string_view>

namespace blockslide {

inline constexpr long kNoLimit = -1;

// False when not all of `bytes` could be written (the rest is dropped).
bool send_to_terminal(std::string_view bytes, long limit_ms = kNoLimit);

}  // namespace blockslide
