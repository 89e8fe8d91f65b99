// The console's own rules on every platform: text wraps after column 80; the last cell scrolls the
// screen only when more follows, and a locate or a clear first calls that off; a newline on row 25
// scrolls a blank row in, in the current colour; an out-of-range row, column or colour keeps the
// current one, and a cell off the screen reads as a blank.
#include <gtest/gtest.h>

#include "console/screen_model.h"

namespace blockslide {
namespace {

char at(const ScreenModel& screen, int row, int column) {
    return static_cast<char>(screen.cell(row, column).character);
}

TEST(Console, WrapsAfterColumn80AndScrollsOnlyWhenMoreFollows) {
    ScreenModel screen;
    screen.locate(3, 80);
    screen.print("ab");
    EXPECT_EQ(std::string({at(screen, 3, 80), at(screen, 4, 1)}), "ab");
    screen.locate(25, 80);
    screen.print("x");
    EXPECT_EQ(at(screen, 25, 80), 'x') << "scrolled at once";
    screen.print("yw");  // now one scroll, and on along row 25
    EXPECT_EQ(std::string({at(screen, 24, 80), at(screen, 25, 1), at(screen, 25, 2)}), "xyw");
    screen.locate(25, 80);
    screen.print("z");
    screen.locate(1, 1);  // the scroll the last cell called for is off
    screen.print("w");
    EXPECT_EQ(at(screen, 25, 80), 'z');
    screen.set_color(3, 5);
    screen.locate(25, 5);
    screen.newline();  // a blank row in, the rest up one
    EXPECT_EQ(std::string({at(screen, 24, 80), at(screen, 25, 1)}), "z ");
    EXPECT_EQ(screen.cell_attribute(25, 80), make_attribute(3, 5));
    screen.locate(25, 80);
    screen.print("z");
    screen.clear();  // calls the scroll off too: no row in the next colour
    screen.set_color(1, 2);
    screen.print("c");
    EXPECT_EQ(screen.cell_attribute(25, 1), make_attribute(3, 5));
}

TEST(Console, KeepsWhatIsOutOfRange) {
    ScreenModel screen;
    screen.set_color(14, 1);
    screen.locate(7, 9);
    screen.locate(0, 81);  // neither changes
    screen.set_color(16, 4);
    screen.set_color(-1, 16);
    screen.print("k");
    EXPECT_EQ(at(screen, 7, 9), 'k');
    EXPECT_EQ(at(screen, 6, 89), ' ') << "a cell off the screen reads as a blank";
    EXPECT_EQ(screen.cell_attribute(7, 9), make_attribute(14, 4));
    screen.locate(26, 3);  // only the column changes
    EXPECT_EQ(screen.cursor_row() * 100 + screen.cursor_column(), 703);
}

}  // namespace
}  // namespace blockslide
