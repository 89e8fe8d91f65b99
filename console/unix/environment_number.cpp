#include "console/unix/environment_number.h"

#include <cerrno>
#include <cstdlib>

namespace blockslide {

std::optional<long> environment_number(const char* name, long least, long most) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(value, &end, 10);
    if (*end != '\0' || errno != 0 || number < least || number > most) return std::nullopt;
    return number;
}

}  // namespace blockslide
