#include "console/scripted/scripted_console.h"

#include <algorithm>

namespace blockslide {

void ScriptedConsole::type(std::string_view characters) {
    for (char c : characters) type_key(std::string(1, c));
}

void ScriptedConsole::type_key(std::string key) {
    type_at(typing_time_ms_, std::move(key));
}

void ScriptedConsole::type_at(std::int64_t at_ms, std::string key) {
    typing_time_ms_ = std::max(typing_time_ms_, at_ms);
    keys_.push_back(TimedKey{typing_time_ms_, std::move(key)});
}

const ScreenModel ScriptedConsole::kNothingShown;

void ScriptedConsole::present(const ScreenModel& screen) {
    presented_ = &screen;
    if (recording_frames_) frames_.push_back(Frame{now_ms_, screen});
}

std::string ScriptedConsole::wait_key() {
    if (keys_.empty()) throw ScriptExhausted{};
    TimedKey next = std::move(keys_.front());
    keys_.pop_front();
    now_ms_ = std::max(now_ms_, next.at_ms);
    return next.key;
}

std::string ScriptedConsole::poll_key() {
    if (keys_.empty() || keys_.front().at_ms > now_ms_) return "";
    std::string key = std::move(keys_.front().key);
    keys_.pop_front();
    return key;
}

void ScriptedConsole::flush_keys() {
    while (!keys_.empty() && keys_.front().at_ms <= now_ms_) keys_.pop_front();
}

void ScriptedConsole::sleep(int milliseconds) {
    now_ms_ += std::max(milliseconds, 0);
}

void ScriptedConsole::set_title(std::string_view title) {
    title_ = title;
}

void ScriptedConsole::bell() {
    log_cue("bell");
}

bool ScriptedConsole::play(std::string_view cue) {
    if (!sound_device_) return false;
    log_cue(cue);
    return true;
}

void ScriptedConsole::log_cue(std::string_view name) {
    cues_.push_back(Cue{now_ms_, std::string(name)});
    if (recording_cue_screens_) cue_screens_.push_back(*presented_);
}

}  // namespace blockslide
