// libFuzzer target: whole games from arbitrary terminal bytes beside the
// tests' board model, which between two turns takes on what the game did (a
// move recorded or taken back, a fresh start); the blocks and the screen must
// then agree with it. Only what can have changed is looked at: the cells of a
// moved block, the whole box at a start, a cell and a row of the box in turn.
#include <array>
#include <cstddef>
#include <cstdint>

#include "console/console.h"
#include "console/scripted/scripted_console.h"
#include "engine/main_loop.h"
#include "fuzz/fuzz_script.h"
#include "tests/board_model.h"

namespace blockslide::test {
namespace {

constexpr int kBoxRows = kBoxBottomRow - kBoxTopRow + 1;
constexpr std::uint8_t kFullBlockGlyph = 0xDB;  // the bar shows its glyph, not its background

void check_paper(int row, int column, int paper) {
    const int shown = attribute_background(console_screen().cell_attribute(row, column));
    if (shown != paper)
        broken_rule("background %d at row %d, column %d, not %d", shown, row, column, paper);
}

// A row of the dark gray box round the board, with the puzzle's bar on its right.
void check_frame_row(int row, int bar_top) {
    const int board_right = kBoardLeftColumn + kBoardColumns * kCellWidth;
    for (int column = kBoxLeftColumn; column <= kBoxRightColumn; ++column) {
        const bool inside =
            row != kBoxTopRow && row != kBoxBottomRow && column >= kBoardLeftColumn && column < board_right;
        const bool bar = column == kBoxRightColumn && row >= bar_top && row < bar_top + kTargetBarRows;
        if (bar && console_screen().cell(row, column).character != kFullBlockGlyph)
            broken_rule("the bar has a gap at row %d", row);
        if (!inside && !bar) check_paper(row, column, kDarkGray);
    }
}

class ModelCheck : public TurnObserver {
public:
    explicit ModelCheck(const ProgramFacts& program) : model_(program) {}

    void between_turns(const GameState& game, bool fresh_start) override {
        fresh_start ? start_over(game) : follow(game);
        compare_blocks(game, fresh_start);
        // A little more each turn, so that a stray stroke anywhere shows.
        const int cell = turns_ % (kBoardColumns * kBoardRows);
        check_cells({cell % kBoardColumns, cell / kBoardColumns, 1, 1, 0});
        check_frame_row(kBoxTopRow + turns_++ % kBoxRows, puzzle(game).bar_first_row);
        if (game.solved != model_.at_goal(puzzle(game)))
            broken_rule("solved is %d after move %d", game.solved, game.move_count);
    }

private:
    // Any game number but the first means the last puzzle: the second, where there is one.
    const PuzzleFacts& puzzle(const GameState& game) const {
        const auto& puzzles = model_.program().puzzles;
        return puzzles[game.game_number == kFirstPuzzle ? 0 : puzzles.size() - 1];
    }

    void start_over(const GameState& game) {
        model_.start_over();
        if (game.move_count != 0 || !game.history.empty())
            broken_rule("a puzzle started with %d moves counted", game.move_count);
        for (int row = kBoxTopRow; row <= kBoxBottomRow; ++row)
            check_frame_row(row, puzzle(game).bar_first_row);
        check_cells({0, 0, kBoardColumns, kBoardRows, 0});
    }

    // A turn makes one move at most: a new record, or Back's taking one off.
    void follow(const GameState& game) {
        const int moves = game.move_count - model_.move_count;
        const int length = game.history.length();
        if (moves == 1 && length < model_.history_length()) {
            model_.back();
        } else if (moves == 1) {
            const MoveRecord move = length > 0 ? game.history.last() : MoveRecord{};
            if (move.block < 1 || move.block > model_.program().block_count() ||
                !is_single_direction(move.direction) ||
                (model_.legal_directions(move.block) & move.direction) == 0)
                broken_rule("move %d (block %d, way %d) is not legal on the board model",
                            game.move_count, move.block, move.direction);
            model_.move(move.block, move.direction);
        } else if (moves != 0) {
            broken_rule("the move counter went from %d to %d in one turn", model_.move_count,
                        game.move_count);
        }
        if (length != model_.history_length())
            broken_rule("%d moves recorded after move %d, the board model has %d", length,
                        game.move_count, model_.history_length());
    }

    // Every block where the model has it; the cells a moved block left and took.
    void compare_blocks(const GameState& game, bool fresh_start) {
        for (int number = 1; number <= model_.program().block_count(); ++number) {
            const Block& now = model_.block(number);
            const ScreenRect want = on_screen(now);
            const blockslide::Block& shown = game.block(number);
            if (shown.top_row != want.top || shown.left_column != want.left ||
                shown.width != want.width || shown.height != want.height)
                broken_rule("block %d at row %d, column %d after move %d, not %d, %d", number,
                            shown.top_row, shown.left_column, game.move_count, want.top, want.left);
            Block& before = checked_[number];
            if (!fresh_start && (before.column != now.column || before.row != now.row)) {
                check_cells(before);
                check_cells(now);
            }
            before = now;
        }
    }

    // Each cell of the board shows its block's body colour for background, or black.
    void check_cells(const Block& cells) const {
        for (int column = cells.column; column < cells.column + cells.columns; ++column) {
            for (int row = cells.row; row < cells.row + cells.rows; ++row) {
                const int number = model_.block_at(column, row);
                const int paper = number != 0 ? model_.block(number).color : kBlack;
                const ScreenRect rect = on_screen({column, row, 1, 1, paper});
                for (int y = rect.top; y < rect.top + rect.height; ++y)
                    for (int x = rect.left; x < rect.left + rect.width; ++x)
                        check_paper(y, x, paper);
            }
        }
    }

    Board model_;
    std::array<Block, kMaxBlocks + 1> checked_{};  // as last compared, by number
    int turns_ = 0;
};

}  // namespace
}  // namespace blockslide::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace blockslide;
    using namespace blockslide::test;
    if (size == 0) return 0;
    ScriptedConsole backend;  // recording no frames or cue screens: copies cost time
    const bool first_game = type_fuzz_script({data, size}, &backend);
    const ProgramFacts& program = first_game ? farnswog() : traxolumbine();
    ModelCheck check(program);
    ConsoleSession session(backend, backend);
    try {
        if (run_game(program.puzzle_set(), &check) != 0)
            broken_rule("a game ended with a non-zero exit code");
    } catch (const ScriptExhausted&) {
        // The player stopped typing in the middle of a game.
    }
    return 0;
}
