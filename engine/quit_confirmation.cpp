#include "engine/quit_confirmation.h"

#include <string_view>

#include "console/colors.h"
#include "console/console.h"
#include "engine/cues.h"
#include "console/keys.h"
#include "engine/program_end.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kQuitQuestion = " Do you wish to quit the game? (Y/n) ";
constexpr int kQuestionColor = color::kMagenta;
constexpr int kQuestionBackground = color::kWhite;

}  // namespace

void confirm_quit() {
    show_centred_status(kQuitQuestion, kQuestionColor, kQuestionBackground);
    console_show_cursor(true);
    play_sound(cue::kNotice);
    // Yes is the default: every answer but N quits.
    if (upper_case_key(console_wait_key()) != "N") end_program();
    console_show_cursor(false);
    blank_status_line();
}

}  // namespace blockslide
