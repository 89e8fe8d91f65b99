#include "engine/quit_confirmation.h"

#include <optional>
#include <string>
#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "console/keys.h"
#include "engine/cues.h"
#include "engine/program_end.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kQuitQuestion = " Do you wish to quit the game? (Y/n) ";
constexpr int kQuestionColor = color::kMagenta;
constexpr int kQuestionBackground = color::kWhite;

// The answer, upper-cased: a key, or the mouse pressed on the question's Y
// or n. Anywhere else the mouse answers nothing.
std::string read_answer() {
    const int row = kStatusRow;
    const int column = centred_column(kQuitQuestion);
    for (;;) {
        const std::string key = console_wait_key();
        const std::optional<MouseButton> button = mouse_button_of(key);
        if (!button) return upper_case_key(key);
        if (!button->pressed || button->row != row) continue;
        for (const char answer : {'Y', 'n'}) {
            if (button->column == column + static_cast<int>(kQuitQuestion.find(answer)))
                return upper_case_key(std::string(1, answer));
        }
    }
}

}  // namespace

void confirm_quit() {
    show_centred_status(kQuitQuestion, kQuestionColor, kQuestionBackground);
    console_show_cursor(true);
    play_sound(cue::kNotice);
    // Yes is the default: every answer but N quits.
    if (read_answer() != "N") end_program();
    console_show_cursor(false);
    blank_status_line();
}

}  // namespace blockslide
