// What a platform supplies behind the console operations: showing the screen
// model, reading keys and waiting. Every rule of the screen itself is
// in ScreenModel; a backend only presents it.
#pragma once

#include <string>
#include <string_view>

#include "console/screen_model.h"

namespace blockslide {

class ConsoleBackend {
public:
    virtual ~ConsoleBackend() = default;

    // Bring the real screen up to date with the model.
    virtual void present(const ScreenModel& screen) = 0;
    // Block until a key is pressed (see keys.h for the key strings).
    virtual std::string wait_key() = 0;
    // A pending key, or "" at once when there is none.
    virtual std::string poll_key() = 0;
    virtual void flush_keys() = 0;
    virtual void sleep(int milliseconds) = 0;
    virtual void set_title(std::string_view title) = 0;
    // Rings the terminal's bell.
    virtual void bell() = 0;
};

}  // namespace blockslide
