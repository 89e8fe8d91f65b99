// The console's own rules on every platform, each on its own: text wraps
// after column 80; the last cell scrolls the screen only when more follows,
// and a locate first calls that off; a newline on row 25 scrolls a blank row
// in; an out-of-range row, column or colour keeps the current one.
#include <gtest/gtest.h>

#include "console/screen_model.h"

namespace blockslide {
namespace {

char at(const ScreenModel& screen, int row, int column) {
    return static_cast<char>(screen.cell(row, column).character);
}

TEST(Console, TextWrapsAfterColumn80) {
    ScreenModel screen;
    screen.locate(3, 80);
    screen.print("ab");
    EXPECT_EQ(at(screen, 3, 80), 'a');
    EXPECT_EQ(at(screen, 4, 1), 'b');
    EXPECT_EQ(screen.cursor_row() * 100 + screen.cursor_column(), 402);
}

TEST(Console, TheLastCellScrollsOnlyWhenMoreFollows) {
    ScreenModel screen;
    screen.locate(25, 80);
    screen.print("x");
    EXPECT_EQ(at(screen, 25, 80), 'x') << "scrolled at once";
    screen.print("y");  // now one scroll, and on along row 25
    EXPECT_EQ(at(screen, 24, 80), 'x');
    EXPECT_EQ(at(screen, 25, 1), 'y');
    screen.locate(25, 80);
    screen.print("z");
    screen.locate(1, 1);  // the scroll the last cell called for is off
    screen.print("w");
    EXPECT_EQ(at(screen, 25, 80), 'z');
}

TEST(Console, ANewlineOnTheLastRowScrollsABlankRowInTheCurrentColour) {
    ScreenModel screen;
    screen.locate(25, 1);
    screen.print("q");
    screen.set_color(3, 5);
    screen.newline();
    EXPECT_EQ(at(screen, 24, 1), 'q');
    EXPECT_EQ(at(screen, 25, 1), ' ');
    EXPECT_EQ(screen.cell_attribute(25, 80), make_attribute(3, 5));
    screen.locate(10, 5);
    screen.newline();
    EXPECT_EQ(screen.cursor_row() * 100 + screen.cursor_column(), 1101);
}

TEST(Console, OutOfRangePositionsAndColoursKeepTheCurrentOnes) {
    ScreenModel screen;
    screen.set_color(14, 1);
    screen.locate(7, 9);
    screen.locate(0, 81);  // neither changes
    screen.set_color(16, 4);
    screen.set_color(-1, 16);
    screen.print("k");
    EXPECT_EQ(at(screen, 7, 9), 'k');
    EXPECT_EQ(screen.cell_attribute(7, 9), make_attribute(14, 4));
    screen.locate(26, 3);  // only the column changes
    EXPECT_EQ(screen.cursor_row() * 100 + screen.cursor_column(), 703);
}

}  // namespace
}  // namespace blockslide
