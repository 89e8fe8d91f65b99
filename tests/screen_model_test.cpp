// The 80 x 25 text screen and the console operations over the scripted backend.
#include "console/screen_model.h"

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "console/keys.h"
#include "console/scripted_backend.h"
#include "tests/game_facts.h"

namespace blockslide::testing {
namespace {

constexpr int kUnchanged = -1;  // what the games pass to keep one colour component
constexpr int kLastRow = 25;
constexpr int kLastColumn = 80;
constexpr int kMarkColumn = 40;  // out of the way of the cells the wrap tests write
constexpr int kLightGrayOnBlack = attribute_of(kLightGray, kBlack);

std::string text_at(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(screen.cell(row, column + i).character);
    return text;
}

bool row_is_blank(const ScreenModel& screen, int row, int attribute) {
    for (int column = 1; column <= kLastColumn; ++column) {
        const Cell& cell = screen.cell(row, column);
        if (cell.character != ' ' || cell.attribute != attribute) return false;
    }
    return true;
}

// Row r is marked with the letter 'A' + r - 1, so a scroll shows as the letters moving up.
void mark_rows(ScreenModel& screen) {
    for (int row = 1; row <= kLastRow; ++row) {
        screen.locate(row, kMarkColumn);
        screen.print(std::string(1, static_cast<char>('A' + row - 1)));
    }
}

void expect_scrolled_by(const ScreenModel& screen, int rows) {
    for (int row = 1; row + rows <= kLastRow; ++row)
        EXPECT_EQ(text_at(screen, row, kMarkColumn, 1), std::string(1, 'A' + row + rows - 1))
            << "row " << row << " after " << rows << " scrolls";
}

void expect_cursor_at(const ScreenModel& screen, int row, int column) {
    EXPECT_EQ(screen.cursor_row(), row);
    EXPECT_EQ(screen.cursor_column(), column);
}

TEST(ScreenModel, PrintWritesInTheCurrentColourAndWrapsAfterColumn80WithoutScrolling) {
    ScreenModel screen;
    mark_rows(screen);
    screen.set_color(kYellow, kBlue);
    screen.locate(24, 78);
    screen.print("AB\xDB\xDF\xF7");
    EXPECT_EQ(text_at(screen, 24, 77, 4), " AB\xDB");
    EXPECT_EQ(text_at(screen, kLastRow, 1, 3), "\xDF\xF7 ");
    EXPECT_EQ(screen.cell_attribute(kLastRow, 2), attribute_of(kYellow, kBlue));
    expect_cursor_at(screen, kLastRow, 3);
    expect_scrolled_by(screen, 0);
    screen.locate(12, 50);
    screen.newline();
    expect_cursor_at(screen, 13, 1);
    expect_scrolled_by(screen, 0);
}

// Writing the bottom-right cell scrolls only once more output follows; a locate cancels it.
TEST(ScreenModel, BottomRightCellDefersItsScrollToTheNextCharacter) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    EXPECT_EQ(text_at(screen, kLastRow, kLastColumn, 1), "Z");
    expect_scrolled_by(screen, 0);

    screen.locate(kLastRow, 3);
    screen.print("c");
    expect_scrolled_by(screen, 0);
    EXPECT_EQ(text_at(screen, kLastRow, 3, 1), "c");

    screen.locate(kLastRow, kLastColumn);
    screen.print("ZQ");
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(text_at(screen, 24, kLastColumn, 1), "Z");
    EXPECT_EQ(text_at(screen, kLastRow, 1, kLastColumn), "Q" + std::string(kLastColumn - 1, ' '));
    expect_cursor_at(screen, kLastRow, 2);

    // Clear fills in the current colour, homes the cursor and drops a pending scroll.
    screen.set_color(kCyan, kRed);
    screen.locate(kLastRow, kLastColumn);
    screen.print("X");
    screen.clear();
    for (int row = 1; row <= kLastRow; ++row)
        EXPECT_TRUE(row_is_blank(screen, row, attribute_of(kCyan, kRed)));
    expect_cursor_at(screen, 1, 1);
    screen.set_color(kWhite, kBlue);
    screen.print("C");
    EXPECT_EQ(text_at(screen, 1, 1, 2), "C ");
    EXPECT_TRUE(row_is_blank(screen, kLastRow, attribute_of(kCyan, kRed)));
}

TEST(ScreenModel, NewlineOnRow25ScrollsOnceEvenAfterTheBottomRightCell) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, 10);
    screen.set_color(kGreen, kMagenta);
    screen.newline();
    expect_scrolled_by(screen, 1);
    EXPECT_TRUE(row_is_blank(screen, kLastRow, attribute_of(kGreen, kMagenta)));
    expect_cursor_at(screen, kLastRow, 1);

    screen.set_color(kWhite, kRed);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Y");
    screen.newline();
    expect_scrolled_by(screen, 2);
    EXPECT_TRUE(row_is_blank(screen, kLastRow, attribute_of(kWhite, kRed)));
    expect_cursor_at(screen, kLastRow, 1);
    screen.print("P");
    expect_scrolled_by(screen, 2);
    EXPECT_EQ(text_at(screen, kLastRow, 1, 1), "P");
}

TEST(ScreenModel, SetColorKeepsAComponentForMinusOneOr16AndMore) {
    ScreenModel screen;
    auto set_color = [&screen](int foreground, int background) {
        screen.set_color(foreground, background);
        return static_cast<int>(screen.current_attribute());
    };
    EXPECT_EQ(set_color(kGreen, kBlue), attribute_of(kGreen, kBlue));
    EXPECT_EQ(set_color(kYellow, kUnchanged), attribute_of(kYellow, kBlue));
    EXPECT_EQ(set_color(kUnchanged, kDarkGray), attribute_of(kYellow, kDarkGray));
    EXPECT_EQ(set_color(16, kCyan), attribute_of(kYellow, kCyan));
    EXPECT_EQ(set_color(kRed, 16), attribute_of(kRed, kCyan));
    EXPECT_EQ(set_color(255, 1000), attribute_of(kRed, kCyan));
}

TEST(ScreenModel, LocateIgnoresEachOutOfRangeCoordinateOnItsOwn) {
    ScreenModel screen;
    for (int bad_row : {0, 26, -1}) {
        screen.locate(5, 30);
        screen.locate(bad_row, 12);
        expect_cursor_at(screen, 5, 12);
    }
    for (int bad_column : {0, 81, -1}) {
        screen.locate(5, 30);
        screen.locate(9, bad_column);
        expect_cursor_at(screen, 9, 30);
    }
    screen.locate(1, 1);
    expect_cursor_at(screen, 1, 1);
}

class ConsoleTest : public ::testing::Test {
protected:
    ScriptedBackend backend_;
    ConsoleSession session_{backend_, backend_};
};

TEST_F(ConsoleTest, OperationsActOnTheSessionScreenAndReadAttributesBack) {
    console_set_title("TRAXOLUMBINE #1");
    EXPECT_EQ(backend_.title(), "TRAXOLUMBINE #1");
    console_set_color(kWhite, kBlue);
    console_locate(3, 79);
    console_print("ab");
    console_newline();
    console_print("c");
    EXPECT_EQ(text_at(console_screen(), 3, 79, 2), "ab");
    EXPECT_EQ(text_at(console_screen(), 5, 1, 1), "c");
    EXPECT_EQ(console_cell_attribute(3, 79), 31);
    console_set_color(kWhite, kWhite);
    console_print("y");
    EXPECT_EQ(console_cell_attribute(5, 2), 255);
    console_set_color(kBlack, kBlack);
    console_clear();
    EXPECT_EQ(console_cell_attribute(3, 79), 0);
}

TEST(ConsoleSession, StartsBlankInLightGrayOnBlackAndShowsTheLastScreenWhenItEnds) {
    ScriptedBackend first_backend;
    first_backend.record_frames(true);
    {
        ConsoleSession first(first_backend, first_backend);
        console_set_color(kYellow, kRed);
        console_locate(12, 12);
        console_print("bye");
    }
    ASSERT_EQ(first_backend.frames().size(), 1u);
    EXPECT_EQ(text_at(first_backend.frames()[0].screen, 12, 12, 3), "bye");

    ScriptedBackend second_backend;
    ConsoleSession second(second_backend, second_backend);
    for (int row = 1; row <= kLastRow; ++row)
        EXPECT_TRUE(row_is_blank(console_screen(), row, kLightGrayOnBlack));
    expect_cursor_at(console_screen(), 1, 1);
    console_print("x");
    EXPECT_EQ(console_cell_attribute(1, 1), kLightGrayOnBlack);
}

TEST_F(ConsoleTest, WaitPollAndSleepShowTheScreenBeforeWaiting) {
    backend_.record_frames(true);
    backend_.type_at(300, "a");
    console_print("Press a key");
    EXPECT_EQ(console_wait_key(), "a");
    console_print(" polling");
    EXPECT_EQ(console_poll_key(), "");
    console_locate(2, 1);
    console_print("flash");
    console_sleep(200);
    const auto& frames = backend_.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].at_ms, 0);
    EXPECT_EQ(text_at(frames[0].screen, 1, 1, 20), "Press a key         ");
    EXPECT_EQ(frames[1].at_ms, 300);
    EXPECT_EQ(text_at(frames[1].screen, 1, 1, 20), "Press a key polling ");
    EXPECT_EQ(frames[2].at_ms, 300);
    EXPECT_EQ(text_at(frames[2].screen, 2, 1, 5), "flash");
    EXPECT_EQ(backend_.now_ms(), 500);
}

TEST_F(ConsoleTest, KeysComeDueOnTheVirtualClockAndReadAsTyped) {
    backend_.type_at(500, "x");
    EXPECT_EQ(console_poll_key(), "");
    console_sleep(499);
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(backend_.now_ms(), 499);
    console_sleep(1);
    EXPECT_EQ(console_poll_key(), "x");
    EXPECT_EQ(console_poll_key(), "");
    for (const char* key : {"1", "2", "3"}) backend_.type_at(600, key);
    backend_.type_at(1200, "q");
    console_sleep(250);
    EXPECT_EQ(console_wait_key(), "1");
    EXPECT_EQ(backend_.now_ms(), 750);
    console_flush_keys();
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(console_wait_key(), "q");
    EXPECT_EQ(backend_.now_ms(), 1200);
    backend_.type("b1Q");
    backend_.type_key(kEscapeKey);
    for (const std::string& arrow : {kUpKey, kRightKey, kDownKey, kLeftKey})
        backend_.type_key(arrow);
    for (const char* key : {"b", "1", "Q", "\x1B"}) EXPECT_EQ(console_wait_key(), key);
    for (int scan_code : {72, 77, 80, 75})
        EXPECT_EQ(console_wait_key(), std::string({'\0', static_cast<char>(scan_code)}));
}

TEST(UpperCaseKey, UpperCasesOnlySingleLowerCaseLetters) {
    EXPECT_EQ(upper_case_key("a"), "A");
    EXPECT_EQ(upper_case_key("z"), "Z");
    const std::string unchanged[] = {"A", "0", "@", "[", "`", "{", "\x1B", {'\0', 'a'}, kUpKey};
    for (const std::string& key : unchanged) EXPECT_EQ(upper_case_key(key), key) << key;
}

}  // namespace
}  // namespace blockslide::testing
