#include "console/unix/terminfo.h"

#include <pthread.h>
#include <term.h>

#include <cstddef>
#include <cstdint>

namespace blockslide::terminfo {

namespace {

// ncurses reads a description with some 64 KB of buffers on the stack, more
// than a small stack (ulimit -s 64) has room for: it reads on a thread with
// a stack of this size instead.
constexpr std::size_t kReadingStack = std::size_t{256} * 1024;

struct Request {
    const char* name;
    bool loaded;
};

void* load(void* request) {
    auto& asked = *static_cast<Request*>(request);
    // Only one description is ever in use: one read before is let go.
    if (cur_term != nullptr) del_curterm(cur_term);
    int error = 0;
    asked.loaded = setupterm(asked.name, -1, &error) == 0;  // OK
    return nullptr;
}

}  // namespace

bool set_up(const char* name) {
    Request request{name, false};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kReadingStack);
    pthread_t reader;
    const bool started = pthread_create(&reader, &attributes, load, &request) == 0;
    pthread_attr_destroy(&attributes);
    if (started) {
        pthread_join(reader, nullptr);
    } else {
        load(&request);
    }
    return request.loaded;
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
