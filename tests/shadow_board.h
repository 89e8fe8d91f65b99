// The board as the puzzle's rules have it, kept by a test beside a game:
// where every block stands, which ways it can go, the move history and how
// the face block was last drawn. It knows nothing of the program; it turns
// moves in the stored notation ("2L": block key, direction letter) into the
// keys a player types.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/game_facts.h"

namespace blockslide::testing {

enum class FaceStyle { kNiceMan, kZombie };

// How the face block's face looks: its style, and whether a move was
// recorded when the block was last drawn (which picks the face colours).
struct FaceLook {
    FaceStyle style = FaceStyle::kNiceMan;
    bool played = false;
};

int direction_of_letter(char letter);  // U, R, D, L
std::string arrow_key(int direction);
// The blank-separated moves of a listing.
std::vector<std::string_view> split_moves(std::string_view listing);
// `word` `times` times, separated by blanks: a listing of steps, or a sound log.
std::string repeated_with_blanks(std::string_view word, int times);

class ShadowBoard {
public:
    explicit ShadowBoard(const ProgramFacts& program);

    const ProgramFacts& program() const { return *program_; }
    const BlockPlace& block(int number) const { return blocks_[number - 1]; }
    int block_number(char key) const;  // 0 when the key selects no block
    int legal_directions(int number) const;
    std::vector<std::string> legal_moves() const;  // in the stored notation, by block
    std::vector<GridCell> free_cells() const;
    bool goal_reached(const PuzzleFacts& puzzle) const;
    int history_length() const { return static_cast<int>(history_.size()); }
    FaceLook face() const { return face_; }

    // Makes one move (the test fails if it is not legal) and returns the
    // keys a player types for it: the block key, then an arrow when the
    // block could go two ways.
    std::vector<std::string> play(std::string_view move);
    std::vector<std::string> play_all(std::string_view listing);
    // Takes back the newest move (B), which must exist.
    void back();
    void toggle_face();
    // Every block back on its start place and drawn there; the history
    // stays as it is (auto-play's redraw).
    void lay_out_start();
    void clear_history() { history_.clear(); }
    // A puzzle start: lay_out_start, then an empty history (H, G, and the
    // start after auto-play; R empties the history first).
    void start_over();

private:
    struct Move {
        int number;
        int direction;
    };
    void move_block(int number, int direction);
    bool fits(int number, const BlockPlace& place) const;

    const ProgramFacts* program_;
    std::vector<BlockPlace> blocks_;
    std::vector<Move> history_;
    FaceLook face_;
};

}  // namespace blockslide::testing
