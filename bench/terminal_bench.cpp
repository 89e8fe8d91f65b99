// What a key costs in the running game: a move with its drawing into the
// screen model, the same move sent on through the Unix terminal into a
// pseudo-terminal, and a whole stored-solution replay without its pauses.
// Keys come from the benchmark loop; the game itself runs as it does for a
// player, through run_game.
#include <benchmark/benchmark.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include "console/console.h"
#include "console/keys.h"
#include "console/scripted/scripted_console.h"
#include "console/terminal.h"
#include "engine/main_loop.h"
#include "puzzles/puzzle_sets.h"

namespace blockslide {
namespace {

constexpr int kStatusRow = 24;

bool asks_for_direction(const ScreenModel& screen) {
    constexpr std::string_view kPrompt = "Specify direction (arrow)";
    char row[kScreenColumns];
    for (int column = 1; column <= kScreenColumns; ++column)
        row[column - 1] = static_cast<char>(screen.cell(kStatusRow, column).character);
    return std::string_view(row, kScreenColumns).find(kPrompt) != std::string_view::npos;
}

std::string arrow_for(char letter) {
    switch (letter) {
        case 'U':
            return kUpKey;
        case 'R':
            return kRightKey;
        case 'D':
            return kDownKey;
        default:
            return kLeftKey;
    }
}

// Sleeps take no time; the screen goes to `terminal` when one is given.
class BenchConsole : public ScriptedConsole {
public:
    explicit BenchConsole(ConsoleBackend* terminal) : terminal_(terminal) {}
    void present(const ScreenModel& screen) override {
        ScriptedConsole::present(screen);
        if (terminal_ != nullptr) terminal_->present(screen);
    }
    void sleep(int) override {}

private:
    ConsoleBackend* terminal_;
};

// One iteration is one move: the first stored move of the puzzle, then B,
// and again. Esc at the block prompt ends the game when the loop is done.
class MovingConsole : public BenchConsole {
public:
    MovingConsole(benchmark::State& state, const Puzzle& puzzle, ConsoleBackend* terminal)
        : BenchConsole(terminal), state_(state), move_(puzzle.solution[0]) {}

    std::string wait_key() override {
        if (asks_for_direction(screen())) return arrow_for(move_[1]);
        if (!state_.KeepRunning()) return kEscapeKey;
        forward_ = !forward_;
        return forward_ ? std::string(1, move_[0]) : "B";
    }

private:
    benchmark::State& state_;
    std::string_view move_;
    bool forward_ = false;
};

// The player's terminal on a pseudo-terminal of 80 x 25, standing in for
// standard input and output while it is open; what is written to it is read
// and dropped as fast as a terminal would take it.
class PseudoTerminal {
public:
    PseudoTerminal() {
        winsize size{};
        size.ws_row = kScreenRows;
        size.ws_col = kScreenColumns;
        if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0)
            throw std::runtime_error("no pseudo-terminal");
        drain_ = std::thread([fd = master_] {
            char bytes[4096];
            while (::read(fd, bytes, sizeof bytes) > 0) {
            }
        });
        std::fflush(stdout);
        saved_input_ = dup(STDIN_FILENO);
        saved_output_ = dup(STDOUT_FILENO);
        dup2(slave_, STDIN_FILENO);
        dup2(slave_, STDOUT_FILENO);
        setenv("TERM", "xterm-256color", 1);
        std::string problem;
        terminal_ = open_terminal(TerminalOptions{}, problem);
        if (!terminal_) throw std::runtime_error(problem);
    }
    ~PseudoTerminal() {
        terminal_.reset();
        std::fflush(stdout);
        dup2(saved_input_, STDIN_FILENO);
        dup2(saved_output_, STDOUT_FILENO);
        close(saved_input_);
        close(saved_output_);
        close(slave_);  // the drain sees the end of the output and stops
        drain_.join();
        close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    ConsoleBackend* backend() { return terminal_.get(); }

private:
    int master_ = -1;
    int slave_ = -1;
    int saved_input_ = -1;
    int saved_output_ = -1;
    std::thread drain_;
    std::unique_ptr<ConsoleBackend> terminal_;
};

void run_moves(benchmark::State& state, ConsoleBackend* terminal) {
    const PuzzleSet& puzzles = farnswog_puzzles();
    MovingConsole console(state, puzzles.puzzles[0], terminal);
    ConsoleSession session(console, console);
    benchmark::DoNotOptimize(run_game(puzzles));
}

// A move and its drawing into the screen model.
void BM_MoveDrawnInModel(benchmark::State& state) {
    run_moves(state, nullptr);
}
BENCHMARK(BM_MoveDrawnInModel);

// The same, flushed through the Unix terminal into a pseudo-terminal.
void BM_MoveFlushedToTerminal(benchmark::State& state) {
    PseudoTerminal terminal;
    run_moves(state, terminal.backend());
}
BENCHMARK(BM_MoveFlushedToTerminal);

// A whole auto-play of each stored solution, every move flushed to the
// pseudo-terminal, without the pauses between moves.
void BM_ReplayFlushedToTerminal(benchmark::State& state) {
    const PuzzleSet& puzzles = state.range(0) == 0 ? farnswog_puzzles() : traxolumbine_puzzles();
    PseudoTerminal terminal;
    for (auto _ : state) {
        BenchConsole console(terminal.backend());
        console.type("A");
        console.type_at(1, " ");  // after the replay: closes "<any key>"
        console.type("\x1b");
        ConsoleSession session(console, console);
        benchmark::DoNotOptimize(run_game(puzzles));
    }
}
BENCHMARK(BM_ReplayFlushedToTerminal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace blockslide
