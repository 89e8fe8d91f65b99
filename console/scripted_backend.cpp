#include "console/scripted_backend.h"

#include <algorithm>

#include "console/console.h"

namespace blockslide {

void ScriptedBackend::type(std::string_view characters) {
    for (char c : characters) type_key(std::string(1, c));
}

void ScriptedBackend::type_key(std::string key) {
    type_at(typing_time_ms_, std::move(key));
}

void ScriptedBackend::type_at(std::int64_t at_ms, std::string key) {
    typing_time_ms_ = std::max(typing_time_ms_, at_ms);
    keys_.push_back(TimedKey{typing_time_ms_, std::move(key)});
}

void ScriptedBackend::present(const ScreenModel& screen) {
    if (recording_frames_) frames_.push_back(Frame{now_ms_, screen});
}

std::string ScriptedBackend::wait_key() {
    if (keys_.empty()) throw ScriptExhausted{};
    TimedKey next = std::move(keys_.front());
    keys_.pop_front();
    now_ms_ = std::max(now_ms_, next.at_ms);
    return next.key;
}

std::string ScriptedBackend::poll_key() {
    if (keys_.empty() || keys_.front().at_ms > now_ms_) return "";
    std::string key = std::move(keys_.front().key);
    keys_.pop_front();
    return key;
}

void ScriptedBackend::flush_keys() {
    while (!keys_.empty() && keys_.front().at_ms <= now_ms_) keys_.pop_front();
}

void ScriptedBackend::sleep(int milliseconds) {
    now_ms_ += std::max(milliseconds, 0);
}

void ScriptedBackend::play(std::string_view cue) {
    sounds_.push_back(PlayedSound{now_ms_, std::string(cue), console_screen()});
}

void ScriptedBackend::set_title(std::string_view title) {
    title_ = title;
}

}  // namespace blockslide
