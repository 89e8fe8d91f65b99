// libFuzzer target: whole games from arbitrary terminal bytes, seen only as
// the scripted console sees them. At each key wait that shows the board, the
// tests' board model takes on what changed since the last: nothing, one legal
// move (Back's if the key was Back) or a fresh start. A cell's corner tells what
// covers it; in full are checked a moved block's cells, the box at a start, and
// a cell and a row of the box in turn.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "console/console.h"
#include "console/keys.h"
#include "engine/main_loop.h"
#include "fuzz/fuzz_script.h"
#include "tests/board_model.h"

namespace blockslide::test {
namespace {

constexpr int kBoxRows = kBoxBottomRow - kBoxTopRow + 1;
constexpr std::uint8_t kFullBlockGlyph = 0xDB;  // the bar shows its glyph, not its background
// The instructions' box covers the board from here, where the game shows nothing.
constexpr int kInstructionsRow = 2, kInstructionsColumn = 7;
constexpr int kCounterRoom = kStatusBlankColumn + kStatusBlankWidth;  // the status row's rest

void check_paper(const ScreenModel& screen, int row, int column, int paper) {
    const int shown = attribute_background(screen.cell_attribute(row, column));
    if (shown != paper)
        broken_rule("background %d at row %d, column %d, not %d", shown, row, column, paper);
}

class CheckedConsole : public ScriptedConsole {
public:
    CheckedConsole(const ProgramFacts& program, ScriptedConsole typed)
        : ScriptedConsole(std::move(typed)), model_(program) {}

    std::string wait_key() override {
        look();
        std::string key = ScriptedConsole::wait_key();
        // Back is typed or clicked in the command list, left of the board.
        const std::optional<MouseButton> button = mouse_button_of(key);
        backing_ = key == "B" || key == "b" ||
                   (button && !button->pressed && button->column < kBoardLeftColumn);
        return key;
    }

private:
    void look() {
        // The instructions and a finished demonstration show no board the model follows.
        if (screen().cell(kInstructionsRow, kInstructionsColumn).character != ' ' || says(kAnyKey))
            return;
        const auto& puzzles = model_.program().puzzles;
        const PuzzleFacts& puzzle = puzzles.back().title == title() ? puzzles.back() : puzzles[0];
        char counter[kScreenColumns - kCounterRoom + 2] = {};
        for (int column = kCounterRoom; column <= kScreenColumns; ++column)
            counter[column - kCounterRoom] = char(screen().cell(kStatusRow, column).character);
        int count = 0;  // none is shown before the first move
        if (std::sscanf(counter, " Moves: %d", &count) == 0)
            broken_rule("the move counter reads \"%s\"", counter);
        if (count == 0 && (looks_ == 0 || model_.move_count != 0)) {  // a fresh start
            model_.start_over();
            for (int row = kBoxTopRow; row <= kBoxBottomRow; ++row)
                check_frame_row(row, puzzle.bar_first_row);
            check_cells({0, 0, kBoardColumns, kBoardRows, 0});
        } else if (count == model_.move_count + 1) {
            if (!follow()) broken_rule("move %d is no legal move on the board model", count);
            compare_corners();
        } else if (count != model_.move_count) {
            broken_rule("the move counter went from %d to %d in one turn", model_.move_count,
                        count);
        }
        // A little more each time, so that a stray stroke anywhere shows.
        const int cell = looks_ % (kBoardColumns * kBoardRows);
        check_cells({cell % kBoardColumns, cell / kBoardColumns, 1, 1, 0});
        check_frame_row(kBoxTopRow + looks_++ % kBoxRows, puzzle.bar_first_row);
        if (model_.at_goal(puzzle) != says(kCongratulation))
            broken_rule("after move %d the board model is %sat the goal", count,
                        model_.at_goal(puzzle) ? "" : "not ");
    }

    bool says(const StatusText& status) const {
        for (std::size_t i = 0; i < status.text.size(); ++i) {
            if (screen().cell(kStatusRow, status.column + int(i)).character !=
                std::uint8_t(status.text[i]))
                return false;
        }
        return true;
    }

    int paper_at(int column, int row) const {
        const int number = model_.block_at(column, row);
        return number != 0 ? model_.block(number).color : kBlack;
    }
    int corner_paper(int column, int row) const {
        const ScreenRect rect = on_screen({column, row, 1, 1, 0});
        return attribute_background(screen().cell_attribute(rect.top, rect.left));
    }

    // The move the corners show, legal on the model: a block's colour in a
    // free cell beside it, black in the cell it leaves that way. It is made
    // there, or the newest taken back if the key was Back, and its cells checked.
    bool follow() {
        for (int number = 1; number <= model_.program().block_count(); ++number) {
            const Block b = model_.block(number);
            const int right = b.column + b.columns, bottom = b.row + b.rows;
            const int ways[][5] = {{kUp, b.column, b.row - 1, b.column, bottom - 1},
                                   {kDown, b.column, bottom, b.column, b.row},
                                   {kLeft, b.column - 1, b.row, right - 1, b.row},
                                   {kRight, right, b.row, b.column, b.row}};
            for (const auto& [way, column, row, left_column, left_row] : ways) {
                if (corner_paper(column, row) != b.color ||
                    corner_paper(left_column, left_row) != kBlack ||
                    (model_.legal_directions(number) & way) == 0)
                    continue;
                if (backing_ && !model_.back()) return false;
                if (!backing_) model_.move(number, way);
                check_cells(b);
                check_cells(model_.block(number));
                return true;
            }
        }
        return false;
    }

    // The corner of every cell.
    void compare_corners() const {
        for (int column = 0; column < kBoardColumns; ++column) {
            for (int row = 0; row < kBoardRows; ++row) {
                const ScreenRect rect = on_screen({column, row, 1, 1, 0});
                check_paper(screen(), rect.top, rect.left, paper_at(column, row));
            }
        }
    }

    // Each cell of the board shows its block's body colour for background, or black.
    void check_cells(const Block& cells) const {
        const ScreenModel& shown = screen();
        for (int column = cells.column; column < cells.column + cells.columns; ++column) {
            for (int row = cells.row; row < cells.row + cells.rows; ++row) {
                const int paper = paper_at(column, row);
                const ScreenRect rect = on_screen({column, row, 1, 1, paper});
                for (int y = rect.top; y < rect.top + rect.height; ++y)
                    for (int x = rect.left; x < rect.left + rect.width; ++x)
                        check_paper(shown, y, x, paper);
            }
        }
    }

    // A row of the dark gray box round the board, with the puzzle's bar on its right.
    void check_frame_row(int row, int bar_top) const {
        const ScreenModel& shown = screen();
        for (int column = kBoxLeftColumn; column <= kBoxRightColumn; ++column) {
            const bool inside = row != kBoxTopRow && row != kBoxBottomRow &&
                                column >= kBoardLeftColumn && column <= kBoardRightColumn;
            const bool bar =
                column == kBoxRightColumn && row >= bar_top && row < bar_top + kTargetBarRows;
            if (bar && shown.cell(row, column).character != kFullBlockGlyph)
                broken_rule("the bar has a gap at row %d", row);
            if (!inside && !bar) check_paper(shown, row, column, kDarkGray);
        }
    }

    Board model_;
    int looks_ = 0;
    bool backing_ = false;  // the last key was Back
};

}  // namespace
}  // namespace blockslide::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace blockslide;
    using namespace blockslide::test;
    if (size == 0) return 0;
    ScriptedConsole typed;  // recording no frames or cue screens: copies cost time
    const bool first_game = type_fuzz_script({data, size}, &typed);
    const ProgramFacts& program = first_game ? farnswog() : traxolumbine();
    CheckedConsole console(program, std::move(typed));
    ConsoleSession session(console, console);
    try {
        if (run_game(program.puzzle_set()) != 0)
            broken_rule("a game ended with a non-zero exit code");
    } catch (const ScriptExhausted&) {
        // The player stopped typing in the middle of a game.
    }
    return 0;
}
