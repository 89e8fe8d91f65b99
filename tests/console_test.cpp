// The console's rules on every platform: text wraps after column 80, the last cell scrolls only
// when more follows unless the cursor moves first, and out-of-range positions or colours are kept.
#include <gtest/gtest.h>

#include "console/screen_model.h"

namespace blockslide {

TEST(Console, WrapsScrollsLateAndKeepsWhatIsOutOfRange) {
    ScreenModel screen;
    const auto at = [&](int row, int column) { return char(screen.cell(row, column).character); };
    screen.set_color(14, 1);
    screen.clear();
    screen.set_color(16, 4);  // yellow on red
    for (auto [row, column, text] :
         {std::tuple{0, 81, "a"}, {24, 80, "bc"}, {25, 80, "x"}, {25, 80, "d"}})
        screen.locate(row, column), screen.print(text);
    EXPECT_EQ((std::string{at(1, 1), at(24, 80), at(25, 1), at(25, 80)}), "abcd");
    EXPECT_EQ(screen.cell_attribute(1, 1), 14 | 4 << 4);
    screen.print("ef");  // one scroll, then on along row 25
    screen.newline();
    EXPECT_EQ((std::string{at(22, 80), at(23, 1), at(23, 80), at(24, 1), at(24, 2), at(25, 1)}),
              "bcdef ");
    screen.locate(10, 5), screen.newline();
    EXPECT_EQ(screen.cursor_row() * 100 + screen.cursor_column(), 1101);
}

}  // namespace blockslide
