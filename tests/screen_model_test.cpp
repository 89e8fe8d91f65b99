// The text screen the games draw on: printing, wrapping, the delayed scroll
// at the bottom-right cell, colours, the cursor, and the console operations
// that show the screen and read keys through the scripted backend.
#include "console/screen_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "console/console.h"
#include "console/keys.h"
#include "console/scripted_backend.h"
#include "tests/game_facts.h"

namespace blockslide::testing {
namespace {

// What the games pass to leave one colour component as it is.
constexpr int kUnchanged = -1;

constexpr int kLastRow = 25;
constexpr int kLastColumn = 80;

constexpr int kLightGrayOnBlack = attribute_of(kLightGray, kBlack);

// The raw code-page-437 bytes of `length` cells from (row, column).
std::string text_at(const ScreenModel& screen, int row, int column, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(screen.cell(row, column + i).character);
    return text;
}

char character_at(const ScreenModel& screen, int row, int column) {
    return static_cast<char>(screen.cell(row, column).character);
}

// True when every cell of the row is a blank with this attribute.
bool row_is_blank(const ScreenModel& screen, int row, int attribute) {
    for (int column = 1; column <= kLastColumn; ++column) {
        const Cell& cell = screen.cell(row, column);
        if (cell.character != ' ' || cell.attribute != attribute) return false;
    }
    return true;
}

// Row r gets the letter 'A' + r - 1 in column 1, so a scroll shows as the
// letters moving up.
void mark_rows(ScreenModel& screen) {
    for (int row = 1; row <= kLastRow; ++row) {
        screen.locate(row, 1);
        screen.print(std::string(1, static_cast<char>('A' + row - 1)));
    }
}

char row_mark(int original_row) {
    return static_cast<char>('A' + original_row - 1);
}

// How many rows the marked screen has moved up (checked against every mark).
void expect_scrolled_by(const ScreenModel& screen, int rows) {
    for (int row = 1; row + rows <= kLastRow; ++row) {
        EXPECT_EQ(character_at(screen, row, 1), row_mark(row + rows)) << "row " << row;
    }
}

void expect_cursor_at(const ScreenModel& screen, int row, int column) {
    EXPECT_EQ(screen.cursor_row(), row);
    EXPECT_EQ(screen.cursor_column(), column);
}

// ---------------------------------------------------------------------------
// A fresh screen

TEST(ScreenModelStart, IsBlankLightGrayOnBlackWithCursorHomeAndPrintsInLightGray) {
    ScreenModel screen;
    for (int row = 1; row <= kLastRow; ++row) {
        EXPECT_TRUE(row_is_blank(screen, row, kLightGrayOnBlack)) << "row " << row;
    }
    expect_cursor_at(screen, 1, 1);
    EXPECT_EQ(screen.current_attribute(), kLightGrayOnBlack);
    screen.print("x");
    EXPECT_EQ(character_at(screen, 1, 1), 'x');
    EXPECT_EQ(screen.cell_attribute(1, 1), kLightGrayOnBlack);
}

// ---------------------------------------------------------------------------
// Printing and wrapping

TEST(ScreenModelPrint, WritesFromCursorInCurrentColourAndAdvances) {
    ScreenModel screen;
    screen.set_color(kYellow, kBlue);
    screen.locate(7, 20);
    screen.print("Moves:");
    EXPECT_EQ(text_at(screen, 7, 20, 6), "Moves:");
    for (int column = 20; column < 26; ++column) {
        EXPECT_EQ(screen.cell_attribute(7, column), attribute_of(kYellow, kBlue)) << column;
    }
    EXPECT_EQ(screen.cell_attribute(7, 19), kLightGrayOnBlack);
    EXPECT_EQ(screen.cell_attribute(7, 26), kLightGrayOnBlack);
    expect_cursor_at(screen, 7, 26);
}

TEST(ScreenModelPrint, KeepsEveryCodePage437Byte) {
    ScreenModel screen;
    const std::string box = "\xDA\xC4\xBF\xDB\xDF\xB0\xED\xF7\xCD";
    screen.locate(2, 2);
    screen.print(box);
    EXPECT_EQ(text_at(screen, 2, 2, static_cast<int>(box.size())), box);
}

TEST(ScreenModelPrint, ContinuesAtColumnOneOfNextRowAfterColumn80) {
    ScreenModel screen;
    screen.locate(3, 78);
    screen.print("ABCDE");
    EXPECT_EQ(text_at(screen, 3, 78, 3), "ABC");
    EXPECT_EQ(text_at(screen, 4, 1, 2), "DE");
    expect_cursor_at(screen, 4, 3);
}

TEST(ScreenModelPrint, EndingInColumn80LeavesCursorAtStartOfNextRow) {
    ScreenModel screen;
    screen.locate(10, 1);
    screen.print(std::string(kLastColumn, '='));
    EXPECT_EQ(text_at(screen, 10, 1, kLastColumn), std::string(kLastColumn, '='));
    expect_cursor_at(screen, 11, 1);
    EXPECT_TRUE(row_is_blank(screen, 11, kLightGrayOnBlack));
}

TEST(ScreenModelPrint, WrapsOnRow24IntoRow25WithoutScrolling) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(24, 80);
    screen.print("xy");
    EXPECT_EQ(character_at(screen, 24, 80), 'x');
    EXPECT_EQ(character_at(screen, 25, 1), 'y');
    expect_cursor_at(screen, 25, 2);
    EXPECT_EQ(character_at(screen, 1, 1), row_mark(1));
}

// ---------------------------------------------------------------------------
// The bottom-right cell: its scroll waits for the next output

TEST(ScreenModelBottomRightCell, PrintingItDoesNotScroll) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    EXPECT_EQ(character_at(screen, kLastRow, kLastColumn), 'Z');
    expect_scrolled_by(screen, 0);
    EXPECT_EQ(character_at(screen, kLastRow, 1), row_mark(kLastRow));
}

TEST(ScreenModelBottomRightCell, NextCharacterScrollsOnceAndLandsAtRow25Column1) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    screen.print("Q");
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(character_at(screen, 24, kLastColumn), 'Z');
    EXPECT_EQ(character_at(screen, 24, 1), row_mark(kLastRow));
    EXPECT_EQ(character_at(screen, kLastRow, 1), 'Q');
    EXPECT_EQ(text_at(screen, kLastRow, 2, kLastColumn - 1), std::string(kLastColumn - 1, ' '));
    expect_cursor_at(screen, kLastRow, 2);
}

TEST(ScreenModelBottomRightCell, TextRunningThroughItScrollsOnce) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, 79);
    screen.print("XYZ");
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(text_at(screen, 24, 79, 2), "XY");
    EXPECT_EQ(character_at(screen, kLastRow, 1), 'Z');
    expect_cursor_at(screen, kLastRow, 2);
}

TEST(ScreenModelBottomRightCell, NewlineAfterItScrollsExactlyOnce) {
    ScreenModel screen;
    mark_rows(screen);
    screen.set_color(kWhite, kRed);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    screen.newline();
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(character_at(screen, 24, kLastColumn), 'Z');
    EXPECT_TRUE(row_is_blank(screen, kLastRow, attribute_of(kWhite, kRed)));
    expect_cursor_at(screen, kLastRow, 1);

    // The newline used up the pending scroll: printing goes to row 25 as is.
    screen.print("Q");
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(character_at(screen, kLastRow, 1), 'Q');
}

TEST(ScreenModelBottomRightCell, LocateBeforeNextOutputCancelsScroll) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    screen.locate(10, 5);
    screen.print("Q");
    expect_scrolled_by(screen, 0);
    EXPECT_EQ(character_at(screen, 10, 5), 'Q');
    EXPECT_EQ(character_at(screen, kLastRow, kLastColumn), 'Z');
}

TEST(ScreenModelBottomRightCell, LocateOnBottomRowCancelsScrollToo) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    screen.locate(kLastRow, 3);
    screen.print("Q");
    expect_scrolled_by(screen, 0);
    EXPECT_EQ(character_at(screen, kLastRow, 3), 'Q');
    EXPECT_EQ(character_at(screen, kLastRow, kLastColumn), 'Z');

    // Rewriting the bottom-right cell after a locate again waits.
    screen.locate(kLastRow, kLastColumn);
    screen.print("W");
    expect_scrolled_by(screen, 0);
    EXPECT_EQ(character_at(screen, kLastRow, kLastColumn), 'W');
}

TEST(ScreenModelBottomRightCell, ClearCancelsScroll) {
    ScreenModel screen;
    screen.locate(kLastRow, kLastColumn);
    screen.print("Z");
    screen.clear();
    screen.print("Q");
    EXPECT_EQ(character_at(screen, 1, 1), 'Q');
    EXPECT_TRUE(row_is_blank(screen, kLastRow, kLightGrayOnBlack));
}

// ---------------------------------------------------------------------------
// Newline

TEST(ScreenModelNewline, AboveLastRowMovesToColumnOneOfNextRow) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(12, 40);
    screen.newline();
    expect_cursor_at(screen, 13, 1);
    expect_scrolled_by(screen, 0);
}

TEST(ScreenModelNewline, OnLastRowScrollsWithBlankBottomRowInCurrentColour) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, 10);
    screen.print("tail");
    screen.set_color(kGreen, kMagenta);
    screen.newline();
    expect_scrolled_by(screen, 1);
    EXPECT_EQ(text_at(screen, 24, 10, 4), "tail");
    EXPECT_EQ(screen.cell_attribute(24, 10), kLightGrayOnBlack);
    EXPECT_TRUE(row_is_blank(screen, kLastRow, attribute_of(kGreen, kMagenta)));
    expect_cursor_at(screen, kLastRow, 1);
}

TEST(ScreenModelNewline, EachNewlineOnLastRowScrollsOneRow) {
    ScreenModel screen;
    mark_rows(screen);
    screen.locate(kLastRow, 1);
    screen.newline();
    screen.newline();
    screen.newline();
    expect_scrolled_by(screen, 3);
    EXPECT_EQ(character_at(screen, 22, 1), row_mark(kLastRow));
}

// ---------------------------------------------------------------------------
// Clear

TEST(ScreenModelClear, FillsEveryCellWithBlankInCurrentColourAndHomesCursor) {
    ScreenModel screen;
    mark_rows(screen);
    screen.set_color(kCyan, kRed);
    screen.locate(20, 60);
    screen.clear();
    for (int row = 1; row <= kLastRow; ++row) {
        EXPECT_TRUE(row_is_blank(screen, row, attribute_of(kCyan, kRed))) << "row " << row;
    }
    expect_cursor_at(screen, 1, 1);
}

// ---------------------------------------------------------------------------
// Colour

TEST(ScreenModelColor, MinusOneChangesOnlyTheOtherComponent) {
    ScreenModel screen;
    screen.set_color(kGreen, kBlue);
    screen.set_color(kYellow, kUnchanged);
    screen.print("a");
    screen.set_color(kUnchanged, kDarkGray);
    screen.print("b");
    EXPECT_EQ(screen.cell_attribute(1, 1), attribute_of(kYellow, kBlue));
    EXPECT_EQ(screen.cell_attribute(1, 2), attribute_of(kYellow, kDarkGray));
}

TEST(ScreenModelColor, SixteenOrMoreKeepsThatComponent) {
    ScreenModel screen;
    screen.set_color(kWhite, kRed);
    screen.set_color(16, kCyan);
    screen.print("a");
    screen.set_color(kBlue, 16);
    screen.print("b");
    screen.set_color(255, 1000);
    screen.print("c");
    EXPECT_EQ(screen.cell_attribute(1, 1), attribute_of(kWhite, kCyan));
    EXPECT_EQ(screen.cell_attribute(1, 2), attribute_of(kBlue, kCyan));
    EXPECT_EQ(screen.cell_attribute(1, 3), attribute_of(kBlue, kCyan));
}

TEST(ScreenModelColor, AcceptsEveryValueFrom0To15) {
    ScreenModel screen;
    for (int foreground = 0; foreground < 16; ++foreground) {
        for (int background = 0; background < 16; ++background) {
            screen.set_color(foreground, background);
            screen.locate(background + 1, foreground + 1);
            screen.print("#");
            EXPECT_EQ(screen.cell_attribute(background + 1, foreground + 1),
                      attribute_of(foreground, background))
                << foreground << " on " << background;
        }
    }
}

// ---------------------------------------------------------------------------
// Locate

struct LocateCase {
    int row;
    int column;
    int expected_row;
    int expected_column;
};

TEST(ScreenModelLocate, IgnoresEachOutOfRangeCoordinateOnItsOwn) {
    constexpr int kStartRow = 5;
    constexpr int kStartColumn = 30;
    const LocateCase cases[] = {
        {0, 12, kStartRow, 12},
        {26, 12, kStartRow, 12},
        {-1, 12, kStartRow, 12},
        {9, 0, 9, kStartColumn},
        {9, 81, 9, kStartColumn},
        {9, -1, 9, kStartColumn},
        {0, 0, kStartRow, kStartColumn},
        {26, 81, kStartRow, kStartColumn},
        {1, 1, 1, 1},
        {kLastRow, kLastColumn, kLastRow, kLastColumn},
    };
    for (const LocateCase& c : cases) {
        ScreenModel screen;
        screen.locate(kStartRow, kStartColumn);
        screen.locate(c.row, c.column);
        expect_cursor_at(screen, c.expected_row, c.expected_column);
        screen.print("@");
        EXPECT_EQ(character_at(screen, c.expected_row, c.expected_column), '@')
            << "locate(" << c.row << ", " << c.column << ")";
    }
}

// ---------------------------------------------------------------------------
// Reading a cell's attribute back

TEST(ScreenModelCellAttribute, IsForegroundPlusSixteenTimesBackground) {
    ScreenModel screen;
    screen.set_color(kWhite, kBlue);
    screen.locate(4, 4);
    screen.print("x");
    EXPECT_EQ(screen.cell_attribute(4, 4), 31);
    EXPECT_EQ(attribute_background(screen.cell_attribute(4, 4)), kBlue);
    EXPECT_EQ(attribute_foreground(screen.cell_attribute(4, 4)), kWhite);
}

TEST(ScreenModelCellAttribute, KeepsTheLastWriteOfACell) {
    ScreenModel screen;
    screen.set_color(kWhite, kBlue);
    screen.locate(6, 6);
    screen.print("x");
    screen.set_color(kBlack, kBlack);
    screen.locate(6, 6);
    screen.print(" ");
    EXPECT_EQ(screen.cell_attribute(6, 6), 0);
}

// ---------------------------------------------------------------------------
// The console operations over the scripted backend

class ConsoleTest : public ::testing::Test {
protected:
    std::string screen_text(int row, int column, int length) {
        return text_at(console_screen(), row, column, length);
    }

    ScriptedBackend backend_;
    ConsoleSession session_{backend_};
};

TEST_F(ConsoleTest, OperationsActOnTheSessionScreen) {
    console_set_color(kWhite, kBlue);
    console_locate(25, 79);
    console_print("ab");
    console_print("c");
    EXPECT_EQ(screen_text(24, 79, 2), "ab");
    EXPECT_EQ(screen_text(25, 1, 1), "c");
    EXPECT_EQ(console_cell_attribute(24, 79), 31);
    console_newline();
    EXPECT_EQ(screen_text(23, 79, 2), "ab");
    console_set_color(kBlack, kBlack);
    console_clear();
    EXPECT_EQ(console_cell_attribute(23, 79), 0);
}

TEST_F(ConsoleTest, BackgroundAboveSevenReadsBackAsPositiveAttribute) {
    console_set_color(kBlack, kDarkGray);
    console_print("x");
    EXPECT_EQ(console_cell_attribute(1, 1), 128);
    console_set_color(kWhite, kWhite);
    console_print("y");
    EXPECT_EQ(console_cell_attribute(1, 2), 255);
}

TEST_F(ConsoleTest, SetSizeLeavesTheScreenBlank) {
    console_locate(3, 3);
    console_print("left over");
    console_set_size(kLastColumn, kLastRow);
    EXPECT_EQ(screen_text(3, 3, 9), std::string(9, ' '));
}

TEST_F(ConsoleTest, SetTitleReachesTheBackend) {
    console_set_title("TRAXOLUMBINE #1");
    EXPECT_EQ(backend_.title(), "TRAXOLUMBINE #1");
}

TEST(ConsoleSessionTest, EachSessionStartsFromAFreshScreen) {
    ScriptedBackend first_backend;
    {
        ConsoleSession first(first_backend);
        console_set_color(kYellow, kRed);
        console_locate(12, 12);
        console_print("old");
    }
    ScriptedBackend second_backend;
    ConsoleSession second(second_backend);
    EXPECT_EQ(text_at(console_screen(), 12, 12, 3), "   ");
    EXPECT_EQ(console_screen().current_attribute(), kLightGrayOnBlack);
    expect_cursor_at(console_screen(), 1, 1);
}

TEST(ConsoleSessionTest, EndingTheSessionShowsTheFinalScreen) {
    ScriptedBackend backend;
    backend.record_frames(true);
    {
        ConsoleSession session(backend);
        console_print("bye");
    }
    ASSERT_FALSE(backend.frames().empty());
    EXPECT_EQ(text_at(backend.frames().back().screen, 1, 1, 3), "bye");
}

// ---------------------------------------------------------------------------
// Whatever was drawn is shown before the program waits

TEST_F(ConsoleTest, WaitKeyShowsTheScreenBeforeWaiting) {
    backend_.record_frames(true);
    backend_.type_at(300, "a");
    console_locate(2, 5);
    console_print("Press a key");
    EXPECT_EQ(console_wait_key(), "a");
    console_print(" later");

    ASSERT_EQ(backend_.frames().size(), 1u);
    const ScriptedBackend::Frame& frame = backend_.frames()[0];
    EXPECT_EQ(frame.at_ms, 0);
    EXPECT_EQ(text_at(frame.screen, 2, 5, 17), "Press a key      ");
    EXPECT_EQ(backend_.now_ms(), 300);
}

TEST_F(ConsoleTest, PollKeyShowsTheScreenFirst) {
    backend_.record_frames(true);
    console_sleep(100);
    console_print("polling");
    EXPECT_EQ(console_poll_key(), "");

    ASSERT_EQ(backend_.frames().size(), 2u);
    const ScriptedBackend::Frame& frame = backend_.frames()[1];
    EXPECT_EQ(frame.at_ms, 100);
    EXPECT_EQ(text_at(frame.screen, 1, 1, 7), "polling");
}

TEST_F(ConsoleTest, SleepShowsTheScreenThenAdvancesTheClock) {
    backend_.record_frames(true);
    console_set_color(kYellow, kBlue);
    console_print("flash");
    console_sleep(200);
    console_set_color(kLightGray, kBlack);
    console_locate(1, 1);
    console_print("     ");
    console_sleep(200);

    ASSERT_EQ(backend_.frames().size(), 2u);
    EXPECT_EQ(backend_.frames()[0].at_ms, 0);
    EXPECT_EQ(text_at(backend_.frames()[0].screen, 1, 1, 5), "flash");
    EXPECT_EQ(backend_.frames()[0].screen.cell_attribute(1, 1), attribute_of(kYellow, kBlue));
    EXPECT_EQ(backend_.frames()[1].at_ms, 200);
    EXPECT_EQ(text_at(backend_.frames()[1].screen, 1, 1, 5), "     ");
    EXPECT_EQ(backend_.now_ms(), 400);
}

// ---------------------------------------------------------------------------
// Keys and the virtual clock

TEST_F(ConsoleTest, PollKeyReturnsAKeyOnlyOnceItIsDue) {
    backend_.type_at(500, "x");
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(backend_.now_ms(), 0);
    console_sleep(499);
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(backend_.now_ms(), 499);
    console_sleep(1);
    EXPECT_EQ(console_poll_key(), "x");
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(backend_.now_ms(), 500);
}

TEST_F(ConsoleTest, KeysTypedDuringASleepAreReadInOrder) {
    backend_.type_at(100, "1");
    backend_.type_at(150, "2");
    console_sleep(750);
    EXPECT_EQ(console_wait_key(), "1");
    EXPECT_EQ(console_wait_key(), "2");
    EXPECT_EQ(backend_.now_ms(), 750);
}

TEST_F(ConsoleTest, WaitKeyMovesTheClockToTheKeysTime) {
    backend_.type_at(1200, "q");
    EXPECT_EQ(console_wait_key(), "q");
    EXPECT_EQ(backend_.now_ms(), 1200);
}

TEST_F(ConsoleTest, FlushDiscardsOnlyKeysAlreadyTyped) {
    backend_.type_at(0, "a");
    backend_.type_at(0, "b");
    backend_.type_at(1000, "c");
    console_flush_keys();
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_EQ(console_wait_key(), "c");
    EXPECT_EQ(backend_.now_ms(), 1000);
}

TEST_F(ConsoleTest, FlushAfterTheLastKeyIsDueLeavesNothing) {
    backend_.type_at(100, "a");
    backend_.type_at(300, "b");
    console_sleep(500);
    console_flush_keys();
    EXPECT_EQ(console_poll_key(), "");
    EXPECT_THROW(console_wait_key(), ScriptExhausted);
}

TEST_F(ConsoleTest, ArrowKeysReadAsZeroAndScanCode) {
    const std::string arrows[] = {kUpKey, kRightKey, kDownKey, kLeftKey};
    const int scan_codes[] = {72, 77, 80, 75};
    for (const std::string& arrow : arrows) backend_.type_key(arrow);
    for (int scan_code : scan_codes) {
        const std::string key = console_wait_key();
        ASSERT_EQ(key.size(), 2u);
        EXPECT_EQ(key[0], '\0');
        EXPECT_EQ(static_cast<unsigned char>(key[1]), scan_code);
    }
}

TEST_F(ConsoleTest, TypedTextGivesOneKeyPerCharacterAsTyped) {
    backend_.type("b1Q");
    backend_.type_key(kEscapeKey);
    EXPECT_EQ(console_wait_key(), "b");
    EXPECT_EQ(console_wait_key(), "1");
    EXPECT_EQ(console_wait_key(), "Q");
    EXPECT_EQ(console_wait_key(), std::string(1, '\x1B'));
}

// ---------------------------------------------------------------------------
// Upper-casing keys before comparing them

TEST(UpperCaseKey, UpperCasesLowerCaseLetters) {
    EXPECT_EQ(upper_case_key("a"), "A");
    EXPECT_EQ(upper_case_key("b"), "B");
    EXPECT_EQ(upper_case_key("q"), "Q");
    EXPECT_EQ(upper_case_key("z"), "Z");
}

TEST(UpperCaseKey, LeavesEverythingElseAsItIs) {
    for (const char* key : {"A", "Z", "0", "9", "@", "[", "`", "{", " ", "\x1B", "\r"}) {
        EXPECT_EQ(upper_case_key(key), key) << static_cast<int>(key[0]);
    }
}

TEST(UpperCaseKey, LeavesTwoCharacterKeysAlone) {
    // Scan codes 97..122 would be letters if they were characters.
    for (int scan_code : {72, 77, 80, 75, 97, 104, 113, 122}) {
        const std::string key{'\0', static_cast<char>(scan_code)};
        EXPECT_EQ(upper_case_key(key), key) << scan_code;
    }
}

}  // namespace
}  // namespace blockslide::testing
