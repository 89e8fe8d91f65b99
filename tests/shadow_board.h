// The board as the puzzle's rules have it, kept by a test beside a game, and
// the game and its shadow board driven together by one listing of steps.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/expected_screen.h"
#include "tests/game_facts.h"
#include "tests/scripted_game.h"

namespace blockslide::testing {

std::vector<std::string_view> split_moves(std::string_view listing);
// `word` `times` times, separated by blanks.
std::string repeated_with_blanks(std::string_view word, int times);

class ShadowBoard {
public:
    explicit ShadowBoard(const ProgramFacts& program)
        : program_(&program), blocks_(program.blocks) {}

    const BlockPlace& block(int number) const { return blocks_[number - 1]; }
    int block_number(char key) const;  // 0 when the key selects no block
    int legal_directions(int number) const;
    bool goal_reached(const PuzzleFacts& puzzle) const;
    int history_length() const { return static_cast<int>(history_.size()); }
    int move_count() const { return move_count_; }

    // Makes one move in the stored notation ("2L"; the test fails if it is
    // not legal) and returns the keys a player types: the block key, then an
    // arrow when the block could go two ways.
    std::vector<std::string> play(std::string_view move);
    void back();  // B, with at least one move recorded
    void toggle_face();
    // Every block back on its start place and drawn there with the history
    // kept (auto-play's redraw); the counter starts again.
    void lay_out_start();
    void clear_history() { history_.clear(); }
    // A puzzle start: an empty history, then lay_out_start (fresh face colours).
    void start_over();

    ExpectedScreen expected_board() const;
    // One block where the board has it, in the given colours (a flash).
    ExpectedScreen expected_block(int number, int ink, int body) const;

private:
    struct Move {
        int number;
        int direction;
    };
    void move_block(int number, int direction);

    const ProgramFacts* program_;
    std::vector<BlockPlace> blocks_;
    std::vector<Move> history_;
    int move_count_ = 0;
    FaceLook face_;
};

class ShadowedGame : public ScriptedGame {
public:
    // Plays `steps`, separated by blanks:
    // - a move in the stored notation ("2L"): its block key, and an arrow
    //   where the block could go two ways;
    // - "=2L": that move on the shadow board only (its keys typed otherwise);
    // - F, B, R, G, H or A in either case: that command on both (after H the
    //   next step closes the instructions; A is stopped by a key after its
    //   first move, so only while the clock still stands at 0);
    // - <Esc>, <Enter>, <Space>, <Up>, <Down>, <Left>, <Right>: that key;
    // - anything else: its characters typed, the shadow board left alone.
    explicit ShadowedGame(const ProgramFacts& program, std::string_view steps = "");
    void play(std::string_view steps);

    ShadowBoard board;
    int game_number = 1;

    // The frame, board and target bar of the current puzzle start.
    ExpectedScreen start_screen(int bar_color) const;
    // The board and the move counter match the shadow board's, and these sounds were played.
    ::testing::AssertionResult matches(std::string_view sounds) const;
    // The flashes of block `number` in these colours, in the recorded frames.
    std::vector<Flash> flashes_of(int number, int ink, int body) const;

private:
    void play_command(char letter);
    const ProgramFacts& program_;
};

}  // namespace blockslide::testing
