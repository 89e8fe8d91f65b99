// Whole games as lists of keys and what follows: block keys with one or two ways to go, refusals
// with their beep and flash, the strip a block leaves, the move counter, Back and Last, the tip,
// each cue at its event, the stored solutions by keys and by mouse, clicks and drags, auto-play
// stopped by a key, leaving the game, and each fresh puzzle under its title with the bar yellow
// until the first key.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/played_game.h"

namespace blockslide::test {
namespace {

struct Flash {
    int block = 0, ink = 0, body = 0, times = 0;  // block 0: none looked for
};
constexpr Flash flashed(int block, int ink, int body, int times) {
    return {block, ink, body, times};
}
constexpr Flash kNoFlash{};
constexpr std::optional<int> kPlaying;  // the game still waits for a key at the end

struct PlayCase {
    std::string name;
    const ProgramFacts& program;
    std::string steps;
    StatusText status;  // alone on the status line at the end
    std::string cues = "";
    std::int64_t ms = 0;  // the virtual time at the end
    Flash flash = {};
    std::optional<int> exit_code = std::nullopt;
    const StatusText* cue_shows = nullptr;  // on the screen when the last cue starts
    std::int64_t key_at = -1;               // `late` typed then
    std::string late = "x";
    bool sound_device = true;  // without one, a refusal rings the bell
    std::size_t unread = 0;    // keys typed after the last one read (a click's release)
    int bar = -1;              // the puzzle's bar colour (-1: not looked at)
};

StatusText tip(std::string_view text) {
    return {text, 40 - static_cast<int>(text.size()) / 2, kLightGray, kBlack};
}

// The stored moves as steps; "=": made on the board model only.
std::string solution(const ProgramFacts& program, int game_number, std::string_view mark = "") {
    std::string steps = game_number == 2 ? "G " : "";
    for (MoveCode move : program.puzzle_set().puzzles[game_number - 1].solution)
        steps += std::string(mark) + std::string(move) + " ";
    return steps;
}

// In blockslide-b after these moves block 1 has free cells above and below.
const std::string kTwoWays = "2D 2D 1D 1 ";

// clang-format off
std::vector<PlayCase> play_cases() {
    const ProgramFacts& a = farnswog();
    const ProgramFacts& b = traxolumbine();
    const std::string long_game = repeated("9R 9L ", 500) + "2L ";  // 1001 moves
    const Flash stuck = flashed(5, kBlue, kYellow, 1), unflashed = flashed(9, 0, kWhite, 0);
    std::vector<PlayCase> cases = {
        {"SolvedB1", b, solution(b, 1) + "<Esc>", kCongratulation, "done2", 9 * kFlashMs,
         flashed(9, 0, kWhite, 5), 0, &kCongratulation},
        {"SolvedAByMouse", a, solution(a, 1, "@") + "~1", kCongratulation, "done2",
         9 * kFlashMs, flashed(10, 0, kWhite, 5), 0},
        {"SolvedB2ByMouse", b, "*8,5 " + solution(b, 2, "@").substr(2) + "~!", kCongratulation,
         "ding2 done2", 9 * kFlashMs, flashed(9, 0, kWhite, 5), 0},
        {"OtherGoalB2", b, "G " + solution(b, 1), kBlankStatus, "ding2"},
        // A key stops auto-play after the pause that follows a move: no flash, a fresh puzzle,
        // whose first move blanks the prompt.
        {"AutoPlayStoppedEarly", b, "~A =2D", kBlankStatus, "ding2 ding2", replay_move_time(2),
         unflashed, kPlaying, nullptr, 100, "x2"},
        {"AutoPlayStoppedAfterMove4", b, "~A", kFirstPrompt, "ding2 ding2", replay_move_time(5),
         unflashed, kPlaying, nullptr, 3000},
        {"KeysBeforeAutoPlayDropped", a, "~Ax " + solution(a, 1, "="), kAnyKey, "ding2",
         replay_move_time(118) + kReplayPauseMs + 5 * kFlashMs, flashed(10, 0, kWhite, 3)},
        {"NoGameInA", a, "~gg", kFirstPrompt, "beep2 beep2", 0, kNoFlash, kPlaying, &kFirstPrompt},
        {"OnlyWayA2L", a, "2L", kBlankStatus},
        {"TwoWaysAskForAnArrow", b, kTwoWays, kDirectionPrompt},
        {"TwoWaysInA", a, "2L 3 2D", kBlankStatus},
        {"CommandAtThePrompt", b, kTwoWays + "f", kDirectionPrompt},
        {"OtherBlockAtThePrompt", b, kTwoWays + "2U", kBlankStatus},
        {"RefusedKeysAtThePrompt", b, kTwoWays + "<Left> <Right> X <Enter> ~0", kDirectionPrompt,
         repeated("beep2 ", 4) + "beep2", 5 * kFlashMs, flashed(1, 0, kWhite, 5)},
        {"ArrowAfterARefusal", b, kTwoWays + "<Right> =1U <Up>", kBlankStatus, "beep2", kFlashMs},
        {"StuckBlockAtThePrompt", b, kTwoWays + "~5 <Up>", kDirectionPrompt, "beep2 beep2",
         kFlashMs, stuck},
        {"StuckBlock", a, "~5", kFirstPrompt, "beep2", kFlashMs, stuck, kPlaying, &kFirstPrompt},
        {"ZeroChoosesBlockTen", a, "~0", kFirstPrompt, "beep2", kFlashMs, flashed(10, kBlue, kYellow, 1)},
        {"ZeroIsNoBlockInB", b, "~0", kFirstPrompt, "beep2", 0, kNoFlash, kPlaying, &kFirstPrompt},
        {"NonCommandKeysBeep", a, "2L ~xg <Enter> <Up>", kBlankStatus, "beep2 beep2 beep2 beep2"},
        {"StripsOfWideBlocks", a, "2L 3L 1D 4U 8R 9D 6R", kBlankStatus},
        {"StripsOfTheBigBlock", b, "2D 2D 1D 1D 9R 9L", kBlankStatus},
        {"Back", a, "2L 1D 6R B", kBlankStatus},
        {"MovesAfterBack", a, "2L 1D b 1D b b", kBlankStatus},
        {"BackAtThePromptEmpties", a, "2L 3 b b", kBlankStatus, "beep2"},
        {"LastAndBackAtTheStart", a, "~L b", kFirstPrompt, "beep2 beep2", 0, kNoFlash, kPlaying, &kFirstPrompt},
        {"HelpEmptiesTheHistory", a, "2L H ~x b F F", kFirstPrompt, "beep2"},
        {"LastAfterBack", a, "2L 1D b ~l", kBlankStatus, "", kFlashMs, flashed(2, kRed, kWhite, 1)},
        {"BackReachesTheNewest1000", a, long_game + "3L " + repeated("B ", 1000), kBlankStatus},
        {"Back1001Beeps", a, long_game + repeated("B ", 1001), kBlankStatus, "beep2"},
        {"LowerNGoesOn", a, "2L q ~n", kBlankStatus, "ding2"},
        {"CommandAfterN", a, "2L q ~N B", kBlankStatus, "ding2"},
        {"NAfterEscDropsTheBlock", a, "2L 3 <Esc> ~N <Up> b", kBlankStatus, "ding2 beep2"},
        {"EscAtTheStartEnds", a, "<Esc>", kFirstPrompt, "", 0, kNoFlash, 0},
        // The tip flashes as Last does and changes nothing: Back still takes back the last move.
        {"TipAtTheStart", a, "~t", tip("118 moves to go"), "", kFlashMs, flashed(2, kRed, kWhite, 1)},
        {"TipThenBack", b, "2D 2D ~T b", kBlankStatus, "", kFlashMs},
        {"TipAtThePrompt", b, "G " + kTwoWays + "~t", tip("80 moves to go"), "ding2", kFlashMs},
        // After the first 23 stored moves block 5 may go right only, after 24 either way; beside
        // it, the board's first column.
        {"ClickOnACorner", a, solution(a, 1).substr(0, 23 * 3) + "*2,13 =5R", kBlankStatus},
        {"LetGoOffTheBoardAtThePrompt", a, solution(a, 1).substr(0, 24 * 3) + "5 *4,13>4,12", kDirectionPrompt},
        {"ClickAtThePromptIsTheArrow", b, kTwoWays + "*4,40 =1U", kBlankStatus},
        {"ClickOffTheBoardAtThePrompt", b, kTwoWays + "*23,40 *1,1", kDirectionPrompt},
        {"DragAcrossFreeCellsAtThePrompt", b, kTwoWays + "*4,40>14,40", kDirectionPrompt},
        {"DragTheWrongWay", a, "@5D", kFirstPrompt, "beep2", kFlashMs, flashed(5, 0, kWhite, 1)},
        {"DragOntoTheBoxRefused", a, "@1U", kFirstPrompt, "beep2", kFlashMs, flashed(1, 0, kWhite, 1)},
        {"ClickOnQuit", a, "2L *14,7", kQuitQuestion, "ding2"},
        {"ClickOnN", a, "2L Q *24,56", kBlankStatus, "ding2"},
        {"ClickElsewhereAtTheQuestion", a, "2L Q *24,30 *3,20", kQuitQuestion, "ding2"},
        {"ClickOnY", a, "2L Q *24,54", kQuitQuestion, "ding2", 0, kNoFlash, 0, nullptr, -1, "", true, 1},
        {"ClickOnHelpAndToCloseIt", b, "*14,4 *1,1 4R", kBlankStatus},
        {"ClickOnEachCommand", b, "*8,4 *9,5 *10,6 *11,7 *12,4 *13,5", kFirstPrompt,
         "ding2 beep2 beep2 ding2 ding2 ding2", replay_move_time(2), kNoFlash, kPlaying, nullptr, 100},
        {"BellWithoutASoundDevice", a, "~x 2L q", kQuitQuestion, "bell", 0, kNoFlash, kPlaying, nullptr, -1,
         "", false},
    };
    for (std::string yes : {"<Enter>", "~y", "<Down>", "<Esc>"})  // all quit
        cases.push_back({"Answer" + std::to_string(cases.size()), a, "2L 3 <Esc> " + yes,
                         kQuitQuestion, "ding2", 0, kNoFlash, 0});
    // A fresh puzzle keeps the face's style; the key that closes the instructions is no command.
    struct Start {
        std::string name;
        const ProgramFacts& program;
        std::string steps, cues;
        int bar = kYellow;
    };
    for (const Start& start : {
             Start{"ProgramStartA", a, "", ""}, Start{"ProgramStartB", b, "", ""},
             Start{"PuzzleTwoB", b, "G", "ding2"},
             Start{"BackToPuzzleOneB", b, "g g", "ding2 ding2"},
             Start{"BarGrayAfterARefusedKeyA", a, "~X", "beep2", kLightGray},
             Start{"RestartA", a, "2L 1D R", "ding2"},
             Start{"RestartEmptiesTheHistory", a, "2L 1D r ~b", "ding2 beep2", kLightGray},
             Start{"ZombieSurvivesRestart", a, "f 2L r", "ding2"},
             Start{"SecondFGivesTheNiceManBack", b, "f F r", "ding2"},
             Start{"HelpClosedByEsc", a, "f H <Esc>", ""},
             Start{"HelpClosedByABlockKey", a, "H ~3", ""},
             Start{"HelpAfterMovesA", a, "f 2L 1D H <Esc>", ""},
             Start{"GameAfterMovesB", b, "2D 2D 1D 1D 9R f G", "ding2"}}) {
        cases.push_back({start.name, start.program, start.steps, kFirstPrompt, start.cues, 0,
                         kNoFlash, kPlaying, nullptr, -1, "", true, 0, start.bar});
    }
    // A whole auto-play, then a key: the puzzle afresh, as the face was before.
    const std::int64_t replayed_a = replay_move_time(118) + kReplayPauseMs + 5 * kFlashMs;
    const std::int64_t replayed_b = replay_move_time(41) + kReplayPauseMs + 5 * kFlashMs;
    cases.push_back({"AutoPlayA", a, "2L 1D ~a =R", kFirstPrompt, "ding2 ding2", replayed_a,
                     kNoFlash, kPlaying, nullptr, replayed_a, "x", true, 0, kYellow});
    cases.push_back({"ZombieAfterAutoPlayB", b, "f ~A =R", kFirstPrompt, "ding2 ding2", replayed_b,
                     kNoFlash, kPlaying, nullptr, replayed_b, "x", true, 0, kYellow});
    return cases;
}
// clang-format on

void PrintTo(const PlayCase& play, std::ostream* out) {
    *out << play.name;
}

class Play : public ::testing::TestWithParam<PlayCase> {};

TEST_P(Play, EndsAsTheRulesSay) {
    const PlayCase& play = GetParam();
    PlayedGame game(play.program, play.steps);
    if (play.exit_code) game.console.type("b");  // never read
    for (char key : play.key_at >= 0 ? play.late : "") game.console.type_at(play.key_at, {key});
    game.console.set_sound_device(play.sound_device);
    game.console.record_frames(play.flash.block != 0);
    game.console.record_cue_screens(play.cue_shows != nullptr);
    EXPECT_EQ(game.run(), play.exit_code);
    EXPECT_EQ(game.console.keys_left(), play.unread + (play.exit_code ? 1u : 0u));
    ExpectedScreen expected = game.expected(play.bar);
    expected.status(play.status);
    EXPECT_EQ(expected.differences(game.screen), "");
    EXPECT_EQ(game.console.title(), play.program.puzzles[game.game_number - 1].title);
    EXPECT_EQ(game.cues(), play.cues);
    EXPECT_EQ(game.console.now_ms(), play.ms);
    if (play.cue_shows != nullptr) {
        ASSERT_FALSE(game.console.cue_screens().empty());
        ExpectedScreen at_cue = game.expected();
        at_cue.status(*play.cue_shows);
        EXPECT_EQ(at_cue.differences(game.console.cue_screens().back()), "") << "at the cue";
    }
    if (play.flash.block != 0) {
        EXPECT_EQ(game.flashes(play.flash.block, play.flash.ink, play.flash.body),
                  play.flash.times);
    }
    // The cursor shows only with the question, on the cell after it.
    const bool asking = play.status.text == kQuitQuestion.text;
    EXPECT_EQ(game.screen.cursor_visible(), asking);
    if (asking) {
        EXPECT_EQ(game.screen.cursor_row() * 100 + game.screen.cursor_column(), 2459);
    }
}

INSTANTIATE_TEST_SUITE_P(Each, Play, ::testing::ValuesIn(play_cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace blockslide::test
