// Choosing and moving blocks from the keyboard: one-way and two-way blocks,
// the direction prompt, refusals with their beep and flash, the strip a block
// leaves and the move counter.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/game_facts.h"
#include "tests/shadow_board.h"

namespace blockslide::testing {
namespace {

struct KeyCase {
    std::string name;
    const ProgramFacts* program;
    std::string steps;
    std::string sounds;
    const StatusText* status;  // alone on the status line
    int flashes = 0;           // of 200 ms each, back to back from time 0
    int flashed = 0;           // the block that flashes, where it ends up; 0: not looked at
    int ink = 0;
    int body = 0;
    friend void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }
};

// In TRAXOLUMBINE after these moves block 1 stands between two free cells.
constexpr std::string_view kBlockOneGoesUpOrDown = "2D 2D 1D 1 ";

std::vector<KeyCase> key_cases() {
    const ProgramFacts* a = &farnswog();
    const ProgramFacts* b = &traxolumbine();
    const std::string two_way(kBlockOneGoesUpOrDown);
    const std::string beeps5 = repeated_with_blanks("beep2", 5);
    // After 86 stored moves block 1 stands at column 13 with room on its right.
    const std::string before_1r(a->puzzle(1).solution.substr(0, 3 * 86 - 1));
    std::vector<KeyCase> cases;
    for (const ProgramFacts* program : {a, b}) {
        for (std::string_view move : program->start_moves) {
            cases.push_back({std::string(program->name) + "OneWayMove" + std::string(move), program,
                             std::string(move), "", kBlankStatus});
        }
    }
    const std::vector<KeyCase> more = {
        {"TwoWayBlockAsksForADirection", b, two_way, "", &kDirectionPrompt},
        {"UpArrowMovesIt", b, "2D 2D 1D 1U", "", kBlankStatus},
        {"DownArrowMovesIt", b, "2D 2D 1D 1D", "", kBlankStatus},
        {"CommandAtThePromptIsCarriedOut", b, two_way + "f", "", &kDirectionPrompt},
        {"OneWayBlockAtThePromptMoves", b, two_way + "2U", "", kBlankStatus},
        // After 2 left blocks 3 and 2 can each go two ways.
        {"TwoWayBlockAtThePromptTakesTheArrow", a, "2L 3 2D", "", kBlankStatus},
        {"RefusedKeysAtThePromptFlashWhite", b, two_way + "<Left> <Right> X <Enter> 0", beeps5,
         &kDirectionPrompt, 5, 1, kBlockInk, kWhite},
        {"ArrowAfterRefusalsStillMoves", b, two_way + "<Right> x <Up> =1U", "beep2 beep2",
         kBlankStatus, 2},
        {"StuckBlockAtThePromptEndsTheChoice", b, two_way + "5 <Up>", "beep2 beep2",
         &kDirectionPrompt, 1, 5, kBlue, kYellow},
        {"StuckBlockFlashesBlueOnYellow", a, "5", "beep2", &kFirstPrompt, 1, 5, kBlue, kYellow},
        {"BlockTenIsChosenWithZero", a, "0", "beep2", &kFirstPrompt, 1, 10, kBlue, kYellow},
        {"ZeroIsNoBlockInB", b, "0", "beep2", &kFirstPrompt},
        {"NonCommandKeysOnlyBeep", a, "2L xg <Enter> <Up>", "beep2 beep2 beep2 beep2",
         kBlankStatus},
        // The strip a block leaves is blanked and nothing else changes.
        {"StripOneCellDown", a, "2L 3L 1D", "", kBlankStatus},
        {"StripOneCellUp", a, "2L 3L 1D 4U", "", kBlankStatus},
        {"StripRightFromColumn13", a, before_1r + " 1R", "", kBlankStatus},
        {"StripTwoByTwoRight", b, "2D 2D 1D 1D 9R", "", kBlankStatus},
        {"StripTwoByTwoLeft", b, "2D 2D 1D 1D 9R 9L", "", kBlankStatus},
        {"StripWideRight", a, "2L 3L 1D 4U 8R 9D 6R", "", kBlankStatus},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, MoveOrAreRefusedAsThePromptsSay) {
    const KeyCase& keys = GetParam();
    ShadowedGame game(*keys.program, keys.steps);
    game.console().record_frames(true);
    ASSERT_EQ(game.run(), std::nullopt);
    EXPECT_TRUE(game.matches(keys.sounds));
    EXPECT_EQ(status_line_differences(game.screen(), keys.status), "");
    EXPECT_EQ(game.now_ms(), keys.flashes * kFlashMs);
    if (keys.flashed != 0) {
        EXPECT_EQ(game.flashes_of(keys.flashed, keys.ink, keys.body),
                  flash_series(0, keys.flashes, kFlashMs));
    }
}

INSTANTIATE_TEST_SUITE_P(Each, Keys, ::testing::ValuesIn(key_cases()),
                         [](const auto& info) { return info.param.name; });

// Light cyan on black from column 69, blanks after it to column 80 and
// nothing on row 25; a count too long for that room starts further left.
TEST(MoveCounter, StaysOnRow24EndingAtColumn80AtMost) {
    for (const auto& [moves, column, row_24] : {std::tuple{1, 69, "Moves: 1    "},
                                                {12, 69, "Moves: 12   "},
                                                {100, 69, "Moves: 100  "},
                                                {100000, 68, "Moves: 100000"}}) {
        SCOPED_TRACE(moves);
        // TRAXOLUMBINE block 5 shuttles left and right, one way each time.
        ScriptedGame game(traxolumbine().puzzle_set());
        game.type(std::string(moves, '5'));
        ASSERT_EQ(game.run(), std::nullopt);
        ExpectedScreen expected;
        expected.put(kStatusRow, column, row_24, kLightCyan, kBlack);
        EXPECT_EQ(expected.differences(game.screen(), {kStatusRow, 1, kScreenRows, kScreenColumns}),
                  "");
    }
}

}  // namespace
}  // namespace blockslide::testing
