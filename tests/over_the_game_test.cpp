// The screens over the game: H's rules in their box, and auto-play's first
// frame with its caption.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/played_game.h"

namespace blockslide::test {
namespace {

// H draws the rules in a green double-line box on white over the game.
TEST(Instructions, ShowTheirLinesInAGreenDoubleBox) {
    for (const auto& [program, bottom, last_line, moves] :
         {std::tuple{&farnswog(), 23, 20, 118}, {&traxolumbine(), 24, 21, 41}}) {
        PlayedGame game(*program, "h");
        ASSERT_EQ(game.run(), std::nullopt);  // waiting for the key
        std::string differences =
            text_differences(game.screen, 2, 7, "╔" + repeated("═", 65) + "╗", kGreen, kWhite);
        for (int row = 3; row < bottom; ++row)
            differences += text_differences(game.screen, row, 7, "║", kGreen, kWhite);
        differences +=
            text_differences(game.screen, bottom, 7, "╚" + repeated("═", 65) + "╝", kGreen, kWhite);
        const std::string line = "The minimal solution is " + std::to_string(moves) +
                                 " moves. See if you can do as well!";
        differences +=
            text_differences(game.screen, last_line, 8,
                             " " + line + repeated(" ", 64 - int(line.size())) + "║", -1, kWhite);
        differences +=
            text_differences(game.screen, last_line + 1, 8, repeated(" ", 65), -1, kWhite);
        differences +=
            text_differences(game.screen, last_line + 2, 35, "<any key>", kBlack, kWhite);
        EXPECT_EQ(differences, "");
    }
}

// Auto-play first shows the start layout under a gray bar and its caption.
TEST(AutoPlay, StartsFromTheStartLayoutUnderAGrayBarAndItsCaption) {
    PlayedGame game(farnswog(), "2L f ~a");  // the moved block goes back
    game.console.record_frames(true);
    game.console.type_at(100, "x");
    ASSERT_EQ(game.run(), std::nullopt);
    const StatusText caption{"Auto-Play in Progress <any key to stop>", 21, kLightRed, 0};
    const auto& frames = game.console.frames();
    const auto first = std::ranges::find_if(frames, [&](const auto& frame) {
        return frame.screen.cell(kStatusRow, caption.column).character == 'A';
    });
    ASSERT_NE(first, frames.end());
    Board start(farnswog(), true);
    start.face_played = true;  // the move stays recorded
    ExpectedScreen expected(start, 1, kLightGray);
    expected.status(caption);
    EXPECT_EQ(expected.differences(first->screen), "");
}

}  // namespace
}  // namespace blockslide::test
