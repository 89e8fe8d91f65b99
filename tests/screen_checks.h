// Reading the program's screen back: texts as UTF-8, the move counter, the
// status line, and when a sound was played.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/screen_model.h"
#include "console/scripted_backend.h"
#include "tests/game_facts.h"

namespace blockslide::testing {

// The glyphs of `length` cells from (row, column), as UTF-8.
std::string text_at(const ScreenModel& screen, int row, int column, int length);
// "Moves: n" as it stands from column 69 without the blanks after it; ""
// when the counter is not shown.
std::string move_counter(const ScreenModel& screen);
// The counter text after `moves` moves.
std::string counter_after(int moves);

// The status-line text at its place, in its colours.
::testing::AssertionResult shows(const ScreenModel& screen, const StatusText& text);
// Every cell of the span is a blank, black on black.
::testing::AssertionResult black_blanks(const ScreenModel& screen, int row, int column, int length);
// Columns 13 to 62 of the status line are black blanks.
::testing::AssertionResult status_line_blank(const ScreenModel& screen);

std::vector<std::int64_t> sound_times(const ScriptedBackend& console, std::string_view cue);

}  // namespace blockslide::testing
