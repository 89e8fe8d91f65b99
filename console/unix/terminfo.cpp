#include "console/unix/terminfo.h"

#include <term.h>

#include <cstdint>

namespace blockslide::terminfo {

bool set_up(const char* name) {
    int error = 0;
    return setupterm(name, -1, &error) == 0;  // OK
}

const char* string(const char* name) {
    const char* value = tigetstr(name);
    const bool absent =
        value == nullptr || value == reinterpret_cast<char*>(static_cast<std::intptr_t>(-1));
    return absent ? nullptr : value;
}

int number(const char* name) {
    return tigetnum(name);
}

bool flag(const char* name) {
    return tigetflag(name) > 0;
}

const char* filled(const char* code, int first, int second) {
    return tiparm(code, first, second);
}

}  // namespace blockslide::terminfo
