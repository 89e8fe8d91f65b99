// Leaving the game: Q and Esc at the direction prompt ask the quit question,
// N (either case) goes on where play stood, every other answer ends the
// program with exit code 0, and Esc while choosing a block ends it at once.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct QuitCase {
    std::string name;
    const ProgramFacts* program;
    std::string steps;
    std::optional<int> exit_code;
    std::string sounds;
    const StatusText* status;  // alone on the status line
    friend void PrintTo(const QuitCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<QuitCase> quit_cases() {
    const ProgramFacts* a = &farnswog();
    const ProgramFacts* b = &traxolumbine();
    constexpr std::nullopt_t kWaits = std::nullopt;
    std::vector<QuitCase> cases = {
        {"QAsks", a, "2L Q", kWaits, "ding2", &kQuitQuestion},
        {"QAsksInB", b, "q", kWaits, "ding2", &kQuitQuestion},
        {"LowerNGoesOn", a, "2L q n", kWaits, "ding2", kBlankStatus},
        {"UpperNGoesOn", a, "2L q N", kWaits, "ding2", kBlankStatus},
        {"NGoesOnInB", b, "q N", kWaits, "ding2", kBlankStatus},
        {"NextCommandAfterNIsCarriedOut", a, "2L q N B", kWaits, "ding2", kBlankStatus},
        // After 2 left, block 3 can go up or left, so "3" asks for an arrow.
        {"EscAtTheDirectionPromptAsks", a, "2L 3 <Esc>", kWaits, "ding2", &kQuitQuestion},
        // The block choice is gone (an arrow only beeps) and the question
        // does not come back with the next command.
        {"NAfterEscAbandonsTheBlock", a, "2L 3 <Esc> n <Up> b", kWaits, "ding2 beep2",
         kBlankStatus},
        {"YesAfterEscAtTheDirectionPrompt", a, "2L 3 <Esc> <Enter>", 0, "ding2", &kQuitQuestion},
        {"EscAtTheFirstPromptEndsAtOnce", a, "<Esc>", 0, "", &kFirstPrompt},
        {"EscAtTheFirstPromptEndsAtOnceInB", b, "<Esc>", 0, "", &kFirstPrompt},
        {"EscAfterAMoveEndsAtOnce", a, "2L <Esc>", 0, "", kBlankStatus},
    };
    const std::vector<std::pair<std::string, std::string>> yes_answers = {
        {"Enter", "<Enter>"},    {"Space", "<Space>"},   {"Esc", "<Esc>"},
        {"UpperY", "Y"},         {"LowerY", "y"},        {"Digit", "2"},
        {"DownArrow", "<Down>"}, {"LeftArrow", "<Left>"}};
    for (const auto& [name, key] : yes_answers) {
        cases.push_back({"Answer" + name + "Quits", a, "2L Q " + key, 0, "ding2", &kQuitQuestion});
    }
    return cases;
}

class Quit : public ::testing::TestWithParam<QuitCase> {};

TEST_P(Quit, AsksAndEndsOrGoesOnAsAnswered) {
    const QuitCase& quit = GetParam();
    ShadowedGame game(*quit.program, quit.steps);
    if (quit.exit_code) game.type("b");  // never read
    EXPECT_EQ(game.run(), quit.exit_code);
    EXPECT_EQ(game.console().keys_left(), quit.exit_code ? 1u : 0u);
    EXPECT_TRUE(game.matches(quit.sounds));
    EXPECT_EQ(status_line_differences(game.screen(), quit.status), "");
    // The cursor shows only with the question, on the cell after it.
    EXPECT_EQ(game.screen().cursor_visible(), quit.status == &kQuitQuestion);
    if (quit.status == &kQuitQuestion) {
        EXPECT_EQ(game.screen().cursor_row(), kStatusRow);
        EXPECT_EQ(game.screen().cursor_column(), kQuitQuestion.column + kQuitQuestion.length());
    }
    if (game.board.move_count() > 0) {
        EXPECT_EQ(game.attribute(kStatusRow, kMoveCounterColumn), kMoveCounterAttribute);
    }
}

INSTANTIATE_TEST_SUITE_P(Each, Quit, ::testing::ValuesIn(quit_cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide::testing
