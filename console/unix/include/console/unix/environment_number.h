// Numbers a user may set in the environment (LINES, COLUMNS, ESCDELAY).
#pragma once

#include <optional>

namespace blockslide {

// The whole number in variable `name` when it lies from `least` to `most`;
// nothing when it is unset, empty, not a plain number or out of that range,
// so that a value which makes no sense is ignored rather than obeyed.
std::optional<long> environment_number(const char* name, long least, long most);

}  // namespace blockslide
