#include "console/console.h"
#include "console/keys.h"
#include "engine/program_end.h"
#include "engine/shell.h"
#include "engine/status_line.h"

namespace blockslide {

namespace {

constexpr std::string_view kQuitQuestion = " Do you wish to quit the game? (Y/n) ";
constexpr int kQuestionColor = 5;
constexpr int kQuestionBackground = 15;

}  // namespace

void confirm_quit(GameState& game) {
    show_centred_status(kQuitQuestion, kQuestionColor, kQuestionBackground);
    console_show_cursor(true);
    play_sound("ding2");
    game.last_key = upper_case_key(console_wait_key());
    // Yes is the default: every answer but N quits.
    if (game.last_key != "N") end_program();
    console_show_cursor(false);
    blank_status_line();
}

}  // namespace blockslide
