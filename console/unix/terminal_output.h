// Bytes to the terminal in one piece, waiting while it reads slowly, but
// never for a terminal that has stopped reading once a signal that ends the
// program has come, nor longer than a limit on the way out.
#pragma once

#include <string_view>

namespace blockslide {

inline constexpr long kNoLimit = -1;

// False when not all of `bytes` could be written (the rest is dropped).
bool send_to_terminal(std::string_view bytes, long limit_ms = kNoLimit);

}  // namespace blockslide
