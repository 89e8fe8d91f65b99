#include "engine/player_input.h"

#include "console/console.h"
#include "console/keys.h"
#include "engine/refusals.h"

namespace blockslide {

namespace {

bool is_release(const std::string& key) {
    const std::optional<MouseButton> button = mouse_button_of(key);
    return button && !button->pressed;
}

}  // namespace

std::string PlayInput::read_key(const GameState& game, std::optional<int> chosen) {
    for (;;) {
        if (std::string key = gestures_.next_key(); !key.empty()) return key;
        if (const std::optional<int> refused = gestures_.take_refusal())
            refuse_wrong_way(game, *refused);
        std::string key = console_wait_key();
        const std::optional<MouseButton> button = mouse_button_of(key);
        if (!button) return upper_case_key(key);
        gestures_.take(game, *button, chosen);
    }
}

std::string wait_any_key() {
    for (;;) {
        std::string key = console_wait_key();
        if (!is_release(key)) return key;
    }
}

std::string poll_any_key() {
    std::string key = console_poll_key();
    return is_release(key) ? std::string{} : key;
}

}  // namespace blockslide
